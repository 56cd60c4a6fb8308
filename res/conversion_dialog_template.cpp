// The conversion dialog: the direction as a radio group, three names with
// their Browse buttons, Go and Exit. The controls' order is the tab order.
#include "res/dialog_templates.h"
#include "res/resource.h"

#include "platform/core/message_box.h"
#include "platform/qt/window_styles.h"

const DialogTemplate& ConversionDialogTemplate()
{
    using C = ControlClass;
    static const DialogTemplate dialog {
        "Quintaro Conversion Utility", "MS Sans Serif", 8,
        0, 0, 299, 170,
        0x90c800c0, WS_EX_APPWINDOW,
        {
            { IDOK, C::Button, "&Go", 92, 145, 50, 14, 0x50010001 },
            { IDCANCEL, C::Button, "&Exit", 157, 145, 50, 14, 0x50010000 },
            { IDC_CONVERSION_TYPE, C::Button, "Select Conversion Type", 65, 5, 170, 40, 0x50000007 },
            { IDC_LIBRARY_TO_BITMAP, C::Button, "Convert Glyphboard ICO file to BMP", 75, 15, 150, 10, 0x50030009 },
            { IDC_BITMAP_TO_LIBRARY, C::Button, "Convert BMP file to Glyphboard ICO", 75, 30, 150, 10, 0x50000009 },
            { IDC_INPUT_LABEL, C::Static, "Input File Name", 10, 50, 65, 10, 0x50000000, WS_EX_TRANSPARENT },
            { IDC_INPUT_FILE, C::Edit, "", 10, 60, 215, 14, 0x50831080 },
            { IDC_BROWSE_INPUT, C::Button, "Browse", 230, 60, 60, 15, 0x50010000 },
            { IDC_OUTPUT_LABEL, C::Static, "Output File Name", 10, 80, 65, 10, 0x50000000, WS_EX_TRANSPARENT },
            { IDC_OUTPUT_FILE, C::Edit, "", 10, 90, 215, 14, 0x50811080 },
            { IDC_BROWSE_OUTPUT, C::Button, "Browse", 230, 90, 60, 15, 0x50010000 },
            { IDC_ORIGINAL_LABEL, C::Static, "Original ICO File Name", 10, 110, 65, 10, 0x50000000, WS_EX_TRANSPARENT },
            { IDC_ORIGINAL_FILE, C::Edit, "", 10, 121, 215, 14, 0x50811080 },
            { IDC_BROWSE_ORIGINAL, C::Button, "Browse", 230, 121, 60, 15, 0x50010000 },
        },
    };
    return dialog;
}
