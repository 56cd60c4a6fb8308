// quintaro-cli: the conversions of the dialog from the command line. Every
// message the dialog would show in a box is printed, and the outcome
// becomes the exit status.
#include "cli/command_line.h"
#include "cli/console_messages.h"
#include "cli/conversion_command.h"
#include "cli/info_command.h"

int main(int argc, char** argv)
{
    ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (!parsed.request)
        return parsed.exitStatus;
    const CliRequest& request = *parsed.request;

    ConsoleMessageService console(request.overwrite);
    MessageBoxService* previous = SetMessageBoxService(&console);
    int status = request.command == CliCommand::Info ? RunInfoCommand(request.names.at(0), console)
                                                     : RunConversionCommand(request, console);
    SetMessageBoxService(previous);
    return status;
}
