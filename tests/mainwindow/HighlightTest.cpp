#include "support/FormFixture.h"

#include <string>

namespace trevalo {
namespace {

using testing::FormFixture;
using namespace testing::expected;
using ui::Colour;

const std::string& trace = one_set_trace;
const std::string& imported = imported_one_set;

class Highlight : public FormFixture {
protected:
    void expectOff()
    {
        EXPECT_EQ(form.chkHighlight.value(), 0);
        EXPECT_FALSE(form.cboButton.enabled());
        EXPECT_EQ(form.cboButton.backColour(), face);
        EXPECT_EQ(form.chkHLflag.value(), 0);
        EXPECT_EQ(form.txtOriginalHL.text(), "");
        EXPECT_FALSE(form.txtDetect.visible());
        EXPECT_EQ(form.chkHighlight.foreColour(), button_text);
    }
};

TEST_F(Highlight, SwitchingOnInsertsButton1AndOffRestoresTheBlockExactly)
{
    paste(trace);
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{56 00 00 00 04 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.cboButton.text(), "1");
    EXPECT_TRUE(form.cboButton.enabled());
    EXPECT_EQ(form.cboButton.backColour(), yellow);
    EXPECT_EQ(form.chkHLflag.value(), 0);
    EXPECT_FALSE(form.txtDetect.visible());

    pick(form.cboButton, "12");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{56 00 00 00 30 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.window().focusedControl(), &form.cmdDummy2);
    pick(form.cboButton, "36");
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{56 00 00 00 90 00 00 00}");

    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), imported);
    expectOff();
    // The list keeps the last button; a new switch-on starts at button 1.
    click(form.chkHighlight);
    EXPECT_EQ(form.cboButton.text(), "1");
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{56 00 00 00 04 00 00 00}");
}

TEST_F(Highlight, WithTheCellLinkTheCommandGoesBeforeTheLinkCn)
{
    click(form.chkLinkCN);
    pick(form.cboLinkCN, "3");
    paste(trace);
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{56 00 00 00 04 00 00 00} {20 07 00 00 00 00 00 03} {00 00 00 00 00 00 00 00}");
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{20 07 00 00 00 00 00 03} {00 00 00 00 00 00 00 00}");
}

TEST_F(Highlight, WithDummySkipAndCellLinkEverythingHappensInTheThirdBlock)
{
    click(form.chkDummy);
    click(form.chkLinkCN);
    paste(trace);
    const std::string block = "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
                              "{20 07 00 00 00 00 00 01} {00 00 00 00 00 00 00 00}";
    ASSERT_EQ(form.Text3.text(), block);
    click(form.chkHighlight);
    pick(form.cboButton, "4");
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{56 00 00 00 10 00 00 00} {20 07 00 00 00 00 00 01} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(), link_block);
    click(form.chkHighlight);
    EXPECT_EQ(form.Text3.text(), block);
    EXPECT_EQ(form.Text2.text(), link_block);
}

TEST_F(Highlight, AnImportedCommandIsAdoptedShownAndPutBack)
{
    paste("{71 00 00 03 00 05 00 00} {56 00 00 00 0C 00 00 00}");
    const std::string block = "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
                              "{56 00 00 00 0C 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
    ASSERT_EQ(form.Text2.text(), block);

    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), block);
    EXPECT_EQ(form.cboButton.text(), "3");
    EXPECT_TRUE(form.cboButton.enabled());
    EXPECT_EQ(form.chkHLflag.value(), 1);
    EXPECT_EQ(form.txtOriginalHL.text(), "{56 00 00 00 0C 00 00 00}");
    EXPECT_TRUE(form.txtDetect.visible());
    EXPECT_EQ(form.chkHighlight.foreColour(), magenta);
    EXPECT_EQ(form.chkStreams.foreColour(), button_text);

    pick(form.cboButton, "5");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{56 00 00 00 14 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");

    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), block);
    expectOff();

    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), block);
    EXPECT_EQ(form.chkHLflag.value(), 1);
    EXPECT_TRUE(form.txtDetect.visible());
}

