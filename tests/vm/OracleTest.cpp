// The machine against libdvdnav on every authored disc, from insert, with
// the button presses a viewer would make: every cell change and menu stop
// with its domain, title or menu, PGC, program, cell, highlighted button,
// streams and GPRMs must read the same. The First Play PGC and PGCs without
// cells are invisible to the player's public API; their effects show in the
// next line.

#include "PlayerLines.h"
#include "disc/TestDiscs.h"
#include "dvdnav/DvdnavRun.h"

#include "vm/DiscProgram.h"

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

struct Case {
    const char* disc;
    PlayerRun run;
};

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

TEST(MachineOracle, EveryDiscFromInsertAsLibdvdnavPlaysIt)
{
    const Case cases[] = {
        { "single_title", {} },
        { "two_titlesets", {} },
        { "firstplay_menus", {} },
        { "firstplay_menus", { { 1, 1 } } },
        { "firstplay_menus", { { 1, 2, 1 } } },
        { "firstplay_menus", { { 1, 3, 3 } } },
        { "firstplay_menus", { { 1, 4, 2, 5, 1 } } },
        { "firstplay_menus", { { 1, 6, 2 } } },
        { "firstplay_menus", { { 2 } } },
        { "firstplay_menus", { { 3, 2 } } },
        { "firstplay_menus", { { 1 }, 200, WithRegisters::Yes, "fr" } },
        { "firstplay_menus", { { 1, 2 }, 200, WithRegisters::Yes, "fr" } },
        { "firstplay_menus", { { 2 }, 200, WithRegisters::Yes, "de" } },
    };
    for (const Case& c : cases) {
        const disc::Disc disc = readTestDisc(testDisc(c.disc));
        const vm::DiscProgram program(disc);
        const DvdnavRun player = playWithDvdnav(testDisc(c.disc).string(), playerArguments(c.run));
        const std::vector<std::string> machine = machineLines(program, c.run);
        EXPECT_EQ(joined(machine), joined(player.lines)) << c.disc << " " << joined(playerArguments(c.run));
    }
}

}
}
