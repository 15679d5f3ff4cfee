#pragma once

// Which of the main window's targets a PGC of the disc is, and why not when
// the window cannot name it: the window starts a disc in a title set's
// menu by kind (a menu's entry PGC), in a VMGM PGC by number or in a title
// by number. A menu whose entry PGC is a dummy (no cells, its pre commands
// link on to the menu that plays) is named by the dummy skip: the entry's
// kind, with the PGC the dummy links to.

#include "disc/Disc.h"
#include "disc/PgcAddress.h"
#include "vm/Target.h"

#include <optional>
#include <string>

namespace trevalo {

struct TargetChoice {
    std::optional<vm::Target> target;
    std::string reason; // why the window cannot name the PGC
};

TargetChoice targetFor(const disc::Disc& disc, const disc::PgcAddress& address);

// The PGC of the same language unit a dummy menu PGC links on to: the
// first LinkPGCN of its pre commands. 0 when the PGC plays cells of its
// own (no dummy) or links nowhere in its unit.
int dummySuccessor(const disc::Disc& disc, const disc::PgcAddress& address);

// The window's name of a target, as its heading and the command line name
// it: "VTSM 1 Root Menu", "VMGM 2", "Title 3"; and back, nothing for a name
// that is none of these.
std::string targetName(const vm::Target& target);
std::optional<vm::Target> parseTargetName(const std::string& name);

}
