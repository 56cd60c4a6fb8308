#include "cli/console_messages.h"
#include "cli/terminal_question.h"

namespace {

bool IsQuestion(UINT style) { return (style & MB_TYPEMASK) == MB_YESNO; }

} // namespace

void PrintLine(std::FILE* stream, const CString& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    if (text.empty() || text.back() != '\n')
        std::fputc('\n', stream);
    // Both streams often share a terminal: keep the order of the messages.
    std::fflush(stream);
}

std::FILE* StreamFor(UINT style) { return (style & MB_ICONMASK) == 0 ? stdout : stderr; }

ConsoleMessageService::ConsoleMessageService(OverwritePolicy policy)
    : m_policy(policy)
{
}

int ConsoleMessageService::Show(HWND, const CString& text, const CString&, UINT style)
{
    if (IsQuestion(style))
        return AnswerQuestion(text);
    ++m_reportsShown;
    PrintLine(StreamFor(style), text);
    return IDOK;
}

// The only question the engine asks is whether to overwrite an existing
// output file; it carries the warning icon and so goes to standard error.
int ConsoleMessageService::AnswerQuestion(const CString& text)
{
    switch (m_policy) {
    case OverwritePolicy::Yes:
        PrintLine(stderr, text);
        PrintLine(stderr, "Answered Yes (--yes).");
        return IDYES;
    case OverwritePolicy::No:
        PrintLine(stderr, text);
        PrintLine(stderr, "Answered No (--no).");
        return IDNO;
    case OverwritePolicy::Ask:
        break;
    }
    if (StandardInputIsTerminal())
        return AskOnTerminal(text) ? IDYES : IDNO;
    PrintLine(stderr, text);
    PrintLine(stderr, "Answered No, as standard input is not a terminal; --yes overwrites.");
    return IDNO;
}
