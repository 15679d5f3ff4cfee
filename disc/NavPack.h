#pragma once

// The highlight information of a menu cell, from the presentation control
// data of a navigation pack: one 2048-byte sector of a menu VOB. Pure; the
// caller reads the sector.

#include "disc/Pgc.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace trevalo::disc {

inline constexpr std::size_t pack_size = 2048;

struct NavPackRead {
    bool is_nav_pack = false; // false: the sector is some other pack
    std::optional<Highlight> highlight; // absent when the pack has none
    // The next VOBU's distance in sectors (the pack's VOBU end address + 1);
    // 0 when the pack does not say.
    std::uint32_t next_vobu = 0;
};

NavPackRead readNavPack(std::span<const std::uint8_t> sector);

}
