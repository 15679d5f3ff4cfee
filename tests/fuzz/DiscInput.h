#pragma once

// How the disc fuzz targets cut one input into a disc's files: a 4-byte
// big-endian length, that many bytes of VIDEO_TS.IFO, and the rest as
// VTS_01_0.IFO; each file's BUP is the same bytes. tests/fuzz/disc-seeds.sh
// writes the authored discs in this form.

#include "disc/DiscFiles.h"

#include <cstddef>
#include <cstdint>

namespace trevalo::testing {

inline disc::MemoryFiles discFromInput(const std::uint8_t* data, std::size_t size)
{
    disc::MemoryFiles files;
    if (size < 4)
        return files;
    const std::size_t first = std::min<std::size_t>(size - 4,
        std::size_t { data[0] } << 24 | std::size_t { data[1] } << 16 | std::size_t { data[2] } << 8 | data[3]);
    const std::vector<std::uint8_t> manager(data + 4, data + 4 + first);
    const std::vector<std::uint8_t> set(data + 4 + first, data + size);
    files.files["VIDEO_TS.IFO"] = manager;
    files.files["VIDEO_TS.BUP"] = manager;
    files.files["VTS_01_0.IFO"] = set;
    files.files["VTS_01_0.BUP"] = set;
    return files;
}

}
