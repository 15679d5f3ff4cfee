// The trace of each authored disc to each of its menus and titles: where it
// goes, and the registers it gives as import text. Imported into the main
// window, that text must leave the window exactly as the same registers
// copied from an editor's trace do; the editor's copies are written out
// here by hand from what each disc's script says its commands set.

#include "WindowBlocks.h"
#include "disc/TestDiscs.h"

#include "vm/DiscProgram.h"
#include "vm/Trace.h"

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

struct TraceCase {
    const char* disc;
    WindowChoice window;
    std::vector<int> buttons;
    // The registers at the target as an editor copies them.
    const char* editor_copy;
};

// firstplay_menus' First Play: g0 = 1, g1 = 4660, g2 = 43981, g12 = 65535,
// audio 1, sub-picture 0 shown.
#define FIRST_PLAY_SETS "{71 00 00 00 00 01 00 00} {71 00 00 01 12 34 00 00} {71 00 00 02 AB CD 00 00} "
#define FIRST_PLAY_STREAMS "{51 00 00 81 C0 00 00 00}"

const TraceCase trace_cases[] = {
    { "firstplay_menus", { "VMGM", "1", "", "", "9" }, {},
        FIRST_PLAY_SETS "{71 00 00 0C FF FF 00 00} " FIRST_PLAY_STREAMS },
    // The root menu's entry is a dummy linking to PGC 2, which sets g3 = 7.
    { "firstplay_menus", { "VTSM", "1", "Root Menu", "2", "9" }, { 1 },
        FIRST_PLAY_SETS "{71 00 00 03 00 07 00 00} {71 00 00 0C FF FF 00 00} " FIRST_PLAY_STREAMS },
    // Button 3 of the VMGM highlights button 3 of the chapter menu, whose
    // pre commands set g6 = 1.
    { "firstplay_menus", { "VTSM", "1", "Chapter Menu", "", "9" }, { 3 },
        FIRST_PLAY_SETS "{71 00 00 06 00 01 00 00} {71 00 00 0C FF FF 00 00} " FIRST_PLAY_STREAMS
                        " {56 00 00 00 0C 00 00 00}" },
    // The root menu's button 4 sets g7 = 4 and g8 = 5 through dvdauthor's
    // dispatch in g14 and g15.
    { "firstplay_menus", { "VTSM", "1", "Audio Menu", "", "9" }, { 1, 4 },
        FIRST_PLAY_SETS "{71 00 00 03 00 07 00 00} {71 00 00 07 00 04 00 00} {71 00 00 08 00 05 00 00} "
                        "{71 00 00 0C FF FF 00 00} {71 00 00 0E 00 04 00 00} " FIRST_PLAY_STREAMS },
    { "firstplay_menus", { "VTSM", "1", "Sub-Picture Menu", "", "9" }, { 1, 5 },
        FIRST_PLAY_SETS "{71 00 00 03 00 07 00 00} {71 00 00 0C FF FF 00 00} " FIRST_PLAY_STREAMS },
    { "firstplay_menus", { "Title", "1", "", "", "9" }, {},
        FIRST_PLAY_SETS "{71 00 00 0C FF FF 00 00} " FIRST_PLAY_STREAMS },
    // The VMGM's button 2 stays highlighted into the feature.
    { "firstplay_menus", { "Title", "2", "", "", "9" }, { 2 },
        FIRST_PLAY_SETS "{71 00 00 0C FF FF 00 00} " FIRST_PLAY_STREAMS " {56 00 00 00 08 00 00 00}" },
    // two_titlesets counts its passes through the VMGM in g1; title 1's
    // cells count g4 up to 21, title 3's pre commands set g5 = 5.
    { "two_titlesets", { "Title", "1", "", "", "14" }, {}, "{71 00 00 01 00 01 00 00}" },
    { "two_titlesets", { "Title", "3", "", "", "14" }, {},
        "{71 00 00 01 00 02 00 00} {71 00 00 04 00 15 00 00} {71 00 00 05 00 05 00 00}" },
    { "two_titlesets", { "Title", "2", "", "", "14" }, {},
        "{71 00 00 01 00 03 00 00} {71 00 00 04 00 15 00 00} {71 00 00 05 00 05 00 00}" },
};

