#pragma once

// The PGC a disc is to start in, named as the main window names it: a
// title set's menu by kind, a VMGM PGC by number or a title by number, and
// for a menu the PGC its dummy links to when the dummy skip is on. resolve()
// finds the PGCs that name stands for in each language unit: where the
// window's blocks go, and where a trace stops.

#include "core/Command.h"
#include "disc/Disc.h"
#include "disc/PgcAddress.h"

#include <string>
#include <vector>

namespace trevalo::vm {

enum class TargetKind { TitleSetMenu, ManagerPgc, Title };

struct Target {
    TargetKind kind = TargetKind::TitleSetMenu;
    int number = 1; // the title set, the VMGM PGC or the title
    core::MenuId menu = core::MenuId::Root; // a title set menu's kind
    // The PGC of the same language unit the dummy menu links to; 0 with
    // the dummy skip off. Title set menus only.
    int after_dummy = 0;
};

struct TargetPgcs {
    // The target PGC in every language unit that has it (one address for a
    // title). Text2 goes at the top of each.
    std::vector<disc::PgcAddress> target;
    // With the dummy skip on, the PGC after the dummy in the same units:
    // Text3 goes there. Empty otherwise.
    std::vector<disc::PgcAddress> after_dummy;
    std::string error; // why the disc has none of them
};

TargetPgcs resolve(const disc::Disc& disc, const Target& target);

// Where playback is meant to start: the PGCs after the dummy with the dummy
// skip on, else the target PGCs.
const std::vector<disc::PgcAddress>& playbackTargets(const TargetPgcs& pgcs);

// As the window's heading names it: "VTSM 1 Root Menu", "VMGM 2", "Title 3",
// with ", after the dummy: PGC 6" for the dummy skip.
std::string describe(const Target& target);

}
