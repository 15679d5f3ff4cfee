#include "mainwindow/Form1.h"

#include "ui/ScopedDepth.h"

namespace trevalo {

namespace {

using ui::Alignment;
using ui::Place;
namespace colours = ui::colours;
namespace fonts = ui::fonts;

void label(ui::Label& l, std::string caption, Place place, Alignment alignment = Alignment::Left)
{
    l.setCaption(std::move(caption));
    l.setPlace(place);
    l.setAlignment(alignment);
}

void stepDigit(ui::Label& l, std::string digit, Place place)
{
    label(l, std::move(digit), place, Alignment::Centre);
    l.setFont(fonts::step_digit);
    l.setForeColour(colours::grey_digit);
}

void redName(ui::Label& l, std::string caption, Place place)
{
    label(l, std::move(caption), place, Alignment::Centre);
    l.setFont(fonts::sans_bold);
    l.setForeColour(colours::red);
}

void arrow(ui::Label& l, Place place)
{
    label(l, ">>>>", place, Alignment::Centre);
    l.setFont({ "MS Sans Serif", 9.75, true, false });
}

// Beside a copy button: shown while its block reads as it did when it was
// last copied (whatever the clipboard has had since).
void copiedMark(ui::Label& l, Place place)
{
    label(l, "Copied", place);
    l.setForeColour(colours::copied);
    l.setVisible(false);
}

void list(ui::ComboBox& c, std::string text, Place place, ui::Colour back)
{
    c.setText(std::move(text));
    c.setPlace(place);
    c.setBackColour(back);
}

// A small button covered by a choice list; it only takes the keyboard focus.
void focusSink(ui::Button& b, Place place)
{
    b.setCaption("Command1");
    b.setPlace(place);
    b.setStacking(ui::Stacking::Lowered);
}

void block(ui::TextBox& t, Place place)
{
    t.setPlace(place);
    t.setBackColour(colours::yellow);
    t.setFont(fonts::fixed);
    t.setLines(ui::Lines::Multi);
    t.setScrollBars(ui::ScrollBars::Vertical);
    // Every operation patches the blocks by character position; typing
    // into them would break that.
    t.setLocked(true);
}

void holder(ui::TextBox& t, std::string text, Place place)
{
    t.setText(std::move(text));
    t.setPlace(place);
}

}

Form1::Form1(ui::Clipboard& clipboard, ui::MessageBoxes& messages, ui::ModalWindows& modals)
    : m_clipboard(clipboard)
    , m_messages(messages)
    , m_modals(modals)
{
    buildDesign();
    describeForKeyboardAndScreenReaders();
    wireOperations();
    Form_Load();
    refreshChecks();
}

template<typename Operation>
std::function<void()> Form1::event(Operation operation)
{
    return [this, operation] { asEvent([this, operation] { (this->*operation)(); }); };
}

void Form1::asEvent(const std::function<void()>& work)
{
    bool outermost = false;
    {
        ui::ScopedDepth depth(m_event_depth);
        work();
        outermost = depth.outermost();
    }
    if (outermost) {
        refreshChecks();
        refreshCopyFeedback();
    }
}

// After the design values are in place, so that setting them ran nothing.
void Form1::wireOperations()
{
    cboGPRM.on_click = event(&Form1::cboGPRM_Click);
    cboValue.on_click = event(&Form1::cboValue_Click);
    chkNone.on_click = event(&Form1::chkNone_Click);
    cboSelect.on_click = event(&Form1::cboSelect_Click);
    CboMenu.on_click = event(&Form1::CboMenu_Click);
    cboPGC.on_click = event(&Form1::cboPGC_Click);
    chkDummy.on_click = event(&Form1::chkDummy_Click);
    cboDummy.on_click = event(&Form1::cboDummy_Click);
    chkLinkCN.on_click = event(&Form1::chkLinkCN_Click);
    cboLinkCN.on_click = event(&Form1::cboLinkCN_Click);
    cmdCopy.on_click = event(&Form1::cmdCopy_Click);
    cmdCopy2.on_click = event(&Form1::cmdCopy2_Click);
    cmdCopy3.on_click = event(&Form1::cmdCopy3_Click);
    cmdPaste.on_click = event(&Form1::cmdPaste_Click);
    Command1.on_click = event(&Form1::Command1_Click);
    chkStreams.on_click = event(&Form1::chkStreams_Click);
    cboAudio.on_click = event(&Form1::cboAudio_Click);
    cboSubs.on_click = event(&Form1::cboSubs_Click);
    cboAngle.on_click = event(&Form1::cboAngle_Click);
    optOn.on_click = event(&Form1::optOn_Click);
    optOff.on_click = event(&Form1::optOff_Click);
    optNotSet.on_click = event(&Form1::optNotSet_Click);
    optForce.on_click = event(&Form1::optForce_Click);
    chkHighlight.on_click = event(&Form1::chkHighlight_Click);
    cboButton.on_click = event(&Form1::cboButton_Click);
    cmdUndo.on_click = event(&Form1::cmdUndo_Click);
    mnuOpenDisc.on_click = event(&Form1::mnuOpenDisc_Click);
    mnuDiscWindow.on_click = event(&Form1::mnuDiscWindow_Click);
    form.on_drop_folder = [this](const std::string& folder) { asEvent([&] { openDisc(folder); }); };
    mnuReset.on_click = event(&Form1::mnuReset_Click);
    Log.on_click = event(&Form1::Log_Click);
    About.on_click = event(&Form1::About_Click);
    cmdNote.on_click = event(&Form1::cmdNote_Click);
}

void Form1::buildDesign()
{
    mnuDisc.setCaption("Disc");
    mnuOpenDisc.setCaption("Open disc...");
    mnuDiscWindow.setCaption("Disc window");
    mnuDiscWindow.setEnabled(false);
    mnuReset.setCaption("Reset");
    Log.setCaption("Log");
    About.setCaption("About");

    Frame3.setPlace({ 225, 240, 5130, 1515 });
    stepDigit(Label4, "1", { 45, 135, 240, 360 });
    label(Label20, "Unused GPRM", { 480, 360, 1170, 240 }, Alignment::Right);
    label(lblUnused, "", { 2895, 600, 2160, 420 });
    lblUnused.setWordWrap(true);
    lblUnused.setForeColour(colours::blue);
    lblUnused.setVisible(false);
    list(cboGPRM, "14", { 1800, 323, 585, 315 }, colours::yellow);
    focusSink(cmdTemp3, { 1920, 360, 255, 255 });
    label(lblGPRM0, "GPRM (0) will be set to ", { 1080, 1110, 1695, 255 }, Alignment::Right);
    lblGPRM0.setVisible(false);
    list(cboValue, "12345", { 2880, 1080, 1005, 315 }, colours::yellow);
    cboValue.setVisible(false);
    // The caution would lie below the frame's bottom edge, where nobody could
    // read it; the free corner to the right of the register choice holds it.
    Label32.setPlace({ 2790, 75, 2265, 990 });
    Label32.setFont(fonts::sans_bold);
    Label32.setForeColour(colours::orange);
    Label32.setVisible(false);
    chkNone.setCaption("Check if none found");
    chkNone.setPlace({ 1080, 960, 1845, 315 });
    chkNone.setStacking(ui::Stacking::Raised);
    focusSink(cmdDummy, { 4350, 555, 645, 195 });

    Frame2.setPlace({ 225, 1800, 5130, 1440 });
    stepDigit(Label19, "2", { 45, 135, 240, 360 });
    Label9.setPlace({ 405, 180, 4635, 1200 });
    label(Label29, "* For Advanced Users", { 2895, 300, 2085, 240 });
    Label29.setFont(fonts::sans_bold);
    Label29.setForeColour(colours::blue);
    label(Label30, "*", { 285, 765, 105, 195 });
    Label30.setFont({ "MS Sans Serif", 9.75, true, false });
    Label30.setForeColour(colours::blue);

    Frame1.setCaption("  Select your PGC ");
    Frame1.setPlace({ 225, 3360, 5130, 1770 });
    stepDigit(Label1, "3", { 45, 195, 240, 360 });
    list(cboSelect, "VTSM", { 465, 495, 975, 315 }, colours::yellow);
    focusSink(cmdTemp, { 975, 585, 315, 150 });
    list(cboPGC, "1", { 1440, 495, 570, 315 }, colours::yellow);
    list(CboMenu, "Root Menu", { 2070, 495, 1725, 315 }, colours::yellow);
    cmdNote.setCaption("Caution");
    cmdNote.setPlace({ 4080, 480, 870, 315 });
    cmdNote.setBackColour(colours::light_orange);
    cmdNote.setFont({ "MS Sans Serif", 8.25, false, true });
    cmdNote.setVisible(false);
    chkDummy.setCaption("If a dummy or blank then, jump next to");
    chkDummy.setPlace({ 240, 997, 3015, 270 });
    label(Label22, "VTSM 1, LU ,", { 3240, 1020, 1050, 270 }, Alignment::Right);
    Label22.setEnabled(false);
    list(cboDummy, "6", { 4320, 975, 585, 315 }, colours::face);
    cboDummy.setEnabled(false);
    chkLinkCN.setCaption("(LinkCN) Jump to Cell  ");
    chkLinkCN.setPlace({ 240, 1350, 1935, 255 });
    list(cboLinkCN, "1", { 2160, 1320, 570, 315 }, colours::face);
    cboLinkCN.setEnabled(false);
    optVTSM.setCaption("VTSM");
    optVTSM.setPlace({ 5910, 2445, 855, 375 });
    OptTitle.setCaption("Title");
    OptTitle.setPlace({ 5820, 1890, 600, 240 });
    list(cboVmgTitle, "1", { 6495, 1845, 570, 315 }, colours::face);
    cboVmgTitle.setEnabled(false);

    Frame4.setPlace({ 5520, 240, 5310, 765 });
    stepDigit(Label7, "4", { 60, 135, 240, 360 });
    label(Label6, "\"Copy changed registers as commands\" in PgcEdit, then click the \"import\" button  -->",
        { 420, 195, 3180, 405 });
    cmdPaste.setCaption("Import");
    cmdPaste.setTooltip("Are all inputs correctly set?");
    cmdPaste.setPlace({ 9240, 480, 1200, 345 });
    cmdPaste.setStacking(ui::Stacking::Raised);
    cmdUndo.setCaption("Undo Import");
    cmdUndo.setTooltip("Paste immediately when doing a \"Copy Changed Registers as commands\" in PgcEdit's trace");
    cmdUndo.setPlace({ 5880, 480, 4680, 345 });
    cmdUndo.setFont(fonts::sans_bold);
    cmdUndo.setStacking(ui::Stacking::Raised);
    cmdUndo.setVisible(false);

    Frame10.setCaption(" Optional Post Settings ");
    Frame10.setFont(fonts::sans_bold);
    Frame10.setPlace({ 5505, 1155, 5310, 3975 });
    Frame10.setEnabled(false);
    stepDigit(Label12, "5", { 45, 195, 240, 360 });
    chkStreams.setCaption("Set streams   (SetSTN)");
    chkStreams.setPlace({ 495, 510, 1995, 210 });
    chkStreams.setEnabled(false);
    label(lblNC, "nc = no change", { 3840, 503, 1215, 225 });
    label(lblAudio, "Audio", { 330, 870, 405, 195 }, Alignment::Right);
    list(cboAudio, "nc", { 840, 840, 615, 315 }, colours::face);
    focusSink(cmdStr, { 1065, 840, 345, 225 });
    label(lblSubs, "Sub-Pict", { 120, 1350, 615, 255 }, Alignment::Right);
    list(cboSubs, "nc", { 840, 1305, 615, 315 }, colours::face);
    label(lblAngle, "Angle", { 240, 1830, 495, 255 }, Alignment::Right);
    list(cboAngle, "nc", { 840, 1770, 615, 315 }, colours::face);
    for (ui::Control* c : std::initializer_list<ui::Control*> { &lblNC, &lblAudio, &cboAudio, &lblSubs, &cboSubs, &lblAngle, &cboAngle })
        c->setEnabled(false);
    Frame7.setPlace({ 1560, 1200, 3615, 405 });
    optOn.setCaption("On");
    optOn.setTooltip("Use this for turning on subtitles");
    optOn.setPlace({ 120, 120, 615, 255 });
    optOff.setCaption("Off");
    optOff.setPlace({ 720, 120, 615, 255 });
    optOff.setValue(true);
    optNotSet.setCaption("Not set");
    optNotSet.setTooltip("used for turning off subtitles");
    optNotSet.setPlace({ 1320, 120, 855, 255 });
    optForce.setCaption("Force Sub 0");
    optForce.setPlace({ 2280, 120, 1215, 255 });
    for (ui::OptionButton* option : { &optOn, &optOff, &optNotSet, &optForce })
        option->setEnabled(false);
    chkAudioFlag.setCaption("chkAudioFlag");
    chkAudioFlag.setPlace({ 2280, 1920, 1575, 255 });
    chkAudioFlag.setVisible(false);
    chkHLflag.setCaption("chkHLflag");
    chkHLflag.setPlace({ 2280, 2160, 1575, 255 });
    chkHLflag.setVisible(false);
    chkHighlight.setCaption("Highlight button   (SetHL_BTN)");
    chkHighlight.setPlace({ 480, 2520, 2535, 495 });
    chkHighlight.setEnabled(false);
    list(cboButton, "1", { 840, 3000, 615, 315 }, colours::face);
    focusSink(cmdDummy2, { 960, 3000, 465, 240 });
    txtDetect.setText(" Imported cmds detected");
    txtDetect.setPlace({ 3240, 3120, 1935, 285 });
    txtDetect.setForeColour(colours::magenta);
    txtDetect.setBackColour(colours::face);
    txtDetect.setLocked(true);
    txtDetect.setVisible(false);

    chkdisable.setCaption("Disable Paste Instructions Message");
    chkdisable.setPlace({ 240, 5160, 3015, 240 });
    chkdisable.setValue(ui::Checked);
    // Between the post settings and the copy buttons, where a line of text
    // covers nothing; shown only while a check finds something.
    lblNotice.setPlace({ 3360, 5160, 7455, 255 });
    lblNotice.setFont(fonts::sans_bold);
    lblNotice.setForeColour(ui::Colour::rgb(176, 0, 0));
    lblNotice.setWordWrap(false);
    lblNotice.setVisible(false);
    // The same line, right after a copy: the news of the moment.
    lblCopyNote.setPlace({ 3360, 5160, 7455, 255 });
    lblCopyNote.setForeColour(colours::copied);
    lblCopyNote.setWordWrap(false);
    lblCopyNote.setVisible(false);
    stepDigit(Label11, "6", { 750, 5505, 240, 360 });
    cmdCopy.setCaption("Copy to Clipboard");
    cmdCopy.setPlace({ 1110, 5505, 1650, 360 });
    cmdCopy.setEnabled(false);
    copiedMark(lblCopied1, { 2820, 5610, 900, 255 });
    stepDigit(Label10, "6", { 4365, 5505, 240, 360 });
    cmdCopy2.setCaption("Copy to Clipboard");
    cmdCopy2.setPlace({ 4725, 5505, 1650, 360 });
    cmdCopy2.setEnabled(false);
    copiedMark(lblCopied2, { 6435, 5610, 900, 255 });
    stepDigit(Label14, "6", { 7950, 5505, 240, 360 });
    Label14.setVisible(false);
    cmdCopy3.setCaption("Copy to Clipboard");
    cmdCopy3.setPlace({ 8340, 5505, 1650, 360 });
    cmdCopy3.setEnabled(false);
    cmdCopy3.setVisible(false);
    copiedMark(lblCopied3, { 10050, 5610, 900, 255 });
    label(Label13, "New Top Pre Commands For", { 585, 5970, 2595, 255 }, Alignment::Centre);
    redName(Label3, "First Play PGC", { 585, 6210, 2595, 240 });
    block(Text1, { 195, 6480, 3045, 1215 });
    arrow(Label18, { 3435, 6195, 435, 315 });
    label(Label5, "New Top Pre Commands For", { 4290, 5970, 2595, 285 }, Alignment::Centre);
    redName(Label8, "VTSM 1 Root Menu", { 3885, 6210, 3405, 240 });
    block(Text2, { 3982, 6480, 3045, 1215 });
    arrow(Label17, { 7155, 6195, 435, 315 });
    Label17.setVisible(false);
    label(Label16, "New Top Pre Commands For", { 7905, 5970, 2595, 285 }, Alignment::Centre);
    Label16.setVisible(false);
    redName(Label15, "VTSM 1, , 6 ", { 8190, 6210, 2055, 240 });
    Label15.setVisible(false);
    block(Text3, { 7740, 6480, 3045, 1215 });
    Text3.setVisible(false);

    Frame5.setPlace({ 195, 7845, 10590, 540 });
    stepDigit(Label23, "7", { 30, 120, 240, 360 });
    label(Label24,
        "Save after you have tested your new inserted Pre commands with another trace.  Use Load and Run buttons.",
        { 465, 210, 9930, 225 });

    for (ui::TextBox* t : { &txtOriginalSetSTN, &txtOriginalHL, &txtText2, &txtCB }) {
        t->setFont(fonts::fixed);
        t->setLines(ui::Lines::Multi);
    }
    holder(txtOriginalSetSTN, "", { 11040, 405, 3045, 345 });
    holder(txtOriginalHL, "", { 11055, 780, 3045, 345 });
    holder(txtText2, "", { 11100, 1170, 3045, 3660 });
    for (ui::TextBox* t : { &txtOriginalSetSTN, &txtOriginalHL, &txtText2 })
        t->setBackColour(colours::yellow);
    holder(txtCB, "Text4", { 11145, 4980, 3045, 2190 });
    Command1.setCaption("Command1");
    Command1.setPlace({ 11145, 7635, 705, 360 });
    holder(txtText1, "Text4", { 2850, 5580, 495, 285 });
    txtText1.setVisible(false);
    holder(txtText3, "Text6", { 10065, 5580, 525, 285 });
    txtText3.setVisible(false);
}

}
