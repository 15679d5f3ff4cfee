#include "ProgramShrinker.h"

namespace trevalo::testing {

RandomProgram shrink(RandomProgram program, const std::function<bool(const RandomProgram&)>& disagrees, int tries)
{
    const auto attempt = [&](const RandomProgram& smaller) {
        if (tries <= 0)
            return false;
        --tries;
        if (!disagrees(smaller))
            return false;
        program = smaller;
        return true;
    };
    for (bool smaller = true; smaller && tries > 0;) {
        smaller = false;
        for (std::size_t i = 0; i < program.inserts.size() && program.inserts.size() > 1; ++i) {
            RandomProgram candidate = program;
            candidate.inserts.erase(candidate.inserts.begin() + static_cast<std::ptrdiff_t>(i));
            if (attempt(candidate)) {
                smaller = true;
                --i;
            }
        }
        for (std::size_t i = 0; i < program.inserts.size(); ++i) {
            for (std::size_t k = 0; k < program.inserts[i].commands.size() && program.inserts[i].commands.size() > 1; ++k) {
                RandomProgram candidate = program;
                auto& commands = candidate.inserts[i].commands;
                commands.erase(commands.begin() + static_cast<std::ptrdiff_t>(k));
                // Later lines moved up one: Gotos past the removed line follow.
                for (core::Command& command : commands) {
                    if ((command.special.op == core::SpecialOp::Goto || command.special.op == core::SpecialOp::SetTmpPML)
                        && command.special.line > k + 1)
                        --command.special.line;
                }
                if (attempt(candidate)) {
                    smaller = true;
                    --k;
                }
            }
        }
        for (std::size_t b = program.buttons.size(); b-- > 0;) {
            RandomProgram candidate = program;
            candidate.buttons.erase(candidate.buttons.begin() + static_cast<std::ptrdiff_t>(b));
            if (attempt(candidate))
                smaller = true;
        }
    }
    return program;
}

}
