// Driving modal windows from a test: the test's steps run from a timer
// inside the modal loop, modal boxes are answered from a timer, and a
// watchdog ends a test that hangs instead of letting it hang.
#pragma once

#include "platform/core/win_types.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class CWnd;

// Fails the running test and closes every modal window after `seconds`.
class Watchdog {
public:
    explicit Watchdog(int seconds = 20);
    ~Watchdog();

private:
    QTimer m_timer;
};

// Runs `steps` from the event loop as soon as it spins: inside whatever
// modal loop `start` enters.
void RunInsideModalLoop(const std::function<void()>& start, const std::function<void()>& steps);

// Calls `act` once for the first visible top-level widget that `match`
// accepts, polling while it lives.
class WhenShown {
public:
    WhenShown(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> act);
    bool Seen() const { return m_seen; }

private:
    QTimer m_timer;
    bool m_seen = false;
};

struct SeenBox {
    std::string title;
    std::string text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QWidget* owner;
    Qt::WindowModality modality;
};

// Answers every QMessageBox shown while it lives: the scripted buttons in
// order, then the box's only or first button. Keeps what each box showed.
class BoxAnswerer {
public:
    BoxAnswerer();
    void Answer(QMessageBox::StandardButton button) { m_script.push_back(button); }
    const std::vector<SeenBox>& Boxes() const { return m_boxes; }
    std::vector<std::string> Texts() const;

private:
    void Poll();

    QTimer m_timer;
    std::deque<QMessageBox::StandardButton> m_script;
    std::vector<SeenBox> m_boxes;
    std::vector<QPointer<QMessageBox>> m_answered;
};

// The widget of a window or of control `id` of a dialog.
QWidget* WidgetOf(const CWnd& window);
QWidget* ControlWidget(const CWnd& dialog, int id);
template<typename T>
T* Control(const CWnd& dialog, int id)
{
    return qobject_cast<T*>(ControlWidget(dialog, id));
}

// A visible top-level dialog of the layer with this caption, or nullptr.
QWidget* VisibleWindowTitled(const QString& caption);
