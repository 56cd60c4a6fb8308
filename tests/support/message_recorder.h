// Replaces the message-box service for one test: keeps every box shown and
// answers questions from a script.
#pragma once

#include "platform/core/message_box.h"

#include <deque>
#include <string>
#include <vector>

struct RecordedMessage {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};

class MessageRecorder final : public MessageBoxService {
public:
    MessageRecorder();
    ~MessageRecorder() override;

    // The answers to give to the next questions (Yes/No boxes), in order.
    // A question with no scripted answer is recorded and answered No.
    void Answer(int answer) { m_answers.push_back(answer); }

    int Show(HWND owner, const CString& text, const CString& caption, UINT style) override;

    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    std::vector<std::string> Texts() const;
    void Clear() { m_messages.clear(); }

private:
    MessageBoxService* m_previous;
    std::deque<int> m_answers;
    std::vector<RecordedMessage> m_messages;
};
