#pragma once

// The disc window's texts, built from the disc model and its scan: the
// summary (title sets, titles, menus per language, the GPRMs the disc uses
// and those it never touches), the list of every PGC as the window names it,
// and for one PGC its commands as readable lines, its cells and buttons and
// who reaches it. Pure functions; lines end in CR LF as the window's texts do.

#include "disc/Disc.h"
#include "disc/PgcAddress.h"
#include "disc/Scan.h"

#include <string>
#include <vector>

namespace trevalo {

struct PgcEntry {
    disc::PgcAddress address;
    std::string label; // "VTSM 1 PGC 1 (en) Root Menu, no cells"
};

// Every PGC of the disc in the order a disc lists them: First Play, the
// VMGM by language unit, then each title set's menus by unit and its titles.
std::vector<PgcEntry> pgcEntries(const disc::Disc& disc);

std::string discSummary(const disc::Disc& disc, const disc::DiscScan& scan);

std::string pgcDetails(const disc::Disc& disc, const disc::DiscScan& scan, const disc::PgcAddress& address);

// "en" for a language unit's or attribute's code; "--" for none.
std::string languageName(std::uint16_t code);

// A GPRM set as "0 1 2 13", or "none".
std::string registerList(std::uint16_t registers);

}
