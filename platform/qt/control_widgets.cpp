#include "platform/qt/control_widgets.h"

#include <QFocusEvent>

// A context menu of the edit takes the focus for a moment; the platform
// does not count that as the edit losing it.
static bool CountsAsFocusChange(const QFocusEvent* event) { return event->reason() != Qt::PopupFocusReason; }

void EditWidget::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (notify && CountsAsFocusChange(event))
        notify(EN_SETFOCUS);
}

void EditWidget::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (notify && CountsAsFocusChange(event))
        notify(EN_KILLFOCUS);
}

RadioWidget::RadioWidget(const QString& text, bool automatic, QWidget* parent)
    : QRadioButton(text, parent)
    , m_automatic(automatic)
{
    setAutoExclusive(false);
}

void RadioWidget::nextCheckState()
{
    if (m_automatic)
        setChecked(true);
}
