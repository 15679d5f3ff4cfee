#include "support/FormFixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace trevalo {
namespace {

using testing::FormFixture;
using namespace testing::expected;
using ui::Colour;

class TargetSelection : public FormFixture {
protected:
    // Line 4 of the trace instructions, where the breakpoint target is named.
    std::string toggleLine() const
    {
        std::vector<std::string> lines;
        const std::string& text = form.Label9.caption();
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        lines.push_back(text.substr(start));
        EXPECT_EQ(lines.size(), 6u);
        return lines.size() > 3 ? lines[3] : std::string();
    }

    void expectVtsmControlsShown(bool shown)
    {
        for (const ui::Control* c : std::vector<const ui::Control*> { &form.CboMenu, &form.chkDummy, &form.cboDummy, &form.Label22 })
            EXPECT_EQ(c->visible(), shown) << c->name();
    }
};



// The seventeen commands in front of the First Play jump in the all-registers check, marker 12345.
const std::string all_registers_prefix
    = "{00 B1 00 0F 00 00 00 13} {00 B1 00 0E 00 00 00 13} {00 B1 00 0D 00 00 00 13} {00 B1 00 0C 00 00 00 13} "
      "{00 B1 00 0B 00 00 00 13} {00 B1 00 0A 00 00 00 13} {00 B1 00 09 00 00 00 13} {00 B1 00 08 00 00 00 13} "
      "{00 B1 00 07 00 00 00 13} {00 B1 00 06 00 00 00 13} {00 B1 00 05 00 00 00 13} {00 B1 00 04 00 00 00 13} "
      "{00 B1 00 03 00 00 00 13} {00 B1 00 02 00 00 00 13} {00 B1 00 01 00 00 00 13} {00 B1 00 00 00 00 00 13} "
      "{71 00 00 00 30 39 00 00} ";

std::string withoutFocus(std::string dump) { return dump.erase(dump.rfind("focus ")); }

TEST_F(TargetSelection, MenuOfATitleSetNamesTitleSetAndMenuEverywhere)
{
    pick(form.cboPGC, "12");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 0C 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.CboMenu.text(), "Root Menu");
    EXPECT_EQ(form.Label8.caption(), "VTSM 12 Root Menu");
    EXPECT_EQ(form.Label22.caption(), "VTSM 12, LU ,");
    EXPECT_EQ(form.Label15.caption(), "VTSM 12, LU , 6");
    EXPECT_EQ(form.window().focusedControl(), &form.cmdTemp);

    form.window().setFocusedControl(nullptr);
    pick(form.CboMenu, "Chapter Menu");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 0C 87 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.cboPGC.text(), "12");
    EXPECT_EQ(form.Label8.caption(), "VTSM 12 Chapter Menu");
    EXPECT_TRUE(form.cmdNote.visible());
    EXPECT_EQ(form.Label9.caption(),
        "A) Open Trace dialog\r\nB) Open GPRM Watch\r\nC) Check Auto-preview\r\n"
        "   Toggle PGC playback breakpoint for VTSM 12 Chapter Menu\r\n"
        "D) Start trace from First Play PGC\r\nE) Step/run to playback breakpoint");
    EXPECT_EQ(form.window().focusedControl(), &form.cmdTemp);
}

TEST_F(TargetSelection, EveryMenuKindWritesItsCodeAndOnlyRootHidesTheCaution)
{
    struct Case {
        const char* menu;
        const char* text1;
        bool caution;
    };
    const Case cases[] = {
        { "Sub-Picture Menu", "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 84 00 00} {00 00 00 00 00 00 00 00}", true },
        { "Audio Menu", "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 85 00 00} {00 00 00 00 00 00 00 00}", true },
        { "Angle Menu", "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 86 00 00} {00 00 00 00 00 00 00 00}", true },
        { "Chapter Menu", "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 87 00 00} {00 00 00 00 00 00 00 00}", true },
        { "Root Menu", "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        pick(form.CboMenu, c.menu);
        EXPECT_EQ(form.Text1.text(), c.text1);
        EXPECT_EQ(form.cmdNote.visible(), c.caution);
        EXPECT_EQ(form.Label8.caption(), std::string("VTSM 1 ") + c.menu);
    }
}

TEST_F(TargetSelection, VideoManagerPgcAndBack)
{
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Audio Menu");

    pick(form.cboSelect, "VMGM");
    EXPECT_EQ(form.cboPGC.text(), "1");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 00 C0 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Label8.caption(), "VMGM 1");
    EXPECT_EQ(toggleLine(), "   Toggle PGC playback breakpoint for VMGM 1");
    expectVtsmControlsShown(false);
    EXPECT_FALSE(form.cmdNote.visible());
    EXPECT_EQ(form.Text2.text(), menu_block);
    EXPECT_EQ(form.window().focusedControl(), &form.cmdTemp);

    pick(form.cboPGC, "10");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 0A 00 C0 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Label8.caption(), "VMGM 10");
    EXPECT_EQ(toggleLine(), "   Toggle PGC playback breakpoint for VMGM 10");

    pick(form.cboSelect, "VTSM");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.cboPGC.text(), "1");
    EXPECT_EQ(form.CboMenu.text(), "Root Menu");
    EXPECT_EQ(form.Label8.caption(), "VTSM 1 Root Menu");
    EXPECT_EQ(toggleLine(), "   Toggle PGC playback breakpoint for VTSM 1 Root Menu");
    expectVtsmControlsShown(true);
    EXPECT_FALSE(form.cmdNote.visible());
    EXPECT_TRUE(form.CboMenu.usable());
    EXPECT_EQ(form.CboMenu.backColour(), yellow);
    EXPECT_TRUE(form.chkDummy.usable());
    EXPECT_EQ(form.cboDummy.foreColour(), Colour::of(ui::SystemColour::GreyText));
    EXPECT_EQ(form.window().focusedControl(), &form.cmdTemp);
}

