#pragma once

// A copy of a disc model as a folder another player can open, made cheaply
// for tests that write many: each IFO and its BUP written from the model by
// the disc layer, the VOBs linked to the folder the disc was read from (the
// insert never changes a VOB). The product's copy is disc/FolderCopy.h.

#include "disc/Disc.h"

#include <filesystem>
#include <string>

namespace trevalo::testing {

// Writes `folder`/VIDEO_TS, replacing what is there; an empty text when
// done, else why not.
std::string writeLinkedCopy(const disc::Disc& disc, const std::filesystem::path& folder);

}
