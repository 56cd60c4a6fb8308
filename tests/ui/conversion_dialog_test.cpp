// The conversion dialog after start-up, its two modes, Go from the edits,
// Exit, the About box from the system menu, and F1.
#include "platform/core/application_title.h"
#include "platform/qt/cmenu.h"
#include "platform/qt/win_app.h"
#include "res/quintaro_resources.h"
#include "res/resource.h"
#include "tests/support/message_recorder.h"
#include "tests/ui/app_harness.h"
#include "tests/ui/modal_helpers.h"
#include "tests/ui/test_resources.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool IsChecked(CConversionDialog& dialog, int id) { return Control<QRadioButton>(dialog, id)->isChecked(); }
bool IsEnabled(CConversionDialog& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled() != FALSE; }

std::vector<std::string> MenuTexts(CConversionDialog& dialog)
{
    std::vector<std::string> texts;
    for (const CMenu::Item& item : dialog.GetSystemMenu(FALSE)->Items())
        texts.push_back(item.flags & MF_SEPARATOR ? "-" : item.text);
    return texts;
}

TEST(ConversionDialog, StateRightAfterStartUpWhateverTheArguments)
{
    for (std::vector<std::string> arguments : { std::vector<std::string> {}, std::vector<std::string> { "--mode", "1", "x.ico" } }) {
        CConversionDialog* seen = nullptr;
        RunApplication([&](CConversionDialog& dialog) {
            seen = &dialog;
            EXPECT_EQ(AfxGetMainWnd(), &dialog);
            EXPECT_TRUE(IsChecked(dialog, IDC_LIBRARY_TO_BITMAP));
            EXPECT_FALSE(IsChecked(dialog, IDC_BITMAP_TO_LIBRARY));
            EXPECT_EQ(dialog.m_nConvType, 0);
            for (int edit : { IDC_INPUT_FILE, IDC_OUTPUT_FILE, IDC_ORIGINAL_FILE })
                EXPECT_EQ(TextOf(dialog, edit), "") << edit;
            for (int id : { IDC_ORIGINAL_LABEL, IDC_ORIGINAL_FILE, IDC_BROWSE_ORIGINAL })
                EXPECT_FALSE(IsEnabled(dialog, id)) << id;
            for (int id : { IDOK, IDCANCEL, IDC_INPUT_FILE, IDC_OUTPUT_FILE, IDC_BROWSE_INPUT, IDC_BROWSE_OUTPUT, IDC_BITMAP_TO_LIBRARY })
                EXPECT_TRUE(IsEnabled(dialog, id)) << id;
            EXPECT_EQ(QApplication::focusWidget(), ControlWidget(dialog, IDOK));
            EXPECT_EQ(WidgetOf(dialog)->windowTitle(), "Quintaro Conversion Utility");
            EXPECT_EQ(MenuTexts(dialog), (std::vector<std::string> { "&Move", "-", "&Close", "-", "&About Quintaro..." }));
            QIcon icon = WidgetOf(dialog)->windowIcon();
            EXPECT_EQ(icon.availableSizes(), (QList<QSize> { QSize(32, 32), QSize(16, 16) }));
            EXPECT_NE(dialog.m_hIcon, nullptr);
            EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_QUERYDRAGICON)), dialog.m_hIcon);
        }, nullptr, arguments);
        EXPECT_NE(seen, nullptr);
        EXPECT_EQ(AfxGetMainWnd(), nullptr) << "the main window outlived the dialog";
    }
}

TEST(ConversionDialog, ModeSwitchingKeepsTheOriginalNameWhileGreyed)
{
    RunApplication([](CConversionDialog& dialog) {
        Click(dialog, IDC_BITMAP_TO_LIBRARY);
        EXPECT_EQ(dialog.m_nConvType, 1);
        for (int id : { IDC_ORIGINAL_LABEL, IDC_ORIGINAL_FILE, IDC_BROWSE_ORIGINAL })
            EXPECT_TRUE(IsEnabled(dialog, id)) << id;
        TypeInto(dialog, IDC_ORIGINAL_FILE, "original.ico");
        TypeInto(dialog, IDC_OUTPUT_FILE, "out.ico");

        Click(dialog, IDC_LIBRARY_TO_BITMAP);
        EXPECT_EQ(dialog.m_nConvType, 0);
        EXPECT_FALSE(IsChecked(dialog, IDC_BITMAP_TO_LIBRARY));
        for (int id : { IDC_ORIGINAL_LABEL, IDC_ORIGINAL_FILE, IDC_BROWSE_ORIGINAL })
            EXPECT_FALSE(IsEnabled(dialog, id)) << id;
        EXPECT_EQ(TextOf(dialog, IDC_ORIGINAL_FILE), "original.ico");

        Click(dialog, IDC_BITMAP_TO_LIBRARY);
        EXPECT_TRUE(IsEnabled(dialog, IDC_ORIGINAL_FILE));
        EXPECT_EQ(TextOf(dialog, IDC_ORIGINAL_FILE), "original.ico");
        EXPECT_EQ(TextOf(dialog, IDC_OUTPUT_FILE), "out.ico") << "switching the mode changed the output name";
    });
}

