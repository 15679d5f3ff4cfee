// The window's own blocks, composed by the real main window from a trace's
// import, put on each authored disc in memory and played by the machine:
// they must start the disc in the target with the registers the disc's own
// chain leaves there, in every menu language the disc has, and leave a
// later First Play and the target's own pre commands as they were. Blocks
// broken as an author could break them must fail, saying what, where and
// why.

#include "WindowBlocks.h"
#include "disc/TestDiscs.h"

#include "vm/DiscProgram.h"
#include "vm/Replay.h"
#include "vm/Trace.h"

#include <gtest/gtest.h>

#include <functional>

namespace trevalo::testing {
namespace {

using vm::LanguageOutcome;

// Traces the disc to the window's target, imports the trace into the
// window and replays what the window then shows.
struct Replayed {
    Composed composed;
    vm::Verdict verdict;
};

Replayed traceComposeAndReplay(const disc::Disc& disc, const WindowChoice& window, const std::vector<int>& buttons,
    const std::function<void(vm::Blocks&)>& breakBlocks = {}, std::vector<std::string> languages = {})
{
    const vm::DiscProgram program(disc);
    const vm::Target target = compose(window, {}).target;
    const vm::TraceResult traced = vm::trace(program, vm::PlayerConfig {}, target, buttons);
    Replayed replayed { compose(window, traced.commands), {} };
    if (breakBlocks)
        breakBlocks(replayed.composed.blocks);
    replayed.verdict = vm::replay(disc,
        { replayed.composed.blocks, replayed.composed.target, replayed.composed.deliberate, buttons, vm::PlayerConfig {},
            std::move(languages) });
    return replayed;
}

std::vector<std::pair<std::string, LanguageOutcome>> outcomes(const vm::Verdict& verdict)
{
    std::vector<std::pair<std::string, LanguageOutcome>> found;
    for (const vm::LanguageReplay& language : verdict.languages)
        found.emplace_back(language.language, language.outcome);
    return found;
}

constexpr auto matches = LanguageOutcome::Matches;
constexpr auto differs = LanguageOutcome::Differs;

TEST(Replay, TheWindowsBlocksForEveryMenuAndTitleStartWhereTheTraceEnds)
{
    const struct {
        const char* disc;
        WindowChoice window;
        std::vector<int> buttons;
        std::vector<std::pair<std::string, LanguageOutcome>> outcomes;
    } cases[] = {
        { "firstplay_menus", { "VMGM", "1", "", "", "9" }, {}, { { "en", matches }, { "fr", matches } } },
        { "firstplay_menus", { "Title", "1", "", "", "9" }, {}, { { "en", matches }, { "fr", matches } } },
        { "firstplay_menus", { "Title", "2", "", "", "9" }, { 2 }, { { "en", matches }, { "fr", matches } } },
        { "firstplay_menus", { "Title", "2", "", "", "" }, { 2 }, { { "en", matches }, { "fr", matches } } },
        { "two_titlesets", { "Title", "1", "", "", "14" }, {}, { { "en", matches } } },
        { "two_titlesets", { "Title", "2", "", "", "14" }, {}, { { "en", matches } } },
        { "two_titlesets", { "Title", "3", "", "", "14" }, {}, { { "en", matches } } },
        { "two_titlesets", { "Title", "3", "", "", "" }, {}, { { "en", matches } } },
        // Nothing to import: the window's blocks as they stand.
        { "single_title", { "Title", "1", "", "", "14" }, {}, { { "en", matches } } },
        { "single_title", { "Title", "1", "", "", "" }, {}, { { "en", matches } } },
        // The author's own streams and button are not held against the trace.
        { "firstplay_menus", { "Title", "2", "", "", "9", "0", "3" }, { 2 }, { { "en", matches }, { "fr", matches } } },
    };
    for (const auto& c : cases) {
        const disc::Disc disc = readTestDisc(testDisc(c.disc));
        const Replayed replayed = traceComposeAndReplay(disc, c.window, c.buttons);
        SCOPED_TRACE(std::string(c.disc) + " " + vm::describe(replayed.composed.target) + " guard " + c.window.guard);
        EXPECT_TRUE(replayed.verdict.passed) << replayed.verdict.text();
        EXPECT_EQ(outcomes(replayed.verdict), c.outcomes) << replayed.verdict.text();
    }
}

TEST(Replay, TheTitleSetMenusStartWhereTheTraceEndsInTheirOwnLanguage)
{
    // firstplay_menus' French unit has the root menu as a plain menu and
    // the chapter menu as a dummy, and no other menus; replayed for the
    // English unit alone, the blocks for each English menu pass.
    const struct {
        WindowChoice window;
        std::vector<int> buttons;
    } cases[] = {
        { { "VTSM", "1", "Root Menu", "2", "9" }, { 1 } },
        { { "VTSM", "1", "Chapter Menu", "", "9" }, { 3 } },
        { { "VTSM", "1", "Audio Menu", "", "9" }, { 1, 4 } },
        { { "VTSM", "1", "Sub-Picture Menu", "", "9" }, { 1, 5 } },
        { { "VTSM", "1", "Sub-Picture Menu", "", "" }, { 1, 5 } },
    };
    const disc::Disc disc = readTestDisc(testDisc("firstplay_menus"));
    for (const auto& c : cases) {
        const Replayed replayed = traceComposeAndReplay(disc, c.window, c.buttons, {}, { "en" });
        SCOPED_TRACE(vm::describe(replayed.composed.target));
        EXPECT_TRUE(replayed.verdict.passed) << replayed.verdict.text();
        EXPECT_EQ(outcomes(replayed.verdict), (std::vector<std::pair<std::string, LanguageOutcome>> { { "en", matches } }));
        // In every language the disc has, French fails them all.
        EXPECT_FALSE(traceComposeAndReplay(disc, c.window, c.buttons).verdict.passed);
    }
}

TEST(Replay, ADummySkipThatFitsOneLanguageUnitFailsInTheOther)
{
    // The English root menu's entry is a dummy linking to PGC 2; in the
    // French unit PGC 2 is the chapter menu's dummy, which has no cells:
    // Text3's Break leaves a French viewer with nothing.
    const disc::Disc disc = readTestDisc(testDisc("firstplay_menus"));
    const Replayed replayed = traceComposeAndReplay(disc, { "VTSM", "1", "Root Menu", "2", "9" }, { 1 });
    EXPECT_FALSE(replayed.verdict.passed);
    ASSERT_EQ(outcomes(replayed.verdict), (std::vector<std::pair<std::string, LanguageOutcome>> { { "en", matches }, { "fr", differs } }));
    ASSERT_EQ(replayed.verdict.languages[1].findings.size(), 1u);
    const vm::Finding& finding = replayed.verdict.languages[1].findings[0];
    EXPECT_EQ(finding.where, "VTSM 1 PGC 2 (language unit 2)");
    EXPECT_EQ(finding.what,
        "the disc with the blocks starts playing here, and stops before any cell plays: VTSM 1 PGC 2 (language unit 2) "
        "ends: its post commands do not link and it has no next PGC");
    EXPECT_EQ(finding.why, "Text3's Break skips the PGC's own pre commands, and the PGC has 0 cells");
}

TEST(Replay, AMenuOneLanguageLacksFailsInThatLanguage)
{
    // Only the English unit has an audio menu: a French player jumps to a
    // menu that is not there.
    const disc::Disc disc = readTestDisc(testDisc("firstplay_menus"));
    const Replayed replayed = traceComposeAndReplay(disc, { "VTSM", "1", "Audio Menu", "", "9" }, { 1, 4 });
    EXPECT_FALSE(replayed.verdict.passed);
    ASSERT_EQ(outcomes(replayed.verdict), (std::vector<std::pair<std::string, LanguageOutcome>> { { "en", matches }, { "fr", differs } }));
    ASSERT_EQ(replayed.verdict.languages[1].findings.size(), 1u);
    const vm::Finding& finding = replayed.verdict.languages[1].findings[0];
    EXPECT_EQ(finding.where, "from insert");
    EXPECT_EQ(finding.what,
        "the disc with the blocks never starts playing: First Play PGC pre command 2 (JumpSS VTSM (vts 1, ttn 1, menu "
        "Audio)): VTSM 1 (language unit 2) has no audio menu");
}

TEST(Replay, BrokenBlocksFailSayingWhatWhereAndWhy)
{
    const struct {
        const char* name;
        const char* disc;
        WindowChoice window;
        std::vector<int> buttons;
        std::function<void(vm::Blocks&)> breakBlocks;
        // The first finding, of the verdict or of its first language.
        const char* where;
        const char* what;
        const char* why_begins;
    } cases[] = {
        { "a wrong title number in Text1's jump", "two_titlesets", { "Title", "3", "", "", "14" }, {},
            [](vm::Blocks& blocks) { blocks.text1.replace(42, 2, "02"); }, "from insert",
            "the disc with the blocks starts playing VTS 1 PGC 2, not the target VTS 2 PGC 1",
            "Text1 line 2 (JumpTT 2) went there" },
        { "a PGC number the disc does not have", "firstplay_menus", { "VMGM", "2", "", "", "9" }, {}, {}, "VMGM 2",
            "no language unit of the VMGM has a PGC 2", "the blocks have no PGC to go to" },
        { "a guard register the disc uses", "two_titlesets", { "Title", "1", "", "", "1" }, {}, {}, "the guard register",
            "GPRM 1 is the guard register, but the disc itself uses it: VMGM PGC 1 pre command 1 (if ( gprm(1) != 0 ) Goto "
            "4); VMGM PGC 1 pre command 2 (gprm(1) = 1); VMGM PGC 1 pre command 4 (if ( gprm(1) != 1 ) Goto 7); and 2 more",
            "the blocks need a GPRM the disc never reads or writes" },
        { "dvdauthor's own register as the guard", "firstplay_menus", { "VMGM", "1", "", "", "14" }, {}, {},
            "the guard register",
            "GPRM 14 is the guard register, but the disc itself uses it: VTSM 1 PGC 2 (language unit 1) post command 1 "
            "(gprm(14) = gprm(15)); VTSM 1 PGC 2 (language unit 1) post command 3 (if ( gprm(14) == 4 ) Goto 5)",
            "the blocks need a GPRM the disc never reads or writes" },
        { "Text3 missing with the dummy skip on", "firstplay_menus", { "VTSM", "1", "Root Menu", "2", "9" }, { 1 },
            [](vm::Blocks& blocks) { blocks.text3.clear(); }, "Text3", "the block is empty though the dummy skip is on",
            "nothing restores the registers in the PGC the dummy links to, PGC 2" },
        { "a block out of the notation", "single_title", { "Title", "1", "", "", "14" }, {},
            [](vm::Blocks& blocks) { blocks.text2[1] = 'o'; }, "Text2",
            "command 1 is not of the form {71 00 00 03 00 05 00 00} (upper-case digits, single blanks): found \"{o0 B1 00 "
            "0E 00 00 00 04}\"",
            "the block is not in the window's notation" },
        { "a command no player can run", "single_title", { "Title", "1", "", "", "14" }, {},
            [](vm::Blocks& blocks) { blocks.text1.replace(27, 2, "3F"); }, "Text1",
            "command 2 {3F 02 00 00 00 01 00 00} reads reserved encoding (byte 0 = 0x3F: bits outside the command's "
            "fields are set): JumpTT 1",
            "no player can run a reserved encoding" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const disc::Disc disc = readTestDisc(testDisc(c.disc));
        const Replayed replayed = traceComposeAndReplay(disc, c.window, c.buttons, c.breakBlocks);
        const vm::Verdict& verdict = replayed.verdict;
        EXPECT_FALSE(verdict.passed);
        const std::vector<vm::Finding>& findings
            = !verdict.findings.empty() || verdict.languages.empty() ? verdict.findings : verdict.languages[0].findings;
        ASSERT_FALSE(findings.empty()) << verdict.text();
        EXPECT_EQ(findings[0].where, c.where);
        EXPECT_EQ(findings[0].what, c.what);
        EXPECT_EQ(findings[0].why.rfind(c.why_begins, 0), 0u) << findings[0].why;
    }
}

TEST(Replay, WithoutText3TheRegistersAndTheGuardAreMissingAfterTheDummy)
{
    const disc::Disc disc = readTestDisc(testDisc("firstplay_menus"));
    const Replayed replayed = traceComposeAndReplay(disc, { "VTSM", "1", "Root Menu", "2", "9" }, { 1 },
        [](vm::Blocks& blocks) { blocks.text3.clear(); });
    ASSERT_FALSE(replayed.verdict.languages.empty());
    const vm::LanguageReplay& english = replayed.verdict.languages[0];
    EXPECT_EQ(english.outcome, differs);
    std::vector<std::string> what;
    for (const vm::Finding& finding : english.findings)
        what.push_back(finding.where + ": " + finding.what);
    const std::vector<std::string> expected {
        "VTSM 1 PGC 2 (language unit 1): GPRM 0 is 0 where the trace found 1",
        "VTSM 1 PGC 2 (language unit 1): GPRM 1 is 0 where the trace found 4660",
        "VTSM 1 PGC 2 (language unit 1): GPRM 2 is 0 where the trace found 43981",
        "VTSM 1 PGC 2 (language unit 1): GPRM 3 is 0 where the trace found 7",
        "VTSM 1 PGC 2 (language unit 1): GPRM 9 is 0 where the trace found 1",
        "VTSM 1 PGC 2 (language unit 1): GPRM 12 is 0 where the trace found 65535",
        "VTSM 1 PGC 2 (language unit 1): SPRM 1 is 15 where the trace found 1",
        "VTSM 1 PGC 2 (language unit 1): SPRM 2 is 62 where the trace found 64",
        "a later jump to First Play: with the blocks the disc starts playing VTSM 1 PGC 2 (language unit 1); without them "
        "it starts playing VTS 1 PGC 1",
        "entering VTSM 1 PGC 1 (language unit 1) again: play reaches VTSM 1 PGC 2 (language unit 1) with GPRM 3 = 0 "
        "instead of 7",
    };
    EXPECT_EQ(what, expected);
    // Why GPRM 3 differs: the dummy's own pre commands set it, and the
    // guard never skipped Text2 for lack of Text3's guard set.
    EXPECT_EQ(english.findings[3].why,
        "in the disc's own chain VTSM 1 PGC 1 (language unit 1) pre command 1 (gprm(3) = 7; LinkPGCN 2) left it at 7; with "
        "the blocks nothing set it; Text3 is empty, so nothing restores the registers after the dummy");
    EXPECT_EQ(english.findings[8].why.rfind("Text1's guard test should skip it: GPRM 9 is 0 by then", 0), 0u);
}

TEST(Replay, DeliberateStreamsAreHeldAgainstTheTraceWhenNotDeclared)
{
    // The window sets audio stream 0 over the traced 1: declared, that is
    // the author's; undeclared, the replay names it.
    const disc::Disc disc = readTestDisc(testDisc("firstplay_menus"));
    const Replayed replayed = traceComposeAndReplay(disc, { "Title", "2", "", "", "9", "0", "" }, { 2 });
    vm::ReplayRequest request { replayed.composed.blocks, replayed.composed.target, replayed.composed.deliberate, { 2 }, {}, {} };
    ASSERT_TRUE(request.deliberate.streams);
    EXPECT_TRUE(vm::replay(disc, request).passed);
    request.deliberate.streams = false;
    const vm::Verdict verdict = vm::replay(disc, request);
    EXPECT_FALSE(verdict.passed);
    ASSERT_FALSE(verdict.languages.empty());
    ASSERT_EQ(verdict.languages[0].findings.size(), 1u) << verdict.text();
    EXPECT_EQ(verdict.languages[0].findings[0].what, "SPRM 1 is 0 where the trace found 1");
    EXPECT_EQ(verdict.languages[0].findings[0].why.rfind(
                  "in the disc's own chain First Play PGC pre command 5 (SetSTN audio=1 subp=0 on) left it at 1; with the "
                  "blocks Text2 line",
                  0),
        0u)
        << verdict.languages[0].findings[0].why;
}

TEST(Replay, TheVerdictReadsAsSentences)
{
    const disc::Disc disc = readTestDisc(testDisc("two_titlesets"));
    const Replayed replayed = traceComposeAndReplay(disc, { "Title", "3", "", "", "14" }, {},
        [](vm::Blocks& blocks) { blocks.text1.replace(42, 2, "02"); });
    EXPECT_EQ(replayed.verdict.text(),
        "The replay finds a problem.\n"
        "Menu language en: differs.\n"
        "  - from insert: the disc with the blocks starts playing VTS 1 PGC 2, not the target VTS 2 PGC 1. Why: Text1 "
        "line 2 (JumpTT 2) went there; its path: First Play PGC, left by pre command 2 (JumpTT 2); then VTS 1 PGC 2.\n");
    const Replayed good = traceComposeAndReplay(disc, { "Title", "3", "", "", "14" }, {});
    EXPECT_EQ(good.verdict.text(),
        "The replay matches the disc's own chain.\n"
        "Menu language en: starts in the target with the traced registers; a later First Play and the target again run "
        "the disc's own commands.\n");
}

}
}
