// The Browse buttons' requests and answers, and the output name suggested
// when the output edit gains the focus.
#include "platform/qt/open_file_dialog.h"
#include "res/resource.h"
#include "tests/ui/app_harness.h"
#include "tests/ui/modal_helpers.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <optional>

namespace {

struct SeenRequest {
    OPENFILENAMEA request;
    std::string filter; // the whole list, its NULs included
    std::string initialName;
};

// Stands in for the open-file dialog: keeps each request and answers with
// the next scripted name, or cancels.
class FileDialogRecorder {
public:
    FileDialogRecorder()
    {
        m_previous = open_file_dialog::SetHandler([this](OPENFILENAMEA* request) { return Answer(request); });
    }
    ~FileDialogRecorder() { open_file_dialog::SetHandler(m_previous); }

    void Choose(std::string name) { m_answers.emplace_back(std::move(name)); }
    void Cancel() { m_answers.emplace_back(std::nullopt); }
    std::vector<SeenRequest> requests;

private:
    BOOL Answer(OPENFILENAMEA* request)
    {
        SeenRequest seen { *request, {}, request->lpstrFile };
        for (const char* p = request->lpstrFilter; p && *p; p += std::strlen(p) + 1)
            seen.filter.append(p, std::strlen(p) + 1);
        requests.push_back(seen);
        if (m_answers.empty() || !m_answers.front()) {
            if (!m_answers.empty())
                m_answers.pop_front();
            return FALSE;
        }
        std::strcpy(request->lpstrFile, m_answers.front()->c_str());
        m_answers.pop_front();
        return TRUE;
    }

    open_file_dialog::Handler m_previous;
    std::deque<std::optional<std::string>> m_answers;
};

const std::string kLibraryFilter("Glyphboard Icon Files\0*.ico\0", 28);
const std::string kBitmapFilter("Bitmap Files\0*.bmp\0", 19);

TEST(Browse, EachButtonAsksForItsFilesInEachModeAndShowsTheChoice)
{
    struct Case {
        int button, edit, mode;
        const std::string& filter;
        const char* extension;
    } cases[] = {
        { IDC_BROWSE_INPUT, IDC_INPUT_FILE, 0, kLibraryFilter, ".ico" },
        { IDC_BROWSE_INPUT, IDC_INPUT_FILE, 1, kBitmapFilter, ".bmp" },
        { IDC_BROWSE_OUTPUT, IDC_OUTPUT_FILE, 0, kBitmapFilter, ".bmp" },
        { IDC_BROWSE_OUTPUT, IDC_OUTPUT_FILE, 1, kLibraryFilter, ".ico" },
        { IDC_BROWSE_ORIGINAL, IDC_ORIGINAL_FILE, 1, kLibraryFilter, ".ico" },
    };
    RunApplication([&](CConversionDialog& dialog) {
        for (const Case& c : cases) {
            Click(dialog, c.mode == 0 ? IDC_LIBRARY_TO_BITMAP : IDC_BITMAP_TO_LIBRARY);
            TypeInto(dialog, c.edit, "C:\\ICONS\\");
            FileDialogRecorder recorder;
            recorder.Choose("/chosen/name.x");
            Click(dialog, c.button);

            ASSERT_EQ(recorder.requests.size(), 1u) << c.button;
            const SeenRequest& seen = recorder.requests[0];
            const OPENFILENAMEA& r = seen.request;
            EXPECT_EQ(seen.filter, c.filter) << c.button << " mode " << c.mode;
            EXPECT_STREQ(r.lpstrDefExt, c.extension) << c.button << " mode " << c.mode;
            EXPECT_EQ(seen.initialName, "C:\\ICONS") << "one trailing backslash is removed";
            EXPECT_EQ(r.lStructSize, 76u);
            EXPECT_EQ(r.hwndOwner, dialog.m_hWnd);
            EXPECT_EQ(r.nFilterIndex, 1u);
            EXPECT_EQ(r.nMaxFile, 300u);
            EXPECT_STREQ(r.lpstrTitle, "Select File");
            EXPECT_EQ(r.Flags, 0x1004u);
            EXPECT_TRUE(!r.hInstance && !r.lpstrCustomFilter && !r.nMaxCustFilter && !r.lpstrFileTitle && !r.nMaxFileTitle && !r.lpstrInitialDir
                && !r.nFileOffset && !r.nFileExtension && !r.lCustData && !r.lpfnHook && !r.lpTemplateName);

            EXPECT_EQ(TextOf(dialog, c.edit), "/chosen/name.x");
        }
    });
}

TEST(Browse, ACancelKeepsTheEditAndOneBackslashGoes)
{
    RunApplication([](CConversionDialog& dialog) {
        FileDialogRecorder recorder;
        TypeInto(dialog, IDC_INPUT_FILE, "C:\\ICONS\\\\");
        recorder.Cancel();
        Click(dialog, IDC_BROWSE_INPUT);
        EXPECT_EQ(dialog.m_strInputFile, "C:\\ICONS\\");
        TypeInto(dialog, IDC_OUTPUT_FILE, "\\");
        recorder.Cancel();
        Click(dialog, IDC_BROWSE_OUTPUT);

        ASSERT_EQ(recorder.requests.size(), 2u);
        EXPECT_EQ(recorder.requests[0].initialName, "C:\\ICONS\\");
        EXPECT_EQ(recorder.requests[1].initialName, "");
        EXPECT_EQ(TextOf(dialog, IDC_INPUT_FILE), "C:\\ICONS\\\\") << "a cancel refreshed the edit";
    });
}

TEST(OutputSuggestion, TabbingFromTheInputToTheOutputFillsItForTheMode)
{
    for (int mode : { 0, 1 }) {
        RunApplication([&](CConversionDialog& dialog) {
            Click(dialog, mode == 0 ? IDC_LIBRARY_TO_BITMAP : IDC_BITMAP_TO_LIBRARY);
            FocusControl(dialog, IDC_INPUT_FILE);
            QTest::keyClicks(ControlWidget(dialog, IDC_INPUT_FILE), "/data/my.icons/Tools.ICO");
            PressKey(Qt::Key_Tab); // to the input's Browse
            PressKey(Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), ControlWidget(dialog, IDC_OUTPUT_FILE));
            EXPECT_EQ(TextOf(dialog, IDC_OUTPUT_FILE), mode == 0 ? "/data/my.icons/Tools.bmp" : "/data/my.icons/Tools.ico");
            EXPECT_EQ(dialog.m_strInputFile, "/data/my.icons/Tools.ICO");
        });
    }
}

