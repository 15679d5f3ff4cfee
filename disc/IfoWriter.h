#pragma once

// Writes an InfoFile back to the bytes of an IFO (and so of its BUP, which
// is the same file). It starts from the bytes the file was read from and
// writes every field the model holds at the place the model gives it, so a
// model read and written unchanged gives the file back byte for byte, and a
// model changed by the insert gives the file with that change alone.
//
// It places nothing anew: offsets are the model's. A model whose tables do
// not fit its bytes (an offset past the end) is refused with a message.

#include "disc/InfoFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trevalo::disc {

// A run of bytes the writer wrote from the model's fields.
struct Extent {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

struct InfoFileWrite {
    std::vector<std::uint8_t> bytes;
    std::string error; // set when bytes is empty
    std::vector<Extent> written; // in order, adjacent runs joined
};

InfoFileWrite writeInfoFile(const InfoFile& file);

}
