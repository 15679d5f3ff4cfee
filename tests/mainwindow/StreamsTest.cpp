#include "support/FormFixture.h"

#include <string>

namespace trevalo {
namespace {

using testing::FormFixture;
using namespace testing::expected;
using ui::Colour;

const std::string& trace = one_set_trace;
const std::string& imported = imported_one_set;

class Streams : public FormFixture {
protected:
    // Selects a sub-picture mode by the only way a user has: with the
    // setting on, then switched off again (the selection stays).
    void preselect(ui::OptionButton& mode)
    {
        click(form.chkStreams);
        click(mode);
        click(form.chkStreams);
        ASSERT_TRUE(mode.value());
        messages.answers.push_back(ui::Answer::Yes);
        click(form.cmdUndo);
        messages.shown.clear();
    }

    void expectListsOpen()
    {
        for (const ui::ComboBox* list : { &form.cboAudio, &form.cboSubs, &form.cboAngle }) {
            EXPECT_TRUE(list->enabled()) << list->name();
            EXPECT_EQ(list->backColour(), yellow) << list->name();
        }
        for (const ui::Control* c : std::initializer_list<const ui::Control*> { &form.lblAudio, &form.lblSubs,
                 &form.lblAngle, &form.lblNC, &form.optOn, &form.optOff, &form.optNotSet, &form.optForce })
            EXPECT_TRUE(c->enabled()) << c->name();
    }

    void expectListsClosed()
    {
        for (const ui::ComboBox* list : { &form.cboAudio, &form.cboSubs, &form.cboAngle }) {
            EXPECT_EQ(list->text(), "nc") << list->name();
            EXPECT_FALSE(list->enabled()) << list->name();
            EXPECT_EQ(list->backColour(), face) << list->name();
        }
        for (const ui::Control* c : std::initializer_list<const ui::Control*> { &form.lblAudio, &form.lblSubs,
                 &form.lblAngle, &form.lblNC, &form.optOn, &form.optOff, &form.optNotSet, &form.optForce })
            EXPECT_FALSE(c->enabled()) << c->name();
    }

    void expectNoMarker()
    {
        EXPECT_FALSE(form.txtDetect.visible());
        EXPECT_EQ(form.chkStreams.foreColour(), button_text);
    }
};

TEST_F(Streams, SwitchingOnInsertsBeforeTheBreakAndOffRestoresTheBlockExactly)
{
    paste(trace);
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    expectListsOpen();
    EXPECT_EQ(form.chkAudioFlag.value(), 0);
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "");
    expectNoMarker();

    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), imported);
    expectListsClosed();
    EXPECT_TRUE(form.optOff.value());
    expectNoMarker();
}

TEST_F(Streams, ListsAndModesPatchTheirBytes)
{
    paste(trace);
    click(form.chkStreams);
    pick(form.cboAudio, "2");
    EXPECT_EQ(form.window().focusedControl(), &form.cmdStr);
    click(form.optOn);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 82 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    pick(form.cboSubs, "5");
    pick(form.cboAngle, "3");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 82 C5 83 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");

    click(form.optOff);
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 82 85 83 00 00}");
    pick(form.cboSubs, "20");
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 82 94 83 00 00}");

    click(form.optNotSet);
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 82 BF 83 00 00}");
    EXPECT_FALSE(form.cboSubs.enabled());
    EXPECT_EQ(form.cboSubs.backColour(), face);
    // Under Not set the list is closed; a number set from code writes nothing.
    form.cboSubs.setText("7");
    form.cboSubs_Click();
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 82 BF 83 00 00}");

    click(form.optForce);
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 82 FF 83 00 00}");
    EXPECT_FALSE(form.cboSubs.enabled());

    click(form.optOn);
    EXPECT_TRUE(form.cboSubs.enabled());
    EXPECT_EQ(form.cboSubs.backColour(), yellow);
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 82 C7 83 00 00}");

    pick(form.cboAudio, "nc");
    pick(form.cboAngle, "nc");
    pick(form.cboSubs, "nc");
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 00 00 00 00 00}");
    pick(form.cboSubs, "31");
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 00 DF 00 00 00}");

    // Switching off removes the command whatever its bytes became.
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), imported);
    EXPECT_TRUE(form.optOn.value());
}

