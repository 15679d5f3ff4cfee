#include "support/FormFixture.h"

#include <regex>
#include <string>
#include <vector>

namespace trevalo {
namespace {

using testing::FormFixture;
using namespace testing::expected;
using ui::Colour;

class Import : public FormFixture {
protected:
    // Offers `text` to the import, whatever the import makes of it.
    void offer(std::string text)
    {
        clipboard.contents = std::move(text);
        click(form.cmdPaste);
    }

    // Pastes a text the import must refuse and checks that nothing at all
    // changed; returns the one message shown.
    testing::FakeMessageBoxes::Shown refuse(const std::string& text)
    {
        clipboard.contents = text;
        messages.shown.clear();
        const std::string before = form.window().dumpState();
        click(form.cmdPaste);
        EXPECT_EQ(form.window().dumpState(), before);
        EXPECT_EQ(clipboard.contents, text);
        EXPECT_EQ(clipboard.sets + clipboard.clears, 0);
        EXPECT_EQ(messages.shown.size(), 1u);
        return messages.shown.empty() ? testing::FakeMessageBoxes::Shown {} : messages.shown.back();
    }
};

const std::string warning = "Invalid commands or no data found on clipboard.\r\nTry to copy them in PgcEdit again.";
const std::string renumber_advice = "Ensure that \"Automatically renumber GOTOs cmds upon insert/delete?\"\r\n"
                                    " is checked in PgcEdit's Options before copying.";

TEST_F(Import, OneCommandIsSplicedBehindTheGuardAndListed)
{
    offer("{71 00 00 03 00 05 00 00}");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text3.text(), menu_block);
    EXPECT_EQ(form.txtCB.text(), "{71 00 00 03 00 05 00 00}");
    EXPECT_EQ(form.txtText1.text(), first_play);
    EXPECT_EQ(form.txtText2.text(), menu_block);
    EXPECT_EQ(form.txtText3.text(), menu_block);
    EXPECT_EQ(clipboard.contents, "{71 00 00 03 00 05 00 00}");
    EXPECT_EQ(clipboard.sets + clipboard.clears, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Import");
    EXPECT_EQ(messages.shown[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(messages.shown[0].prompt,
        "1 Commands from PgcEdit:\r\n\r\n{71 00 00 03 00 05 00 00}\r\n\r\n" + renumber_advice);
}

TEST_F(Import, TypicalUseEndsWithTheGuardTestNamingTheClosingNop)
{
    ASSERT_EQ(form.cboGPRM.text(), "14");
    pick(form.cboSelect, "VTSM");
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 03 87 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Label8.caption(), "VTSM 3 Chapter Menu");

    offer("{71 00 00 01 00 02 00 00} {71 00 00 02 00 07 00 00} {51 00 00 81 C2 00 00 00}");
    // Seven commands: the test goes to line 7, the NOP.
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {71 00 00 01 00 02 00 00} "
        "{71 00 00 02 00 07 00 00} {51 00 00 81 C2 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
    EXPECT_TRUE(form.chkStreams.usable());
    EXPECT_TRUE(form.chkHighlight.usable());
    EXPECT_TRUE(form.cmdCopy.usable());
    EXPECT_TRUE(form.cmdCopy2.usable());
}

TEST_F(Import, ImportedStateLocksTheSettingsAndOpensCopyAndPostSettings)
{
    offer("{71 00 00 03 00 05 00 00}");
    EXPECT_FALSE(form.cmdPaste.visible());
    EXPECT_TRUE(form.cmdUndo.visible());
    EXPECT_FALSE(form.Label6.visible());
    for (const ui::Button* b : { &form.cmdCopy, &form.cmdCopy2, &form.cmdCopy3 })
        EXPECT_TRUE(b->enabled()) << b->name();
    EXPECT_FALSE(form.cmdCopy3.usable());
    for (const ui::ComboBox* list : { &form.cboSelect, &form.cboPGC, &form.CboMenu, &form.cboDummy, &form.cboGPRM,
             &form.cboValue, &form.cboLinkCN, &form.cboAudio, &form.cboSubs, &form.cboAngle, &form.cboButton }) {
        EXPECT_FALSE(list->enabled()) << list->name();
        EXPECT_EQ(list->backColour(), face) << list->name();
    }
    for (const ui::Control* c : std::vector<const ui::Control*> { &form.chkDummy, &form.chkNone, &form.chkLinkCN,
             &form.cmdNote, &form.OptTitle, &form.cboVmgTitle, &form.Label22, &form.Label32, &form.Label29,
             &form.Label30, &form.Label9, &form.lblGPRM0, &form.Label20, &form.lblNC, &form.Frame1 })
        EXPECT_FALSE(c->enabled()) << c->name();
    EXPECT_FALSE(form.chkNone.usable());
    EXPECT_FALSE(form.cboGPRM.usable());
    EXPECT_TRUE(form.Frame10.enabled());
    EXPECT_TRUE(form.chkStreams.usable());
    EXPECT_TRUE(form.chkHighlight.usable());
}

TEST_F(Import, CommandsSeparatedByAnyWhiteSpaceAreSplicedWithSingleBlanks)
{
    const std::string text = "{71 00 00 01 00 02 00 00}\r\n{71 00 00 02 00 07 00 00}\t \n\n{51 00 00 81 C2 00 00 00}";
    offer(text);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {71 00 00 01 00 02 00 00} "
        "{71 00 00 02 00 07 00 00} {51 00 00 81 C2 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.txtCB.text(), text);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt,
        "3 Commands from PgcEdit:\r\n\r\n{71 00 00 01 00 02 00 00}\r\n{71 00 00 02 00 07 00 00}\r\n"
        "{51 00 00 81 C2 00 00 00}\r\n\r\n" + renumber_advice);
}

TEST_F(Import, WithTheDummySkipTheSpliceGoesIntoTheThirdBlock)
{
    click(form.chkDummy);
    click(form.chkLinkCN);
    const std::string link_block
        = "{00 B1 00 0E 00 00 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}";
    ASSERT_EQ(form.Text2.text(), link_block);

    offer("{71 00 00 01 00 02 00 00}\r\n{71 00 00 02 00 07 00 00}");
    EXPECT_EQ(form.Text2.text(), link_block);
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 01 00 02 00 00} "
        "{71 00 00 02 00 07 00 00} {20 07 00 00 00 00 00 01} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.txtText2.text(), link_block);
    EXPECT_EQ(form.txtText3.text(),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 01} {00 00 00 00 00 00 00 00}");
    EXPECT_TRUE(form.cmdCopy3.usable());
    EXPECT_FALSE(form.chkLinkCN.enabled());
    EXPECT_FALSE(form.cboLinkCN.enabled());
}

TEST_F(Import, SpliceSetsTheChosenGuardRegister)
{
    pick(form.cboGPRM, "3");
    offer("{71 00 00 0E 00 05 00 00}");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 03 00 00 00 05} {71 00 00 03 00 01 00 00} {71 00 00 0E 00 05 00 00} "
        "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(Import, AllRegistersCheckKeepsTheResetOfGprm0)
{
    click(form.chkNone);
    offer("{71 00 00 01 00 02 00 00} {71 00 00 02 00 07 00 00}");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 00 30 39 00 06} {71 00 00 00 00 00 00 00} {71 00 00 01 00 02 00 00} "
        "{71 00 00 02 00 07 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(Import, AllRegistersCheckWithTheDummySkip)
{
    click(form.chkNone);
    click(form.chkDummy);
    offer("{71 00 00 01 00 02 00 00} {71 00 00 02 00 07 00 00}");
    EXPECT_EQ(form.Text2.text(), "{00 B1 00 00 30 39 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 00 30 39 00 06} {71 00 00 00 00 00 00 00} {71 00 00 01 00 02 00 00} "
        "{71 00 00 02 00 07 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(Import, TextsThatAreNotCommandsAtTheirEndsGetTheWarningAlone)
{
    click(form.chkDummy);
    for (const char* text : { "", " \r\n", "71 00 00 03 00 05 00 00", "{71 00 00 03 00 05 00 00} x", "Hello" }) {
        SCOPED_TRACE(::testing::PrintToString(text));
        const auto shown = refuse(text);
        EXPECT_EQ(shown.prompt, warning);
        EXPECT_EQ(shown.title, "Warning");
        EXPECT_EQ(shown.buttons, ui::Buttons::Ok);
    }
}

TEST_F(Import, MalformedCommandsGetTheWarningAndSayWhichCommand)
{
    click(form.chkNone);
    click(form.chkDummy);
    struct Case {
        const char* fault;
        const char* text;
        int command; // 0 when the place is not one command
    };
    const Case cases[] = {
        { "lower-case digit", "{71 00 00 01 00 02 00 00} {71 00 00 0e 00 01 00 00}", 2 },
        { "missing blank", "{71 00 00 01 00 02 00 00} {71 00 0004 00 05 00 00}", 2 },
        { "double blank", "{71 00 00 01 00 02 00 00} {71 00 00 02 00 07 00 00} {71  00 00 04 00 05 00 00}", 3 },
        { "tab inside", "{71 00 00 01 00 02 00 00} {71\t00 00 04 00 05 00 00}", 2 },
        { "missing digit", "{71 00 00 01 00 02 00 00} {71 00 00 04 00 05 00 0}", 2 },
        { "not a hex digit", "{71 00 00 01 00 02 00 00} {71 00 00 0G 00 05 00 00}", 2 },
        { "nested brace", "{71 00 00 01 00 02 00 00} {71 00 {00 04 00 05 00 00}", 2 },
        { "opening brace twice", "{{71 00 00 01 00 02 00 00}", 0 },
        { "closing brace twice", "{71 00 00 01 00 02 00 00}}", 0 },
        { "stray character", "{71 00 00 01 00 02 00 00} x {71 00 00 04 00 05 00 00}", 0 },
        { "empty braces", "{}", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const auto shown = refuse(c.text);
        EXPECT_EQ(shown.title, "Warning");
        EXPECT_EQ(shown.buttons, ui::Buttons::Ok);
        ASSERT_EQ(shown.prompt.substr(0, warning.size() + 2), warning + "\r\n");
        const std::string detail = shown.prompt.substr(warning.size() + 2);
        EXPECT_FALSE(detail.empty());
        EXPECT_EQ(detail.find_first_of("\r\n"), std::string::npos) << detail;
        if (c.command != 0) {
            const std::regex number("(^|[^0-9])" + std::to_string(c.command) + "([^0-9]|$)");
            EXPECT_TRUE(std::regex_search(detail, number)) << detail;
        }
    }
}

TEST_F(Import, LineNumbersStayOneByte)
{
    auto commands = [](int n) {
        std::string text = "{71 00 00 01 00 02 00 00}";
        for (int k = 1; k < n; ++k)
            text += " {71 00 00 01 00 02 00 00}";
        return text;
    };

    // Four commands of the block and 252 imported would need line 256.
    auto shown = refuse(commands(252));
    EXPECT_EQ(shown.title, "Import");
    EXPECT_EQ(shown.buttons, ui::Buttons::Ok);

    shown = refuse("{71 00 00 01 00 02 00 00}" + std::string(32800, ' ') + "{71 00 00 02 00 07 00 00}");
    EXPECT_EQ(shown.title, "Import");

    messages.shown.clear();
    offer(commands(251));
    const std::string& block = form.Text2.text();
    EXPECT_EQ(block.substr(0, 78), "{00 B1 00 0E 00 00 00 FF} {71 00 00 0E 00 01 00 00} {71 00 00 01 00 02 00 00} ");
    EXPECT_EQ(block.substr(block.size() - 77),
        "{71 00 00 01 00 02 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(block.size(), 255u * 26 - 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt.substr(0, 28), "251 Commands from PgcEdit:\r\n");
}

TEST_F(Import, SpareButtonEstimatesTheImportedCommands)
{
    click(form.Command1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "0");
    EXPECT_EQ(messages.shown[0].title, "");
    EXPECT_EQ(messages.shown[0].buttons, ui::Buttons::Ok);

    // 79 characters: 2.93 commands of 27.
    offer("{71 00 00 01 00 02 00 00}\r\n{71 00 00 02 00 07 00 00}\r\n{51 00 00 81 C2 00 00 00}");
    messages.shown.clear();
    click(form.Command1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "3");
}

}
}
