// The machine against libdvdnav on every authored disc, from insert, with
// the button presses a viewer would make: every cell change and menu stop
// with its domain, title or menu, PGC, program, cell, highlighted button,
// streams and GPRMs must read the same; so on copies that carry the
// window's blocks. The First Play PGC and PGCs without cells are invisible
// to the player's public API; their effects show in the next line.

#include "PlayerLines.h"
#include "WindowBlocks.h"
#include "disc/TestDiscs.h"
#include "dvdnav/DvdnavRun.h"

#include "disc/FolderCopy.h"
#include "vm/DiscProgram.h"
#include "vm/Replay.h"
#include "vm/Trace.h"

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
        EXPECT_EQ(joined(machine), joined(comparable(player.lines))) << c.disc << " " << joined(playerArguments(c.run));
    }
}

TEST(MachineOracle, CopiesWithTheWindowsBlocksAsLibdvdnavPlaysThem)
{
    // Each copy starts in its target; the buttons then lead on, so the
    // blocks' guard is seen to hold on later visits.
    const struct {
        const char* disc;
        WindowChoice window;
        std::vector<int> trace_buttons;
        PlayerRun run;
    } cases[] = {
        { "firstplay_menus", { "VTSM", "1", "Root Menu", "2", "9" }, { 1 }, { { 1, 6, 1 } } },
        { "firstplay_menus", { "VTSM", "1", "Root Menu", "2", "9" }, { 1 }, { { 2 }, 200, WithRegisters::Yes, "fr" } },
        { "firstplay_menus", { "VTSM", "1", "Chapter Menu", "", "9" }, { 3 }, { { 2, 1, 1 } } },
        { "firstplay_menus", { "VMGM", "1", "", "", "" }, {}, { { 2, 3, 1 } } },
        { "firstplay_menus", { "Title", "2", "", "", "9", "0", "3" }, { 2 }, { { 5, 1 } } },
        { "two_titlesets", { "Title", "3", "", "", "14" }, {}, {} },
        { "two_titlesets", { "Title", "1", "", "", "" }, {}, {} },
        { "single_title", { "Title", "1", "", "", "14" }, {}, {} },
    };
    int copy = 0;
    for (const auto& c : cases) {
        const disc::Disc disc = readTestDisc(testDisc(c.disc));
        const vm::DiscProgram program(disc);
        const vm::Target target = compose(c.window, {}).target;
        const vm::TraceResult traced = vm::trace(program, vm::PlayerConfig {}, target, c.trace_buttons);
        const Composed composed = compose(c.window, traced.commands);
        const vm::PlacedBlocks placed = vm::placeBlocks(disc, composed.blocks, composed.target);
        ASSERT_TRUE(placed.placed) << c.disc;
        const std::filesystem::path folder = scratchFolder("blocks") / std::to_string(copy++);
        std::filesystem::remove(folder);
        ASSERT_EQ(disc::writeFolderCopy(placed.disc, folder), "");
        const vm::DiscProgram copied(placed.disc);
        const DvdnavRun player = playWithDvdnav(folder.string(), playerArguments(c.run));
        EXPECT_EQ(joined(machineLines(copied, c.run)), joined(comparable(player.lines)))
            << c.disc << " " << vm::describe(composed.target) << " " << joined(playerArguments(c.run));
    }
}

}
}
