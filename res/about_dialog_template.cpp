// The About box: the icon, the name and version, the copyright line, OK.
#include "res/dialog_templates.h"
#include "res/resource.h"

#include "platform/core/message_box.h"
#include "platform/qt/window_styles.h"

const DialogTemplate& AboutDialogTemplate()
{
    using C = ControlClass;
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    static const DialogTemplate dialog {
        "About Quintaro Conversion Utility", "MS Sans Serif", 8,
        0, 0, 228, 55,
        0x80c800c0, 0,
        {
            { IDC_STATIC, C::Static, "", 11, 17, 21, 20, kChild | SS_ICON, 0, IDI_APP_ICON },
            { IDC_STATIC, C::Static, "Quintaro Conversion Utility Version 1.0", 40, 10, 141, 8, kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP },
            { IDC_STATIC, C::Static, "Copyright (C) The Quintaro developers", 40, 25, 119, 8, kChild | SS_LEFT | WS_GROUP },
            { IDOK, C::Button, "OK", 189, 7, 32, 14, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP },
        },
    };
    return dialog;
}
