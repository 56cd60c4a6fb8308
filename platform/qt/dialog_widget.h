// The QDialog of a running dialog. It turns the keyboard, the Close
// button, painting and right-clicks into the platform's messages for the
// DialogWindow it belongs to.
#pragma once

#include "platform/core/win_types.h"

#include <QDialog>

class DialogWindow;

class DialogWidget : public QDialog {
public:
    DialogWidget(DialogWindow* window, HWND handle, QWidget* parent);

    HWND Handle() const { return m_handle; }
    // Stops every notification; called before the window's parts die.
    void Detach() { m_window = nullptr; }

    // The dialog widget of the active window, if it is one of ours.
    static DialogWidget* Active();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    DialogWindow* m_window;
    HWND m_handle;
};
