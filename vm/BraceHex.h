#pragma once

// Command blocks in the brace-hex notation the window writes and an IFO
// editor pastes, "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00}",
// read into 8-byte commands and written back. Reading is strict about each
// command (upper-case digits, single blanks, braces) and lenient about the
// white space between commands, as the window's import is; a fault names
// the command it lies in and what stood there.

#include "core/Command.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::vm {

struct ParsedBlock {
    std::vector<core::CommandBytes> commands;
    std::string error; // empty when every command read
};

ParsedBlock parseBlock(std::string_view text);

std::string braceHex(const core::CommandBytes& bytes);
// The commands joined by single blanks, as the window's blocks are.
std::string braceHex(std::span<const core::CommandBytes> commands);

}
