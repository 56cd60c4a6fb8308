// The message-box service of a fuzz run: it keeps every box's text for the
// run's report and answers Yes to every question, so that an existing
// output is always replaced and the conversion goes on to its end.
#pragma once

#include "platform/core/message_box.h"

#include <string>
#include <vector>

class YesAnsweringService final : public MessageBoxService {
public:
    YesAnsweringService();
    ~YesAnsweringService() override;
    YesAnsweringService(const YesAnsweringService&) = delete;
    YesAnsweringService& operator=(const YesAnsweringService&) = delete;

    int Show(HWND owner, const CString& text, const CString& caption, UINT style) override;

    const std::vector<std::string>& Texts() const { return m_texts; }
    int QuestionsAnswered() const { return m_questions; }

private:
    MessageBoxService* m_previous;
    std::vector<std::string> m_texts;
    int m_questions = 0;
};
