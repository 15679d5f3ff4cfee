#pragma once

#include "core/Checker.h"

#include <optional>
#include <string>
#include <vector>

namespace trevalo {

// What the log reports, copied out of the main window when the log opens,
// so the log window needs nothing of the main window itself. Plain data: it
// neither reads controls nor keeps itself in step with them.
struct LogSource {
    // A block and the name of the PGC it is for, as its label captions it.
    struct Block {
        std::string name;
        std::string text;
    };

    Block first_play;    // Label3, Text1
    Block target;        // Label8, Text2
    Block after_dummy;   // Label15, Text3
    // Text3 shows: the dummy skip puts a third block in the flow.
    bool after_dummy_shown = false;
    // The menu a JumpSS to a title set's menu names (CboMenu).
    std::string menu;
    // The cell the flow ends in while the cell link is on (cboLinkCN).
    std::optional<std::string> linked_cell;
    // An import is in place (chkStreams is enabled only then).
    bool imported = false;
    std::vector<core::Finding> findings;
    // With a disc open: its folder, and the last replay's verdict on the
    // blocks as they stand (empty when none was run on them).
    std::string disc_folder;
    std::string replay;
};

}
