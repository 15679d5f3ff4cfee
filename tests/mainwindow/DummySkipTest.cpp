#include "support/FormFixture.h"

#include <string>
#include <vector>

namespace trevalo {
namespace {

using testing::FormFixture;
using namespace testing::expected;
using ui::Colour;

class DummySkip : public FormFixture {
protected:
    std::vector<const ui::Control*> thirdBlockControls()
    {
        return { &form.Text3, &form.Label14, &form.Label15, &form.Label16, &form.Label17, &form.cmdCopy3 };
    }

    std::string toggleLine() const
    {
        const std::string& text = form.Label9.caption();
        std::size_t start = 0;
        for (int line = 1; line < 4 && start != std::string::npos; ++line) {
            start = text.find("\r\n", start);
            if (start != std::string::npos)
                start += 2;
        }
        if (start == std::string::npos)
            return {};
        return text.substr(start, text.find("\r\n", start) - start);
    }
};



TEST_F(DummySkip, OnMovesTheMenuBlockToTheThirdBlockAndOffBringsItBack)
{
    click(form.chkDummy);
    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text2.text(), link_block);
    EXPECT_EQ(form.Text3.text(), menu_block);
    for (const ui::Control* c : thirdBlockControls())
        EXPECT_TRUE(c->visible()) << c->name();
    EXPECT_FALSE(form.cmdCopy3.enabled());
    EXPECT_EQ(form.Label15.caption(), "VTSM 1, LU , 6");
    EXPECT_EQ(form.Label22.caption(), "VTSM 1, LU ,");
    EXPECT_TRUE(form.Label22.enabled());
    EXPECT_TRUE(form.cboDummy.usable());
    EXPECT_EQ(form.cboDummy.backColour(), yellow);
    EXPECT_EQ(form.cboDummy.foreColour(), window_text);
    EXPECT_EQ(toggleLine(), "   Toggle PGC playback breakpoint for VTSM 1, LU , 6");

    click(form.chkDummy);
    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text2.text(), menu_block);
    for (const ui::Control* c : thirdBlockControls())
        EXPECT_FALSE(c->visible()) << c->name();
    EXPECT_FALSE(form.Label22.enabled());
    EXPECT_FALSE(form.cboDummy.enabled());
    EXPECT_EQ(form.cboDummy.backColour(), face);
    EXPECT_EQ(toggleLine(), "   Toggle PGC playback breakpoint for VTSM 1 Root Menu");
}

TEST_F(DummySkip, AnotherDummyNumberRewritesOnlyTheLinkAndItsNames)
{
    click(form.chkDummy);
    pick(form.cboDummy, "12");
    EXPECT_EQ(form.Text2.text(), "{00 B1 00 0E 00 00 00 03} {20 04 00 00 00 00 00 0C} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text3.text(), menu_block);
    EXPECT_EQ(form.Label15.caption(), "VTSM 1, LU , 12");
    EXPECT_EQ(form.Label22.caption(), "VTSM 1, LU ,");
    EXPECT_EQ(toggleLine(), "   Toggle PGC playback breakpoint for VTSM 1, LU , 12");
}

TEST_F(DummySkip, DummySkipOnATitleSetOtherThanTheFirst)
{
    pick(form.cboPGC, "4");
    pick(form.cboGPRM, "9");
    click(form.chkDummy);
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 09 00 00 00 03} {30 06 00 01 04 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(), "{00 B1 00 09 00 00 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 09 00 00 00 04} {71 00 00 09 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Label15.caption(), "VTSM 4, LU , 6");
    EXPECT_EQ(form.Label22.caption(), "VTSM 4, LU ,");
    EXPECT_EQ(form.Label8.caption(), "VTSM 4 Root Menu");
}

TEST_F(DummySkip, CellLinkReplacesTheBreakAndSwitchingOffGivesItBack)
{
    form.cboLinkCN.setText("7");
    click(form.chkLinkCN);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 01} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.cboLinkCN.text(), "1");
    EXPECT_TRUE(form.cboLinkCN.usable());
    EXPECT_EQ(form.cboLinkCN.backColour(), yellow);

    pick(form.cboLinkCN, "12");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 0C} {00 00 00 00 00 00 00 00}");

    click(form.chkLinkCN);
    EXPECT_EQ(form.Text2.text(), menu_block);
    EXPECT_FALSE(form.cboLinkCN.enabled());
    EXPECT_EQ(form.cboLinkCN.backColour(), face);
    EXPECT_EQ(form.Text1.text(), first_play);
}

TEST_F(DummySkip, CellLinkMovesWithTheMenuBlock)
{
    click(form.chkLinkCN);
    click(form.chkDummy);
    EXPECT_EQ(form.Text2.text(), link_block);
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 01} {00 00 00 00 00 00 00 00}");

    pick(form.cboLinkCN, "3");
    EXPECT_EQ(form.Text2.text(), link_block);
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 03} {00 00 00 00 00 00 00 00}");

    click(form.chkDummy);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 03} {00 00 00 00 00 00 00 00}");

    click(form.chkLinkCN);
    EXPECT_EQ(form.Text2.text(), menu_block);
}

TEST_F(DummySkip, CellLinkSwitchedOnWithTheDummySkipGoesIntoTheThirdBlock)
{
    click(form.chkDummy);
    click(form.chkLinkCN);
    pick(form.cboLinkCN, "3");
    EXPECT_EQ(form.Text2.text(), link_block);
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 03} {00 00 00 00 00 00 00 00}");

    click(form.chkLinkCN);
    EXPECT_EQ(form.Text3.text(), menu_block);
    EXPECT_EQ(form.Text2.text(), link_block);
}

TEST_F(DummySkip, CellLinkNeedsABreakAndTakesTheFirstCommandWhoseSecondByteIs02)
{
    const std::string no_break
        = "{00 B1 00 0E 00 00 00 03} {71 00 00 0E 00 01 00 00} {00 00 00 00 00 00 00 00}";
    form.Text2.setText(no_break);
    form.cboLinkCN.setText("7");
    click(form.chkLinkCN);
    EXPECT_EQ(form.Text2.text(), no_break);
    EXPECT_EQ(form.chkLinkCN.value(), 1);
    EXPECT_EQ(form.cboLinkCN.text(), "7");
    EXPECT_TRUE(form.cboLinkCN.enabled());

    click(form.chkLinkCN);
    // A jump to a title has 02 as its second byte too.
    form.Text2.setText("{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {30 02 00 00 00 05 00 00} "
                       "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    click(form.chkLinkCN);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 01} {00 00 00 00 00 00 00 00}");
}

TEST_F(DummySkip, NumbersAndBlocksThatCannotBePatchedAreLeftAlone)
{
    click(form.chkDummy);
    form.cboDummy.setText("300");
    form.cboDummy_Click();
    EXPECT_EQ(form.Text2.text(), link_block);

    click(form.chkLinkCN);
    form.cboLinkCN.setText("256");
    form.cboLinkCN_Click();
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 01} {00 00 00 00 00 00 00 00}");

    form.Text2.setText("{00 00 00 00 00 00 00 00}");
    form.cboDummy.setText("7");
    form.cboDummy_Click();
    EXPECT_EQ(form.Text2.text(), "{00 00 00 00 00 00 00 00}");
}

}
}
