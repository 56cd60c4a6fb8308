#include "platform/qt/qt_message_box.h"
#include "platform/qt/modal_loop.h"
#include "platform/qt/window_handle.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

QMessageBox::Icon IconFor(UINT style)
{
    switch (style & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsFor(UINT style)
{
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int AnswerFor(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

Qt::WindowModality ModalityFor(UINT style, QWidget* owner)
{
    if (style & MB_SYSTEMMODAL)
        return Qt::ApplicationModal;
    return owner ? Qt::WindowModal : Qt::NonModal;
}

} // namespace

int QtMessageBoxService::Show(HWND owner, const CString& text, const CString& caption, UINT style)
{
    QWidget* ownerWidget = WidgetFromHandle(owner);
    // Activation is asynchronous: right after another box closed, no window
    // is active yet, and the one that box gave the focus back to counts.
    QPointer<QWidget> window = QApplication::activeWindow();
    if (!window)
        window = m_returnTo;
    QPointer<QWidget> focus = window ? window->focusWidget() : nullptr;

    QMessageBox box(IconFor(style), QString::fromLocal8Bit(caption), QString::fromLocal8Bit(text), ButtonsFor(style), ownerWidget);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(ModalityFor(style, ownerWidget));
    RunUntilFinished(box);
    QAbstractButton* clicked = box.clickedButton();
    int answer = AnswerFor(clicked ? box.standardButton(clicked) : QMessageBox::NoButton);
    if ((style & MB_TYPEMASK) == MB_OKCANCEL && !clicked)
        answer = IDCANCEL;

    if (window) {
        m_returnTo = window;
        window->activateWindow();
        if (focus)
            focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return answer;
}
