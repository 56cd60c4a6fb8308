#include "cli/info_command.h"
#include "cli/exit_status.h"
#include "cli/library_report.h"
#include "cli/unreadable_library.h"

#include "platform/core/exception_guard.h"

namespace {

int ReportOn(const CString& name, ConsoleMessageService& console)
{
    CIconLibraryFile library;
    if (!library.Open(name.c_str(), CFile::modeRead)) {
        ShowMessage(FormatWithName("\n...Error opening file %s.\n", name), kUtilityCaption, MB_OK | MB_ICONWARNING);
        return kExitFailed;
    }
    int shownBefore = console.ReportsShown();
    if (!library.ReadIcons()) {
        if (console.ReportsShown() == shownBefore)
            ShowUnreadableLibrary(name);
        return kExitFailed;
    }
    for (const std::string& line : DescribeLibrary(library, name))
        PrintLine(stdout, line);
    return kExitWritten;
}

} // namespace

int RunInfoCommand(const CString& name, ConsoleMessageService& console)
{
    int status = kExitFailed;
    // An error of the file layer while reading is reported like every
    // message; the status stays "failed".
    RunGuarded(nullptr, [&] { status = ReportOn(name, console); });
    return status;
}
