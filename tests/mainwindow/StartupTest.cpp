#include "support/FormFixture.h"

#include "core/Block.h"

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace trevalo {
namespace {

using namespace ui;
using testing::FormFixture;

class Startup : public FormFixture { };

constexpr Colour yellow = Colour::rgb(255, 255, 192);
constexpr Colour face = Colour::of(SystemColour::ButtonFace);
constexpr Colour button_text = Colour::of(SystemColour::ButtonText);
constexpr Colour window_back = Colour::of(SystemColour::Window);
constexpr Colour window_text = Colour::of(SystemColour::WindowText);
constexpr Colour grey = Colour::rgb(128, 128, 128);
constexpr Colour red = Colour::rgb(255, 0, 0);

struct Expected {
    const char* name;
    ControlKind kind;
    const char* container;
    const char* text;
    Place place;
    bool enabled;
    bool visible;
};

constexpr bool on = true, off = false, shown = true, hidden = false;
using K = ControlKind;

// Every control of the main window as the author first sees it.
const std::vector<Expected> design = {
    { "Frame3", K::Frame, "Form1", "", { 225, 240, 5130, 1515 }, on, shown },
    { "Label4", K::Label, "Frame3", "1", { 45, 135, 240, 360 }, on, shown },
    { "Label20", K::Label, "Frame3", "Unused GPRM", { 480, 360, 1170, 240 }, on, shown },
    { "cboGPRM", K::ComboBox, "Frame3", "14", { 1800, 323, 585, 315 }, on, shown },
    { "cmdTemp3", K::Button, "Frame3", "Command1", { 1920, 360, 255, 255 }, on, shown },
    { "lblGPRM0", K::Label, "Frame3", "GPRM (0) will be set to ", { 1080, 1110, 1695, 255 }, on, hidden },
    { "cboValue", K::ComboBox, "Frame3", "12345", { 2880, 1080, 1005, 315 }, on, hidden },
    { "chkNone", K::CheckBox, "Form1", "Check if none found", { 1080, 960, 1845, 315 }, on, shown },
    { "cmdDummy", K::Button, "Form1", "Command1", { 4350, 555, 645, 195 }, on, shown },
    { "Frame2", K::Frame, "Form1", "", { 225, 1800, 5130, 1440 }, on, shown },
    { "Label19", K::Label, "Frame2", "2", { 45, 135, 240, 360 }, on, shown },
    { "Label9", K::Label, "Frame2",
        "A) Open Trace dialog\r\nB) Open GPRM Watch\r\nC) Check Auto-preview\r\n"
        "   Toggle PGC playback breakpoint for VTSM 1 Root Menu\r\n"
        "D) Start trace from First Play PGC\r\nE) Step/run to playback breakpoint",
        { 405, 180, 4635, 1200 }, on, shown },
    { "Label29", K::Label, "Frame2", "* For Advanced Users", { 2895, 300, 2085, 240 }, on, shown },
    { "Label30", K::Label, "Frame2", "*", { 285, 765, 105, 195 }, on, shown },
    { "Frame1", K::Frame, "Form1", "  Select your PGC ", { 225, 3360, 5130, 1770 }, on, shown },
    { "Label1", K::Label, "Frame1", "3", { 45, 195, 240, 360 }, on, shown },
    { "cboSelect", K::ComboBox, "Frame1", "VTSM", { 465, 495, 975, 315 }, on, shown },
    { "cmdTemp", K::Button, "Frame1", "Command1", { 975, 585, 315, 150 }, on, shown },
    { "cboPGC", K::ComboBox, "Frame1", "1", { 1440, 495, 570, 315 }, on, shown },
    { "CboMenu", K::ComboBox, "Frame1", "Root Menu", { 2070, 495, 1725, 315 }, on, shown },
    { "cmdNote", K::Button, "Frame1", "Caution", { 4080, 480, 870, 315 }, on, hidden },
    { "chkDummy", K::CheckBox, "Frame1", "If a dummy or blank then, jump next to", { 240, 997, 3015, 270 }, on, shown },
    { "Label22", K::Label, "Frame1", "VTSM 1, LU ,", { 3240, 1020, 1050, 270 }, off, shown },
    { "cboDummy", K::ComboBox, "Frame1", "6", { 4320, 975, 585, 315 }, off, shown },
    { "chkLinkCN", K::CheckBox, "Frame1", "(LinkCN) Jump to Cell  ", { 240, 1350, 1935, 255 }, on, shown },
    { "cboLinkCN", K::ComboBox, "Frame1", "1", { 2160, 1320, 570, 315 }, off, shown },
    { "optVTSM", K::OptionButton, "Frame1", "VTSM", { 5910, 2445, 855, 375 }, on, shown },
    { "OptTitle", K::OptionButton, "Frame1", "Title", { 5820, 1890, 600, 240 }, on, shown },
    { "cboVmgTitle", K::ComboBox, "Frame1", "1", { 6495, 1845, 570, 315 }, off, shown },
    { "Frame4", K::Frame, "Form1", "", { 5520, 240, 5310, 765 }, on, shown },
    { "Label7", K::Label, "Frame4", "4", { 60, 135, 240, 360 }, on, shown },
    { "Label6", K::Label, "Frame4",
        "\"Copy changed registers as commands\" in PgcEdit, then click the \"import\" button  -->",
        { 420, 195, 3180, 405 }, on, shown },
    { "cmdPaste", K::Button, "Form1", "Import", { 9240, 480, 1200, 345 }, on, shown },
    { "cmdUndo", K::Button, "Form1", "Undo Import", { 5880, 480, 4680, 345 }, on, hidden },
    { "Frame10", K::Frame, "Form1", " Optional Post Settings ", { 5505, 1155, 5310, 3975 }, off, shown },
    { "Label12", K::Label, "Frame10", "5", { 45, 195, 240, 360 }, on, shown },
    { "chkStreams", K::CheckBox, "Frame10", "Set streams   (SetSTN)", { 495, 510, 1995, 210 }, off, shown },
    { "lblNC", K::Label, "Frame10", "nc = no change", { 3840, 503, 1215, 225 }, off, shown },
    { "lblAudio", K::Label, "Frame10", "Audio", { 330, 870, 405, 195 }, off, shown },
    { "cboAudio", K::ComboBox, "Frame10", "nc", { 840, 840, 615, 315 }, off, shown },
    { "cmdStr", K::Button, "Frame10", "Command1", { 1065, 840, 345, 225 }, on, shown },
    { "lblSubs", K::Label, "Frame10", "Sub-Pict", { 120, 1350, 615, 255 }, off, shown },
    { "cboSubs", K::ComboBox, "Frame10", "nc", { 840, 1305, 615, 315 }, off, shown },
    { "lblAngle", K::Label, "Frame10", "Angle", { 240, 1830, 495, 255 }, off, shown },
    { "cboAngle", K::ComboBox, "Frame10", "nc", { 840, 1770, 615, 315 }, off, shown },
    { "Frame7", K::Frame, "Frame10", "", { 1560, 1200, 3615, 405 }, on, shown },
    { "optOn", K::OptionButton, "Frame7", "On", { 120, 120, 615, 255 }, off, shown },
    { "optOff", K::OptionButton, "Frame7", "Off", { 720, 120, 615, 255 }, off, shown },
    { "optNotSet", K::OptionButton, "Frame7", "Not set", { 1320, 120, 855, 255 }, off, shown },
    { "optForce", K::OptionButton, "Frame7", "Force Sub 0", { 2280, 120, 1215, 255 }, off, shown },
    { "chkAudioFlag", K::CheckBox, "Frame10", "chkAudioFlag", { 2280, 1920, 1575, 255 }, on, hidden },
    { "chkHLflag", K::CheckBox, "Frame10", "chkHLflag", { 2280, 2160, 1575, 255 }, on, hidden },
    { "chkHighlight", K::CheckBox, "Frame10", "Highlight button   (SetHL_BTN)", { 480, 2520, 2535, 495 }, off, shown },
    { "cboButton", K::ComboBox, "Frame10", "1", { 840, 3000, 615, 315 }, off, shown },
    { "cmdDummy2", K::Button, "Frame10", "Command1", { 960, 3000, 465, 240 }, on, shown },
    { "txtDetect", K::TextBox, "Frame10", " Imported cmds detected", { 3240, 3120, 1935, 285 }, on, hidden },
    { "chkdisable", K::CheckBox, "Form1", "Disable Paste Instructions Message", { 240, 5160, 3015, 240 }, on, shown },
    { "Label11", K::Label, "Form1", "6", { 750, 5505, 240, 360 }, on, shown },
    { "cmdCopy", K::Button, "Form1", "Copy to Clipboard", { 1110, 5505, 1650, 360 }, off, shown },
    { "Label10", K::Label, "Form1", "6", { 4365, 5505, 240, 360 }, on, shown },
    { "cmdCopy2", K::Button, "Form1", "Copy to Clipboard", { 4725, 5505, 1650, 360 }, off, shown },
    { "Label14", K::Label, "Form1", "6", { 7950, 5505, 240, 360 }, on, hidden },
    { "cmdCopy3", K::Button, "Form1", "Copy to Clipboard", { 8340, 5505, 1650, 360 }, off, hidden },
    { "Label13", K::Label, "Form1", "New Top Pre Commands For", { 585, 5970, 2595, 255 }, on, shown },
    { "Label3", K::Label, "Form1", "First Play PGC", { 585, 6210, 2595, 240 }, on, shown },
    { "Text1", K::TextBox, "Form1",
        "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}",
        { 195, 6480, 3045, 1215 }, on, shown },
    { "Label18", K::Label, "Form1", ">>>>", { 3435, 6195, 435, 315 }, on, shown },
    { "Label5", K::Label, "Form1", "New Top Pre Commands For", { 4290, 5970, 2595, 285 }, on, shown },
    { "Label8", K::Label, "Form1", "VTSM 1 Root Menu", { 3885, 6210, 3405, 240 }, on, shown },
    { "Text2", K::TextBox, "Form1",
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}",
        { 3982, 6480, 3045, 1215 }, on, shown },
    { "Label17", K::Label, "Form1", ">>>>", { 7155, 6195, 435, 315 }, on, hidden },
    { "Label16", K::Label, "Form1", "New Top Pre Commands For", { 7905, 5970, 2595, 285 }, on, hidden },
    { "Label15", K::Label, "Form1", "VTSM 1, , 6 ", { 8190, 6210, 2055, 240 }, on, hidden },
    { "Text3", K::TextBox, "Form1",
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}",
        { 7740, 6480, 3045, 1215 }, on, hidden },
    { "Frame5", K::Frame, "Form1", "", { 195, 7845, 10590, 540 }, on, shown },
    { "Label23", K::Label, "Frame5", "7", { 30, 120, 240, 360 }, on, shown },
    { "Label24", K::Label, "Frame5",
        "Save after you have tested your new inserted Pre commands with another trace.  Use Load and Run buttons.",
        { 465, 210, 9930, 225 }, on, shown },
    { "txtOriginalSetSTN", K::TextBox, "Form1", "", { 11040, 405, 3045, 345 }, on, shown },
    { "txtOriginalHL", K::TextBox, "Form1", "", { 11055, 780, 3045, 345 }, on, shown },
    { "txtText2", K::TextBox, "Form1", "", { 11100, 1170, 3045, 3660 }, on, shown },
    { "txtCB", K::TextBox, "Form1", "Text4", { 11145, 4980, 3045, 2190 }, on, shown },
    { "Command1", K::Button, "Form1", "Command1", { 11145, 7635, 705, 360 }, on, shown },
    { "txtText1", K::TextBox, "Form1", "Text4", { 2850, 5580, 495, 285 }, on, hidden },
    { "txtText3", K::TextBox, "Form1", "Text6", { 10065, 5580, 525, 285 }, on, hidden },
    { "mnuReset", K::MenuEntry, "Form1", "Reset", {}, on, shown },
    { "Log", K::MenuEntry, "Form1", "Log", {}, on, shown },
    { "About", K::MenuEntry, "Form1", "About", {}, on, shown },
};

