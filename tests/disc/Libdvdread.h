#pragma once

// libdvdread as the oracle of the reader: it reads a folder on its own and
// every field the model holds and libdvdread exposes is compared. Any
// warning or error libdvdread logs counts as a disagreement, since it
// otherwise falls back to the BUP without a word.

#include "disc/Disc.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trevalo::testing {

// Each line names a field and both values; empty when all agree.
std::vector<std::string> disagreementsWithLibdvdread(const disc::Disc& ours, const std::filesystem::path& folder);

}
