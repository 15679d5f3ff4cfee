#pragma once

#include "ui/Colour.h"

#include <string>

// What the author sees, written out once for every test that checks it:
// the start-up blocks and the colours of the design.
namespace trevalo::testing::expected {

inline const std::string first_play = "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}";
inline const std::string menu_block
    = "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
// Text2 right after the dummy skip is switched on at start-up.
inline const std::string link_block
    = "{00 B1 00 0E 00 00 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}";

// A one-command trace, and Text2 right after importing it at start-up.
inline const std::string one_set_trace = "{71 00 00 03 00 05 00 00}";
inline const std::string imported_one_set
    = "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
      "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";

using ui::Colour;
inline constexpr Colour yellow = Colour::rgb(255, 255, 192);
inline constexpr Colour magenta = Colour::rgb(255, 0, 255);
inline constexpr Colour face = Colour::of(ui::SystemColour::ButtonFace);
inline constexpr Colour button_text = Colour::of(ui::SystemColour::ButtonText);
inline constexpr Colour window_text = Colour::of(ui::SystemColour::WindowText);
inline constexpr Colour grey_text = Colour::of(ui::SystemColour::GreyText);

}
