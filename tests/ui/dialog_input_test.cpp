// The keyboard and the window frame of a running dialog: the order of the
// focus notifications, Enter, the mnemonics and the ways to cancel.
#include "platform/core/message_box.h"
#include "tests/ui/layer_test_dialog.h"
#include "tests/ui/modal_helpers.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(DialogInput, TheFirstTabStopHasTheFocusAfterOpening)
{
    LayerResources resources;
    TestDialog dialog;
    RunDialog(dialog, [&] { EXPECT_EQ(QApplication::focusWidget(), ControlWidget(dialog, IDOK)); });
}

TEST(DialogInput, TheEditLosingTheFocusIsToldBeforeTheEditGainingIt)
{
    LayerResources resources;
    TestDialog dialog;
    RunDialog(dialog, [&] {
        ControlWidget(dialog, kFirstEdit)->setFocus(Qt::MouseFocusReason);
        dialog.log.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), ControlWidget(dialog, kSecondEdit));
        EXPECT_EQ(dialog.log, (std::vector<std::string> { "killfocus first", "setfocus second" }));

        dialog.log.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(dialog.log, (std::vector<std::string> { "killfocus second", "setfocus first" }));
    });
}

TEST(DialogInput, EnterInAnEditPressesTheDefaultButton)
{
    LayerResources resources;
    TestDialog dialog;
    RunDialog(dialog, [&] {
        for (int edit : { kFirstEdit, kSecondEdit }) {
            ControlWidget(dialog, edit)->setFocus();
            dialog.log.clear();
            QTest::keyClick(ControlWidget(dialog, edit), Qt::Key_Return);
            EXPECT_EQ(dialog.log, std::vector<std::string> { "OnOK" }) << edit;
        }
        // A mnemonic animates the click: it lands from the event loop.
        dialog.log.clear();
        QTest::keyClick(ControlWidget(dialog, kFirstEdit), Qt::Key_G, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.log.empty(); }, 2000));
        EXPECT_EQ(dialog.log, std::vector<std::string> { "OnOK" }) << "Alt+G";
    });
}

// Every way to cancel ends the dialog with IDCANCEL, and none of them
// reads the controls.
TEST(DialogInput, EscapeAltEAndCloseEndTheDialogWithCancel)
{
    struct Way {
        const char* name;
        std::function<void(TestDialog&)> cancel;
    } ways[] = {
        { "Alt+E", [](TestDialog& d) { QTest::keyClick(ControlWidget(d, kFirstEdit), Qt::Key_E, Qt::AltModifier); } },
        { "Escape", [](TestDialog& d) { QTest::keyClick(ControlWidget(d, kFirstEdit), Qt::Key_Escape); } },
        { "Close button", [](TestDialog& d) { WidgetOf(d)->close(); } },
        { "Exit button", [](TestDialog& d) { QTest::mouseClick(ControlWidget(d, IDCANCEL), Qt::LeftButton); } },
        { "system Close", [](TestDialog& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); } },
    };
    LayerResources resources;
    for (const Way& way : ways) {
        TestDialog dialog;
        int result = RunDialog(dialog, [&] {
            ControlWidget(dialog, kFirstEdit)->setFocus();
            QTest::keyClicks(ControlWidget(dialog, kFirstEdit), "typed");
            way.cancel(dialog);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !WidgetOf(dialog)->isVisible(); }, 2000)) << way.name;
        });
        EXPECT_EQ(result, IDCANCEL) << way.name;
        EXPECT_EQ(dialog.m_strFirst, "") << way.name << " read the controls";
    }
}

} // namespace
