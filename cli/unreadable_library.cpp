#include "cli/unreadable_library.h"

#include "platform/core/message_box.h"

void ShowUnreadableLibrary(const CString& name)
{
    ShowMessage(FormatWithName("The icon library <%s> could not be read: an icon's bitmap is missing, cut short or not a BMP image.", name),
        kUtilityCaption, MB_OK | MB_ICONWARNING);
}
