// The widgets that stand for a template's edits and radio buttons: they
// turn Qt's focus and check handling into the platform's notifications.
#pragma once

#include "platform/qt/win_messages.h"

#include <QLineEdit>
#include <QRadioButton>

#include <functional>

// Tells `notify` EN_SETFOCUS and EN_KILLFOCUS after Qt moved the focus.
// Qt sends focus-out to the edit that loses the focus before focus-in to
// the one that gains it, which is the order the application relies on.
class EditWidget : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void(UINT code)> notify;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A radio button whose group the layer keeps (Qt's auto-exclusion knows no
// WS_GROUP and cannot clear a whole group). A click on an automatic one
// checks it; the layer then clears the rest of its group.
class RadioWidget : public QRadioButton {
public:
    RadioWidget(const QString& text, bool automatic, QWidget* parent);

protected:
    void nextCheckState() override;

private:
    bool m_automatic;
};