TEST_F(Startup, EveryControlHasItsKindContainerTextPlaceAndState)
{
    std::set<std::string> seen;
    for (const Expected& e : design) {
        SCOPED_TRACE(e.name);
        const Control* c = form.window().find(e.name);
        ASSERT_NE(c, nullptr);
        seen.insert(e.name);
        EXPECT_EQ(c->kind(), e.kind);
        ASSERT_NE(c->container(), nullptr);
        EXPECT_EQ(c->container()->name(), e.container);
        EXPECT_EQ(c->displayText(), e.text);
        if (c->kind() != K::MenuEntry) {
            EXPECT_EQ(c->place(), e.place);
        }
        EXPECT_EQ(c->enabled(), e.enabled);
        EXPECT_EQ(c->visible(), e.visible);
    }
    // Two controls are Trevalo's own: the caution label placed anew (its
    // place lay below its frame, out of sight) and the checks' notice line.
    for (const Control* c : form.window().controls()) {
        EXPECT_TRUE(seen.count(c->name()) || c->name() == "Label32" || c->name() == "lblNotice")
            << c->name() << " is not in the table";
    }
    EXPECT_EQ(form.window().controls().size(), design.size() + 2);
    EXPECT_FALSE(form.lblNotice.visible()) << "a fresh window has nothing to report";
}

