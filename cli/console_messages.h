// The message-box service of the command line: every box the engine shows
// becomes its text on a stream, and the overwrite question is answered by
// the policy the command line chose.
#pragma once

#include "cli/overwrite_policy.h"
#include "platform/core/message_box.h"

#include <cstdio>

class ConsoleMessageService final : public MessageBoxService {
public:
    explicit ConsoleMessageService(OverwritePolicy policy);

    int Show(HWND owner, const CString& text, const CString& caption, UINT style) override;

    // Messages other than questions shown so far. A command that failed
    // without adding to this count has told the user nothing.
    int ReportsShown() const { return m_reportsShown; }

private:
    int AnswerQuestion(const CString& text);

    OverwritePolicy m_policy;
    int m_reportsShown = 0;
};

// Writes `text` and a newline, unless the text already ends with one.
void PrintLine(std::FILE* stream, const CString& text);

// Plain messages (no icon) go to standard output, all others to standard
// error.
std::FILE* StreamFor(UINT style);
