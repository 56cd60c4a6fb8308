// Message boxes on QMessageBox: icon, buttons, caption and answer from the
// style, the owner, and the focus coming back when a box closes.
#include "platform/qt/qt_message_box.h"
#include "tests/ui/layer_test_dialog.h"
#include "tests/ui/modal_helpers.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(QtMessageBox, StyleGivesIconButtonsAndAnswer)
{
    struct Case {
        UINT style;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press;
        int answer;
    } cases[] = {
        { MB_ICONWARNING | MB_OK, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, IDOK },
        { MB_ICONERROR | MB_OK, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, IDOK },
        { MB_OK, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok, IDOK },
        { MB_ICONWARNING | MB_YESNO, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, IDYES },
        { MB_ICONWARNING | MB_YESNO, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, IDNO },
    };
    QtMessageBoxService service;
    for (const Case& c : cases) {
        Watchdog watchdog;
        BoxAnswerer answerer;
        answerer.Answer(c.press);
        EXPECT_EQ(service.Show(nullptr, "text", "caption", c.style), c.answer) << std::hex << c.style;
        ASSERT_EQ(answerer.Boxes().size(), 1u);
        const SeenBox& box = answerer.Boxes().front();
        EXPECT_EQ(box.icon, c.icon);
        EXPECT_EQ(box.buttons, c.buttons);
        EXPECT_EQ(box.title, "caption");
        EXPECT_EQ(box.text, "text");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.modality, Qt::NonModal) << "a box without owner must leave the other windows usable";
    }
}

TEST(QtMessageBox, AnOwnedBoxBlocksItsOwnerAndGivesTheFocusBack)
{
    LayerResources resources;
    TestDialog dialog;
    RunDialog(dialog, [&] {
        QWidget* edit = ControlWidget(dialog, kSecondEdit);
        edit->setFocus();
        QtMessageBoxService service;
        BoxAnswerer answerer;
        service.Show(dialog.m_hWnd, "owned", "caption", MB_ICONWARNING | MB_OK);
        service.Show(dialog.m_hWnd, "system", "caption", MB_ICONWARNING | MB_SYSTEMMODAL);
        ASSERT_EQ(answerer.Boxes().size(), 2u);
        EXPECT_EQ(answerer.Boxes()[0].owner, WidgetOf(dialog));
        EXPECT_EQ(answerer.Boxes()[0].modality, Qt::WindowModal);
        EXPECT_EQ(answerer.Boxes()[1].modality, Qt::ApplicationModal);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == edit; }, 2000));
    });
}

} // namespace