TEST_F(Streams, OnAndOffWithNoSubPictureNumberWriteNoChange)
{
    paste(trace);
    click(form.chkStreams);
    click(form.optNotSet);
    click(form.optOn);
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 00 00 00 00 00}");
    click(form.optForce);
    click(form.optOff);
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 00 00 00 00 00}");
}

TEST_F(Streams, BothOrdersOfSwitchingKeepTheGuardOnTheNop)
{
    paste(trace);
    click(form.chkStreams);
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 00 00 00 00 00} {56 00 00 00 04 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{56 00 00 00 04 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), imported);

    click(form.chkHighlight);
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{56 00 00 00 04 00 00 00} {51 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
    pick(form.cboAudio, "1");
    EXPECT_EQ(form.Text2.text().substr(104, 25), "{51 00 00 81 00 00 00 00}");
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 81 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), imported);
}

TEST_F(Streams, AnImportedCommandIsAdoptedShownAndPutBack)
{
    paste("{71 00 00 03 00 05 00 00} {51 00 00 84 C2 81 00 00}");
    const std::string block = "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
                              "{51 00 00 84 C2 81 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
    ASSERT_EQ(form.Text2.text(), block);

    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), block);
    EXPECT_EQ(form.cboAudio.text(), "4");
    EXPECT_EQ(form.cboSubs.text(), "2");
    EXPECT_TRUE(form.optOn.value());
    EXPECT_FALSE(form.optOff.value());
    EXPECT_EQ(form.cboAngle.text(), "1");
    EXPECT_EQ(form.chkAudioFlag.value(), 1);
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "{51 00 00 84 C2 81 00 00}");
    EXPECT_TRUE(form.txtDetect.visible());
    EXPECT_EQ(form.chkStreams.foreColour(), magenta);
    expectListsOpen();

    pick(form.cboAudio, "nc");
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 00 C2 81 00 00}");

    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), block);
    EXPECT_EQ(form.chkAudioFlag.value(), 0);
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "");
    expectNoMarker();
    expectListsClosed();

    // Switching on again adopts the command afresh.
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), block);
    EXPECT_EQ(form.cboAudio.text(), "4");
    EXPECT_TRUE(form.txtDetect.visible());
}

TEST_F(Streams, TheMarkerStaysWhileTheHighlightSettingStillShowsOne)
{
    paste("{51 00 00 84 C2 81 00 00} {56 00 00 00 0C 00 00 00}");
    click(form.chkStreams);
    click(form.chkHighlight);
    EXPECT_EQ(form.chkStreams.foreColour(), magenta);
    EXPECT_EQ(form.chkHighlight.foreColour(), magenta);

    click(form.chkStreams);
    EXPECT_EQ(form.chkStreams.foreColour(), button_text);
    EXPECT_TRUE(form.txtDetect.visible());
    click(form.chkHighlight);
    EXPECT_EQ(form.chkHighlight.foreColour(), button_text);
    EXPECT_FALSE(form.txtDetect.visible());

    // The other way round.
    click(form.chkStreams);
    click(form.chkHighlight);
    click(form.chkHighlight);
    EXPECT_EQ(form.chkHighlight.foreColour(), button_text);
    EXPECT_EQ(form.chkStreams.foreColour(), magenta);
    EXPECT_TRUE(form.txtDetect.visible());
    click(form.chkStreams);
    expectNoMarker();
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {51 00 00 84 C2 81 00 00} "
        "{56 00 00 00 0C 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(Streams, AdoptedSubPictureCodesSelectTheirMode)
{
    paste("{51 00 00 00 9A 00 00 00}");
    click(form.chkStreams);
    EXPECT_EQ(form.cboSubs.text(), "26");
    EXPECT_TRUE(form.optOff.value());
    EXPECT_EQ(form.cboAudio.text(), "nc");
    EXPECT_EQ(form.cboAngle.text(), "nc");
    EXPECT_EQ(form.Text2.text().substr(52, 25), "{51 00 00 00 9A 00 00 00}");
}

TEST_F(Streams, AnAdoptedBeBecomesNotSetAndIsRememberedAsBf)
{
    paste("{51 00 00 00 BE 00 00 00}");
    click(form.chkStreams);
    EXPECT_TRUE(form.optNotSet.value());
    EXPECT_FALSE(form.cboSubs.enabled());
    EXPECT_EQ(form.cboSubs.backColour(), face);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {51 00 00 00 BF 00 00 00} "
        "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "{51 00 00 00 BF 00 00 00}");
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text().substr(52, 25), "{51 00 00 00 BF 00 00 00}");
}

