#pragma once

#include "core/Checker.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trevalo::core {

// The findings of the last input checked, kept with a copy of what each
// half of the checks read. The checks run after every event; most events
// change nothing they read (a copy, the log), and most of the rest change
// the composed blocks but not the import, whose hundreds of commands are
// then not read again. Comparing texts costs a fraction of checking them.
// It never answers from a half whose input differs in any field.
class CheckMemo {
public:
    const std::vector<Finding>& findings(const CheckInput&);

private:
    struct ImportInput {
        std::string imported;
        bool all_registers = false;
        int guard_register = 0;
        long marker = 0;

        bool operator==(const CheckInput&) const;
    };
    struct ComposedInput {
        std::string domain;
        std::vector<std::pair<std::string, std::string>> blocks;
        std::size_t menu_block = 0;

        bool operator==(const CheckInput&) const;
    };

    std::optional<ImportInput> m_import_input;
    std::vector<Finding> m_import_findings;
    std::optional<ComposedInput> m_composed_input;
    std::vector<Finding> m_composed_findings;
    std::vector<Finding> m_findings;
};

}
