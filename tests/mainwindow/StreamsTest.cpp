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

// The window shows what an imported command holds and writes nothing until
// the author chooses; what was selected before matters only for "no change",
// which reads alike under On and Off.
TEST_F(Streams, AdoptingShowsTheSubPictureCodeAndChangesNoByte)
{
    using Option = ui::OptionButton Form1::*;
    const struct {
        const char* code;
        Option selected_before;
        Option shown; // nullptr: no option, for a code none of them writes
        const char* subs;
    } cases[] = {
        { "00", &Form1::optForce, &Form1::optOff, "nc" },
        { "00", &Form1::optOn, &Form1::optOn, "nc" },
        { "9A", &Form1::optNotSet, &Form1::optOff, "26" },
        { "80", &Form1::optOn, &Form1::optOff, "0" },
        { "C2", &Form1::optForce, &Form1::optOn, "2" },
        { "DF", &Form1::optOff, &Form1::optOn, "31" },
        { "BE", &Form1::optOff, &Form1::optNotSet, "nc" },
        { "BE", &Form1::optNotSet, &Form1::optNotSet, "nc" },
        { "BF", &Form1::optForce, &Form1::optNotSet, "nc" },
        { "FF", &Form1::optOn, &Form1::optForce, "nc" },
        { "FF", &Form1::optForce, &Form1::optForce, "nc" },
        { "A0", &Form1::optOn, nullptr, "nc" },
        { "05", &Form1::optOff, nullptr, "nc" },
        { "E0", &Form1::optNotSet, nullptr, "nc" },
    };
    paste(trace);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("byte 5 ") + c.code);
        preselect(form.*c.selected_before);
        const std::string command = std::string("{51 00 00 84 ") + c.code + " 81 00 00}";
        paste("{71 00 00 05 00 01 00 00} " + command);
        const std::string block = "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 05 00 01 00 00} "
            + command + " {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
        ASSERT_EQ(form.Text2.text(), block);

        // On, off, on again: the command as imported every time.
        for (int round = 0; round < 2; ++round) {
            click(form.chkStreams);
            EXPECT_EQ(form.Text2.text(), block);
            EXPECT_EQ(form.txtOriginalSetSTN.text(), command);
            for (Option option : { &Form1::optOn, &Form1::optOff, &Form1::optNotSet, &Form1::optForce })
                EXPECT_EQ((form.*option).value(), option == c.shown) << (form.*option).name();
            EXPECT_EQ(form.cboSubs.text(), c.subs);
            const bool list_open = c.shown == &Form1::optOn || c.shown == &Form1::optOff;
            EXPECT_EQ(form.cboSubs.enabled(), list_open);
            EXPECT_EQ(form.cboSubs.backColour(), list_open ? yellow : face);
            EXPECT_EQ(form.cboAudio.text(), "4");
            EXPECT_EQ(form.cboAngle.text(), "1");
            click(form.chkStreams);
            EXPECT_EQ(form.Text2.text(), block);
        }
        messages.answers.push_back(ui::Answer::Yes);
        click(form.cmdUndo);
        messages.shown.clear();
        paste(trace);
    }
}

TEST_F(Streams, AnUnknownCodeIsWrittenOverByWhicheverOptionIsClicked)
{
    paste("{51 00 00 00 A0 00 00 00}");
    click(form.chkStreams);
    click(form.optForce);
    EXPECT_EQ(form.Text2.text().substr(52, 25), "{51 00 00 00 FF 00 00 00}");
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text().substr(52, 25), "{51 00 00 00 A0 00 00 00}");
}

// However the setting was left (switched off, Undo, Reset), a new command
// starts at "no change" and the options say so: the option shown is never
// one whose click would be needed to write its code.
TEST_F(Streams, ANewCommandStartsAtNoChangeWhateverOptionWasShown)
{
    for (ui::OptionButton* mode : { &form.optNotSet, &form.optForce }) {
        SCOPED_TRACE(mode->name());
        paste(trace);
        preselect(*mode);
        paste(trace);
        click(form.chkStreams);
        EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 00 00 00 00 00}");
        EXPECT_TRUE(form.optOff.value());
        EXPECT_FALSE(mode->value());
        EXPECT_EQ(form.cboSubs.text(), "nc");
        EXPECT_TRUE(form.cboSubs.enabled());
        click(*mode);
        EXPECT_EQ(form.Text2.text().substr(78, 25), mode == &form.optNotSet ? "{51 00 00 00 BF 00 00 00}" : "{51 00 00 00 FF 00 00 00}");
        EXPECT_FALSE(form.cboSubs.enabled());

        // Off and on again straight away, with the mode still selected.
        click(form.chkStreams);
        click(form.chkStreams);
        EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 00 00 00 00 00}");
        EXPECT_TRUE(form.optOff.value());
        EXPECT_TRUE(form.cboSubs.enabled());

        clickAndAnswer(form.mnuReset, ui::Answer::Yes);
        paste(trace);
        click(form.chkStreams);
        EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 00 00 00 00 00}");
        EXPECT_TRUE(form.optOff.value());
        EXPECT_TRUE(form.cboSubs.enabled());
        clickAndAnswer(form.mnuReset, ui::Answer::Yes);
    }
}

// The lists and options write into every SetSTN of the block; switching off
// gives each back as it stood, the one behind an imported Break included.
TEST_F(Streams, SwitchingOffPutsBackEverySetStnAsItStood)
{
    const struct {
        const char* trace;
        bool dummy;
    } cases[] = {
        { "{51 00 00 81 C1 00 00 00} {51 00 00 00 BE 82 00 00}", false },
        { "{51 00 00 81 C1 00 00 00} {51 00 00 00 BE 82 00 00}", true },
        { "{00 02 00 00 00 00 00 00} {51 00 00 81 BE 00 00 00}", false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.trace);
        if (c.dummy)
            click(form.chkDummy);
        paste(c.trace);
        ui::TextBox& block = c.dummy ? form.Text3 : form.Text2;
        const std::string imported = block.text();
        click(form.chkStreams);
        pick(form.cboAudio, "3");
        click(form.optOn);
        pick(form.cboSubs, "7");
        click(form.chkStreams);
        EXPECT_EQ(block.text(), imported);
        clickAndAnswer(form.mnuReset, ui::Answer::Yes);
    }
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
