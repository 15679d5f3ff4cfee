#include "random/SessionOracle.h"
#include "support/FirstPlayComposer.h"
#include "support/FormFixture.h"
#include "support/StrictBlock.h"
#include "ui/binding/UserEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trevalo::testing {
namespace {

using namespace expected;

const std::string nop = "{00 00 00 00 00 00 00 00}";

TEST(StrictBlock, ReadsTheToolsOwnBlocksWithOrWithoutOneTrailingBlank)
{
    std::string fault;
    const auto commands = StrictBlock::commands(menu_block, fault);
    ASSERT_TRUE(commands) << fault;
    EXPECT_EQ(commands->size(), 4u);
    EXPECT_EQ(commands->back(), nop);
    EXPECT_TRUE(StrictBlock::commands(menu_block + " ", fault));
    EXPECT_EQ(StrictBlock::join(*commands), menu_block);
}

TEST(StrictBlock, RefusesEveryOtherSpacingAndSpelling)
{
    const std::vector<std::string> broken {
        "",
        menu_block + "  ",
        "{00 02 00 00 00 00 00 00}  " + nop,
        "{00 02 00 00 00 00 00 00}\r\n" + nop,
        "{00 02 00 00 00 00 00 00}" + nop,
        "{00 b1 00 0E 00 00 00 03} " + nop,
        "{00 B1 00 0E 00 00 00 3} " + nop,
        "{00 B1 00 0E 00 00 00 033} " + nop,
        "{00 B1 00 0E 00 00 00 03 " + nop,
        " " + menu_block,
    };
    for (const std::string& block : broken) {
        std::string fault;
        EXPECT_FALSE(StrictBlock::commands(block, fault)) << StrictBlock::excerpt(block);
        EXPECT_FALSE(fault.empty());
    }
}

TEST(StrictBlock, ReadsTracesSeparatedByAnyWhiteSpaceAndNothingElse)
{
    std::string fault;
    const auto trace = StrictBlock::traceCommands("{71 00 00 03 00 05 00 00}\r\n{71 00 00 04 00 01 00 00}\t \n"
                                                  "{51 00 00 82 C5 00 00 00}\r{56 00 00 00 0C 00 00 00}",
        fault);
    ASSERT_TRUE(trace) << fault;
    EXPECT_EQ(StrictBlock::join(*trace),
        "{71 00 00 03 00 05 00 00} {71 00 00 04 00 01 00 00} {51 00 00 82 C5 00 00 00} {56 00 00 00 0C 00 00 00}");

    for (const std::string& text : { std::string(""), std::string(" \r\n"), std::string("{71 00 00 03 00 05 00 00}{71 00 00 04 00 01 00 00}"),
             std::string("{71 00 00 03 00 05 00 00},{71 00 00 04 00 01 00 00}"), std::string("{71 00 00 03 00 05 00 00}\0", 26),
             std::string("{71 00 00 03 00 05 00 00} \xC3\xA9"), std::string("{71 00 00 0e 00 05 00 00}"),
             std::string("{71 00 {00 03} 00 05 00 00}") }) {
        EXPECT_FALSE(StrictBlock::traceCommands(text, fault)) << StrictBlock::excerpt(text);
    }
}

TEST(StrictBlock, ExcerptsShowEveryByteReadably)
{
    EXPECT_EQ(StrictBlock::excerpt(std::string("a\0b\r\n\xFF\"", 7)), "\"a\\x00b\\r\\n\\xFF\\\"\"");
    EXPECT_EQ(StrictBlock::excerpt("abcdef", 3), "\"abc\"... (6 characters)");
}

TEST(FirstPlayComposer, WritesTheBlockOfEachSchemeAndTarget)
{
    FirstPlayComposer::Choices choices { false, "14", "12345", "VTSM", "3", "Chapter Menu" };
    EXPECT_EQ(FirstPlayComposer::compose(choices),
        "{00 B1 00 0E 00 00 00 03} {30 06 00 01 03 87 00 00} {00 00 00 00 00 00 00 00}");
    choices = { false, "0", "12345", "VMGM", "12", "Root Menu" };
    EXPECT_EQ(FirstPlayComposer::compose(choices),
        "{00 B1 00 00 00 00 00 03} {30 06 00 0C 00 C0 00 00} {00 00 00 00 00 00 00 00}");
    choices = { false, "9", "12345", "Title", "99", "" };
    EXPECT_EQ(FirstPlayComposer::compose(choices),
        "{00 B1 00 09 00 00 00 03} {30 02 00 00 00 63 00 00} {00 00 00 00 00 00 00 00}");

    choices = { true, "14", "12345", "VTSM", "1", "Root Menu" };
    const auto all = FirstPlayComposer::compose(choices);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->substr(0, 52), "{00 B1 00 0F 00 00 00 13} {00 B1 00 0E 00 00 00 13} ");
    EXPECT_EQ(all->substr(15 * 26, 52), "{00 B1 00 00 00 00 00 13} {71 00 00 00 30 39 00 00} ");
    EXPECT_EQ(all->substr(17 * 26), "{30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
}

TEST(FirstPlayComposer, RefusesAChoiceThatIsNoListItem)
{
    for (const FirstPlayComposer::Choices& choices : {
             FirstPlayComposer::Choices { false, "16", "12345", "VTSM", "1", "Root Menu" },
             FirstPlayComposer::Choices { true, "14", "999", "VTSM", "1", "Root Menu" },
             FirstPlayComposer::Choices { false, "14", "12345", "VTSM", "1", "Main Menu" },
             FirstPlayComposer::Choices { false, "14", "12345", "VTS", "1", "Root Menu" },
             FirstPlayComposer::Choices { false, "14", "12345", "Title", "0", "" },
         })
        EXPECT_FALSE(FirstPlayComposer::compose(choices));
}

// The oracle on a real window: silent where all is well, and loud about
// every kind of damage done behind the operations' backs.
class Oracle : public FormFixture {
protected:
    SessionOracle oracle { form, clipboard, messages };

