#include "library/messages.h"

#include "platform/core/message_box.h"

int ShowWarning(const CString& text)
{
    return ShowMessage(text, kUtilityCaption, MB_OK | MB_ICONWARNING);
}

int ShowError(const CString& text)
{
    return ShowMessage(text, kUtilityCaption, MB_OK | MB_ICONERROR);
}
