#pragma once

#include <string>
#include <vector>

namespace trevalo::win32 {

// What trevalo.exe's command line asks for, as the Linux program's does:
// help or the version, the command line without a window (--disc, run by
// cli/), or the window, with at most one folder to open as a disc once it
// shows. An unknown option or a second folder is refused with a message.
// It reads the arguments (UTF-8, without the program's name) and decides
// nothing else.
class CommandLine {
public:
    enum class Action { Window, Help, Version, Disc, Refused };

    struct Asked {
        Action action = Action::Window;
        // The folder to open (Window), as given.
        std::string folder;
        // Why the command line is refused (Refused).
        std::string refusal;
    };

    static Asked read(const std::vector<std::string>& args);
    static std::string help();
    static std::string version();
};

}
