#include "support/FormFixture.h"

#include "core/Block.h"

#include <ostream>
#include <string>
#include <vector>

namespace trevalo {

namespace core {
// Failures show a finding as its severity and text rather than its bytes.
static void PrintTo(const Finding& finding, std::ostream* out)
{
    *out << "{" << static_cast<int>(finding.severity) << ", \"" << finding.text << "\"}";
}
}

namespace {

using testing::FormFixture;
using namespace testing::expected;

const std::string set3 = "{71 00 00 03 00 05 00 00}";

// `count` copies of `command` on lines of their own, as PgcEdit copies them.
std::string lines(const std::string& command, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? "\r\n" : "") + command;
    return text;
}

const std::string guard_text
    = "The disc's own start-up sets the guard register GPRM 14 (imported command 2, {71 00 00 0E 00 05 00 00}), "
      "so the shortcut can fire again on a later visit: undo, choose another register and import again.";

class Checks : public FormFixture {
protected:
    void undo(ui::Answer answer = ui::Answer::Yes)
    {
        messages.answers.push_back(answer);
        click(form.cmdUndo);
        messages.shown.clear();
    }

    void reset()
    {
        messages.answers.push_back(ui::Answer::Yes);
        click(form.mnuReset);
        messages.shown.clear();
    }

    // The notice shows exactly this caption and these full texts.
    void expectNotice(const std::string& caption, const std::string& details)
    {
        EXPECT_TRUE(form.lblNotice.visible());
        EXPECT_EQ(form.lblNotice.caption(), caption);
        EXPECT_EQ(form.lblNotice.tooltip(), details);
    }

