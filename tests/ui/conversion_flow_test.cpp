// Whole conversions driven through the dialog, their boxes answered by the
// test, and an exception during Go reported while the dialog goes on.
#include "platform/core/application_title.h"
#include "platform/core/file_faults.h"
#include "res/resource.h"
#include "tests/support/library_builder.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/app_harness.h"
#include "tests/ui/modal_helpers.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::string SaveLibrary(const TempDir& dir)
{
    std::string library = dir.File("tools.ico");
    LibraryBuilder().Icon({ .width = 30, .height = 24 }).Icon({ .width = 16, .height = 16 }).Build().Save(library);
    return library;
}

TEST(ConversionThroughTheDialog, LibraryToStripAndBackAgain)
{
    TempDir dir;
    std::string library = SaveLibrary(dir);
    std::string strip = dir.File("tools.bmp");
    std::string rebuilt = dir.File("rebuilt.ico");

    RunApplication([&](CConversionDialog& dialog) {
        FocusControl(dialog, IDC_INPUT_FILE);
        QTest::keyClicks(ControlWidget(dialog, IDC_INPUT_FILE), QString::fromStdString(library));
        FocusControl(dialog, IDC_OUTPUT_FILE);
        EXPECT_EQ(TextOf(dialog, IDC_OUTPUT_FILE), strip);
        {
            BoxAnswerer answerer;
            Click(dialog, IDOK);
            ASSERT_EQ(answerer.Texts(), std::vector<std::string> { "Conversion complete." });
            EXPECT_EQ(answerer.Boxes()[0].title, "Quintaro Conversion Utility");
            EXPECT_EQ(answerer.Boxes()[0].owner, nullptr);
        }
        std::vector<std::uint8_t> stripBytes = ReadFileBytes(strip);
        ASSERT_GE(stripBytes.size(), 2u);
        EXPECT_EQ(stripBytes[0], 'B');
        EXPECT_EQ(stripBytes[1], 'M');

        // As a user goes: the original first, then the strip, then on to the
        // output, where leaving the input edit has read every control.
        Click(dialog, IDC_BITMAP_TO_LIBRARY);
        FocusControl(dialog, IDC_ORIGINAL_FILE);
        QTest::keyClicks(ControlWidget(dialog, IDC_ORIGINAL_FILE), QString::fromStdString(library));
        FocusControl(dialog, IDC_INPUT_FILE);
        TypeInto(dialog, IDC_INPUT_FILE, strip.c_str());
        FocusControl(dialog, IDC_OUTPUT_FILE);
        EXPECT_EQ(TextOf(dialog, IDC_OUTPUT_FILE), library) << "the suggestion for the way back";
        TypeInto(dialog, IDC_OUTPUT_FILE, rebuilt.c_str());
        {
            BoxAnswerer answerer;
            PressKey(Qt::Key_Return);
            EXPECT_EQ(answerer.Texts(), std::vector<std::string> { "Conversion complete." });
        }
        // The strip came back unedited: the new library is the original.
        EXPECT_EQ(ReadFileBytes(rebuilt), ReadFileBytes(library));
        EXPECT_EQ(dialog.m_strOutputFile, rebuilt) << "Go changed a name";
        EXPECT_TRUE(WidgetOf(dialog)->isVisible());
    });
}

TEST(ConversionThroughTheDialog, AnExceptionDuringGoIsReportedAndTheDialogStaysUsable)
{
    TempDir dir;
    std::string library = SaveLibrary(dir);
    std::string strip = dir.File("tools.bmp");

    RunApplication([&](CConversionDialog& dialog) {
        TypeInto(dialog, IDC_INPUT_FILE, library.c_str());
        TypeInto(dialog, IDC_OUTPUT_FILE, strip.c_str());
        {
            // The disk fills up: every write stores one byte less than asked.
            file_faults::SetWriteLimiter([](std::size_t requested) { return requested > 0 ? requested - 1 : 0; });
            BoxAnswerer answerer;
            Click(dialog, IDOK);
            file_faults::SetWriteLimiter(nullptr);
            ASSERT_EQ(answerer.Boxes().size(), 1u);
            const SeenBox& report = answerer.Boxes()[0];
            EXPECT_EQ(report.text.rfind("Disk full while accessing ", 0), 0u) << report.text;
            EXPECT_NE(report.text.find("tools.bmp"), std::string::npos) << report.text;
            EXPECT_EQ(report.title, GetApplicationTitle());
            EXPECT_EQ(report.icon, QMessageBox::Critical);
            EXPECT_EQ(report.owner, WidgetOf(dialog));
        }
        EXPECT_TRUE(WidgetOf(dialog)->isVisible());
        EXPECT_TRUE(WidgetOf(dialog)->isEnabled());

        BoxAnswerer answerer;
        answerer.Answer(QMessageBox::Yes);
        Click(dialog, IDOK);
        EXPECT_EQ(answerer.Texts(), (std::vector<std::string> { "Output file " + strip + " already exists.\nOverwrite?", "Conversion complete." }));
        EXPECT_EQ(ReadFileBytes(strip).at(0), 'B');
    });
}

} // namespace
