#include "convert/overwrite_question.h"

#include "library/messages.h"
#include "platform/core/file.h"
#include "platform/core/message_box.h"

namespace conversion {

bool MayWriteOutput(const char* outputName)
{
    CFile existing;
    if (!existing.Open(outputName, CFile::modeRead))
        return true;
    existing.Close();
    int answer = ShowMessage(FormatWithName("Output file %s already exists.\nOverwrite?", outputName), kUtilityCaption,
        MB_ICONWARNING | MB_YESNO);
    return answer != IDNO;
}

} // namespace conversion
