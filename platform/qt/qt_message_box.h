// Message boxes shown with QMessageBox: icon, buttons and caption from the
// style, owned by the window named or by none.
#pragma once

#include "platform/core/message_box.h"

#include <QPointer>
#include <QWidget>

class QtMessageBoxService final : public MessageBoxService {
public:
    // Owned boxes block their owner only; a box without owner blocks
    // nothing, a system-modal one every window. When the box closes, the
    // widget that had the focus gets it back.
    int Show(HWND owner, const CString& text, const CString& caption, UINT style) override;

private:
    QPointer<QWidget> m_returnTo;
};