TEST_F(Streams, AnAdoptedNoChangeSubPictureBecomesForceSub0)
{
    paste("{51 00 00 81 00 00 00 00}");
    click(form.chkStreams);
    EXPECT_TRUE(form.optForce.value());
    EXPECT_EQ(form.cboAudio.text(), "1");
    EXPECT_FALSE(form.cboSubs.enabled());
    EXPECT_EQ(form.Text2.text().substr(52, 25), "{51 00 00 81 FF 00 00 00}");
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "{51 00 00 81 FF 00 00 00}");
}

// The mode is written even when the adoption selects the button that is
// already selected, so the result never depends on earlier clicks.
TEST_F(Streams, NotSetAlreadySelectedStillRewritesBe)
{
    paste(trace);
    preselect(form.optNotSet);
    paste("{51 00 00 00 BE 00 00 00}");
    click(form.chkStreams);
    EXPECT_TRUE(form.optNotSet.value());
    EXPECT_EQ(form.Text2.text().substr(52, 25), "{51 00 00 00 BF 00 00 00}");
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "{51 00 00 00 BF 00 00 00}");
}

TEST_F(Streams, ForceSub0AlreadySelectedStillRewritesNoChange)
{
    paste(trace);
    preselect(form.optForce);
    paste("{51 00 00 00 00 83 00 00}");
    click(form.chkStreams);
    EXPECT_TRUE(form.optForce.value());
    EXPECT_EQ(form.cboAngle.text(), "3");
    EXPECT_EQ(form.Text2.text().substr(52, 25), "{51 00 00 00 FF 83 00 00}");
}

TEST_F(Streams, TheMenuBlockAdoptsOnlyItsFirstCommand)
{
    paste("{51 00 00 81 C1 00 00 00} {51 00 00 00 C1 82 00 00}");
    click(form.chkStreams);
    EXPECT_EQ(form.cboAudio.text(), "1");
    EXPECT_EQ(form.cboSubs.text(), "1");
    EXPECT_EQ(form.cboAngle.text(), "nc");
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "{51 00 00 81 C1 00 00 00}");
}

TEST_F(Streams, TheDummyBlockAdoptsEachCommandInTurnAndRemembersTheLast)
{
    click(form.chkDummy);
    paste("{51 00 00 81 C1 00 00 00} {51 00 00 00 C1 82 00 00}");
    const std::string block = "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {51 00 00 81 C1 00 00 00} "
                              "{51 00 00 00 C1 82 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
    ASSERT_EQ(form.Text3.text(), block);
    click(form.chkStreams);
    EXPECT_EQ(form.Text3.text(), block);
    EXPECT_EQ(form.cboAudio.text(), "nc");
    EXPECT_EQ(form.cboSubs.text(), "1");
    EXPECT_TRUE(form.optOn.value());
    EXPECT_EQ(form.cboAngle.text(), "2");
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "{51 00 00 00 C1 82 00 00}");
    EXPECT_EQ(form.Text2.text(), link_block);
}

