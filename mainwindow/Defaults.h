#pragma once

#include <string>
#include <string_view>

// The texts the main window starts with and Reset writes again.
namespace trevalo::defaults {

inline constexpr std::string_view first_play_block
    = "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}";
inline constexpr std::string_view menu_block
    = "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
inline constexpr std::string_view caution
    = "CAUTION: Check to see if First Play PGC is called.  If so, there is a possibility for navigation errors "
      "if Trevalo's algorithm is used. If none, then proceed.";
inline constexpr std::string_view first_target = "VTSM 1 Root Menu";

// The six trace instructions with `target` named in the fourth line, where
// the author sets the playback breakpoint.
std::string traceInstructions(std::string_view target);

}
