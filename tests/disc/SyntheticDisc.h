#pragma once

// Discs made in memory from the model: PGCs, tables and titles put
// together in code, laid out the way an authoring tool lays out an IFO
// (management table, then each table on its own sectors) and written by the
// disc layer's own writer. For tests that need a disc of a given shape and
// for the benchmark's large disc; they have no VOBs.

#include "disc/Disc.h"
#include "disc/DiscFiles.h"

#include <vector>

namespace trevalo::testing {

disc::Pgc syntheticPgc(std::vector<disc::Command> pre, std::vector<disc::Command> post = {}, int cells = 1,
    std::vector<disc::Command> cell_commands = {});

// Gives every table and PGC of the file its offset, sizes its bytes and
// writes its identifier, so that the writer can write it.
void layOut(disc::InfoFile& file);

// The IFO and BUP of each file of the disc, written by the disc layer.
disc::MemoryFiles writtenFiles(const disc::Disc& disc);

struct DiscShape {
    int title_sets = 1;
    int titles_per_set = 1;
    int menus_per_unit = 1;
    int language_units = 1;
    int commands_per_pgc = 4;
    int cells_per_pgc = 1;
};

// A disc of the shape: its First Play jumps to the first title set's root
// menu, each menu links to the next and its last plays the set's first
// title, each title's post commands call the video manager's title menu.
disc::Disc syntheticDisc(const DiscShape& shape);

}
