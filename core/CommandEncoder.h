#pragma once

// Turns the typed form of a navigation command (core/Command.h) back into
// its 8 bytes, so that the navigation machine's tests can build programs
// from typed commands. Only a legal command has bytes: one with a fault, a
// field outside its range, or parts its form cannot carry has none. The
// bytes are the only ones that decode to the command again, since a legal
// decode leaves no bit unaccounted for.

#include "core/Command.h"

#include <optional>

namespace trevalo::core {

std::optional<CommandBytes> encode(const Command& command);

}
