#include "support/FormFixture.h"

#include <string>

// Faults the random sessions and the fuzzers found, each replayed from its
// shrunk action list or input so it stays fixed.
namespace trevalo {
namespace {

using testing::FormFixture;

class FoundBySessions : public FormFixture { };

// Import disabled the caution button for every target, and Undo enabled it
// again only for a VTSM target: after an import for a VMGM or Title target
// was undone, the button came back with the next non-root menu but could
// not be clicked until Reset.
TEST_F(FoundBySessions, CautionWorksAgainAfterAnImportForAVmgmTargetWasUndone)
{
    for (const char* domain : { "VMGM", "Title" }) {
        pick(form.cboSelect, domain);
        paste("{56 00 00 00 8C 00 00 00}");
        messages.answers.push_back(ui::Answer::Yes);
        click(form.cmdUndo);
        messages.shown.clear();
        pick(form.cboSelect, "VTSM");
        pick(form.CboMenu, "Sub-Picture Menu");
        EXPECT_TRUE(form.cmdNote.usable()) << domain;
        click(form.cmdNote);
        ASSERT_FALSE(modals.shown.empty()) << domain;
        EXPECT_EQ(modals.shown.back(), "Note");
        modals.shown.clear();
        pick(form.CboMenu, "Root Menu");
    }
}

// A SetSTN whose second byte is "02" is a stop command too. The fuzzer's
// input: the scan adopts it before it stops there, so nothing is inserted
// in front of it and the block stays as imported.
TEST_F(FoundBySessions, ASetStnThatIsAlsoAStopCommandIsAdopted)
{
    paste("{71 00 00 10 00 05 00 00} {51 02 00 88 00 8A 00 00} {55 00 00 00 94 00 00 00}");
    const std::string block = form.Text2.text();
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), block);
    EXPECT_EQ(form.chkAudioFlag.value(), 1);
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "{51 02 00 88 00 8A 00 00}");
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), block);
}

}
}