    std::string faults() const
    {
        std::string all;
        for (const std::string& fault : oracle.invariants())
            all += fault + "\n";
        return all;
    }

    static UserAction action(std::string control, std::optional<ui::Answer> answer = std::nullopt)
    {
        UserAction action;
        action.control = std::move(control);
        action.answer = answer;
        return action;
    }

    // Plays a click with the oracle watching, as the sessions do.
    template<typename Clickable>
    std::string watched(const UserAction& played, Clickable& button)
    {
        if (played.answer)
            messages.answers.push_back(*played.answer);
        oracle.before(played);
        ui::userClicked(button);
        std::string all;
        for (const std::string& fault : oracle.after(played))
            all += fault + "\n";
        return all;
    }
};

TEST_F(Oracle, FindsNothingWrongInATypicalSession)
{
    EXPECT_EQ(faults(), "");
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    click(form.chkDummy);
    click(form.chkLinkCN);
    pick(form.cboLinkCN, "12");
    EXPECT_EQ(faults(), "");
    clipboard.contents = "{71 00 00 01 00 02 00 00}\r\n{51 00 00 84 C2 81 00 00}";
    EXPECT_EQ(watched(action("cmdPaste"), form.cmdPaste), "");
    click(form.chkStreams);
    pick(form.cboAudio, "2");
    click(form.chkHighlight);
    pick(form.cboButton, "7");
    EXPECT_EQ(faults(), "");
    EXPECT_EQ(watched(action("cmdUndo", ui::Answer::No), form.cmdUndo), "");
    EXPECT_EQ(faults(), "");
}

TEST_F(Oracle, SeesABlockThatIsNotWellFormedOrWhoseGuardMissesTheNop)
{
    form.Text2.setText("{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00}  {00 02 00 00 00 00 00 00} " + nop);
    EXPECT_NE(faults().find("Text2 is not a well-formed block"), std::string::npos) << faults();
    form.Text2.setText("{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} " + nop);
    EXPECT_NE(faults().find("naming its last line 04"), std::string::npos) << faults();
    form.Text2.setText("{00 B1 00 0E 00 00 00 03} {71 00 00 0E 00 01 00 00} " + nop);
    EXPECT_NE(faults().find("should set the guard"), std::string::npos) << faults();
    form.Text2.setText("{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 01} " + nop);
    EXPECT_NE(faults().find("where the cell link setting gives {00 02"), std::string::npos) << faults();
}

TEST_F(Oracle, SeesAFirstPlayBlockThatDoesNotFollowTheChoices)
{
    form.cboPGC.setText("5");
    EXPECT_NE(faults().find("Text1 is"), std::string::npos) << faults();
    EXPECT_NE(faults().find("Label8 names"), std::string::npos) << faults();
}

TEST_F(Oracle, SeesStateHoldersThatDisagreeWithTheBlocks)
{
    paste("{71 00 00 01 00 02 00 00}");
    form.txtOriginalHL.setText("{56 00 00 00 0C 00 00 00}");
    EXPECT_NE(faults().find("chkHighlight is off but still remembers"), std::string::npos) << faults();
    form.txtOriginalHL.setText("");
    click(form.chkStreams);
    EXPECT_EQ(faults(), "");
    form.Text2.setText(form.txtText2.text());
    EXPECT_NE(faults().find("chkStreams is on but Text2 holds no {51"), std::string::npos) << faults();
}

// Out-of-range codes (found by fuzzing) show as the lists read them, and
// the checks name them; a list that shows anything else is a fault.
TEST_F(Oracle, TakesAdoptedCodesAsTheListsShowThemAndSeesAListThatDisagrees)
{
    paste("{51 00 00 88 A0 04 00 00} {56 00 00 00 94 00 00 00}");
    click(form.chkStreams);
    click(form.chkHighlight);
    EXPECT_EQ(faults(), "");
    form.cboAudio.setText("7");
    EXPECT_NE(faults().find("carries the audio \"7\""), std::string::npos) << faults();
    form.cboAudio.setText("8");
    form.optOff.setValue(true, ui::OptionButton::Run::Nothing);
    EXPECT_NE(faults().find("the window shows the sub-picture as optOff"), std::string::npos) << faults();
    form.optOff.setValue(false);
    form.cboButton.setText("5");
    EXPECT_NE(faults().find("highlights button \"5\""), std::string::npos) << faults();
}

TEST_F(Oracle, SeesAControlLockedOrOpenInTheWrongState)
{
    pick(form.CboMenu, "Audio Menu");
    form.cmdNote.setEnabled(false);
    EXPECT_NE(faults().find("cmdNote is not usable"), std::string::npos) << faults();
    form.cmdNote.setEnabled(true);
    form.Text3.setVisible(true);
    EXPECT_NE(faults().find("Text3, its name and its copy button"), std::string::npos) << faults();
}

TEST_F(Oracle, SeesARefusedImportThatChangedSomethingAndAnUndoThatRestoredTheWrongBlock)
{
    clipboard.contents = " {71 00 00 01 00 02 00 00}";
    const UserAction import = action("cmdPaste");
    oracle.before(import);
    form.txtCB.setText(clipboard.contents);
    messages.show("Invalid commands or no data found on clipboard.", "Warning", ui::Buttons::Ok);
    const std::vector<std::string> refused = oracle.after(import);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find("a refused import (it does not run from { to }) changed the window"), std::string::npos);
    EXPECT_NE(refused[0].find("txtCB"), std::string::npos);