TEST_F(Streams, WithTheDummySkipEverythingHappensInTheThirdBlock)
{
    click(form.chkDummy);
    paste(trace);
    ASSERT_EQ(form.Text3.text(), imported);

    click(form.chkStreams);
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    pick(form.cboAudio, "3");
    click(form.optOn);
    pick(form.cboSubs, "1");
    pick(form.cboAngle, "2");
    click(form.chkHighlight);
    pick(form.cboButton, "2");
    EXPECT_EQ(form.Text3.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 83 C1 82 00 00} {56 00 00 00 08 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.Text2.text(), link_block);

    click(form.chkHighlight);
    click(form.chkStreams);
    EXPECT_EQ(form.Text3.text(), imported);
    EXPECT_EQ(form.Text2.text(), link_block);
}

TEST_F(Streams, WithTheCellLinkTheCommandGoesBeforeTheLinkCn)
{
    click(form.chkLinkCN);
    pick(form.cboLinkCN, "3");
    paste(trace);
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 00 00 00 00 00} {20 07 00 00 00 00 00 03} {00 00 00 00 00 00 00 00}");
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{20 07 00 00 00 00 00 03} {00 00 00 00 00 00 00 00}");
}

// A trace that itself holds a Break: the command goes before the first stop
// command and nothing behind it is lost; switching off then removes every
// SetSTN of the block, the imported one after the Break included.
// A trace may bring its own stop command (a JumpTT has "02" as its second
// byte too); the setting works in front of it and never touches what the
// trace put behind it.
TEST_F(Streams, InsertionGoesBeforeTheFirstStopAndRemovalKeepsWhatStandsBehindIt)
{
    paste("{00 02 00 00 00 00 00 00} {51 00 00 81 00 00 00 00}");
    const std::string imported = form.Text2.text();
    click(form.chkStreams);
    EXPECT_EQ(form.chkAudioFlag.value(), 0);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {51 00 00 00 00 00 00 00} "
        "{00 02 00 00 00 00 00 00} {51 00 00 81 00 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), imported);
    EXPECT_EQ(imported,
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} "
        "{51 00 00 81 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(Streams, ABlockWithoutAStopCommandGetsNoCommand)
{
    paste(trace);
    const std::string no_stop = "{00 B1 00 0E 00 00 00 03} {71 00 00 0E 00 01 00 00} {00 00 00 00 00 00 00 00}";
    form.Text2.setText(no_stop);
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), no_stop);
    expectListsOpen();
    pick(form.cboAudio, "2");
    EXPECT_EQ(form.Text2.text(), no_stop);
}

TEST_F(Streams, NoByteIsWrittenThatIsNotTwoHexDigits)
{
    paste(trace);
    click(form.chkStreams);
    const std::string block = form.Text2.text();
    ASSERT_EQ(block.substr(78, 25), "{51 00 00 00 00 00 00 00}");

    form.cboSubs.setText("40");
    form.cboSubs_Click();
    EXPECT_EQ(form.Text2.text(), block);
    click(form.optOn);
    EXPECT_EQ(form.Text2.text(), block);
    form.cboAudio.setText("12");
    form.cboAudio_Click();
    EXPECT_EQ(form.Text2.text(), block);
    form.cboAngle.setText("");
    form.cboAngle_Click();
    EXPECT_EQ(form.Text2.text(), block);
}

TEST_F(Streams, AFullBlockTakesNoFurtherCommand)
{
    // 251 commands fill the block to 255: the guard names line FF.
    std::string trace_255;
    for (int n = 0; n < 251; ++n)
        trace_255 += (n ? " " : "") + std::string("{71 00 00 03 00 05 00 00}");
    paste(trace_255);
    const std::string block = form.Text2.text();
    ASSERT_EQ(block.substr(0, 25), "{00 B1 00 0E 00 00 00 FF}");
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), block);
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), block);
}

}
}
