#include "tests/ui/layer_test_dialog.h"
#include "platform/core/message_box.h"
#include "platform/qt/data_exchange.h"
#include "platform/qt/window_styles.h"
#include "tests/ui/modal_helpers.h"

#include <QTest>

#include <gtest/gtest.h>

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_WM_SYSCOMMAND()
    ON_EN_SETFOCUS(kFirstEdit, &TestDialog::OnFirstSetFocus)
    ON_EN_KILLFOCUS(kFirstEdit, &TestDialog::OnFirstKillFocus)
    ON_EN_SETFOCUS(kSecondEdit, &TestDialog::OnSecondSetFocus)
    ON_EN_KILLFOCUS(kSecondEdit, &TestDialog::OnSecondKillFocus)
    ON_BN_CLICKED(kActionButton, &TestDialog::OnAction)
END_MESSAGE_MAP()

DialogTemplate TestDialogTemplate()
{
    using C = ControlClass;
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    return {
        "Layer test", "MS Sans Serif", 8, 0, 0, 200, 120, 0x90c800c0, 0,
        {
            { IDOK, C::Button, "&Go", 10, 100, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP },
            { IDCANCEL, C::Button, "&Exit", 70, 100, 50, 14, kChild | WS_TABSTOP },
            { kRadioA, C::Button, "A", 10, 10, 60, 10, kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP },
            { kGroupLabel, C::Static, "inside the group", 10, 22, 60, 10, kChild },
            { kRadioB, C::Button, "B", 10, 34, 60, 10, kChild | BS_AUTORADIOBUTTON },
            { kFirstEdit, C::Edit, "", 10, 50, 100, 14, kChild | WS_BORDER | WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL },
            { kSecondEdit, C::Edit, "", 10, 70, 100, 14, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL },
            { kRadioAlone, C::Button, "alone", 120, 10, 60, 10, kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP },
            { kActionButton, C::Button, "Action", 130, 100, 50, 14, kChild | WS_TABSTOP },
        },
    };
}

void TestDialog::DoDataExchange(CDataExchange* dx)
{
    DDX_Radio(dx, kRadioA, m_nChoice);
    DDX_Text(dx, kFirstEdit, m_strFirst);
    DDX_Text(dx, kSecondEdit, m_strSecond);
}

void TestDialog::OnSysCommand(UINT id, LPARAM lParam)
{
    log.push_back("syscommand " + std::to_string(id));
    CDialog::OnSysCommand(id, lParam);
}

void TestDialog::OnAction()
{
    log.push_back("action");
    if (action)
        action();
}

LayerResources::LayerResources()
{
    resources.SetDialog(kTestDialogId, TestDialogTemplate());
    m_previous = SetResourceModule(&resources);
}

LayerResources::~LayerResources() { SetResourceModule(m_previous); }

int RunDialog(CDialog& dialog, const std::function<void()>& steps)
{
    Watchdog watchdog;
    int result = 0;
    RunInsideModalLoop([&] { result = dialog.DoModal(); },
        [&] {
            QWidget* window = WidgetOf(dialog);
            if (!window)
                return;
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
            steps();
            dialog.EndDialog(-2);
        });
    return result;
}