TEST_F(Highlight, TheMarkerStaysWhileTheStreamSettingStillShowsOne)
{
    paste("{51 00 00 84 C2 81 00 00}");
    click(form.chkStreams);
    ASSERT_TRUE(form.txtDetect.visible());
    // An inserted button command leaves the stream marker alone.
    click(form.chkHighlight);
    EXPECT_EQ(form.chkHighlight.foreColour(), button_text);
    click(form.chkHighlight);
    EXPECT_TRUE(form.txtDetect.visible());
    EXPECT_EQ(form.chkStreams.foreColour(), magenta);
    EXPECT_EQ(form.chkHighlight.foreColour(), button_text);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {51 00 00 84 C2 81 00 00} "
        "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(Highlight, LineNumberStaysTwoUpperCaseDigits)
{
    paste("{71 00 00 01 00 01 00 00} {71 00 00 02 00 02 00 00} {71 00 00 03 00 03 00 00} "
          "{71 00 00 04 00 04 00 00} {71 00 00 05 00 05 00 00} {71 00 00 06 00 06 00 00} "
          "{71 00 00 07 00 07 00 00} {71 00 00 08 00 08 00 00} {71 00 00 09 00 09 00 00} "
          "{71 00 00 0A 00 0A 00 00} {71 00 00 0B 00 0B 00 00}");
    ASSERT_EQ(form.Text2.text().substr(0, 25), "{00 B1 00 0E 00 00 00 0F}");
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 10} {71 00 00 0E 00 01 00 00} {71 00 00 01 00 01 00 00} "
        "{71 00 00 02 00 02 00 00} {71 00 00 03 00 03 00 00} {71 00 00 04 00 04 00 00} "
        "{71 00 00 05 00 05 00 00} {71 00 00 06 00 06 00 00} {71 00 00 07 00 07 00 00} "
        "{71 00 00 08 00 08 00 00} {71 00 00 09 00 09 00 00} {71 00 00 0A 00 0A 00 00} "
        "{71 00 00 0B 00 0B 00 00} {56 00 00 00 04 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text().substr(0, 25), "{00 B1 00 0E 00 00 00 0F}");
}

// A trace that itself holds a Break: the inserted command goes before the
// first stop command, and switching off removes every SetHL_BTN of the
// block, lowering the guard line once for each.
TEST_F(Highlight, InsertionGoesBeforeTheFirstStopAndRemovalKeepsWhatStandsBehindIt)
{
    paste("{00 02 00 00 00 00 00 00} {56 00 00 00 0C 00 00 00}");
    const std::string imported = form.Text2.text();
    click(form.chkHighlight);
    EXPECT_EQ(form.chkHLflag.value(), 0);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {56 00 00 00 04 00 00 00} "
        "{00 02 00 00 00 00 00 00} {56 00 00 00 0C 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), imported);
    EXPECT_EQ(imported,
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} "
        "{56 00 00 00 0C 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(Highlight, ABlockWithoutAStopCommandGetsNoCommand)
{
    paste(trace);
    const std::string no_stop = "{00 B1 00 0E 00 00 00 03} {71 00 00 0E 00 01 00 00} {00 00 00 00 00 00 00 00}";
    form.Text2.setText(no_stop);
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), no_stop);
    EXPECT_TRUE(form.cboButton.enabled());
    EXPECT_EQ(form.cboButton.backColour(), yellow);
}

TEST_F(Highlight, NoByteIsWrittenThatIsNotTwoHexDigits)
{
    paste(trace);
    click(form.chkHighlight);
    const std::string block = form.Text2.text();
    for (const char* text : { "37", "0", "" }) {
        form.cboButton.setText(text);
        form.cboButton_Click();
        EXPECT_EQ(form.Text2.text(), block) << text;
    }
}

TEST_F(Highlight, AFullBlockTakesNoFurtherCommand)
{
    // 251 commands fill the block to 255: the guard names line FF.
    std::string trace_255;
    for (int n = 0; n < 251; ++n)
        trace_255 += (n ? " " : "") + std::string("{71 00 00 03 00 05 00 00}");
    paste(trace_255);
    const std::string block = form.Text2.text();
    ASSERT_EQ(block.substr(0, 25), "{00 B1 00 0E 00 00 00 FF}");
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), block);
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), block);
}

}
}
