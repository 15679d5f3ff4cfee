// The machine on discs made in memory, where the DVD-Video command set
// itself is the oracle: what libdvdnav does not run as the command set
// defines (the compare-and-set forms, counters, the navigation timer) and
// what it cannot show (steps, the resume point, refusals, loop reports).

#include "TinyDisc.h"

#include "vm/DiscProgram.h"
#include "vm/Machine.h"
#include "vm/Trace.h"

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

using vm::Progress;

constexpr const char* exit_command = "{30 01 00 00 00 00 00 00}";

// Runs from insert until playback stops or fails, or a step limit.
vm::Machine runToEnd(const vm::DiscProgram& program, vm::PlayerConfig config = {})
{
    vm::Machine machine(program, config);
    for (int steps = 0; steps < 10'000; ++steps) {
        const Progress progress = machine.step();
        if (progress == Progress::Stopped || progress == Progress::Failed || progress == Progress::Waiting)
            break;
    }
    return machine;
}

TEST(Machine, GprmSetsFollowTheCommandSet)
{
    const struct {
        const char* commands;
        int gprm;
        std::uint16_t value;
    } cases[] = {
        { "{71 00 00 01 12 34 00 00}", 1, 0x1234 },
        // Sums and products stop at 65535, differences at 0.
        { "{71 00 00 01 FF FF 00 00} {73 00 00 01 00 01 00 00}", 1, 65535 },
        { "{71 00 00 01 00 01 00 00} {74 00 00 01 00 05 00 00}", 1, 0 },
        { "{71 00 00 01 01 2C 00 00} {75 00 00 01 01 2C 00 00}", 1, 65535 },
        // Division and remainder by 0 give 65535.
        { "{71 00 00 01 00 07 00 00} {76 00 00 01 00 00 00 00}", 1, 65535 },
        { "{71 00 00 01 00 11 00 00} {77 00 00 01 00 05 00 00}", 1, 2 },
        { "{71 00 00 01 00 11 00 00} {77 00 00 01 00 00 00 00}", 1, 65535 },
        { "{71 00 00 01 0F 0F 00 00} {79 00 00 01 00 FF 00 00}", 1, 0x000F },
        { "{71 00 00 01 0F 0F 00 00} {7A 00 00 01 00 F0 00 00}", 1, 0x0FFF },
        { "{71 00 00 01 0F 0F 00 00} {7B 00 00 01 00 FF 00 00}", 1, 0x0FF0 },
        // Swp exchanges the two GPRMs.
        { "{71 00 00 01 00 03 00 00} {71 00 00 02 00 09 00 00} {62 00 00 01 00 02 00 00}", 1, 9 },
        { "{71 00 00 01 00 03 00 00} {71 00 00 02 00 09 00 00} {62 00 00 01 00 02 00 00}", 2, 3 },
        // From a register: SPRM 1 starts at 15 (no audio stream).
        { "{61 00 00 01 00 81 00 00}", 1, 15 },
        // Each comparison, by a conditional Goto over a set of GPRM 2.
        { "{71 00 00 01 00 05 00 00} {00 A1 00 01 00 05 00 04} {71 00 00 02 00 01 00 00}", 2, 0 }, // ==
        { "{71 00 00 01 00 05 00 00} {00 B1 00 01 00 05 00 04} {71 00 00 02 00 01 00 00}", 2, 1 }, // !=
        { "{71 00 00 01 00 05 00 00} {00 C1 00 01 00 05 00 04} {71 00 00 02 00 01 00 00}", 2, 0 }, // >=
        { "{71 00 00 01 00 05 00 00} {00 D1 00 01 00 05 00 04} {71 00 00 02 00 01 00 00}", 2, 1 }, // >
        { "{71 00 00 01 00 05 00 00} {00 E1 00 01 00 04 00 04} {71 00 00 02 00 01 00 00}", 2, 1 }, // <=
        { "{71 00 00 01 00 05 00 00} {00 F1 00 01 00 06 00 04} {71 00 00 02 00 01 00 00}", 2, 0 }, // <
        { "{71 00 00 01 00 05 00 00} {00 91 00 01 00 02 00 04} {71 00 00 02 00 01 00 00}", 2, 1 }, // & (5 & 2 = 0)
        { "{71 00 00 01 00 05 00 00} {00 91 00 01 00 04 00 04} {71 00 00 02 00 01 00 00}", 2, 0 }, // & (5 & 4 = 4)
        // SetTmpPML sets the level and goes on at its line.
        { "{00 03 00 00 00 00 03 03} {71 00 00 02 00 01 00 00} {61 00 00 02 00 8D 00 00}", 2, 3 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commands);
        TinyDisc tiny;
        tiny.pre(TinyDisc::first_play, std::string(c.commands) + " " + exit_command);
        const vm::DiscProgram program(tiny.disc);
        const vm::Machine machine = runToEnd(program);
        ASSERT_EQ(machine.phase(), vm::Phase::Stopped) << machine.error();
        EXPECT_EQ(machine.gprm(c.gprm), c.value);
    }
}