TEST_F(TargetSelection, TitleAndBackThroughTheVideoManager)
{
    pick(form.cboSelect, "Title");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 02 00 00 00 01 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Label8.caption(), "Title 1");
    expectVtsmControlsShown(false);
    EXPECT_FALSE(form.Label22.enabled());

    pick(form.cboPGC, "5");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 02 00 00 00 05 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Label8.caption(), "Title 5");
    EXPECT_EQ(toggleLine(), "   Toggle PGC playback breakpoint for Title 5");
    EXPECT_EQ(form.window().focusedControl(), &form.cmdTemp);

    pick(form.cboSelect, "VMGM");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 00 C0 00 00} {00 00 00 00 00 00 00 00}");

    pick(form.cboSelect, "Title");
    pick(form.cboSelect, "VTSM");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Label8.caption(), "VTSM 1 Root Menu");
    expectVtsmControlsShown(true);
    EXPECT_EQ(form.Text2.text(), menu_block);
}

TEST_F(TargetSelection, LeavingTheTitleSetsSwitchesTheDummySkipOff)
{
    for (const char* domain : { "VMGM", "Title" }) {
        SCOPED_TRACE(domain);
        pick(form.cboSelect, "VTSM");
        click(form.chkDummy);
        ASSERT_TRUE(form.Text3.visible());
        pick(form.cboSelect, domain);
        EXPECT_EQ(form.chkDummy.value(), 0);
        EXPECT_EQ(form.Text2.text(), menu_block);
        for (const ui::Control* c : std::vector<const ui::Control*> { &form.Text3, &form.cmdCopy3, &form.Label14,
                 &form.Label15, &form.Label16, &form.Label17 })
            EXPECT_FALSE(c->visible()) << c->name();
        EXPECT_EQ(form.Label8.caption(), std::string(domain) + " 1");
    }
}

TEST_F(TargetSelection, AllRegistersCheckKeepsSeventeenCommandsInFrontOfEveryJump)
{
    click(form.chkNone);
    const std::string text2 = form.Text2.text();

    pick(form.cboSelect, "VMGM");
    EXPECT_EQ(form.Text1.text(), all_registers_prefix + "{30 06 00 01 00 C0 00 00} {00 00 00 00 00 00 00 00}");
    pick(form.cboPGC, "7");
    EXPECT_EQ(form.Text1.text(), all_registers_prefix + "{30 06 00 07 00 C0 00 00} {00 00 00 00 00 00 00 00}");

    pick(form.cboSelect, "Title");
    EXPECT_EQ(form.Text1.text(), all_registers_prefix + "{30 02 00 00 00 01 00 00} {00 00 00 00 00 00 00 00}");
    pick(form.cboPGC, "99");
    EXPECT_EQ(form.Text1.text(), all_registers_prefix + "{30 02 00 00 00 63 00 00} {00 00 00 00 00 00 00 00}");

    // The menu choice must not write the guard register over the first tests.
    pick(form.cboSelect, "VTSM");
    EXPECT_EQ(form.Text1.text(), all_registers_prefix + "{30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    EXPECT_EQ(form.Text1.text(), all_registers_prefix + "{30 06 00 01 03 87 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(std::count(form.Text1.text().begin(), form.Text1.text().end(), '{'), 19);
    EXPECT_EQ(form.Text2.text(), text2);
}

TEST_F(TargetSelection, WithTheDummySkipANewTitleSetMovesTheBreakpointToTheDummysSuccessor)
{
    click(form.chkDummy);
    pick(form.cboPGC, "2");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 02 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Label8.caption(), "VTSM 2 Root Menu");
    EXPECT_EQ(form.Label15.caption(), "VTSM 2, LU , 6");
    EXPECT_EQ(toggleLine(), "   Toggle PGC playback breakpoint for VTSM 2, LU , 6");
    EXPECT_EQ(form.Label22.caption(), "VTSM 1, LU ,");
}

TEST_F(TargetSelection, TextsSetFromCode)
{
    // A number with no byte to hold it leaves the block alone.
    form.cboPGC.setText("300");
    form.cboPGC_Click();
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    pick(form.cboSelect, "VMGM");
    form.cboPGC.setText("256");
    form.cboPGC_Click();
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 00 C0 00 00} {00 00 00 00 00 00 00 00}");

    // No leading number reads as 0.
    pick(form.cboSelect, "VTSM");
    form.cboPGC.setText("none");
    form.cboPGC_Click();
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 00 83 00 00} {00 00 00 00 00 00 00 00}");

    // An unknown domain changes nothing but the focus.
    form.window().setFocusedControl(nullptr);
    form.cboSelect.setText("DVD");
    const std::string before = form.window().dumpState();
    form.cboSelect_Click();
    EXPECT_EQ(withoutFocus(form.window().dumpState()), withoutFocus(before));
    EXPECT_EQ(form.window().focusedControl(), &form.cmdTemp);
}

}
}
