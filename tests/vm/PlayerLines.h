#pragma once

// The machine's run written in the lines tests/dvdnav's player prints for
// libdvdnav (CELL, MENU, STOP, END, LIMIT; see DvdnavPlayer.cpp), so the two
// can be held line by line against each other. A run the machine ends in a
// way the player has no line for (a failure, a chain that goes round
// without playing) ends with "ERROR" or "LOOP" and the machine's message.

#include "vm/DiscProgram.h"
#include "vm/PlayerConfig.h"

#include <string>
#include <vector>

namespace trevalo::testing {

enum class WithRegisters { No, Yes };

struct PlayerRun {
    std::vector<int> buttons;
    int max_events = 200;
    WithRegisters registers = WithRegisters::Yes;
    std::string language = "en";
};

// The player's options for the same run.
std::vector<std::string> playerArguments(const PlayerRun& run);

// The configuration of the player tests/dvdnav runs: libdvdnav's own start
// values, with the run's language for menus, audio and sub-pictures.
vm::PlayerConfig playerConfig(const PlayerRun& run);

std::vector<std::string> machineLines(const vm::DiscProgram& program, const PlayerRun& run);

// The player's lines as comparable with the machine's: libdvdnav cannot
// start a disc that stops before its first cell, and says so as an ERROR
// where the machine says END.
std::vector<std::string> comparable(std::vector<std::string> player_lines);

}
