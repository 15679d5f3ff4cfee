#pragma once

// Every command of a disc with where it stands (pre, post and cell commands
// of each PGC, and each menu button's command), the GPRMs they read and
// write, and every command that links, jumps or calls to a PGC, resolved to
// the PGCs it can reach. So the GPRMs the disc never touches, and the
// callers of First Play or of any PGC, are known.
//
// A menu jump reaches the menu in whichever language unit the player picks,
// so it counts as reaching that menu in every unit that has it. Links that
// stay in their PGC (to a cell, a program, a line) reach no other PGC.

#include "core/Command.h"
#include "core/CommandEffects.h"
#include "disc/Disc.h"
#include "disc/PgcAddress.h"

#include <cstdint>
#include <vector>

namespace trevalo::disc {

enum class CommandPlace {
    Pre,
    Post,
    Cell,
    Button,
};

struct CommandSite {
    PgcAddress pgc; // for a PGC several tables list, the first of them
    CommandPlace place = CommandPlace::Pre;
    int number = 0; // the line of its list, or the button's number
    int cell = 0; // a button's cell
    Command bytes {};
    core::Command decoded;
    core::RegisterUse registers;
};

struct Call {
    std::size_t site = 0; // into DiscScan::commands
    PgcAddress target;
};

struct DiscScan {
    std::vector<CommandSite> commands;
    std::vector<Call> calls;
    std::uint16_t gprms_read = 0; // bit n: GPRM n
    std::uint16_t gprms_written = 0;

    std::uint16_t gprmsUntouched() const { return static_cast<std::uint16_t>(~(gprms_read | gprms_written)); }
};

DiscScan scanDisc(const Disc& disc);

// The commands that can reach the PGC at the address (in any of the
// addresses of a PGC several tables list).
std::vector<const CommandSite*> callersOf(const Disc& disc, const DiscScan& scan, const PgcAddress& address);

// The PGC addresses a command standing in the given PGC can reach.
std::vector<PgcAddress> reachedPgcs(const Disc& disc, const PgcAddress& from, const core::BranchTarget& target);

}
