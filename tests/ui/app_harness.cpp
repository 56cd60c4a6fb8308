#include "tests/ui/app_harness.h"
#include "platform/qt/win_app.h"
#include "res/quintaro_resources.h"
#include "res/resource.h"
#include "tests/ui/modal_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

int RunApplication(const std::function<void(CConversionDialog&)>& steps, const ResourceModule* resources, const std::vector<std::string>& arguments)
{
    Watchdog watchdog;
    std::vector<std::string> words { "quintaro" };
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int result = 0;
    RunInsideModalLoop([&] { result = AfxWinMain(static_cast<int>(words.size()), argv.data(), resources ? *resources : QuintaroResources()); },
        [&] {
            auto* dialog = dynamic_cast<CConversionDialog*>(AfxGetMainWnd());
            if (!dialog) {
                ADD_FAILURE() << "the conversion dialog is not the main window";
                return;
            }
            EXPECT_TRUE(QTest::qWaitForWindowActive(WidgetOf(*dialog)));
            steps(*dialog);
            if (dialog->m_hWnd)
                dialog->EndDialog(IDCANCEL);
        });
    return result;
}

void FocusControl(CConversionDialog& dialog, int id)
{
    QWidget* widget = ControlWidget(dialog, id);
    widget->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == widget; }, 2000)) << "control " << id;
}

void TypeInto(CConversionDialog& dialog, int id, const char* text)
{
    auto* edit = Control<QLineEdit>(dialog, id);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

CString TextOf(CConversionDialog& dialog, int id) { return Control<QLineEdit>(dialog, id)->text().toStdString(); }

void Click(CConversionDialog& dialog, int id)
{
    auto* button = Control<QAbstractButton>(dialog, id);
    // A radio button takes clicks on its indicator and text only.
    QPoint at = qobject_cast<QRadioButton*>(button) ? QPoint(4, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(QApplication::focusWidget(), key, modifiers); }