TEST_F(Startup, WindowCaptionSizeAndMenuOrder)
{
    EXPECT_EQ(form.window().caption(), "Trevalo v1.55 ");
    EXPECT_EQ(form.window().clientWidth(), 11010);
    EXPECT_EQ(form.window().clientHeight(), 8430);
    std::vector<std::string> menu;
    for (const Control* c : form.window().controls()) {
        if (c->kind() == K::MenuEntry)
            menu.push_back(c->displayText());
    }
    EXPECT_EQ(menu, (std::vector<std::string> { "Reset", "Log", "About" }));
}

TEST_F(Startup, ChoiceListsHoldTheirItemsInOrderOnce)
{
    auto numbers = [](int from, int to) {
        std::vector<std::string> items;
        for (int n = from; n <= to; ++n)
            items.push_back(std::to_string(n));
        return items;
    };
    auto nc = [&](int from, int to) {
        auto items = numbers(from, to);
        items.insert(items.begin(), "nc");
        return items;
    };
    EXPECT_EQ(form.cboGPRM.items(), numbers(0, 15));
    for (const ComboBox* list : { &form.cboPGC, &form.cboVmgTitle, &form.cboDummy, &form.cboLinkCN })
        EXPECT_EQ(list->items(), numbers(1, 99)) << list->name();
    EXPECT_EQ(form.cboAudio.items(), nc(0, 7));
    EXPECT_EQ(form.cboSubs.items(), nc(0, 31));
    EXPECT_EQ(form.cboAngle.items(), nc(1, 9));
    EXPECT_EQ(form.cboButton.items(), numbers(1, 36));
    EXPECT_EQ(form.cboValue.items(), (std::vector<std::string> { "12345", "11111", "22222", "33333", "44444", "55555" }));
    EXPECT_EQ(form.CboMenu.items(),
        (std::vector<std::string> { "Root Menu", "Sub-Picture Menu", "Audio Menu", "Angle Menu", "Chapter Menu" }));
    EXPECT_EQ(form.cboSelect.items(), (std::vector<std::string> { "VTSM", "VMGM", "Title" }));
}