    void expectNothingFound(const char* step)
    {
        EXPECT_EQ(form.findings(), std::vector<core::Finding> {}) << step;
        EXPECT_FALSE(form.lblNotice.visible()) << step;
        EXPECT_EQ(form.lblNotice.caption(), "") << step;
        EXPECT_EQ(form.lblNotice.tooltip(), "") << step;
    }
};

// Near misses of every check, one after the other, in one session.
TEST_F(Checks, ACleanSessionFindsNothingAtAnyStep)
{
    expectNothingFound("start-up");
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    expectNothingFound("target");

    // Every register but the guard (GPRM 0 set to the marker value, which
    // only the all-registers check minds), and streams and a button at the
    // top of their ranges.
    paste("{71 00 00 00 30 39 00 00}\r\n{71 00 00 0D 00 01 00 00}\r\n{71 00 00 0F FF FF 00 00}\r\n"
          "{51 00 00 87 DF 89 00 00}\r\n{56 00 00 00 90 00 00 00}");
    expectNothingFound("import");
    click(form.chkStreams);
    pick(form.cboAudio, "0");
    pick(form.cboAngle, "1");
    click(form.chkHighlight);
    pick(form.cboButton, "1");
    expectNothingFound("post settings");
    click(form.Log);
    expectNothingFound("log");
    undo();

    // A block of exactly 128 commands, behind the dummy skip.
    click(form.chkDummy);
    paste(lines(set3, 124));
    ASSERT_EQ(core::commandCount(form.Text3.text()), 128);
    expectNothingFound("128 commands");
    undo();
    click(form.chkDummy);

    // In the all-registers check the guard register is free to set, and
    // GPRM 0 may hold anything but the marker.
    click(form.chkNone);
    paste("{71 00 00 00 30 38 00 00}\r\n{71 00 00 0E 00 05 00 00}");
    expectNothingFound("all registers");
    undo();
    click(form.chkNone);

    // A button for a VMGM PGC, streams for a title.
    pick(form.cboSelect, "VMGM");
    paste(set3);
    click(form.chkHighlight);
    expectNothingFound("VMGM");
    undo();
    pick(form.cboSelect, "Title");
    paste(set3);
    click(form.chkStreams);
    pick(form.cboAudio, "7");
    expectNothingFound("Title");
    reset();
    expectNothingFound("reset");
}

TEST_F(Checks, AnImportThatSetsTheGuardRegisterIsNoticedWhileItIsInPlace)
{
    paste(set3 + "\r\n{71 00 00 0E 00 05 00 00}");
    ASSERT_EQ(form.findings().size(), 1u);
    EXPECT_EQ(form.findings()[0].severity, core::Severity::GuardInUse);
    expectNotice("Check: The disc itself uses the guard register. Point here for what to do.", guard_text);

    // The post settings change the blocks, not what the import brought.
    click(form.chkStreams);
    EXPECT_EQ(form.lblNotice.tooltip(), guard_text);
    undo(ui::Answer::Cancel);
    EXPECT_EQ(form.lblNotice.tooltip(), guard_text);

    undo(ui::Answer::No);
    expectNothingFound("undone");
    paste(set3);
    expectNothingFound("another import");
    undo();

    paste("{71 00 00 0E 00 05 00 00}");
    EXPECT_TRUE(form.lblNotice.visible());
    reset();
    expectNothingFound("reset");
}

TEST_F(Checks, TheGuardIsTheRegisterChosenInStepOne)
{
    pick(form.cboGPRM, "3");
    paste("{71 00 00 0E 00 05 00 00}");
    expectNothingFound("guard 3, set 14");
    undo();
    paste("{71 00 00 0E 00 05 00 00}\r\n" + set3);
    expectNotice("Check: The disc itself uses the guard register. Point here for what to do.",
        "The disc's own start-up sets the guard register GPRM 3 (imported command 2, {71 00 00 03 00 05 00 00}), "
        "so the shortcut can fire again on a later visit: undo, choose another register and import again.");
}

TEST_F(Checks, InTheAllRegistersCheckAnImportThatSetsGprm0ToTheMarkerIsNoticed)
{
    click(form.chkNone);
    paste("{71 00 00 00 30 39 00 00}");
    expectNotice("Check: The disc itself sets GPRM 0 to the marker. Point here for what to do.",
        "The disc's own start-up sets GPRM 0 to the marker value 12345 (imported command 1, {71 00 00 00 30 39 00 00}), "
        "so the shortcut can fire again: undo, choose another marker value and import again.");
    undo();

    pick(form.cboValue, "22222");
    paste("{71 00 00 00 30 39 00 00}");
    expectNothingFound("marker 22222, GPRM 0 := 12345");
    undo();
    paste(set3 + "\r\n{71 00 00 00 56 CE 00 00}");
    ASSERT_EQ(form.findings().size(), 1u);
    EXPECT_EQ(form.findings()[0].title, "The disc itself sets GPRM 0 to the marker");
    EXPECT_NE(form.lblNotice.tooltip().find("marker value 22222 (imported command 2"), std::string::npos)
        << form.lblNotice.tooltip();
}

TEST_F(Checks, ABlockOverTheCommandBudgetIsNoticedAsSoonAsItGrowsPast128)
{
    const std::string notice = "Check: A block has more than 128 commands. Point here for what to do.";
    const std::string details = "The block for VTSM 1 Root Menu has 129 commands; a PGC holds at most 128 pre "
                                "commands, its own included: copy fewer registers in PgcEdit.";
    paste(lines(set3, 124));
    expectNothingFound("128 commands");
    // The stream setting's command is the 129th.
    click(form.chkStreams);
    expectNotice(notice, details);
    click(form.chkStreams);
    expectNothingFound("streams off");
    undo();

    paste(lines(set3, 125));
    expectNotice(notice, details);
    undo();

    click(form.chkDummy);
    paste(lines(set3, 126));
    expectNotice(notice,
        "The block for VTSM 1, LU , 6 has 130 commands; a PGC holds at most 128 pre commands, its own included: "
        "copy fewer registers in PgcEdit.");
}

TEST_F(Checks, StreamSettingsInTheBlockOfAVmgmPgcAreNoticed)
{
    const std::string notice = "Check: Stream settings in a VMGM block. Point here for what to do.";
    const std::string details = "The block for VMGM 1 sets streams (SetSTN), which players take only in title-set "
                                "menus and titles: switch Set streams off, or remove the command in PgcEdit.";
    pick(form.cboSelect, "VMGM");
    paste(set3);
    expectNothingFound("VMGM import");
    click(form.chkStreams);
    ASSERT_NE(form.Text2.text().find("{51 "), std::string::npos);
    expectNotice(notice, details);
    click(form.chkStreams);
    expectNothingFound("streams off");
    undo();

    paste("{51 00 00 82 C5 00 00 00}");
    expectNotice(notice, details);
}

TEST_F(Checks, ImportedValuesNoPlayerAcceptsAreNoticed)
{
    const std::vector<std::pair<std::string, std::string>> cases {
        { "{71 00 00 10 00 05 00 00}", "names register 16; there are only GPRM 0 to 15" },
        { "{51 00 00 88 00 00 00 00}", "sets audio stream 8; there are only streams 0 to 7" },
        { "{51 00 00 00 00 8A 00 00}", "sets angle 10; angles run from 1 to 9" },
        { "{51 00 00 00 00 80 00 00}", "sets angle 0; angles run from 1 to 9" },
        { "{56 00 00 00 94 00 00 00}", "highlights button value 37888; buttons run from 1 to 36 (1024 to 36864)" },
        { "{56 00 00 00 04 01 00 00}", "highlights button value 1025; buttons run from 1 to 36 (1024 to 36864)" },
    };
    for (const auto& [command, problem] : cases) {
        paste(set3 + "\r\n" + command);
        expectNotice("Check: A value no player accepts. Point here for what to do.",
            "Command 4 of the block for VTSM 1 Root Menu, " + command + ", " + problem
                + ": correct it in PgcEdit and trace again.");
        undo();
        expectNothingFound(command.c_str());
    }
}

TEST_F(Checks, TheNoticeNamesTheWorstFindingAndCountsTheOthers)
{
    paste("{56 00 00 00 94 00 00 00}\r\n{71 00 00 0E 00 05 00 00}\r\n{71 00 00 10 00 05 00 00}");
    expectNotice("Check: The disc itself uses the guard register (and 2 more). Point here for what to do.",
        "The disc's own start-up sets the guard register GPRM 14 (imported command 2, {71 00 00 0E 00 05 00 00}), "
        "so the shortcut can fire again on a later visit: undo, choose another register and import again.\r\n\r\n"
        "Command 3 of the block for VTSM 1 Root Menu, {56 00 00 00 94 00 00 00}, highlights button value 37888; "
        "buttons run from 1 to 36 (1024 to 36864): correct it in PgcEdit and trace again.\r\n\r\n"
        "Command 5 of the block for VTSM 1 Root Menu, {71 00 00 10 00 05 00 00}, names register 16; there are "
        "only GPRM 0 to 15: correct it in PgcEdit and trace again.");
}

TEST_F(Checks, EachBlockShowsItsListingAsItsTooltip)
{
    const std::string menu_listing = "[00 B1 00 0E 00 00 00 04]  1  if ( gprm(14) != 0 ) then { Goto line 4 }\r\n"
                                     "[71 00 00 0E 00 01 00 00]  2  Set gprm(14) =(mov) 1\r\n"
                                     "[00 02 00 00 00 00 00 00]  3  Break\r\n"
                                     "[00 00 00 00 00 00 00 00]  4  NOP";
    EXPECT_EQ(form.Text1.tooltip(),
        "[00 B1 00 0E 00 00 00 03]  1  if ( gprm(14) != 0 ) then { Goto line 3 }\r\n"
        "[30 06 00 01 01 83 00 00]  2  (JumpSS) Jump to VTSM 1, Root Menu (TTN 1)\r\n"
        "[00 00 00 00 00 00 00 00]  3  NOP");
    EXPECT_EQ(form.Text2.tooltip(), menu_listing);

    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    EXPECT_EQ(form.Text1.tooltip(),
        "[00 B1 00 0E 00 00 00 03]  1  if ( gprm(14) != 0 ) then { Goto line 3 }\r\n"
        "[30 06 00 01 03 87 00 00]  2  (JumpSS) Jump to VTSM 3, Chapter Menu (TTN 1)\r\n"
        "[00 00 00 00 00 00 00 00]  3  NOP");

    paste(set3);
    EXPECT_EQ(form.Text2.tooltip(),
        "[00 B1 00 0E 00 00 00 05]  1  if ( gprm(14) != 0 ) then { Goto line 5 }\r\n"
        "[71 00 00 0E 00 01 00 00]  2  Set gprm(14) =(mov) 1\r\n"
        "[71 00 00 03 00 05 00 00]  3  Set gprm(3) =(mov) 5\r\n"
        "[00 02 00 00 00 00 00 00]  4  Break\r\n"
        "[00 00 00 00 00 00 00 00]  5  NOP");
    undo();

    click(form.chkDummy);
    EXPECT_EQ(form.Text2.tooltip(),
        "[00 B1 00 0E 00 00 00 03]  1  if ( gprm(14) != 0 ) then { Goto line 3 }\r\n"
        "[20 04 00 00 00 00 00 06]  2  LinkPGCN PGC 6\r\n"
        "[00 00 00 00 00 00 00 00]  3  NOP");
    EXPECT_EQ(form.Text3.tooltip(), menu_listing);
}

// A binding mirrors only the controls whose revision moved: an event that
// changes neither a block nor the menu name its listing reads must leave
// the blocks' revisions where they were.
TEST_F(Checks, ABlockCountsAsChangedOnlyWhenItsTextOrTheMenuChanges)
{
    paste(set3);
    const auto text1 = form.Text1.revision();
    const auto text2 = form.Text2.revision();
    click(form.cmdCopy);
    click(form.cmdCopy2);
    click(form.cmdCopy);
    EXPECT_EQ(form.Text1.revision(), text1);
    EXPECT_EQ(form.Text2.revision(), text2);

    click(form.chkHighlight);
    EXPECT_EQ(form.Text1.revision(), text1);
    EXPECT_GT(form.Text2.revision(), text2);
    EXPECT_NE(form.Text2.tooltip().find("SetHL_BTN"), std::string::npos) << form.Text2.tooltip();
}

TEST_F(Checks, SwitchedOffTheyShowNothingAndOnAgainTheyCatchUp)
{
    paste("{71 00 00 0E 00 05 00 00}");
    const std::string text2 = form.Text2.text();
    ASSERT_TRUE(form.lblNotice.visible());

    form.setChecks(Form1::Checks::Off);
    EXPECT_FALSE(form.lblNotice.visible());
    for (const ui::TextBox* block : { &form.Text1, &form.Text2, &form.Text3 })
        EXPECT_EQ(block->tooltip(), "") << block->name();
    click(form.chkHighlight);
    EXPECT_FALSE(form.lblNotice.visible());
    EXPECT_EQ(form.Text2.tooltip(), "");
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), text2);

    form.setChecks(Form1::Checks::On);
    EXPECT_TRUE(form.lblNotice.visible());
    EXPECT_EQ(form.lblNotice.caption(), "Check: The disc itself uses the guard register. Point here for what to do.");
    EXPECT_EQ(form.Text2.tooltip(),
        "[00 B1 00 0E 00 00 00 05]  1  if ( gprm(14) != 0 ) then { Goto line 5 }\r\n"
        "[71 00 00 0E 00 01 00 00]  2  Set gprm(14) =(mov) 1\r\n"
        "[71 00 00 0E 00 05 00 00]  3  Set gprm(14) =(mov) 5\r\n"
        "[00 02 00 00 00 00 00 00]  4  Break\r\n"
        "[00 00 00 00 00 00 00 00]  5  NOP");
}

}
}
