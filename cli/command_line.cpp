#include "cli/command_line.h"
#include "cli/exit_status.h"

#include <CLI/CLI.hpp>

namespace {

constexpr const char* kFooter =
    "Exit status: 0 written, 1 failed, 2 wrong usage, 3 not written because\n"
    "the overwrite of an existing file was declined.";

struct Positional {
    const char* name;
    const char* description;
};

struct Subcommand {
    CliCommand command;
    const char* name;
    const char* description;
    std::vector<Positional> positionals;
};

const std::vector<Subcommand>& Subcommands()
{
    static const std::vector<Subcommand> subcommands = {
        { CliCommand::ToBmp, "to-bmp", "Convert the icon library LIBRARY into the strip bitmap STRIP",
            { { "LIBRARY", "The icon library to read" }, { "STRIP", "The strip bitmap to write" } } },
        { CliCommand::ToIco, "to-ico", "Write the pixels of the strip bitmap STRIP into OUTPUT, a copy of the icon library ORIGINAL",
            { { "STRIP", "The edited strip bitmap to read" }, { "ORIGINAL", "The icon library the strip was made from" },
                { "OUTPUT", "The icon library to write" } } },
        { CliCommand::Info, "info", "Describe what the icon library LIBRARY holds; writes nothing",
            { { "LIBRARY", "The icon library to read" } } },
    };
    return subcommands;
}

// Adds the subcommand with one required text positional per name. The
// options of the main command stay valid after the names (fallthrough).
CLI::App* AddSubcommand(CLI::App& app, const Subcommand& subcommand, std::vector<CString>& names)
{
    CLI::App* sub = app.add_subcommand(subcommand.name, subcommand.description);
    sub->fallthrough();
    sub->footer("The options -y/--yes and -n/--no are accepted here too.");
    names.resize(subcommand.positionals.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        sub->add_option(subcommand.positionals[i].name, names[i], subcommand.positionals[i].description)->required();
    return sub;
}

} // namespace

ParsedCommandLine ParseCommandLine(int argc, char** argv)
{
    CLI::App app { "Converts Glyphboard icon libraries into strip bitmaps and back.", "quintaro-cli" };
    app.footer(kFooter);
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("quintaro-cli ") + QUINTARO_VERSION);

    bool yes = false;
    bool no = false;
    CLI::Option* yesFlag = app.add_flag("-y,--yes", yes, "Answer Yes when asked whether to overwrite an existing file");
    CLI::Option* noFlag = app.add_flag("-n,--no", no, "Answer No when asked whether to overwrite an existing file");
    yesFlag->excludes(noFlag);

    const auto& subcommands = Subcommands();
    std::vector<std::vector<CString>> names(subcommands.size());
    std::vector<CLI::App*> apps;
    for (std::size_t i = 0; i < subcommands.size(); ++i)
        apps.push_back(AddSubcommand(app, subcommands[i], names[i]));

    ParsedCommandLine parsed;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help and version go to standard output with status 0; every other
        // error is printed to standard error with the hint to --help.
        parsed.exitStatus = app.exit(error) == 0 ? 0 : kExitUsage;
        return parsed;
    }

    CliRequest request;
    for (std::size_t i = 0; i < subcommands.size(); ++i) {
        if (apps[i]->parsed()) {
            request.command = subcommands[i].command;
            request.names = names[i];
        }
    }
    request.overwrite = yes ? OverwritePolicy::Yes : no ? OverwritePolicy::No : OverwritePolicy::Ask;
    parsed.request = request;
    return parsed;
}
