#pragma once

#include <optional>
#include <string>

namespace trevalo::testing {

// The First Play block written straight from its forms: the guard test (or
// the sixteen register tests and the marker set of the all-registers check),
// the jump to the target, the closing NOP. It reads only the author's
// choices as list items, never the operations that patch the block.
class FirstPlayComposer {
public:
    struct Choices {
        bool all_registers = false;
        std::string guard_register; // "0" .. "15"
        std::string marker;         // "12345", "11111", ...
        std::string domain;         // "VTSM", "VMGM", "Title"
        std::string number;         // "1" .. "99"
        std::string menu;           // "Root Menu", ... (VTSM only)
    };

    // nullopt when a choice is not one of its list's items.
    static std::optional<std::string> compose(const Choices& choices);
};

}
