// Random command lists at the top of First Play and the menus of the
// authored discs, played by the machine and by libdvdnav from insert with
// the same button presses: every cell change and menu stop, with its
// registers, must read the same. A disagreement prints the program and both
// runs, shrunk to the smallest program that still shows it. Programs the
// machine finds going round without playing, or failing, are not given to
// libdvdnav, which would follow them until killed or abort; they must stay
// rare. `make fuzz` plays many more (tests/fuzz/VmProgramFuzzer.cpp).

#include "DiscCopy.h"
#include "PlayerLines.h"
#include "ProgramShrinker.h"
#include "RandomProgram.h"
#include "disc/TestDiscs.h"
#include "dvdnav/DvdnavRun.h"

#include "vm/DiscProgram.h"

#include <gtest/gtest.h>

#ifndef TREVALO_RANDOM_PROGRAMS
#define TREVALO_RANDOM_PROGRAMS 200
#endif

namespace trevalo::testing {
namespace {

constexpr int max_events = 10;

struct Compared {
    bool played = false; // false: the machine alone (it goes round or fails)
    std::vector<std::string> machine;
    std::vector<std::string> player;
};

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "  " + line + "\n";
    return text;
}

Compared compare(const disc::Disc& disc, const RandomProgram& program, const std::filesystem::path& folder)
{
    Compared compared;
    std::string refused;
    const disc::Disc modified = withProgram(disc, program, refused);
    if (!refused.empty()) {
        compared.machine = { "REFUSED " + refused };
        return compared;
    }
    const vm::DiscProgram code(modified);
    const PlayerRun run { program.buttons, max_events, WithRegisters::Yes, "en" };
    compared.machine = machineLines(code, run);
    const std::string& last = compared.machine.back();
    if (last.rfind("LOOP", 0) == 0 || last.rfind("ERROR", 0) == 0)
        return compared;
    const std::string failed = writeLinkedCopy(modified, folder);
    if (!failed.empty()) {
        compared.player = { "COPY " + failed };
        return compared;
    }
    compared.played = true;
    const DvdnavRun player = playWithDvdnav(folder.string(), playerArguments(run), 20);
    compared.player = comparable(player.lines);
    if (player.status != 0 && player.status != 2)
        compared.player.push_back("ABORTED with status " + std::to_string(player.status));
    return compared;
}

TEST(RandomPrograms, TheMachineAndLibdvdnavAgreeOnWherePlayGoesAndOnTheRegisters)
{
    const disc::Disc discs[] = { readTestDisc(testDisc("firstplay_menus")), readTestDisc(testDisc("two_titlesets")) };
    const std::filesystem::path folder = scratchFolder("random-programs") / "copy";
    int alone = 0;
    for (int i = 0; i < TREVALO_RANDOM_PROGRAMS; ++i) {
        const disc::Disc& disc = discs[i % 2];
        Draw draw = Draw::seeded(static_cast<std::uint32_t>(i));
        const RandomProgram program = randomProgram(disc, draw);
        const Compared compared = compare(disc, program, folder);
        if (!compared.played) {
            ++alone;
            continue;
        }
        if (compared.machine == compared.player)
            continue;
        const RandomProgram smallest = shrink(program, [&](const RandomProgram& candidate) {
            const Compared again = compare(disc, candidate, folder);
            return again.played && again.machine != again.player;
        }, 60);
        const Compared shown = compare(disc, smallest, folder);
        ADD_FAILURE() << "program " << i << " on " << disc.folder.parent_path().filename().string() << ":\n"
                      << describe(disc, program) << "shrunk to:\n"
                      << describe(disc, smallest) << "the machine:\n"
                      << joined(shown.machine) << "libdvdnav:\n"
                      << joined(shown.player);
    }
    // Most programs must reach libdvdnav, or the comparison proves little.
    EXPECT_LT(alone, TREVALO_RANDOM_PROGRAMS / 5);
}

TEST(RandomPrograms, TheShrinkerKeepsOnlyWhatStillShowsTheDisagreement)
{
    // A stand-in disagreement: any program holding a JumpTT. The shrinker
    // must come down to that one command, its list and no presses, with
    // Gotos past a removed line following it.
    const disc::Disc disc = readTestDisc(testDisc("firstplay_menus"));
    const auto holdsJumpTT = [](const RandomProgram& program) {
        for (const ProgramInsert& insert : program.inserts) {
            for (const core::Command& command : insert.commands) {
                if (command.jump.op == core::JumpOp::JumpTT)
                    return true;
            }
        }
        return false;
    };
    int shrunk = 0;
    for (std::uint32_t seed = 0; seed < 200 && shrunk < 5; ++seed) {
        Draw draw = Draw::seeded(seed);
        const RandomProgram program = randomProgram(disc, draw);
        if (!holdsJumpTT(program) || program.inserts.size() < 2)
            continue;
        ++shrunk;
        const RandomProgram smallest = shrink(program, holdsJumpTT, 500);
        ASSERT_EQ(smallest.inserts.size(), 1u) << describe(disc, smallest);
        ASSERT_EQ(smallest.inserts[0].commands.size(), 1u) << describe(disc, smallest);
        EXPECT_EQ(smallest.inserts[0].commands[0].jump.op, core::JumpOp::JumpTT);
        EXPECT_TRUE(smallest.buttons.empty());
        for (const ProgramInsert& insert : smallest.inserts) {
            for (const core::Command& command : insert.commands)
                EXPECT_TRUE(command.special.op != core::SpecialOp::Goto || command.special.line <= insert.commands.size());
        }
    }
    EXPECT_EQ(shrunk, 5);
}

}
}