TEST(OutputSuggestion, ATypedOutputNameIsReplacedTheNextTimeTheEditGainsTheFocus)
{
    RunApplication([](CConversionDialog& dialog) {
        FocusControl(dialog, IDC_INPUT_FILE);
        QTest::keyClicks(ControlWidget(dialog, IDC_INPUT_FILE), "lib.ico");
        FocusControl(dialog, IDC_OUTPUT_FILE);
        TypeInto(dialog, IDC_OUTPUT_FILE, "mine.bmp");
        FocusControl(dialog, IDOK);
        EXPECT_EQ(TextOf(dialog, IDC_OUTPUT_FILE), "mine.bmp");
        FocusControl(dialog, IDC_OUTPUT_FILE);
        EXPECT_EQ(TextOf(dialog, IDC_OUTPUT_FILE), "lib.bmp");
    });
}

TEST(OutputSuggestion, WithoutAnInputNameEnteringTheOutputChangesNothing)
{
    RunApplication([](CConversionDialog& dialog) {
        FocusControl(dialog, IDC_OUTPUT_FILE);
        QTest::keyClicks(ControlWidget(dialog, IDC_OUTPUT_FILE), "keep.bmp");
        Click(dialog, IDC_BITMAP_TO_LIBRARY);
        TypeInto(dialog, IDC_ORIGINAL_FILE, "typed.ico");
        FocusControl(dialog, IDOK);
        FocusControl(dialog, IDC_OUTPUT_FILE);
        EXPECT_EQ(TextOf(dialog, IDC_OUTPUT_FILE), "keep.bmp");
        EXPECT_EQ(TextOf(dialog, IDC_ORIGINAL_FILE), "typed.ico");
    });
}

} // namespace
