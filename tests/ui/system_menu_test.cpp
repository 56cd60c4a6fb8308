// The system menu the layer keeps: its standard items, what a program
// appends, and the popup that Alt+Space and a right-click on the
// background open, whose commands arrive as WM_SYSCOMMAND.
#include "platform/qt/cmenu.h"
#include "tests/ui/layer_test_dialog.h"
#include "tests/ui/modal_helpers.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QStringList TextsOf(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QString("-") : action->text());
    return texts;
}

// Opens the popup with `open`, keeps its items and chooses `choice`.
QStringList ChooseFromPopup(const std::function<void()>& open, const QString& choice)
{
    QStringList seen;
    WhenShown popup([](QWidget* w) { return qobject_cast<QMenu*>(w) != nullptr; },
        [&](QWidget* w) {
            auto* menu = qobject_cast<QMenu*>(w);
            seen = TextsOf(menu);
            for (QAction* action : menu->actions())
                if (action->text() == choice) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            menu->close();
        });
    open();
    return seen;
}

constexpr UINT kAppendedCommand = 0x0040;

bool Logged(const TestDialog& dialog, const std::string& entry)
{
    return std::find(dialog.log.begin(), dialog.log.end(), entry) != dialog.log.end();
}

TEST(SystemMenu, AltSpaceShowsTheStandardItemsAndTheAppendedOnes)
{
    LayerResources resources;
    TestDialog dialog;
    RunDialog(dialog, [&] {
        CMenu* menu = dialog.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, kAppendedCommand, "&Appended");

        ControlWidget(dialog, kFirstEdit)->setFocus();
        QStringList seen = ChooseFromPopup([&] { QTest::keyClick(ControlWidget(dialog, kFirstEdit), Qt::Key_Space, Qt::AltModifier); }, "&Appended");
        EXPECT_EQ(seen, (QStringList { "&Move", "-", "&Close", "-", "&Appended" }));
        EXPECT_TRUE(Logged(dialog, "syscommand " + std::to_string(kAppendedCommand)));
    });
}

TEST(SystemMenu, RevertGoesBackToTheStandardMenu)
{
    LayerResources resources;
    TestDialog dialog;
    RunDialog(dialog, [&] {
        dialog.GetSystemMenu(FALSE)->AppendMenu(MF_STRING, kAppendedCommand, "x");
        EXPECT_EQ(dialog.GetSystemMenu(TRUE), nullptr);
        EXPECT_EQ(dialog.GetSystemMenu(FALSE)->GetMenuItemCount(), 3);
    });
}

TEST(SystemMenu, ARightClickOnTheBackgroundOpensItAndCloseEndsTheDialog)
{
    LayerResources resources;
    TestDialog dialog;
    int result = RunDialog(dialog, [&] {
        QWidget* window = WidgetOf(dialog);
        // On a button: no menu.
        bool shown = false;
        {
            WhenShown popup([](QWidget* w) { return qobject_cast<QMenu*>(w) != nullptr; }, [&](QWidget* w) { shown = true; w->close(); });
            QWidget* button = ControlWidget(dialog, IDOK);
            QContextMenuEvent onButton(QContextMenuEvent::Mouse, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(button, &onButton);
            QTest::qWait(50);
        }
        EXPECT_FALSE(shown);

        QPoint empty(window->width() - 2, 2);
        ChooseFromPopup([&] {
            QContextMenuEvent onBackground(QContextMenuEvent::Mouse, empty, window->mapToGlobal(empty));
            QApplication::sendEvent(window, &onBackground);
        }, "&Close");
        EXPECT_TRUE(Logged(dialog, "syscommand " + std::to_string(SC_CLOSE)));
    });
    EXPECT_EQ(result, IDCANCEL);
}

} // namespace
