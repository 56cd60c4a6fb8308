#include "cli/conversion_command.h"
#include "cli/exit_status.h"
#include "cli/unreadable_library.h"

#include "convert/run_conversion.h"
#include "platform/core/exception_guard.h"

namespace {

struct Conversion {
    int direction;
    CString input;
    CString output;
    CString original;
    // The library that the reader reads: the input of to-bmp, the original
    // of to-ico.
    const CString& Library() const { return direction == 0 ? input : original; }
};

Conversion ConversionFor(const CliRequest& request)
{
    const auto& names = request.names;
    if (request.command == CliCommand::ToBmp)
        return { 0, names.at(0), names.at(1), CString() };
    return { 1, names.at(0), names.at(2), names.at(1) };
}

int StatusFor(ConversionOutcome outcome)
{
    switch (outcome) {
    case ConversionOutcome::Written:
        return kExitWritten;
    case ConversionOutcome::Declined:
        return kExitDeclined;
    case ConversionOutcome::Failed:
        break;
    }
    return kExitFailed;
}

} // namespace

int RunConversionCommand(const CliRequest& request, ConsoleMessageService& console)
{
    const Conversion conversion = ConversionFor(request);
    ConversionOutcome outcome = ConversionOutcome::Failed;
    int shownBefore = console.ReportsShown();
    bool completed = RunGuarded(nullptr, [&] {
        outcome = RunConversion(conversion.direction, conversion.input, conversion.output, conversion.original, nullptr);
    });
    if (!completed)
        return kExitFailed;
    // Every failure tells the user why, except a library that the reader
    // refuses silently; the dialog shows nothing then, a script needs a line.
    if (outcome == ConversionOutcome::Failed && console.ReportsShown() == shownBefore)
        ShowUnreadableLibrary(conversion.Library());
    return StatusFor(outcome);
}
