#pragma once

// A disc's commands decoded once, for the navigation machine: the typed
// form of every pre, post and cell command of every PGC and of every menu
// button, laid out beside the disc model so the machine never decodes while
// it runs. It refers to the disc, which must outlive it, and changes
// nothing in it.

#include "core/Command.h"
#include "disc/Disc.h"
#include "disc/PgcAddress.h"
#include "disc/Scan.h"

#include <cstddef>
#include <vector>

namespace trevalo::vm {

struct PgcCode {
    std::vector<core::Command> pre;
    std::vector<core::Command> post;
    std::vector<core::Command> cell;
    // For each cell, its buttons' commands, button 1 first; empty for a
    // cell without highlight information.
    std::vector<std::vector<core::Command>> buttons;
};

class DiscProgram {
public:
    explicit DiscProgram(const disc::Disc& disc);

    const disc::Disc& disc() const { return *m_disc; }

    // The file of title set n, or the video manager for 0; null past the
    // disc's title sets.
    const disc::InfoFile* file(int title_set) const;

    // The code of PGC `index` of that file's pool.
    const PgcCode& code(int title_set, std::size_t index) const
    {
        return m_code[static_cast<std::size_t>(title_set)][index];
    }

    // The bytes of a command as the disc stores them; null when the place
    // holds none.
    const disc::Command* bytes(const disc::PgcAddress& pgc, disc::CommandPlace place, int number, int cell) const;

private:
    const disc::Disc* m_disc;
    std::vector<std::vector<PgcCode>> m_code; // [title set][pgc index]
};

}
