#include "ui/output_name.h"

CString SuggestOutputName(const CString& inputName, int mode)
{
    CString stem = inputName.substr(0, inputName.rfind('.'));
    return stem + (mode == 0 ? ".bmp" : ".ico");
}
