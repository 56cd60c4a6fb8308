#include "tests/ui/modal_helpers.h"
#include "platform/qt/cwnd.h"
#include "platform/qt/window_handle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>

#include <gtest/gtest.h>

Watchdog::Watchdog(int seconds)
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [] {
        ADD_FAILURE() << "watchdog: a modal window did not end; closing every window";
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible())
                continue;
            if (auto* menu = qobject_cast<QMenu*>(widget))
                menu->close();
            else if (auto* dialog = qobject_cast<QDialog*>(widget))
                dialog->done(QDialog::Rejected);
        }
    });
    m_timer.start(seconds * 1000);
}

Watchdog::~Watchdog() { m_timer.stop(); }

void RunInsideModalLoop(const std::function<void()>& start, const std::function<void()>& steps)
{
    QTimer::singleShot(0, steps);
    start();
}

WhenShown::WhenShown(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> act)
{
    QObject::connect(&m_timer, &QTimer::timeout, [this, match, act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && match(widget)) {
                m_timer.stop();
                m_seen = true;
                act(widget);
                return;
            }
        }
    });
    m_timer.start(10);
}

BoxAnswerer::BoxAnswerer()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start(10);
}

void BoxAnswerer::Poll()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box || !box->isVisible() || std::find(m_answered.begin(), m_answered.end(), box) != m_answered.end())
            continue;
        m_answered.emplace_back(box);
        m_boxes.push_back({ box->windowTitle().toStdString(), box->text().toStdString(), box->icon(), box->standardButtons(),
            box->parentWidget(), box->windowModality() });
        QAbstractButton* button = nullptr;
        if (!m_script.empty()) {
            button = box->button(m_script.front());
            m_script.pop_front();
        }
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().front();
        if (button)
            button->click();
        return;
    }
}

std::vector<std::string> BoxAnswerer::Texts() const
{
    std::vector<std::string> texts;
    for (const SeenBox& box : m_boxes)
        texts.push_back(box.text);
    return texts;
}

QWidget* WidgetOf(const CWnd& window) { return WidgetFromHandle(window.m_hWnd); }

QWidget* ControlWidget(const CWnd& dialog, int id)
{
    CWnd* control = dialog.GetDlgItem(id);
    return control ? WidgetOf(*control) : nullptr;
}

QWidget* VisibleWindowTitled(const QString& caption)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == caption)
            return widget;
    return nullptr;
}
