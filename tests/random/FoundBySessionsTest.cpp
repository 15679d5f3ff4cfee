#include "support/FormFixture.h"

#include <string>

// Faults the random sessions found, each replayed from its shrunk action
// list so it stays fixed.
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

}
}