TEST_F(Startup, ValuesAndStateHoldersStartAsDesigned)
{
    EXPECT_EQ(form.chkNone.value(), 0);
    EXPECT_EQ(form.chkDummy.value(), 0);
    EXPECT_EQ(form.chkLinkCN.value(), 0);
    EXPECT_EQ(form.chkStreams.value(), 0);
    EXPECT_EQ(form.chkHighlight.value(), 0);
    EXPECT_EQ(form.chkAudioFlag.value(), 0);
    EXPECT_EQ(form.chkHLflag.value(), 0);
    EXPECT_EQ(form.chkdisable.value(), 1);
    EXPECT_TRUE(form.optOff.value());
    EXPECT_FALSE(form.optOn.value() || form.optNotSet.value() || form.optForce.value());
    EXPECT_FALSE(form.optVTSM.value() || form.OptTitle.value());
    EXPECT_EQ(form.Label32.caption(),
        "CAUTION: Check to see if First Play PGC is called.  If so, there is a possibility for navigation errors if "
        "Trevalo's algorithm is used. If none, then proceed.");
    EXPECT_FALSE(form.Label32.visible());
    EXPECT_EQ(form.window().focusedControl(), nullptr);
}

TEST_F(Startup, BlocksHoldThreeFourAndFourCommands)
{
    EXPECT_EQ(core::commandCount(form.Text1.text()), 3);
    EXPECT_EQ(core::commandCount(form.Text2.text()), 4);
    EXPECT_EQ(core::commandCount(form.Text3.text()), 4);
}