TEST(TraceImport, EachMenuAndTitleGivesTheRegistersAnEditorCopies)
{
    for (const TraceCase& c : trace_cases) {
        const Composed composed = compose(c.window, "{00 00 00 00 00 00 00 00}");
        SCOPED_TRACE(std::string(c.disc) + " " + vm::describe(composed.target));
        const disc::Disc disc = readTestDisc(testDisc(c.disc));
        const vm::DiscProgram program(disc);
        const vm::TraceResult traced = vm::trace(program, vm::PlayerConfig {}, composed.target, c.buttons);
        ASSERT_EQ(traced.end, vm::TraceEnd::ReachedTarget) << traced.message;
        EXPECT_EQ(traced.commands, c.editor_copy);
        EXPECT_TRUE(traced.notes.empty());
        EXPECT_EQ(windowAfterImport(c.window, traced.commands), windowAfterImport(c.window, c.editor_copy));
    }
}

TEST(TraceImport, ThePathNamesEachPgcTheCommandThatLeftItAndTheButtons)
{
    const disc::Disc disc = readTestDisc(testDisc("firstplay_menus"));
    const vm::DiscProgram program(disc);
    const vm::Target chapter_menu { vm::TargetKind::TitleSetMenu, 1, core::MenuId::Chapter, 0 };
    const vm::TraceResult traced = vm::trace(program, vm::PlayerConfig {}, chapter_menu, std::vector<int> { 3 });
    const std::vector<std::string> expected {
        "First Play PGC, left by pre command 6 (JumpTT 1)",
        "VTS 1 PGC 1, left by post command 1 (CallSS VMGM menu Title, resume cell 1)",
        "VMGM PGC 1 (language unit 1), button 3 pressed at cell 1, left by button 3 of cell 1 (JumpSS VTSM (vts 1, ttn 1, menu Chapter))",
        "VTSM 1 PGC 3 (language unit 1)",
    };
    EXPECT_EQ(vm::pathLines(program, traced.path), expected);
}

TEST(TraceImport, ATraceThatCannotReachItsTargetSaysWhy)
{
    const struct {
        const char* disc;
        vm::Target target;
        std::vector<int> buttons;
        vm::TraceEnd end;
        const char* message;
    } cases[] = {
        // Its pre commands always jump on to a title.
        { "two_titlesets", { vm::TargetKind::ManagerPgc, 1, core::MenuId::None, 0 }, {}, vm::TraceEnd::Stopped,
            "the disc never starts playing VMGM PGC 1: playback stopped: Exit in VTS 1 PGC 2 post command 1 (Exit)" },
        // The root menu's entry links on to PGC 2 before it plays.
        { "firstplay_menus", { vm::TargetKind::TitleSetMenu, 1, core::MenuId::Root, 0 }, { 1 }, vm::TraceEnd::NeedsChoice,
            "VTSM 1 PGC 2 (language unit 1) waits at cell 1 for one of its 6 buttons, and no button choice is left" },
        { "firstplay_menus", { vm::TargetKind::Title, 2, core::MenuId::None, 0 }, { 7 }, vm::TraceEnd::Failed,
            "the disc never starts playing VTS 1 PGC 2: button choice 1: no button 7: VMGM PGC 1 (language unit 1) cell 1 "
            "offers buttons 1 to 3" },
        { "firstplay_menus", { vm::TargetKind::TitleSetMenu, 2, core::MenuId::Root, 0 }, {}, vm::TraceEnd::Failed,
            "cannot trace to VTSM 2 Root Menu: the disc has no title set 2" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const disc::Disc disc = readTestDisc(testDisc(c.disc));
        const vm::DiscProgram program(disc);
        const vm::TraceResult traced = vm::trace(program, vm::PlayerConfig {}, c.target, c.buttons);
        EXPECT_EQ(traced.end, c.end);
        EXPECT_EQ(traced.message, c.message);
        EXPECT_TRUE(traced.commands.empty());
    }
}

TEST(TraceImport, ADiscThatChangesNothingGivesNoText)
{
    // single_title sets no register on its way to its title: an editor's
    // copy is empty too, and the window refuses an empty clipboard.
    const disc::Disc disc = readTestDisc(testDisc("single_title"));
    const vm::DiscProgram program(disc);
    const vm::TraceResult traced
        = vm::trace(program, vm::PlayerConfig {}, vm::Target { vm::TargetKind::Title, 1, core::MenuId::None, 0 }, {});
    ASSERT_EQ(traced.end, vm::TraceEnd::ReachedTarget);
    EXPECT_EQ(traced.commands, "");
    EXPECT_EQ(compose({ "Title", "1", "", "", "14" }, traced.commands).import_error,
        "Invalid commands or no data found on clipboard.\r\nTry to copy them in PgcEdit again.");
}

}
}
