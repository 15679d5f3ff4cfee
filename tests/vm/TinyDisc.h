#pragma once

// A small disc model made in memory for the machine's own tests: a First
// Play PGC, a VMGM language unit, one title set with a menu unit and its
// titles, every PGC without commands until a test gives it some, every cell
// a second long. No files; the machine needs none.

#include "disc/Disc.h"
#include "disc/PgcAddress.h"

#include <string_view>

namespace trevalo::testing {

class TinyDisc {
public:
    // Each title has `cells` cells, each a program and a chapter of its own.
    TinyDisc(int vmgm_pgcs = 2, int vtsm_pgcs = 2, int titles = 2, int cells = 2);

    static constexpr disc::PgcAddress first_play { disc::Domain::FirstPlay, 0, 0, 0 };
    static disc::PgcAddress vmgm(int n) { return { disc::Domain::ManagerMenu, 0, 1, n }; }
    static disc::PgcAddress vtsm(int n, int unit = 1) { return { disc::Domain::TitleSetMenu, 1, unit, n }; }
    static disc::PgcAddress title(int n) { return { disc::Domain::Title, 1, 0, n }; }

    disc::Pgc& pgc(const disc::PgcAddress& address);
    // Commands in brace-hex notation; the text must read.
    void pre(const disc::PgcAddress& address, std::string_view commands);
    void post(const disc::PgcAddress& address, std::string_view commands);
    // Cell `cell` runs the cell command `commands` after it plays.
    void cellCommand(const disc::PgcAddress& address, int cell, std::string_view command);
    // The cell becomes a menu still with these buttons' commands.
    void buttons(const disc::PgcAddress& address, int cell, std::string_view commands);
    // Another menu language unit in the title set, with PGCs of its own
    // shaped as the first unit's.
    void addTitleSetUnit(std::string_view language);

    disc::Disc disc;
};

}
