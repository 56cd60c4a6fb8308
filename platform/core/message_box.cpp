#include "message_box.h"

#include <cstdio>
#include <cstring>

namespace {

class StandardErrorService final : public MessageBoxService {
public:
    int Show(HWND, const CString& text, const CString& caption, UINT style) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return (style & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    }
};

MessageBoxService* Fallback()
{
    static StandardErrorService fallback;
    return &fallback;
}

MessageBoxService*& Current()
{
    static MessageBoxService* service = Fallback();
    return service;
}

} // namespace

MessageBoxService* SetMessageBoxService(MessageBoxService* service)
{
    MessageBoxService* previous = Current();
    Current() = service ? service : Fallback();
    return previous;
}

int ShowMessage(const CString& text, const CString& caption, UINT style)
{
    return Current()->Show(nullptr, text, caption, style);
}

int ShowOwnedMessage(HWND owner, const CString& text, const CString& caption, UINT style)
{
    return Current()->Show(owner, text, caption, style);
}

CString FormatWithName(const char* pattern, const CString& argument)
{
    const char* marker = std::strstr(pattern, "%s");
    if (marker == nullptr)
        return pattern;
    CString text(pattern, marker);
    text += argument;
    text += marker + 2;
    return text;
}
