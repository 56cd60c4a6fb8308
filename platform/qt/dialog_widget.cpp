#include "platform/qt/dialog_widget.h"
#include "platform/core/message_box.h"
#include "platform/qt/dialog_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QShortcut>

DialogWidget::DialogWidget(DialogWindow* window, HWND handle, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_window(window)
    , m_handle(handle)
{
    // Shortcuts, so that they work whichever control has the focus: an edit
    // would otherwise take Alt+Space as a space.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        if (m_window)
            m_window->Send(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
    });
    auto* systemMenu = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(systemMenu, &QShortcut::activated, this, [this] {
        if (m_window)
            m_window->ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
    });
}

DialogWidget* DialogWidget::Active() { return dynamic_cast<DialogWidget*>(QApplication::activeWindow()); }

// Enter presses the default button and Escape calls reject(): QDialog
// does both as the platform does.
void DialogWidget::reject()
{
    if (m_window)
        m_window->Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void DialogWidget::closeEvent(QCloseEvent* event)
{
    // The Close button is the system menu's Close command; the dialog's
    // handling of it decides whether the window ends.
    event->ignore();
    if (m_window)
        m_window->Send(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DialogWidget::paintEvent(QPaintEvent* event)
{
    if (!m_window || m_window->Paint())
        QDialog::paintEvent(event);
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event)
{
    // A right-click on the background, a label or a group box: controls
    // that have menus of their own keep them.
    QWidget* child = childAt(event->pos());
    bool background = !child || qobject_cast<QLabel*>(child) || qobject_cast<QGroupBox*>(child);
    if (m_window && background)
        m_window->ShowSystemMenu(event->globalPos());
}
