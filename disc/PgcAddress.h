#pragma once

// Where a PGC stands in a disc as an author names it: its domain, its
// title set, its language unit (menus) and its number in its table, and
// the lookups between that and the model. A PGC that several tables list
// (a shared PGC or language unit) has several addresses.

#include "disc/Disc.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::disc {

enum class Domain {
    FirstPlay,
    ManagerMenu, // VMGM
    TitleSetMenu, // VTSM
    Title, // the title domain of a title set
};

struct PgcAddress {
    Domain domain = Domain::FirstPlay;
    int title_set = 0; // 0 in the video manager
    int language_unit = 0; // 1-based, menus only
    int number = 0; // 1-based in its table; 0 for First Play

    friend bool operator==(const PgcAddress&, const PgcAddress&) = default;
};

// The file that holds the address's PGC, or null.
const InfoFile* infoFileOf(const Disc& disc, const PgcAddress& address);
InfoFile* infoFileOf(Disc& disc, const PgcAddress& address);

// The index of the PGC in its file's pgcs, or nothing when the disc has no
// such PGC.
std::optional<std::size_t> pgcIndex(const Disc& disc, const PgcAddress& address);
const Pgc* findPgc(const Disc& disc, const PgcAddress& address);

// Every address at which the file lists the PGC with the given index.
std::vector<PgcAddress> addressesOf(const InfoFile& file, std::size_t pgc);

// "First Play PGC", "VMGM PGC 2", "VTSM 1 PGC 3", "VTS 2 PGC 1", with
// " (language unit 2)" for a menu of a file with more than one unit.
std::string describe(const Disc& disc, const PgcAddress& address);

}