TEST(Machine, TheCompareAndSetFormsRunTheirPartsInTheirOrder)
{
    // Each list sets GPRM 2 and 3 equal or not, then runs the form: a set of
    // GPRM 1 to 7 and a LinkTailPGC, whose post commands exit at once; the
    // Set of GPRM 4 after it runs only when the link did not.
    const struct {
        const char* name;
        const char* form;
        bool equal;
        std::uint16_t gprm1;
        bool linked;
    } cases[] = {
        // Type 4: the set always, then the compare on its result.
        { "set, then compare", "{93 A1 00 01 00 06 00 0D}", false, 6, true },
        { "set, then compare false", "{93 A1 00 01 00 09 00 0D}", false, 6, false },
        // Type 5: both only when the compare holds.
        { "compare, set and link", "{B1 21 00 07 02 03 00 0D}", true, 7, true },
        { "compare false: neither", "{B1 21 00 07 02 03 00 0D}", false, 5, false },
        // Type 6: the set when it holds, the link always.
        { "compare, set, link always", "{D1 21 00 07 02 03 00 0D}", true, 7, true },
        { "compare false: link only", "{D1 21 00 07 02 03 00 0D}", false, 5, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TinyDisc tiny;
        tiny.pre(TinyDisc::vmgm(1), std::string("{71 00 00 01 00 05 00 00} {71 00 00 02 00 01 00 00} {71 00 00 03 00 0")
                + (c.equal ? "1" : "2") + " 00 00} " + c.form + " {71 00 00 04 00 01 00 00} " + exit_command);
        tiny.post(TinyDisc::vmgm(1), exit_command);
        tiny.pre(TinyDisc::first_play, "{30 06 00 01 00 C0 00 00}");
        const vm::DiscProgram program(tiny.disc);
        const vm::Machine machine = runToEnd(program);
        ASSERT_EQ(machine.phase(), vm::Phase::Stopped) << machine.error();
        EXPECT_EQ(machine.gprm(1), c.gprm1);
        EXPECT_EQ(machine.gprm(4), c.linked ? 0 : 1);
    }
}

TEST(Machine, ACounterCountsTheSecondsOfPlaybackAndStopsWhenSetBack)
{
    // Title 1: three cells of a second; GPRM 3 counts from 10 in its pre
    // commands, the third cell's command freezes it.
    TinyDisc tiny(2, 2, 1, 3);
    tiny.pre(TinyDisc::first_play, "{30 02 00 00 00 01 00 00}");
    tiny.pre(TinyDisc::title(1), "{53 00 00 0A 00 83 00 00}");
    tiny.cellCommand(TinyDisc::title(1), 2, "{43 00 00 03 00 03 00 00}");
    tiny.cellCommand(TinyDisc::title(1), 3, "{61 00 00 04 00 03 00 00}");
    const vm::DiscProgram program(tiny.disc);
    vm::Machine machine(program, {});
    std::vector<std::uint16_t> seen;
    while (machine.step() != Progress::Stopped && machine.phase() != vm::Phase::Failed) {
        if (machine.lastProgress() == Progress::CellStarted)
            seen.push_back(machine.gprm(3));
    }
    // Cell 2's command sets register mode, keeping the count it reads.
    EXPECT_EQ(seen, (std::vector<std::uint16_t> { 10, 11, 12 }));
    EXPECT_EQ(machine.gprm(3), 12);
    EXPECT_EQ(machine.gprm(4), 12);
    EXPECT_EQ(machine.registers().mode(3), core::GprmMode::Register);
}

TEST(Machine, TheNavigationTimerTakesPlayToItsPgcWhenItRunsOut)
{
    // Title 1 sets 2 seconds and title PGC 2; its three cells of a second
    // never finish.
    TinyDisc tiny(2, 2, 2, 3);
    tiny.pre(TinyDisc::first_play, "{30 02 00 00 00 01 00 00}");
    tiny.pre(TinyDisc::title(1), "{52 00 00 02 00 02 00 00}");
    const vm::DiscProgram program(tiny.disc);
    vm::Machine machine(program, {});
    std::vector<std::string> cells;
    std::vector<std::uint16_t> timer;
    for (int steps = 0; steps < 100 && machine.phase() != vm::Phase::Stopped; ++steps) {
        if (machine.step() == Progress::CellStarted) {
            cells.push_back(disc::describe(tiny.disc, machine.location().pgc) + " cell " + std::to_string(machine.location().cell));
            timer.push_back(machine.sprm(9));
        }
    }
    EXPECT_EQ(cells, (std::vector<std::string> { "VTS 1 PGC 1 cell 1", "VTS 1 PGC 1 cell 2", "VTS 1 PGC 2 cell 1", "VTS 1 PGC 2 cell 2", "VTS 1 PGC 2 cell 3" }));
    EXPECT_EQ(timer, (std::vector<std::uint16_t> { 2, 1, 0, 0, 0 }));
    const std::vector<std::string> path = vm::pathLines(program, machine.path());
    ASSERT_GE(path.size(), 3u);
    EXPECT_EQ(path[1], "VTS 1 PGC 1, left when the navigation timer ran out");
}

TEST(Machine, RsmReturnsToTheCallsCellWithTheTitlesRegisters)
{
    // Title 2's first cell calls the VMGM title menu back to cell 2; the
    // menu changes the button and resumes.
    TinyDisc tiny(2, 2, 2, 3);
    tiny.pre(TinyDisc::first_play, "{30 02 00 00 00 02 00 00}");
    tiny.cellCommand(TinyDisc::title(2), 1, "{30 08 00 00 02 42 00 00}");
    tiny.pre(TinyDisc::vmgm(1), "{56 00 00 00 0C 00 00 00} {20 01 00 00 00 00 00 10}");
    const vm::DiscProgram program(tiny.disc);
    vm::Machine machine(program, {});
    std::vector<std::string> cells;
    for (int steps = 0; steps < 100 && machine.phase() != vm::Phase::Stopped; ++steps) {
        if (machine.step() == Progress::CellStarted)
            cells.push_back(disc::describe(tiny.disc, machine.location().pgc) + " cell " + std::to_string(machine.location().cell)
                + " title " + std::to_string(machine.sprm(4)) + " button " + std::to_string(machine.sprm(8) >> 10));
    }
    EXPECT_EQ(cells,
        (std::vector<std::string> { "VTS 1 PGC 2 cell 1 title 2 button 1", "VTS 1 PGC 2 cell 2 title 2 button 1",
            "VTS 1 PGC 2 cell 3 title 2 button 1" }));
    EXPECT_TRUE(machine.resumePoint().set);
    EXPECT_EQ(machine.resumePoint().cell, 2);
}

TEST(Machine, AnAngleBlockPlaysTheCellOfTheAngleAndSkipsTheOthers)
{
    TinyDisc tiny(2, 2, 1, 4);
    disc::Pgc& title = tiny.pgc(TinyDisc::title(1));
    title.programs = { 1, 4 };
    for (int c = 0; c < 3; ++c) {
        title.cells[static_cast<std::size_t>(c)].block_type = 1;
        title.cells[static_cast<std::size_t>(c)].block_mode = static_cast<std::uint8_t>(c == 0 ? 1 : c == 2 ? 3 : 2);
    }
    tiny.disc.title_sets[0].chapters->titles[0] = { { 1, 1 }, { 1, 2 } };
    tiny.pre(TinyDisc::first_play, "{51 00 00 00 00 82 00 00} {30 02 00 00 00 01 00 00}");
    const vm::DiscProgram program(tiny.disc);
    vm::Machine machine(program, {});
    std::vector<int> cells;
    for (int steps = 0; steps < 100 && machine.phase() != vm::Phase::Stopped; ++steps) {
        if (machine.step() == Progress::CellStarted)
            cells.push_back(machine.location().cell);
    }
    EXPECT_EQ(cells, (std::vector<int> { 2, 4 }));
}

TEST(Machine, AMenuWaitsForAButtonAndSaysWhichItOffers)
{
    TinyDisc tiny;
    tiny.pre(TinyDisc::first_play, "{30 06 00 01 00 C0 00 00}");
    // Button 1 sets GPRM 1 and stays; button 2 jumps to title 2.
    tiny.buttons(TinyDisc::vmgm(1), 1, "{71 00 00 01 00 01 00 00} {30 02 00 00 00 02 00 00} {30 01 00 00 00 00 00 00}");
    const vm::DiscProgram program(tiny.disc);
    vm::Machine machine = runToEnd(program);
    ASSERT_EQ(machine.phase(), vm::Phase::Waiting);
    EXPECT_EQ(machine.menuWait().buttons, 3);
    EXPECT_EQ(machine.menuWait().highlighted, 1);
    EXPECT_EQ(machine.menuWait().still, 255);

    EXPECT_FALSE(machine.choose(4));
    EXPECT_EQ(machine.refusal(), "no button 4: VMGM PGC 1 cell 1 offers buttons 1 to 3");
    EXPECT_FALSE(machine.choose(0));
    EXPECT_EQ(machine.refusal(), "VMGM PGC 1 cell 1 waits until a button is pressed");

    ASSERT_TRUE(machine.choose(1));
    EXPECT_EQ(machine.phase(), vm::Phase::Waiting);
    EXPECT_EQ(machine.gprm(1), 1);
    ASSERT_TRUE(machine.choose(2));
    EXPECT_EQ(machine.sprm(8), 2 << 10);
    EXPECT_EQ(machine.step(), Progress::PlaybackStarted);
    EXPECT_EQ(machine.location().pgc, TinyDisc::title(2));
}

TEST(Machine, AForcedSelectOrAnAutoActionButtonActsWithoutAChoice)
{
    TinyDisc tiny;
    tiny.pre(TinyDisc::first_play, "{30 06 00 01 00 C0 00 00}");
    tiny.buttons(TinyDisc::vmgm(1), 1, "{30 02 00 00 00 01 00 00} {30 02 00 00 00 02 00 00}");
    disc::Highlight& highlight = *tiny.pgc(TinyDisc::vmgm(1)).cells[0].highlight;
    highlight.forced_select = 2;
    highlight.buttons[1].auto_action = 1;
    const vm::DiscProgram program(tiny.disc);
    vm::Machine machine(program, {});
    while (machine.phase() != vm::Phase::Stopped && machine.phase() != vm::Phase::Failed && machine.location().pgc.domain != disc::Domain::Title)
        machine.step();
    EXPECT_EQ(machine.location().pgc, TinyDisc::title(2));
    const std::vector<std::string> path = vm::pathLines(program, machine.path());
    ASSERT_GE(path.size(), 2u);
    EXPECT_EQ(path[1], "VMGM PGC 1, button 2 pressed at cell 1, left by button 2 of cell 1 (JumpTT 2)");
}

TEST(Machine, ACommandADomainCannotRunStopsTheMachineSayingWhereAndWhy)
{
    const struct {
        disc::PgcAddress where;
        const char* command;
        const char* error;
    } cases[] = {
        { TinyDisc::vtsm(1), "{30 02 00 00 00 01 00 00}",
            "VTSM 1 PGC 1 pre command 1 (JumpTT 1): it is for the First Play PGC and VMGM menus, not a title set menu" },
        { TinyDisc::title(1), "{30 06 00 00 00 00 00 00}", "VTS 1 PGC 1 pre command 1 (JumpSS FP): it is for menus, not a title" },
        { TinyDisc::vmgm(1), "{20 04 00 00 00 00 00 09}",
            "VMGM PGC 1 pre command 1 (LinkPGCN 9): there is no VMGM PGC 9: the table has 2 PGCs" },
        { TinyDisc::first_play, "{20 04 00 00 00 00 00 01}",
            "First Play PGC pre command 1 (LinkPGCN 1): the First Play PGC belongs to no PGC table a link could go on in" },
        { TinyDisc::vmgm(1), "{20 01 00 00 00 00 00 10}",
            "VMGM PGC 1 pre command 1 (RSM): there is no resume point: no CallSS has run since insert" },
        { TinyDisc::title(1), "{20 07 00 00 00 00 00 09}", "VTS 1 PGC 1 pre command 1 (LinkCN 9): the PGC has 2 cells" },
        { TinyDisc::vmgm(1), "{30 06 00 01 02 83 00 00}",
            "VMGM PGC 1 pre command 1 (JumpSS VTSM (vts 2, ttn 1, menu Root)): the disc has no title set 2" },
        { TinyDisc::vtsm(1), "{30 06 00 01 01 87 00 00}",
            "VTSM 1 PGC 1 pre command 1 (JumpSS VTSM (vts 1, ttn 1, menu Chapter)): VTSM 1 has no chapter menu" },
        { TinyDisc::vmgm(1), "{00 00 00 00 00 00 00 01}",
            "VMGM PGC 1 pre command 1 (reserved encoding (byte 7 = 0x01: bits outside the command's fields are set): Nop): "
            "no player can run it" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        TinyDisc tiny;
        const disc::PgcAddress first_play = TinyDisc::first_play;
        if (c.where.domain == disc::Domain::ManagerMenu)
            tiny.pre(first_play, "{30 06 00 01 00 C0 00 00}");
        else if (c.where.domain == disc::Domain::TitleSetMenu)
            tiny.pre(first_play, "{30 06 00 01 01 83 00 00}");
        else if (c.where.domain == disc::Domain::Title)
            tiny.pre(first_play, "{30 02 00 00 00 01 00 00}");
        if (c.where.domain == disc::Domain::FirstPlay)
            tiny.pre(first_play, c.command);
        else
            tiny.pre(c.where, c.command);
        const vm::DiscProgram program(tiny.disc);
        const vm::Machine machine = runToEnd(program);
        EXPECT_EQ(machine.phase(), vm::Phase::Failed);
        EXPECT_EQ(machine.error(), c.error);
    }
}

TEST(Machine, AChainThatGoesRoundIsReportedWhereItGoesRound)
{
    const struct {
        const char* name;
        std::function<void(TinyDisc&)> build;
        const char* message;
    } cases[] = {
        { "two menus linking to each other",
            [](TinyDisc& tiny) {
                tiny.pre(TinyDisc::first_play, "{30 06 00 01 00 C0 00 00}");
                tiny.pre(TinyDisc::vmgm(1), "{20 04 00 00 00 00 00 02}");
                tiny.pre(TinyDisc::vmgm(2), "{20 04 00 00 00 00 00 01}");
            },
            "VMGM PGC 1 and VMGM PGC 2 link to each other without playing anything" },
        { "a Goto back", [](TinyDisc& tiny) { tiny.pre(TinyDisc::first_play, "{71 00 00 01 00 01 00 00} {00 01 00 00 00 00 00 01}"); },
            "the pre commands of First Play PGC go round lines 1 to 2 without ending" },
        { "a title that plays its cell again and again",
            [](TinyDisc& tiny) {
                tiny.pre(TinyDisc::first_play, "{30 02 00 00 00 01 00 00}");
                tiny.cellCommand(TinyDisc::title(1), 1, "{20 01 00 00 00 00 00 01}");
            },
            "play goes round VTS 1 PGC 1 without reaching VMGM PGC 2" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TinyDisc tiny;
        c.build(tiny);
        const vm::DiscProgram program(tiny.disc);
        const disc::PgcAddress never[] = { TinyDisc::vmgm(2) };
        const vm::TraceResult traced = vm::trace(program, {}, never, {}, 50'000);
        EXPECT_EQ(traced.end, vm::TraceEnd::StepLimit);
        EXPECT_EQ(traced.message, "the disc never starts playing VMGM PGC 2: after 50000 steps: " + std::string(c.message));
    }
}

TEST(Machine, MenusPlayInThePlayersLanguageUnitOrTheFirst)
{
    TinyDisc tiny;
    tiny.addTitleSetUnit("fr");
    tiny.pre(TinyDisc::first_play, "{30 06 00 01 01 83 00 00}");
    const vm::DiscProgram program(tiny.disc);
    for (const auto& [language, unit] : { std::pair { "en", 1 }, std::pair { "fr", 2 }, std::pair { "de", 1 } }) {
        SCOPED_TRACE(language);
        vm::PlayerConfig config;
        config.menu_language = language;
        vm::Machine machine(program, config);
        while (machine.step() != Progress::PlaybackStarted && machine.phase() != vm::Phase::Failed) {
        }
        EXPECT_EQ(machine.location().pgc, TinyDisc::vtsm(1, unit));
        EXPECT_EQ(machine.sprm(0), vm::letterCode(language));
    }
}

TEST(Machine, EachStepRunsOneCommandEntersOnePgcOrPlaysOneCell)
{
    TinyDisc tiny(2, 2, 1, 1);
    tiny.pre(TinyDisc::first_play, "{71 00 00 01 00 01 00 00} {71 00 00 02 00 02 00 00} {30 02 00 00 00 01 00 00}");
    tiny.pre(TinyDisc::title(1), "{71 00 00 03 00 03 00 00}");
    const vm::DiscProgram program(tiny.disc);
    vm::Machine machine(program, {});
    std::vector<Progress> steps;
    for (int i = 0; i < 8; ++i)
        steps.push_back(machine.step());
    EXPECT_EQ(steps,
        (std::vector<Progress> { Progress::Command, Progress::Command, Progress::EnteredPgc, Progress::Command,
            Progress::PlaybackStarted, Progress::CellStarted, Progress::CellPlayed, Progress::Stopped }));
    EXPECT_EQ(machine.stopReason(), "VTS 1 PGC 1 ends: its post commands do not link and it has no next PGC");
    EXPECT_EQ(vm::describeCommand(program, machine.lastWriter(3)), "VTS 1 PGC 1 pre command 1 (gprm(3) = 3)");
    EXPECT_EQ(vm::describeCommand(program, machine.lastWriter(16 + 6)), "First Play PGC pre command 3 (JumpTT 1)");
}

TEST(Machine, TheDecodedStreamsComeFromThePgcsStreamTables)
{
    TinyDisc tiny(2, 2, 1, 1);
    disc::Pgc& title = tiny.pgc(TinyDisc::title(1));
    // Audio stream 0 decodes stream 1, stream 1 is absent; sub-picture
    // stream 2 decodes stream 5 on a 4:3 picture.
    title.audio_control[0] = 0x8000 | 1 << 8;
    title.subpicture_control[2] = 0x80000000u | 5u << 24;
    const struct {
        const char* streams;
        int audio;
        int subpicture;
        bool shown;
    } cases[] = {
        { "", 1, 5, false }, // 15 and 62: none chosen, the first present plays, not shown
        { "{51 00 00 80 C2 00 00 00}", 1, 5, true },
        { "{51 00 00 81 82 00 00 00}", 1, 5, false }, // audio 1 is absent: the first present
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.streams);
        tiny.pre(TinyDisc::first_play, std::string(c.streams) + " {30 02 00 00 00 01 00 00}");
        const vm::DiscProgram program(tiny.disc);
        vm::Machine machine(program, {});
        while (machine.step() != Progress::CellStarted && machine.phase() != vm::Phase::Failed) {
        }
        EXPECT_EQ(machine.audioStream().stream, c.audio);
        EXPECT_EQ(machine.subpictureStream().stream, c.subpicture);
        EXPECT_EQ(machine.subpictureStream().shown, c.shown);
    }
}

TEST(Machine, APlayerNoPlayerCouldBeIsRefusedAtInsert)
{
    TinyDisc tiny;
    const vm::DiscProgram program(tiny.disc);
    vm::PlayerConfig config;
    config.menu_language = "EN";
    const vm::Machine machine(program, config);
    EXPECT_EQ(machine.phase(), vm::Phase::Failed);
    EXPECT_EQ(machine.error(), "The player's menu language \"EN\" is not two lower-case letters (an ISO 639 code such as \"en\").");
}

}
}
