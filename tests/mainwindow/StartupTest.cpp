#include "support/FormFixture.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace trevalo {
namespace {

using namespace ui;
using testing::FormFixture;

class Startup : public FormFixture { };

std::string readGolden(const char* name)
{
    std::ifstream file(std::string(TREVALO_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The whole window, every property of every control, as one text: any
// change to the start-up state shows here line by line.
TEST_F(Startup, WholeStateMatchesTheGoldenDump)
{
    const std::string golden = readGolden("startup.dump");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(form.window().dumpState(), golden);
}

// The dump pins values and is written afresh whenever the design changes on
// purpose. What follows must hold whatever the values: relations between
// controls, and what the dump leaves out (the menu's order, the work that
// loading does).

TEST_F(Startup, WindowCaptionSizeAndMenuOrder)
{
    EXPECT_EQ(form.window().caption(), "Trevalo v1.55 ");
    EXPECT_EQ(form.window().clientWidth(), 11010);
    EXPECT_EQ(form.window().clientHeight(), 8430);
    std::vector<std::string> menu;
    for (const Control* c : form.window().controls()) {
        if (c->kind() == ControlKind::MenuEntry)
            menu.push_back(c->displayText());
    }
    EXPECT_EQ(menu, (std::vector<std::string> { "Disc", "Open disc...", "Disc window", "Reset", "Log", "About" }));
}

TEST_F(Startup, HiddenStateHoldersLieOutsideTheClientAreaOrTheirFrame)
{
    for (const Control* c : { static_cast<const Control*>(&form.txtOriginalSetSTN), static_cast<const Control*>(&form.txtOriginalHL),
             static_cast<const Control*>(&form.txtText2), static_cast<const Control*>(&form.txtCB),
             static_cast<const Control*>(&form.Command1) })
        EXPECT_GE(c->place().left, form.window().clientWidth()) << c->name();
    for (const Control* c : { static_cast<const Control*>(&form.optVTSM), static_cast<const Control*>(&form.OptTitle),
             static_cast<const Control*>(&form.cboVmgTitle) })
        EXPECT_GE(c->place().left, form.Frame1.place().width) << c->name();
}

TEST_F(Startup, FocusSinksLieUnderTheListThatCoversThem)
{
    auto inside = [](const Place& inner, const Place& outer) {
        return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right()
            && inner.bottom() <= outer.bottom();
    };
    EXPECT_TRUE(inside(form.cmdTemp3.place(), form.cboGPRM.place()));
    EXPECT_TRUE(inside(form.cmdTemp.place(), form.cboSelect.place()));
    EXPECT_TRUE(inside(form.cmdStr.place(), form.cboAudio.place()));
    EXPECT_TRUE(inside(form.cmdDummy2.place(), form.cboButton.place()));
    EXPECT_TRUE(inside(form.cmdDummy.place(), form.Frame3.place()));
    for (const Button* sink : { &form.cmdTemp3, &form.cmdTemp, &form.cmdStr, &form.cmdDummy2, &form.cmdDummy })
        EXPECT_EQ(sink->stacking(), Stacking::Lowered) << sink->name();
    for (const Control* over : { static_cast<const Control*>(&form.chkNone), static_cast<const Control*>(&form.cmdPaste),
             static_cast<const Control*>(&form.cmdUndo) })
        EXPECT_EQ(over->stacking(), Stacking::Raised) << over->name();
}

TEST_F(Startup, CautionShowsInsideItsFrameWithoutCoveringAnotherControl)
{
    const Place caution = form.Label32.place();
    EXPECT_LE(caution.right(), form.Frame3.place().width);
    EXPECT_LE(caution.bottom(), form.Frame3.place().height);
    auto overlaps = [](const Place& a, const Place& b) {
        return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
    };
    for (const Control* c : form.Frame3.children()) {
        // The disc's unused registers share the caution's place: the one
        // shows only with a guard register, the other only without.
        if (c != &form.Label32 && c != &form.lblUnused && c->stacking() != Stacking::Lowered) {
            EXPECT_FALSE(overlaps(caution, c->place())) << c->name();
        }
    }
    // chkNone lies over the frame in window coordinates.
    const Place frame = form.Frame3.place();
    const Place in_window { frame.left + caution.left, frame.top + caution.top, caution.width, caution.height };
    EXPECT_FALSE(overlaps(in_window, form.chkNone.place()));
}

TEST_F(Startup, LoadingRunsNoOperationAndTouchesNeitherClipboardNorMessages)
{
    EXPECT_EQ(clipboard.sets + clipboard.clears, 0);
    EXPECT_TRUE(messages.shown.empty());
}

}
}
