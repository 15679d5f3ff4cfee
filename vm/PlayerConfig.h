#pragma once

// The player the navigation machine stands in for: its menu and stream
// languages, its parental setting, its region and its screen, as the
// system parameters a disc can read. The defaults are a typical player's,
// and this struct is the one place they are named; a caller changes what
// it needs (a French player, another region) and keeps the rest.
//
// It holds no disc state: the machine reads it once, when the disc is
// inserted. Values a command could not hold in a system parameter are
// refused by validate(), never clipped.

#include <array>
#include <cstdint>
#include <string>

namespace trevalo::vm {

struct PlayerConfig {
    // ISO 639 codes, two lower-case letters. The menu language picks the
    // menus' language unit (SPRM 0); the audio and sub-picture languages
    // are the player's preferences (SPRMs 16 and 18).
    std::string menu_language = "en";
    std::string audio_language = "en";
    std::string subpicture_language = "en";
    // ISO 3166 country of the parental setting (SPRM 12), two upper-case
    // letters, and its level (SPRM 13): 1..8, or 15 for none set.
    std::string parental_country = "US";
    int parental_level = 15;
    // The player's region, 1..8 (SPRM 20 holds it as one bit).
    int region = 1;
    // SPRM 14: a 4:3 screen (bits 11..10 = 0) showing wide pictures as pan
    // and scan (bits 9..8 = 1).
    std::uint16_t video = 0x0100;
    // SPRM 15: every audio coding a player decodes.
    std::uint16_t audio_capabilities = 0x7CFC;
    // Rnd draws from a generator seeded with this, so a run repeats.
    std::uint32_t random_seed = 1;
};

// Why the configuration cannot be a player's, or an empty text.
std::string validate(const PlayerConfig& config);

// The 24 system parameters as a player with this configuration holds them
// at insert, before any command ran: SPRM 1 = 15 (no audio stream chosen),
// SPRM 2 = 62 (no sub-picture stream, not shown), SPRM 3 = 1 (angle 1),
// SPRMs 4, 5 and 7 = 1 (title, title in set, chapter 1), SPRM 8 = 1024
// (button 1), the rest 0 but for the configuration's own.
std::array<std::uint16_t, 24> startSprms(const PlayerConfig& config);

// A language or country code as a system parameter holds it: the first
// letter in the high byte ("en" is 0x656E).
std::uint16_t letterCode(const std::string& two_letters);

}