    clipboard.contents = "{71 00 00 01 00 02 00 00}";
    EXPECT_EQ(watched(action("cmdPaste"), form.cmdPaste), "");
    const UserAction undo = action("cmdUndo", ui::Answer::Yes);
    messages.answers.push_back(ui::Answer::Yes);
    oracle.before(undo);
    ui::userClicked(form.cmdUndo);
    form.Text2.setText(form.Text2.text() + " ");
    const std::vector<std::string> undone = oracle.after(undo);
    ASSERT_EQ(undone.size(), 1u);
    EXPECT_NE(undone[0].find("Undo left Text2"), std::string::npos);
}

TEST_F(Oracle, SeesAResetThatMissesAControlOrTheClipboard)
{
    paste("{71 00 00 01 00 02 00 00}");
    click(form.chkHighlight);
    clipboard.contents = "kept";
    EXPECT_EQ(watched(action("mnuReset", ui::Answer::No), form.mnuReset), "");
    EXPECT_EQ(clipboard.contents, "{71 00 00 01 00 02 00 00}");

    const UserAction reset = action("mnuReset", ui::Answer::Yes);
    messages.answers.push_back(ui::Answer::Yes);
    oracle.before(reset);
    ui::userClicked(form.mnuReset);
    form.Label8.setCaption("VTSM 1 Chapter Menu");
    clipboard.contents = "left";
    std::string all;
    for (const std::string& fault : oracle.after(reset))
        all += fault + "\n";
    EXPECT_NE(all.find("after Reset Label8 is"), std::string::npos) << all;
    EXPECT_NE(all.find("Reset answered Yes left the clipboard holding \"left\""), std::string::npos) << all;
}

}
}