// With names missing, Go answers with the command's own box, owned by the
// dialog: the sign that Go ran. The dialog stays open.
TEST(ConversionDialog, EnterInEachEditRunsGo)
{
    RunApplication([](CConversionDialog& dialog) {
        Click(dialog, IDC_BITMAP_TO_LIBRARY);
        for (int edit : { IDC_INPUT_FILE, IDC_OUTPUT_FILE, IDC_ORIGINAL_FILE }) {
            MessageRecorder recorder;
            FocusControl(dialog, edit);
            QTest::keyClick(ControlWidget(dialog, edit), Qt::Key_Return);
            ASSERT_EQ(recorder.Messages().size(), 1u) << edit;
            EXPECT_EQ(recorder.Messages()[0].text, "All File Names are required");
            EXPECT_EQ(recorder.Messages()[0].owner, dialog.m_hWnd);
            EXPECT_TRUE(WidgetOf(dialog)->isVisible());
        }
    });
}

TEST(ConversionDialog, EscapeEndsWithoutReadingTheControls)
{
    RunApplication([](CConversionDialog& dialog) {
        FocusControl(dialog, IDC_INPUT_FILE);
        QTest::keyClicks(ControlWidget(dialog, IDC_INPUT_FILE), "typed.ico");
        PressKey(Qt::Key_Escape);
        EXPECT_FALSE(WidgetOf(dialog)->isVisible());
        EXPECT_EQ(dialog.m_strInputFile, "");
    });
}

// Sends a system command; true when it opened the About box, which is
// closed with its OK button.
bool OpensAbout(CConversionDialog& dialog, UINT command)
{
    QWidget* aboutOwner = nullptr;
    WhenShown about([](QWidget* w) { return w->windowTitle() == "About Quintaro Conversion Utility"; },
        [&](QWidget* w) {
            aboutOwner = w->parentWidget();
            for (auto* button : w->findChildren<QPushButton*>())
                if (button->text() == "OK")
                    button->click();
        });
    dialog.SendMessage(WM_SYSCOMMAND, command, 0);
    EXPECT_TRUE(!about.Seen() || aboutOwner == WidgetOf(dialog)) << "the About box is not owned by the dialog";
    return about.Seen();
}

TEST(ConversionDialog, SystemCommandsWithTheAboutIdInTheHighBitsOpenTheAboutBox)
{
    RunApplication([](CConversionDialog& dialog) {
        for (UINT command = 0x0010; command <= 0x001F; ++command)
            EXPECT_TRUE(OpensAbout(dialog, command)) << std::hex << command;
        for (UINT command : { 0x000Fu, 0x0020u })
            EXPECT_FALSE(OpensAbout(dialog, command)) << std::hex << command;
        EXPECT_TRUE(WidgetOf(dialog)->isVisible());
    });
}

TEST(ConversionDialog, TheSystemMenuPopupReachesTheAboutBox)
{
    RunApplication([](CConversionDialog&) {
        bool aboutShown = false;
        WhenShown about([](QWidget* w) { return w->windowTitle() == "About Quintaro Conversion Utility"; },
            [&](QWidget* w) {
                aboutShown = true;
                QTest::keyClick(w, Qt::Key_Escape);
            });
        WhenShown popup([](QWidget* w) { return qobject_cast<QMenu*>(w) != nullptr; },
            [](QWidget* w) {
                auto* menu = qobject_cast<QMenu*>(w);
                menu->setActiveAction(menu->actions().back());
                QTest::keyClick(menu, Qt::Key_Return);
            });
        PressKey(Qt::Key_Space, Qt::AltModifier);
        EXPECT_TRUE(popup.Seen());
        EXPECT_TRUE(aboutShown);
    });
}

TEST(ConversionDialog, AnEmptyOrMissingAboutStringLeavesTheSystemMenuAsItWas)
{
    TestResources empty(&QuintaroResources());
    empty.SetString(IDS_ABOUT_ITEM, "");
    TestResources missing(&QuintaroResources());
    missing.HideString(IDS_ABOUT_ITEM);
    for (const TestResources* resources : { &empty, &missing }) {
        RunApplication([](CConversionDialog& dialog) {
            EXPECT_EQ(MenuTexts(dialog), (std::vector<std::string> { "&Move", "-", "&Close" }));
        }, resources);
    }
}

TEST(ConversionDialog, F1ReportsThatHelpCannotBeLaunched)
{
    RunApplication([](CConversionDialog& dialog) {
        MessageRecorder recorder;
        PressKey(Qt::Key_F1);
        ASSERT_EQ(recorder.Messages().size(), 1u);
        EXPECT_EQ(recorder.Messages()[0].text, "Failed to launch help.");
        EXPECT_EQ(recorder.Messages()[0].caption, GetApplicationTitle());
        EXPECT_EQ(recorder.Messages()[0].style, MB_ICONWARNING | MB_OK);
        EXPECT_EQ(recorder.Messages()[0].owner, dialog.m_hWnd);
    });
}

} // namespace
