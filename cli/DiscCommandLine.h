#pragma once

// Trevalo without a window: opens a disc, sets the target, traces the
// disc's own chain to it and imports the registers there, applies the post
// settings, prints the three blocks and the replay's verdict, and writes a
// patched copy on request. It drives the main window's model through the
// same operations the window runs (picks, import, settings, copies), so the
// command line and the window cannot differ.
//
//   trevalo --disc PATH --target "VTSM 1 Root Menu" [--language xx]
//           [--guard N|auto] [--buttons 3,1] [--dummy N] [--audio A]
//           [--subpicture S] [--angle N] [--highlight N] [--write DIR]
//
// --language sets the player's menu language for the trace and limits the
// replay to it; without it the trace runs in the player's default and the
// replay in every language the disc's menus have.
//
// Exit status 0 only when the verdict is a success (and the copy, if asked,
// was written); 1 when the disc, the trace, the verdict or the write fails;
// 2 for a command line it cannot use. Messages go to err.

#include <ostream>
#include <string>
#include <vector>

namespace trevalo::cli {

// Whether the arguments (without the program's name) ask for this mode.
bool isDiscCommandLine(const std::vector<std::string>& args);

int runDiscCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The options' help, for --help.
std::string discCommandLineHelp();

}
