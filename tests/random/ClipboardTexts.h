#pragma once

#include "random/Random.h"

#include <string>

namespace trevalo::testing {

// What a clipboard may hold when the author presses Import: traces as
// PgcEdit copies them, and texts that only look like one, or not at all.
class ClipboardTexts {
public:
    // One command of a kind the tool knows, with plausible fields.
    static std::string command(Random&);
    // 0 to 40 commands, mostly register sets, with and without SetSTN and
    // SetHL_BTN, separated by blanks, line breaks or tabs.
    static std::string trace(Random&);
    // A text the import must refuse, or one at the edge of what it takes.
    static std::string hostile(Random&);
    // A trace that the checks of the blocks have something to say about, or
    // nearly: a few commands or a block around a PGC's command budget, with
    // a value no player accepts or GPRM 0 set to a marker value among them.
    static std::string checked(Random&);
    // Whatever the author copied elsewhere between two actions.
    static std::string elsewhere(Random&);
};

}
