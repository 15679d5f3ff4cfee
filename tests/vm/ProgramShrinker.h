#pragma once

// Makes a random program that shows a disagreement as small as it stays
// showing it: whole lists, then single commands, then button presses are
// left out one at a time while `disagrees` still holds. Each try costs the
// caller a run of both players, so the number of tries is bounded.

#include "RandomProgram.h"

#include <functional>

namespace trevalo::testing {

RandomProgram shrink(RandomProgram program, const std::function<bool(const RandomProgram&)>& disagrees, int tries);

}
