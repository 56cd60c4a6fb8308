#include "convert/run_conversion.h"

#include "platform/core/message_box.h"

namespace {

constexpr const char* kMissingCaption = "Missing Parameter";

void ShowMissing(HWND owner, const char* text)
{
    ShowOwnedMessage(owner, text, kMissingCaption, MB_ICONWARNING | MB_OK);
}

void ShowOpenFailure(HWND owner, const CString& name)
{
    ShowOwnedMessage(owner, FormatWithName("\n...Error opening file %s.\n", name), kUtilityCaption, MB_ICONWARNING | MB_OK);
}

ConversionOutcome LibraryToStrip(CIconLibraryFile& library, const CString& input, const CString& output, HWND owner)
{
    if (input.empty() || output.empty()) {
        ShowMissing(owner, "Input and Output File Names are required");
        return ConversionOutcome::Failed;
    }
    if (!library.Open(input.c_str(), CFile::modeRead)) {
        ShowOpenFailure(owner, input);
        return ConversionOutcome::Failed;
    }
    if (!library.ReadIcons()) {
        library.Close();
        return ConversionOutcome::Failed;
    }
    // On failure the library stays open until its object is destroyed.
    if (library.BuildBmpFile(output.c_str()))
        library.Close();
    return library.LastOutcome();
}

ConversionOutcome StripToLibrary(CIconLibraryFile& library, const CString& input, const CString& output,
    const CString& original, HWND owner)
{
    if (input.empty() || output.empty() || original.empty()) {
        ShowMissing(owner, "All File Names are required");
        return ConversionOutcome::Failed;
    }
    if (!library.Open(original.c_str(), CFile::modeRead)) {
        ShowOpenFailure(owner, original);
        return ConversionOutcome::Failed;
    }
    if (library.BuildIcoFile(output, input))
        library.Close();
    return library.LastOutcome();
}

} // namespace

ConversionOutcome RunConversion(int direction, const CString& input, const CString& output, const CString& original, HWND owner)
{
    // Both objects live for the whole command; the direction-1 object,
    // declared last, is destroyed first, also when an exception leaves.
    CIconLibraryFile libraryToStrip;
    CIconLibraryFile stripToLibrary;
    if (direction == 0)
        return LibraryToStrip(libraryToStrip, input, output, owner);
    return StripToLibrary(stripToLibrary, input, output, original, owner);
}
