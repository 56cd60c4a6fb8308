// GetOpenFileNameA on Qt's own file dialog: the request becomes the
// dialog's title, filter, initial name, file mode and default suffix, and
// the chosen path comes back in the buffer.
#include "platform/qt/open_file_dialog.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/modal_helpers.h"

#include <QFileDialog>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace {

struct Request {
    char name[300] = {};
    OPENFILENAMEA ofn {};

    Request(const std::string& initial, DWORD bufferSize = 300)
    {
        std::strncpy(name, initial.c_str(), sizeof name - 1);
        ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
        ofn.lpstrFilter = "Glyphboard Icon Files\0*.ico\0";
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = name;
        ofn.nMaxFile = bufferSize;
        ofn.lpstrTitle = "Select File";
        ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        ofn.lpstrDefExt = ".ico";
    }
};

QFileDialog* AsFileDialog(QWidget* widget) { return qobject_cast<QFileDialog*>(widget); }

TEST(OpenFileDialog, TheRequestShapesQtsDialogAndTheChoiceComesBack)
{
    TempDir dir;
    std::string chosen = dir.File("tools.ico");
    std::ofstream(chosen) << "x";

    Watchdog watchdog;
    Request request(dir.File("start.ico"));
    WhenShown shown([](QWidget* w) { return AsFileDialog(w) != nullptr; },
        [&](QWidget* w) {
            QFileDialog* dialog = AsFileDialog(w);
            EXPECT_EQ(dialog->windowTitle(), "Select File");
            EXPECT_EQ(dialog->nameFilters(), QStringList { "Glyphboard Icon Files (*.ico)" });
            EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
            EXPECT_EQ(dialog->defaultSuffix(), "ico");
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
            EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(dir.Path().string()));
            dialog->selectFile("tools.ico");
            static_cast<QDialog*>(dialog)->accept();
        });
    EXPECT_TRUE(GetOpenFileNameA(&request.ofn));
    EXPECT_TRUE(shown.Seen());
    EXPECT_EQ(std::string(request.name), chosen);
    EXPECT_EQ(request.ofn.nFileOffset, chosen.size() - std::strlen("tools.ico"));
}

TEST(OpenFileDialog, CancelAndAPathTooLongForTheBufferReturnZero)
{
    TempDir dir;
    std::string chosen = dir.File("tools.ico");
    std::ofstream(chosen) << "x";
    Watchdog watchdog;
    {
        Request request(chosen);
        WhenShown shown([](QWidget* w) { return AsFileDialog(w) != nullptr; }, [](QWidget* w) { AsFileDialog(w)->reject(); });
        EXPECT_FALSE(GetOpenFileNameA(&request.ofn));
        EXPECT_EQ(std::string(request.name), chosen) << "a cancel changed the buffer";
    }
    {
        Request request(chosen, static_cast<DWORD>(chosen.size()));
        WhenShown shown([](QWidget* w) { return AsFileDialog(w) != nullptr; },
            [](QWidget* w) {
                AsFileDialog(w)->selectFile("tools.ico");
                static_cast<QDialog*>(AsFileDialog(w))->accept();
            });
        EXPECT_FALSE(GetOpenFileNameA(&request.ofn));
    }
}

TEST(OpenFileDialog, AHandlerReplacesTheDialog)
{
    Request request("");
    int calls = 0;
    auto previous = open_file_dialog::SetHandler([&](OPENFILENAMEA* ofn) {
        ++calls;
        std::strcpy(ofn->lpstrFile, "/answered.ico");
        return TRUE;
    });
    EXPECT_TRUE(GetOpenFileNameA(&request.ofn));
    open_file_dialog::SetHandler(previous);
    EXPECT_EQ(calls, 1);
    EXPECT_STREQ(request.name, "/answered.ico");
}

} // namespace
