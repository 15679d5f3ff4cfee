#pragma once

// Random command lists for the navigation machine and libdvdnav to play
// alike: drawn from the typed command set and encoded by the codec, so
// every command is a legal encoding; Gotos go forward within their list;
// links and jumps go to PGCs, titles and menus the disc has, from domains
// that may use them. Lists go at the top of the pre commands of First Play
// and of menus, with button presses for the menus on the way.
//
// Left out, because libdvdnav runs them otherwise than the command set
// defines: the compare-and-set forms 5 and 6, SetAMXMD, SetNVTMR, counter
// mode, Rnd, LinkNoLink, reads of SPRM 14, and what libdvdnav aborts on or
// cannot return from (RSM without a call, links to missing PGCs, cells or
// programs before the first).

#include "Draw.h"

#include "core/Command.h"
#include "disc/Disc.h"
#include "disc/PgcAddress.h"

#include <string>
#include <vector>

namespace trevalo::testing {

struct ProgramInsert {
    disc::PgcAddress pgc;
    std::vector<core::Command> commands;
};

struct RandomProgram {
    std::vector<ProgramInsert> inserts;
    std::vector<int> buttons; // the presses at menus, in order
};

// Menus of the disc's first language unit (a player in that language).
RandomProgram randomProgram(const disc::Disc& disc, Draw& draw, int longest_list = 8);

// The disc with the program's lists inserted; empty with `error` set when
// the insert refuses.
disc::Disc withProgram(const disc::Disc& disc, const RandomProgram& program, std::string& error);

// Each list with its place and lines, and the presses.
std::string describe(const disc::Disc& disc, const RandomProgram& program);

}
