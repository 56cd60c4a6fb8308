#include "fuzz/yes_answering_service.h"

YesAnsweringService::YesAnsweringService()
    : m_previous(SetMessageBoxService(this))
{
}

YesAnsweringService::~YesAnsweringService() { SetMessageBoxService(m_previous); }

int YesAnsweringService::Show(HWND, const CString& text, const CString&, UINT style)
{
    m_texts.push_back(text);
    UINT buttons = style & MB_TYPEMASK;
    if (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) {
        ++m_questions;
        return IDYES;
    }
    return IDOK;
}
