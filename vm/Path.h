#pragma once

// What a run of the navigation machine went through, as plain records:
// each PGC entered, what left it (a command at its place, the PGC's next
// link, the navigation timer) and each button chosen. Records name places
// only; pathLines() reads them out with the commands' own lines, from the
// disc the run played.

#include "disc/PgcAddress.h"
#include "disc/Scan.h"

#include <string>
#include <vector>

namespace trevalo::vm {

class DiscProgram;

// Where a command stands: a PGC's pre, post or cell command (number = its
// line, 1-based) or a button of a menu cell (number = the button).
struct CommandSite {
    disc::PgcAddress pgc;
    disc::CommandPlace place = disc::CommandPlace::Pre;
    int number = 0;
    int cell = 0; // the cell of a button, or the cell a cell command follows
    bool operator==(const CommandSite&) const = default;
};

enum class PathKind : unsigned char {
    Entered, // the PGC was entered
    Left, // the PGC was left, by `by`
    Chose, // a button was pressed at a menu
    Cut, // the record stops here; the run went on
};

enum class LeftBy : unsigned char {
    Command, // the command at `site`
    NextPgcLink, // its post commands ended and its next-PGC link went on
    NavigationTimer, // the navigation timer ran out
    Stop, // playback stopped there
    External, // a jump from outside the disc's commands (Machine::jumpTo)
};

struct PathEvent {
    PathKind kind = PathKind::Entered;
    disc::PgcAddress pgc;
    LeftBy by = LeftBy::Command;
    CommandSite site; // Left by a command
    int cell = 0; // Chose: the menu cell
    int button = 0; // Chose: the button pressed
};

// "VTSM 1 PGC 2 pre command 3", "VMGM PGC 1 button 2 of cell 1".
std::string describeSite(const disc::Disc& disc, const CommandSite& site);

// A site with the command standing there: "VTSM 1 PGC 2 pre command 3
// (LinkPGCN 4)".
std::string describeCommand(const DiscProgram& program, const CommandSite& site);

// One line per PGC entered, with what left it and the buttons chosen there.
std::vector<std::string> pathLines(const DiscProgram& program, const std::vector<PathEvent>& path);

}
