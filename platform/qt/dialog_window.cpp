#include "platform/qt/dialog_window.h"
#include "platform/core/exception_guard.h"
#include "platform/qt/cdialog.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/dialog_font.h"
#include "platform/qt/dialog_widget.h"
#include "platform/qt/icon_handle.h"
#include "platform/qt/modal_loop.h"
#include "platform/qt/paint_dc.h"
#include "platform/qt/radio_group.h"
#include "platform/qt/window_styles.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

QRect PixelRect(const RECT& rect) { return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top); }

Qt::FocusPolicy FocusPolicyFor(const ControlTemplate& control)
{
    if (control.controlClass == ControlClass::Static)
        return Qt::NoFocus;
    if (control.controlClass == ControlClass::Button && (control.style & BS_TYPEMASK) == BS_GROUPBOX)
        return Qt::NoFocus;
    return (control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus;
}

// The fallback font is wider than the face templates are drawn for: a
// static text that would be clipped grows to the right instead.
void WidenToFitText(QWidget* widget)
{
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label || label->text().isEmpty())
        return;
    int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    if (needed > widget->width())
        widget->resize(needed, widget->height());
}

QString TextOf(const ControlTemplate& control) { return QString::fromLocal8Bit(control.text ? control.text : ""); }

} // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner)
    : m_dialog(dialog)
{
    m_handle.window = &dialog;
    m_widget = std::make_unique<DialogWidget>(this, &m_handle, owner);
    m_handle.widget = m_widget.get();
    m_widget->setWindowTitle(QString::fromLocal8Bit(dialogTemplate.caption));

    QFont font = DialogFont(dialogTemplate.fontName, dialogTemplate.fontPoints);
    m_widget->setFont(font);
    m_units = BaseUnitsOf(font);
    QRect frame = PixelRect(MapDialogRect(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy, m_units));
    m_widget->setFixedSize(frame.size());
    QPoint origin = owner ? owner->window()->geometry().topLeft() : QPoint(0, 0);
    m_widget->move(origin + frame.topLeft());
    m_templateControls = dialogTemplate.controls;
    CreateControls(dialogTemplate, font);
}

DialogWindow::~DialogWindow()
{
    // Qt sends focus-out while the widgets are destroyed; nothing of it may
    // reach the dialog, whose fields may be gone already.
    m_ended = true;
    m_widget->Detach();
    for (auto& control : m_controlHandles)
        if (auto* edit = dynamic_cast<EditWidget*>(control->widget.data()))
            edit->notify = nullptr;
    m_widget.reset();
}

void DialogWindow::CreateControls(const DialogTemplate& dialogTemplate, const QFont& font)
{
    QWidget* previous = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        auto handle = std::make_unique<WindowHandle>();
        handle->control = control;
        QWidget* widget = CreateControl(control, *handle);
        widget->setFont(font);
        widget->setGeometry(PixelRect(MapDialogRect(control.x, control.y, control.cx, control.cy, m_units)));
        WidenToFitText(widget);
        widget->setFocusPolicy(FocusPolicyFor(control));
        widget->setEnabled(!(control.style & WS_DISABLED));
        widget->setVisible(control.style & WS_VISIBLE);
        handle->widget = widget;

        auto window = std::make_unique<CWnd>();
        window->m_hWnd = handle.get();
        handle->window = window.get();
        m_handle.controls.push_back(window.get());

        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
        m_controlHandles.push_back(std::move(handle));
        m_controlWindows.push_back(std::move(window));
    }
}

QWidget* DialogWindow::CreateControl(const ControlTemplate& control, WindowHandle& handle)
{
    QWidget* parent = m_widget.get();
    if (control.controlClass == ControlClass::Edit) {
        auto* edit = new EditWidget(parent);
        edit->setFrame(control.style & WS_BORDER);
        edit->notify = [this, &handle](UINT code) { Notify(handle, code); };
        return edit;
    }
    if (control.controlClass == ControlClass::Static) {
        auto* label = new QLabel(parent);
        if ((control.style & SS_TYPEMASK) == SS_ICON) {
            if (HICON icon = LoadIconA(nullptr, control.iconId))
                label->setPixmap(QPixmap::fromImage(icon->Large()));
        } else {
            label->setText(TextOf(control));
            label->setTextFormat(Qt::PlainText);
        }
        return label;
    }
    DWORD kind = control.style & BS_TYPEMASK;
    if (kind == BS_GROUPBOX)
        return new QGroupBox(TextOf(control), parent);
    QAbstractButton* button = nullptr;
    if (IsRadioButton(control)) {
        button = new RadioWidget(TextOf(control), kind == BS_AUTORADIOBUTTON, parent);
    } else {
        auto* push = new QPushButton(TextOf(control), parent);
        push->setDefault(kind == BS_DEFPUSHBUTTON);
        push->setAutoDefault(true);
        button = push;
    }
    QObject::connect(button, &QAbstractButton::clicked, m_widget.get(), [this, &handle] { Clicked(handle); });
    return button;
}

void DialogWindow::Clicked(WindowHandle& control)
{
    if (IsRadioButton(control.control) && (control.control.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
        for (int id : RadioGroupContaining(m_templateControls, control.control.id))
            if (id != control.control.id)
                if (auto* radio = ButtonOf(id))
                    radio->setChecked(false);
    }
    Notify(control, BN_CLICKED);
}

QAbstractButton* DialogWindow::ButtonOf(int id) const
{
    for (const auto& control : m_controlHandles)
        if (control->control.id == id)
            return qobject_cast<QAbstractButton*>(control->widget.data());
    return nullptr;
}

void DialogWindow::Notify(WindowHandle& control, UINT code)
{
    if (m_ended)
        return;
    Send(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control.control.id), static_cast<WORD>(code)), reinterpret_cast<LPARAM>(&control));
}

LRESULT DialogWindow::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    RunGuarded(&m_handle, [&] { result = m_dialog.WindowProc(message, wParam, lParam); });
    return result;
}

int DialogWindow::Run(bool focusFirstTabStop)
{
    if (m_ended)
        return m_result;
    m_widget->setWindowModality(m_widget->parentWidget() ? Qt::WindowModal : Qt::NonModal);
    RunUntilFinished(*m_widget, [&] {
        m_widget->activateWindow();
        if (focusFirstTabStop)
            FocusFirstTabStop();
    });
    return m_result;
}

void DialogWindow::FocusFirstTabStop()
{
    for (const auto& control : m_controlHandles) {
        QWidget* widget = control->widget;
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisible()) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void DialogWindow::End(int result)
{
    if (m_ended)
        return;
    m_ended = true;
    m_result = result;
    m_widget->done(result);
}

void DialogWindow::ShowSystemMenu(const QPoint& globalPosition)
{
    if (m_ended)
        return;
    QMenu menu(m_widget.get());
    for (const CMenu::Item& item : m_handle.systemMenu.Items()) {
        if (item.flags & MF_SEPARATOR)
            menu.addSeparator();
        else
            menu.addAction(QString::fromLocal8Bit(item.text))->setData(item.id);
    }
    QAction* chosen = menu.exec(globalPosition);
    if (chosen && !m_ended)
        Send(WM_SYSCOMMAND, chosen->data().toUInt(), 0);
}

bool DialogWindow::Paint()
{
    if (m_ended)
        return true;
    m_handle.painting = true;
    m_handle.defaultPaint = false;
    Send(WM_PAINT);
    m_handle.painting = false;
    return m_handle.defaultPaint;
}
