// The Browse buttons, and the output name suggested when the output edit
// gains the focus.
#include "platform/qt/win_app.h"
#include "ui/conversion_dialog.h"
#include "ui/output_name.h"

#include <algorithm>
#include <cstring>

void CConversionDialog::Browse(CString& field, BrowseButton button)
{
    UpdateData(TRUE);
    RemoveTrailingBackslash(field);

    // A name too long for the buffer is offered cut short.
    char name[kNameBufferSize] = {};
    std::memcpy(name, field.data(), std::min<std::size_t>(field.size(), kNameBufferSize - 1));

    const FileKind& kind = FileKindFor(button, m_nConvType);
    CWnd* owner = AfxGetMainWnd();
    OPENFILENAMEA request = BrowseRequest(owner ? owner->m_hWnd : nullptr, kind, name);
    if (GetOpenFileNameA(&request)) {
        field = name;
        UpdateData(FALSE);
    }
}

void CConversionDialog::OnBrowseInput() { Browse(m_strInputFile, BrowseButton::Input); }
void CConversionDialog::OnBrowseOutput() { Browse(m_strOutputFile, BrowseButton::Output); }
void CConversionDialog::OnBrowseOriginal() { Browse(m_strOriginalFile, BrowseButton::Original); }

void CConversionDialog::OnSetfocusOutputFile()
{
    // Works on the fields as last read: the input edit losing the focus
    // has just stored what was typed there.
    if (m_strInputFile.empty())
        return;
    m_strOutputFile = SuggestOutputName(m_strInputFile, m_nConvType);
    UpdateData(FALSE);
}

void CConversionDialog::OnKillfocusInputFile() { UpdateData(TRUE); }
