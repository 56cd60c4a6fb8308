#include "tests/support/message_recorder.h"

MessageRecorder::MessageRecorder()
    : m_previous(SetMessageBoxService(this))
{
}

MessageRecorder::~MessageRecorder() { SetMessageBoxService(m_previous); }

int MessageRecorder::Show(HWND owner, const CString& text, const CString& caption, UINT style)
{
    m_messages.push_back({ owner, text, caption, style });
    if ((style & MB_TYPEMASK) != MB_YESNO)
        return IDOK;
    if (m_answers.empty())
        return IDNO;
    int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<std::string> MessageRecorder::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& message : m_messages)
        texts.push_back(message.text);
    return texts;
}
