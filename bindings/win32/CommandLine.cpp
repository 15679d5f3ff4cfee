#include "bindings/win32/CommandLine.h"

#include "cli/DiscCommandLine.h"

namespace trevalo::win32 {

CommandLine::Asked CommandLine::read(const std::vector<std::string>& args)
{
    Asked asked;
    if (cli::isDiscCommandLine(args)) {
        asked.action = Action::Disc;
        return asked;
    }
    std::vector<std::string> folders;
    for (const std::string& arg : args) {
        if (arg == "-h" || arg == "--help" || arg == "-help" || arg == "/?" || arg == "-?")
            return { Action::Help, {}, {} };
        if (arg == "-v" || arg == "--version" || arg == "-version")
            return { Action::Version, {}, {} };
        if (arg.size() > 1 && arg[0] == '-') {
            const std::size_t dashes = arg.rfind("--", 0) == 0 ? 2 : 1;
            return { Action::Refused, {}, "Unknown option '" + arg.substr(dashes) + "'." };
        }
        folders.push_back(arg);
    }
    if (folders.size() > 1) {
        std::string list;
        for (const std::string& folder : folders)
            list += (list.empty() ? "" : ", ") + folder;
        return { Action::Refused, {}, "One folder at most: " + list };
    }
    if (!folders.empty())
        asked.folder = folders.front();
    return asked;
}

std::string CommandLine::help()
{
    return "Usage: trevalo.exe [options] [folder]\n"
           "Composes the DVD navigation commands that make a disc start in a chosen menu or title, for PgcEdit.\n"
           "\n"
        + cli::discCommandLineHelp()
        + "\n"
          "Options:\n"
          "  -h, --help     Displays help on commandline options.\n"
          "  -v, --version  Displays version information.\n"
          "\n"
          "Arguments:\n"
          "  folder         A DVD-Video folder (VIDEO_TS or the folder holding it) to open\n"
          "                 as a disc once the window shows.\n";
}

std::string CommandLine::version()
{
    return "Trevalo " TREVALO_VERSION "\n";
}

}
