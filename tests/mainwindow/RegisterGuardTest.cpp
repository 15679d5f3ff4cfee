#include "support/FormFixture.h"

#include <algorithm>
#include <string>

namespace trevalo {
namespace {

using testing::FormFixture;
using namespace testing::expected;
using ui::Colour;

class RegisterGuard : public FormFixture { };



// The sixteen register tests of the all-registers check, each going to line 19.
const std::string sixteen_tests
    = "{00 B1 00 0F 00 00 00 13} {00 B1 00 0E 00 00 00 13} {00 B1 00 0D 00 00 00 13} {00 B1 00 0C 00 00 00 13} "
      "{00 B1 00 0B 00 00 00 13} {00 B1 00 0A 00 00 00 13} {00 B1 00 09 00 00 00 13} {00 B1 00 08 00 00 00 13} "
      "{00 B1 00 07 00 00 00 13} {00 B1 00 06 00 00 00 13} {00 B1 00 05 00 00 00 13} {00 B1 00 04 00 00 00 13} "
      "{00 B1 00 03 00 00 00 13} {00 B1 00 02 00 00 00 13} {00 B1 00 01 00 00 00 13} {00 B1 00 00 00 00 00 13} ";

long commands(const std::string& block) { return std::count(block.begin(), block.end(), '{'); }

std::string withoutFocus(std::string dump) { return dump.erase(dump.rfind("focus ")); }

TEST_F(RegisterGuard, PickedRegisterIsNamedByTheFirstPlayTestAndTheMenuGuard)
{
    pick(form.cboGPRM, "3");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 03 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 03 00 00 00 04} {71 00 00 03 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text3.text(), menu_block);
    EXPECT_EQ(form.window().focusedControl(), &form.cmdTemp3);

    pick(form.cboGPRM, "10");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0A 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0A 00 00 00 04} {71 00 00 0A 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");

    pick(form.cboGPRM, "0");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 00 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 00 00 00 00 04} {71 00 00 00 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(RegisterGuard, WithTheDummySkipTheRegisterGoesIntoTheLinkBlockAndTheMenuBlock)
{
    click(form.chkDummy);
    pick(form.cboGPRM, "5");
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 05 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(), "{00 B1 00 05 00 00 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 05 00 00 00 04} {71 00 00 05 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(RegisterGuard, AllRegistersCheckOnAndOffRestoresTheWindowExactly)
{
    const std::string before = form.window().dumpState();

    click(form.chkNone);
    EXPECT_EQ(form.Text1.text(),
        sixteen_tests + "{71 00 00 00 30 39 00 00} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(commands(form.Text1.text()), 19);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 00 30 39 00 04} {71 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text3.text(), menu_block);
    EXPECT_TRUE(form.lblGPRM0.visible());
    EXPECT_TRUE(form.cboValue.visible());
    EXPECT_TRUE(form.Label32.visible());
    EXPECT_TRUE(form.Label32.enabled());
    EXPECT_FALSE(form.Label20.enabled());
    EXPECT_FALSE(form.cboGPRM.enabled());
    EXPECT_EQ(form.cboGPRM.backColour(), face);

    click(form.chkNone);
    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text2.text(), menu_block);
    EXPECT_EQ(form.cboGPRM.backColour(), yellow);
    EXPECT_EQ(form.window().focusedControl(), &form.cmdTemp3);
    EXPECT_EQ(withoutFocus(form.window().dumpState()), withoutFocus(before));
}

TEST_F(RegisterGuard, SwitchingBackWritesTheRegisterShownAtThatMoment)
{
    pick(form.cboGPRM, "3");
    click(form.chkNone);
    EXPECT_EQ(form.Text1.text().substr(0, 52), "{00 B1 00 0F 00 00 00 13} {00 B1 00 0E 00 00 00 13} ");
    click(form.chkNone);
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 03 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 03 00 00 00 04} {71 00 00 03 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(RegisterGuard, AllRegistersCheckAfterTheDummySkipTestsTheMarkerInBothMenuBlocks)
{
    click(form.chkDummy);
    click(form.chkNone);
    EXPECT_EQ(form.Text1.text(),
        sixteen_tests + "{71 00 00 00 30 39 00 00} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(), "{00 B1 00 00 30 39 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 00 30 39 00 04} {71 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");

    click(form.chkNone);
    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text2.text(), link_block);
    EXPECT_EQ(form.Text3.text(), menu_block);

    click(form.chkDummy);
    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text2.text(), menu_block);
    EXPECT_FALSE(form.Text3.visible());
}

TEST_F(RegisterGuard, DummySkipAfterTheAllRegistersCheckGivesTheSameBlocks)
{
    click(form.chkNone);
    click(form.chkDummy);
    EXPECT_EQ(form.Text2.text(), "{00 B1 00 00 30 39 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 00 30 39 00 04} {71 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(commands(form.Text1.text()), 19);

    click(form.chkDummy);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 00 30 39 00 04} {71 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    click(form.chkNone);
    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text2.text(), menu_block);
}

TEST_F(RegisterGuard, AnotherMarkerReplacesTheOldOneEverywhere)
{
    click(form.chkNone);
    pick(form.cboValue, "22222");
    EXPECT_EQ(form.Text1.text(),
        sixteen_tests + "{71 00 00 00 56 CE 00 00} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 00 56 CE 00 04} {71 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.window().focusedControl(), &form.cmdDummy);

    click(form.chkDummy);
    pick(form.cboValue, "55555");
    EXPECT_EQ(form.Text1.text(),
        sixteen_tests + "{71 00 00 00 D9 03 00 00} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(), "{00 B1 00 00 D9 03 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 00 D9 03 00 04} {71 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.window().focusedControl(), &form.cmdDummy);
}

TEST_F(RegisterGuard, RunningTheSchemeSwitchAgainChangesNoBlock)
{
    click(form.chkNone);
    const std::string text1 = form.Text1.text(), text2 = form.Text2.text();
    form.chkNone_Click();
    EXPECT_EQ(form.Text1.text(), text1);
    EXPECT_EQ(form.Text2.text(), text2);

    click(form.chkDummy);
    const std::string linked = form.Text2.text(), menu = form.Text3.text();
    form.chkNone_Click();
    EXPECT_EQ(form.Text2.text(), linked);
    EXPECT_EQ(form.Text3.text(), menu);
}

TEST_F(RegisterGuard, WithTheDummySkipTheSchemeSwitchKeepsOnlyTheLastTwoCommandsBehindTheGuard)
{
    click(form.chkDummy);
    form.Text3.setText("{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
                       "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    click(form.chkNone);
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 00 30 39 00 05} {71 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(RegisterGuard, NumbersNoCommandCanHoldLeaveTheBlocksAlone)
{
    form.cboGPRM.setText("16");
    form.cboGPRM_Click();
    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text2.text(), menu_block);

    form.cboGPRM.setText("14");
    click(form.chkNone);
    const std::string text1 = form.Text1.text(), text2 = form.Text2.text();
    for (const char* marker : { "4095", "65536", "marker" }) {
        SCOPED_TRACE(marker);
        form.cboValue.setText(marker);
        form.cboValue_Click();
        EXPECT_EQ(form.Text1.text(), text1);
        EXPECT_EQ(form.Text2.text(), text2);
    }
}

}
}
