#pragma once

// Parses the bytes of one IFO (or BUP) file into an InfoFile. Works from
// memory, reads nothing else, and checks every read against the end of the
// data: a damaged file gives a message naming the file, the table and the
// offset, for example "VTS_02_0.IFO: the menu PGC table of language unit 1
// points past the end of the file (offset 0x1A2C)", and no model.
//
// It does not read the menu VOBs (see DiscReader) and does not judge
// whether the navigation makes sense; it reads what is there.

#include "disc/InfoFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::disc {

struct InfoFileRead {
    std::optional<InfoFile> file;
    std::string error; // set when file is empty
};

// kind says which management table the file must start with; title_set is
// the set's number (0 for the video manager), kept in the model.
InfoFileRead readInfoFile(std::string name, std::vector<std::uint8_t> bytes, FileKind kind, int title_set);

}
