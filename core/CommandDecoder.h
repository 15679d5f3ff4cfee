#pragma once

// Turns the 8 bytes of a navigation command into its typed form
// (core/Command.h). Every bit is accounted for: a command whose opcodes are
// unknown, whose numbers leave their ranges or which sets bits outside its
// fields comes back with a fault that names the byte and the reason, never
// with a guessed meaning. Decoding is cheap and allocates nothing, since the
// navigation machine decodes every command it runs; the readable line is
// core/CommandLine.h's.

#include "core/Command.h"

#include <cstdint>
#include <span>

namespace trevalo::core {

Command decode(std::span<const std::uint8_t, 8> bytes);

}
