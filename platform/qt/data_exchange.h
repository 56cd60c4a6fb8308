// Data exchange between a dialog's controls and its fields, in one
// direction for all bindings at once.
#pragma once

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate)
        , m_pDlgWnd(dialog)
    {
    }

    // TRUE: controls into fields.
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// The text of control `id`.
void DDX_Text(CDataExchange* dx, int id, CString& value);
// The index of the checked button in the radio group that begins at `id`:
// -1 when none is checked; writing checks the button at `value` and
// clears the rest.
void DDX_Radio(CDataExchange* dx, int id, int& value);
