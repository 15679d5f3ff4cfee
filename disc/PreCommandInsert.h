#pragma once

// Puts commands at the top of one PGC's pre commands, in the model, as an
// IFO editor does when a block is pasted there. The PGC's own pre commands
// follow them, their Goto and SetTmpPML lines moved by the number inserted.
//
// The file grows where the commands go. One rule keeps every pointer true:
// a position at or after the insertion point moves by the bytes inserted,
// and a position after the table that holds the PGC moves by the sectors
// that table had to grow (none while the sector it ends in has room). Each
// offset of the model, absolute or relative, is mapped through that rule;
// the IFO's and the set's last sectors, the VOBS start sectors and, in the
// video manager's title table, the start sectors of later title sets follow
// the growth. A PGC without a command table gets one.
//
// Nothing is written to disk here. The grown file is written in memory and
// read back, and must come back as exactly the grown model; a layout the
// rule cannot keep (tables that span each other, a command table two PGCs
// share) is refused rather than risked. So is a result the format cannot
// hold (more than 128 commands in the PGC, a PGC past 64 KiB, a Goto past
// line 255). A refusal comes with a message and leaves the model as it was.

#include "disc/Disc.h"
#include "disc/PgcAddress.h"

#include <span>
#include <string>

namespace trevalo::disc {

// The most commands (pre, post and cell together) a PGC may hold.
inline constexpr std::size_t most_pgc_commands = 128;

// Returns an empty text when done, else why not.
std::string insertPreCommands(Disc& disc, const PgcAddress& address, std::span<const Command> commands);

}
