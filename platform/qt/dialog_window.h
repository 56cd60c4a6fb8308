// The Qt side of a running dialog: its widget made from the template, the
// handles and CWnd objects of its controls, and its modal loop.
#pragma once

#include "platform/qt/dialog_template.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/window_handle.h"

#include <memory>
#include <vector>

class CDialog;
class DialogWidget;
class QAbstractButton;

class DialogWindow {
public:
    DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    HWND Handle() { return &m_handle; }

    // Shows the dialog (focus on the first tab stop when asked) and runs a
    // nested loop until End; returns End's result.
    int Run(bool focusFirstTabStop);
    // From now on no notification reaches the dialog: ending reads nothing.
    void End(int result);

    // A message to the dialog through the exception guard, so that an
    // exception of a handler is reported and the dialog goes on.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void ShowSystemMenu(const QPoint& globalPosition);
    // Runs WM_PAINT; true when the widget is to paint itself as usual.
    bool Paint();

private:
    void CreateControls(const DialogTemplate& dialogTemplate, const QFont& font);
    QWidget* CreateControl(const ControlTemplate& control, WindowHandle& handle);
    void Notify(WindowHandle& control, UINT code);
    void Clicked(WindowHandle& control);
    QAbstractButton* ButtonOf(int id) const;
    void FocusFirstTabStop();

    CDialog& m_dialog;
    WindowHandle m_handle;
    std::vector<std::unique_ptr<WindowHandle>> m_controlHandles;
    std::vector<std::unique_ptr<CWnd>> m_controlWindows;
    std::unique_ptr<DialogWidget> m_widget;
    std::vector<ControlTemplate> m_templateControls;
    BaseUnits m_units {};
    bool m_ended = false;
    int m_result = -1;
};
