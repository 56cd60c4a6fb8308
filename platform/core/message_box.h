// Message boxes: the styles and answers of the platform's message boxes,
// and the service each front end installs to show them.
#pragma once

#include "cstring.h"
#include "win_types.h"

// Buttons.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_TYPEMASK = 0x0000000F;
// Icons.
constexpr UINT MB_ICONERROR = 0x00000010;
constexpr UINT MB_ICONSTOP = MB_ICONERROR;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONWARNING = 0x00000030;
constexpr UINT MB_ICONEXCLAMATION = MB_ICONWARNING;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr UINT MB_ICONMASK = 0x000000F0;
// Modality.
constexpr UINT MB_SYSTEMMODAL = 0x00001000;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The caption of every message of the reader and the conversions.
inline constexpr const char* kUtilityCaption = "Quintaro Conversion Utility";

// Shows a modal box and returns the button pressed. `owner` is the window
// that owns the box, or nullptr for a box without owner.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int Show(HWND owner, const CString& text, const CString& caption, UINT style) = 0;
};

// Installs the service every box goes through; nullptr restores the default,
// which prints to standard error and answers No to questions. Returns the
// service that was installed before.
MessageBoxService* SetMessageBoxService(MessageBoxService* service);

// A box without owner window.
int ShowMessage(const CString& text, const CString& caption, UINT style);
// A box owned by `owner`.
int ShowOwnedMessage(HWND owner, const CString& text, const CString& caption, UINT style);

// Puts `argument` in place of the first %s of `pattern`. The result grows
// to fit, so that no name, however long, can overrun a message.
CString FormatWithName(const char* pattern, const CString& argument);