TEST_F(Startup, ColoursAndFontsFollowTheDesign)
{
    for (const ComboBox* list : { &form.cboGPRM, &form.cboValue, &form.cboSelect, &form.cboPGC, &form.CboMenu })
        EXPECT_EQ(list->backColour(), yellow) << list->name();
    for (const ComboBox* list : { &form.cboDummy, &form.cboLinkCN, &form.cboVmgTitle, &form.cboAudio, &form.cboSubs,
             &form.cboAngle, &form.cboButton })
        EXPECT_EQ(list->backColour(), face) << list->name();
    for (const Label* digit : { &form.Label4, &form.Label19, &form.Label1, &form.Label7, &form.Label12, &form.Label11,
             &form.Label10, &form.Label14, &form.Label23 }) {
        EXPECT_EQ(digit->foreColour(), grey) << digit->name();
        EXPECT_EQ(digit->font(), (Font { "Arial", 14.25, true, false })) << digit->name();
        EXPECT_EQ(digit->alignment(), Alignment::Centre) << digit->name();
    }
    for (const Label* name : { &form.Label3, &form.Label8, &form.Label15 }) {
        EXPECT_EQ(name->foreColour(), red) << name->name();
        EXPECT_TRUE(name->font().bold) << name->name();
    }
    for (const TextBox* box : { &form.Text1, &form.Text2, &form.Text3, &form.txtOriginalSetSTN, &form.txtOriginalHL,
             &form.txtText2, &form.txtCB })
        EXPECT_EQ(box->font(), (Font { "Courier New", 8.25, false, false })) << box->name();
    for (const TextBox* box : { &form.Text1, &form.Text2, &form.Text3 }) {
        EXPECT_EQ(box->backColour(), yellow);
        EXPECT_EQ(box->lines(), Lines::Multi);
        EXPECT_EQ(box->scrollBars(), ScrollBars::Vertical);
    }
    EXPECT_EQ(form.txtCB.backColour(), window_back);
    EXPECT_EQ(form.txtDetect.foreColour(), Colour::rgb(255, 0, 255));
    EXPECT_EQ(form.txtDetect.backColour(), face);
    EXPECT_EQ(form.chkStreams.foreColour(), button_text);
    EXPECT_EQ(form.chkHighlight.foreColour(), button_text);
    EXPECT_EQ(form.cboGPRM.foreColour(), window_text);
    EXPECT_EQ(form.cmdNote.backColour(), Colour::rgb(255, 192, 128));
    EXPECT_TRUE(form.cmdNote.font().italic);
    EXPECT_TRUE(form.cmdUndo.font().bold);
    EXPECT_TRUE(form.Frame10.font().bold);
    EXPECT_EQ(form.Label29.foreColour(), Colour::rgb(0, 0, 255));
    EXPECT_EQ(form.Label30.font(), (Font { "MS Sans Serif", 9.75, true, false }));
    EXPECT_EQ(form.Label32.foreColour(), Colour::rgb(255, 128, 0));
    EXPECT_TRUE(form.Label32.font().bold);
    EXPECT_EQ(form.Label20.alignment(), Alignment::Right);
    EXPECT_EQ(form.Label24.font(), (Font {}));
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
        if (c != &form.Label32 && c->stacking() != Stacking::Lowered) {
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

namespace trevalo {
namespace {

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

}
}
