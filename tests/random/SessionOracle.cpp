#include "random/SessionOracle.h"

#include "support/FirstPlayComposer.h"
#include "support/StrictBlock.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace trevalo::testing {

namespace {

constexpr std::string_view nop = "{00 00 00 00 00 00 00 00}";
constexpr std::string_view break_command = "{00 02 00 00 00 00 00 00}";
constexpr std::string_view question = "Do you want to clear the clipboard? [Recommended]";
constexpr std::string_view rejected = "Invalid commands or no data found on clipboard.";
constexpr std::size_t longest_import = 32767;
constexpr int most_lines = 255;
constexpr ui::Colour magenta = ui::Colour::rgb(255, 0, 255);

std::string hex(int value)
{
    return StrictBlock::hexByte(value);
}

// A list item that is a decimal number, or -1.
int itemNumber(const std::string& text)
{
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::stoi(text);
}

std::string byteOf(const std::string& command, int j)
{
    return command.substr(static_cast<std::size_t>(3 * j - 2), 2);
}

bool holds(const std::vector<std::string>& commands, std::string_view first_byte)
{
    return std::any_of(commands.begin(), commands.end(), [&](const std::string& c) { return byteOf(c, 1) == first_byte; });
}

// The stream byte a list choice stands for: "nc" leaves the stream, n sets it.
std::optional<std::string> streamCode(const std::string& choice, int low, int high)
{
    if (choice == "nc")
        return std::string("00");
    const int n = itemNumber(choice);
    if (n < low || n > high)
        return std::nullopt;
    return "8" + choice;
}

// Whether an audio or angle list shows the byte: "nc" for "00", otherwise
// the byte's second digit as it stands, so a byte no list item writes
// ("88", "04") shows too, and the checks name what is wrong with it.
bool showsStream(const std::string& shown, const std::string& code)
{
    if (shown == "nc" || code == "00")
        return shown == "nc" && code == "00";
    return shown.size() == 1 && shown[0] == code[1];
}

// The sub-picture byte for a stream number shown with the display on or off.
std::optional<std::string> subPictureCode(const std::string& choice, bool shown)
{
    if (choice == "nc")
        return std::string("00");
    const int n = itemNumber(choice);
    if (n < 0 || n > 31)
        return std::nullopt;
    return hex((shown ? 0xC0 : 0x80) + n);
}

bool isStop(const std::string& command)
{
    return byteOf(command, 2) == "02" || command.substr(1, 5) == "20 07";
}

// How the window shows a sub-picture code: the option, and the list's
// number while the list is open. "No change" reads alike under On and Off;
// a code that no option writes selects none.
std::string subPictureShownFor(const std::string& code, bool on_selected)
{
    const int value = std::stoi(code, nullptr, 16);
    if (value == 0)
        return on_selected ? "optOn nc" : "optOff nc";
    if (value >= 0x80 && value <= 0x9F)
        return "optOff " + std::to_string(value - 0x80);
    if (value >= 0xC0 && value <= 0xDF)
        return "optOn " + std::to_string(value - 0xC0);
    if (code == "BE" || code == "BF")
        return "optNotSet";
    if (code == "FF")
        return "optForce";
    return "no option";
}

std::vector<std::string> setSTNsOf(const std::vector<std::string>& commands)
{
    std::vector<std::string> found;
    std::copy_if(commands.begin(), commands.end(), std::back_inserter(found),
        [](const std::string& c) { return byteOf(c, 1) == "51"; });
    return found;
}

bool editsStreams(const std::string& control)
{
    static const std::vector<std::string> edits { "cboAudio", "cboSubs", "cboAngle", "optOn", "optOff", "optNotSet", "optForce" };
    return std::find(edits.begin(), edits.end(), control) != edits.end();
}

// The guard test's target moved by delta lines.
void moveGuard(std::vector<std::string>& commands, int delta)
{
    const int line = std::stoi(byteOf(commands.front(), 8), nullptr, 16) + delta;
    commands.front().replace(22, 2, hex(line));
}

// A post setting switched off takes its commands out of the part of the
// block where it puts them, in front of the first stop command; what stands
// behind an imported stop command is the import's and stays.
void removeBeforeStop(std::vector<std::string>& commands, std::string_view kind)
{
    for (std::size_t i = 0; i < commands.size() && !isStop(commands[i]);) {
        if (byteOf(commands[i], 1) == kind) {
            commands.erase(commands.begin() + static_cast<long>(i));
            moveGuard(commands, -1);
        } else {
            ++i;
        }
    }
}

std::string toggleLine(const std::string& instructions)
{
    std::size_t start = 0;
    for (int line = 1; line < 4; ++line) {
        start = instructions.find("\r\n", start);
        if (start == std::string::npos)
            return {};
        start += 2;
    }
    return instructions.substr(start, instructions.find("\r\n", start) - start);
}

// The sub-picture options keep their selection through Reset; only whether
// they are enabled is Reset's.
bool onlyEnabledIsReset(const std::string& name)
{
    return name == "optOn" || name == "optOff" || name == "optNotSet" || name == "optForce";
}

std::string resetLine(const ui::Control& control)
{
    if (onlyEnabledIsReset(control.name()))
        return control.enabled() ? "enabled" : "disabled";
    return control.describe();
}

// The controls Reset names, with their lines as Reset must leave them: as at
// start-up, but that it selects optVTSM, and the target selection it ends
// with greys the dummy number and names the dummy's PGC with "LU".
const std::map<std::string, std::string>& resetReference()
{
    static const std::map<std::string, std::string> reference = [] {
        FakeClipboard clipboard;
        FakeMessageBoxes messages;
        FakeModalWindows modals;
        Form1 form { clipboard, messages, modals };
        form.optVTSM.setValue(true);
        form.cboDummy.setForeColour(ui::Colour::of(ui::SystemColour::GreyText));
        form.Label15.setCaption("VTSM 1, LU , 6");
        std::map<std::string, std::string> lines;
        for (const char* name : { "Frame1", "Frame10", "chkLinkCN", "cboLinkCN", "optVTSM", "OptTitle", "cboPGC", "CboMenu",
                 "cboValue", "cboGPRM", "chkNone", "chkDummy", "Label8", "Label22", "cboDummy", "cboVmgTitle", "Label15",
                 "Label6", "cmdPaste", "cmdUndo", "cboSelect", "cmdNote", "Label32", "chkHighlight", "chkStreams", "Text1",
                 "Text2", "Text3", "Label9", "Label29", "Label30", "Label20", "lblGPRM0", "cmdCopy", "cmdCopy2", "cmdCopy3",
                 "Label14", "Label16", "Label17", "optOn", "optOff", "optNotSet", "optForce" })
            lines[name] = resetLine(*form.window().find(name));
        return lines;
    }();
    return reference;
}

}

SessionOracle::SessionOracle(const Form1& form, const FakeClipboard& clipboard, const FakeMessageBoxes& messages)
    : m_form(form)
    , m_clipboard(clipboard)
    , m_messages(messages)
{
}

const ui::TextBox& SessionOracle::menuBlock() const
{
    return m_form.chkDummy.value() == ui::Checked ? m_form.Text3 : m_form.Text2;
}

std::vector<std::string> SessionOracle::newMessages() const
{
    std::vector<std::string> titles;
    for (std::size_t i = m_before.shown; i < m_messages.shown.size(); ++i)
        titles.push_back(m_messages.shown[i].title);
    return titles;
}

const std::string* SessionOracle::streamSetting(const std::vector<std::string>& commands) const
{
    const std::string* setting = nullptr;
    for (const std::string& command : commands) {
        if (byteOf(command, 1) == "51") {
            setting = &command;
            if (&menuBlock() == &m_form.Text2)
                break;
        }
        if (isStop(command))
            break;
    }
    return setting;
}

std::string SessionOracle::shownSubPicture() const
{
    const Form1& f = m_form;
    std::string shown;
    for (const ui::OptionButton* option : { &f.optOn, &f.optOff, &f.optNotSet, &f.optForce }) {
        if (option->value())
            shown += (shown.empty() ? "" : "+") + option->name();
    }
    if (shown.empty())
        shown = "no option";
    if (f.cboSubs.enabled())
        shown += " " + f.cboSubs.text();
    return shown;
}

void SessionOracle::before(const UserAction& action)
{
    m_before.blocks = { m_form.Text1.text(), m_form.Text2.text(), m_form.Text3.text() };
    m_before.menu_block = menuBlock().text();
    m_before.dummy = m_form.chkDummy.value() == ui::Checked;
    m_before.streams = m_form.chkStreams.value();
    m_before.highlight = m_form.chkHighlight.value();
    m_before.kept_setstn = m_form.txtOriginalSetSTN.text();
    m_before.kept_hl = m_form.txtOriginalHL.text();
    m_before.option.clear();
    for (const ui::OptionButton* option : { &m_form.optOn, &m_form.optOff, &m_form.optNotSet, &m_form.optForce }) {
        if (option->value())
            m_before.option = option->name();
    }
    m_before.clipboard = m_clipboard.contents;
    m_before.shown = m_messages.shown.size();
    static const std::vector<std::string> watched { "cmdPaste", "cmdUndo", "mnuReset", "Log", "About", "cmdNote" };
    m_before.dump.clear();
    if (std::find(watched.begin(), watched.end(), action.control) != watched.end())
        m_before.dump = m_form.window().dumpState();
}

std::vector<std::string> SessionOracle::after(const UserAction& action)
{
    Faults faults = invariants();
    checkMessages(action, faults);
    if (action.control == "cmdPaste")
        checkImport(faults);
    else if (action.control == "cmdUndo")
        checkUndo(action, faults);
    else if (action.control == "mnuReset")
        checkReset(action, faults);
    else if (action.control == "cmdCopy" || action.control == "cmdCopy2" || action.control == "cmdCopy3")
        checkCopy(action, faults);
    else if (action.control == "Log" || action.control == "About" || action.control == "cmdNote")
        checkSecondaryWindow(action, faults);
    else if (m_clipboard.contents != m_before.clipboard)
        faults.push_back(action.control + " changed the clipboard to " + StrictBlock::excerpt(m_clipboard.contents));
    if (action.control == "chkStreams" && m_before.streams == ui::Unchecked && m_form.chkStreams.value() == ui::Checked) {
        std::string fault;
        if (const auto commands = StrictBlock::commands(m_before.menu_block, fault))
            m_setstn_at_switch_on = setSTNsOf(*commands);
    }
    checkRoundTrip(action, faults);
    checkPostSettingEdit(action, faults);
    checkCopyMarks(action, faults);
    if (m_form.chkStreams.value() != ui::Checked)
        m_setstn_at_switch_on.clear();
    return faults;
}

std::vector<std::string> SessionOracle::invariants() const
{
    Faults faults;
    checkBlocks(faults);
    checkFirstPlay(faults);
    checkCaptions(faults);
    checkWindowState(faults);
    checkPostSettings(faults);
    return faults;
}

// Every block the author can see is a run of commands in the exact form,
// ends with the NOP, and opens with a guard test that skips to that NOP.
// The menu block ends its own work with the stop command the cell link
// asks for; with the dummy skip, Text2 only links on to the dummy PGC.
void SessionOracle::checkBlocks(Faults& faults) const
{
    const Form1& f = m_form;
    const bool all_registers = f.chkNone.value() == ui::Checked;
    const int reg = itemNumber(f.cboGPRM.text());
    const int marker = itemNumber(f.cboValue.text());
    const bool dummy = f.chkDummy.value() == ui::Checked;

    for (const ui::TextBox* box : { &f.Text1, &f.Text2, &f.Text3 }) {
        if (!box->visible())
            continue;
        std::string fault;
        const auto commands = StrictBlock::commands(box->text(), fault);
        if (!commands) {
            faults.push_back(box->name() + " is not a well-formed block: " + fault + " in "
                + StrictBlock::excerpt(box->text(), 400));
            continue;
        }
        const int count = static_cast<int>(commands->size());
        if (commands->back() != nop)
            faults.push_back(box->name() + " does not end with the NOP: " + StrictBlock::excerpt(box->text(), 400));
        if (count > most_lines)
            faults.push_back(box->name() + " holds " + std::to_string(count) + " commands, more than a line byte names");
        const std::string& test = commands->front();
        if (test.substr(0, 6) != "{00 B1" || byteOf(test, 8) != hex(count))
            faults.push_back(box->name() + " opens with " + test + ", not a guard test naming its last line "
                + hex(count) + ": " + StrictBlock::excerpt(box->text(), 400));
        if (box == &f.Text1)
            continue;

        const std::string expected_test = all_registers
            ? "{00 B1 00 00 " + hex(marker >> 8) + " " + hex(marker & 0xFF) + " 00 " + hex(count) + "}"
            : "{00 B1 00 " + hex(reg) + " 00 00 00 " + hex(count) + "}";
        if (test != expected_test)
            faults.push_back(box->name() + " tests " + test + " where the guard settings give " + expected_test);

        const bool is_menu_block = (box == &f.Text3) == dummy;
        if (!is_menu_block) {
            const std::string link = "{20 04 00 00 00 00 00 " + hex(itemNumber(f.cboDummy.text())) + "}";
            if (count != 3 || (*commands)[1] != link)
                faults.push_back("Text2 should link on to the dummy's PGC with " + link + ": "
                    + StrictBlock::excerpt(box->text(), 400));
            continue;
        }
        const std::string guard_set
            = all_registers ? "{71 00 00 00 00 00 00 00}" : "{71 00 00 " + hex(reg) + " 00 01 00 00}";
        if (count < 4 || (*commands)[1] != guard_set)
            faults.push_back(box->name() + " should set the guard with " + guard_set + " as its second command: "
                + StrictBlock::excerpt(box->text(), 400));
        if (count >= 2) {
            const std::string& stop = (*commands)[static_cast<std::size_t>(count) - 2];
            const std::string expected_stop = f.chkLinkCN.value() == ui::Checked
                ? "{20 07 00 00 00 00 00 " + hex(itemNumber(f.cboLinkCN.text())) + "}"
                : std::string(break_command);
            if (stop != expected_stop)
                faults.push_back(box->name() + " has " + stop + " before its NOP where the cell link setting gives "
                    + expected_stop);
        }
    }
}

void SessionOracle::checkFirstPlay(Faults& faults) const
{
    const Form1& f = m_form;
    FirstPlayComposer::Choices choices;
    choices.all_registers = f.chkNone.value() == ui::Checked;
    choices.guard_register = f.cboGPRM.text();
    choices.marker = f.cboValue.text();
    choices.domain = f.cboSelect.text();
    choices.number = f.cboPGC.text();
    choices.menu = f.CboMenu.text();
    const auto expected = FirstPlayComposer::compose(choices);
    if (!expected)
        faults.push_back("the lists show a choice that is none of their items: register \"" + choices.guard_register
            + "\", marker \"" + choices.marker + "\", target \"" + choices.domain + " " + choices.number + " "
            + choices.menu + "\"");
    else if (f.Text1.text() != *expected)
        faults.push_back("Text1 is " + StrictBlock::excerpt(f.Text1.text(), 600) + " but the choices give "
            + StrictBlock::excerpt(*expected, 600));
}

// The captions that name the target and the breakpoint follow the lists.
void SessionOracle::checkCaptions(Faults& faults) const
{
    const Form1& f = m_form;
    const std::string& domain = f.cboSelect.text();
    const std::string& pgc = f.cboPGC.text();
    const bool dummy = f.chkDummy.value() == ui::Checked;
    const std::string dummy_pgc = "VTSM " + pgc + ", LU , " + f.cboDummy.text();
    const std::string target = domain == "VTSM" ? "VTSM " + pgc + " " + f.CboMenu.text() : domain + " " + pgc;

    if (f.Label8.caption() != target)
        faults.push_back("Label8 names \"" + f.Label8.caption() + "\" for the target " + target);
    const std::string breakpoint = dummy ? dummy_pgc : target;
    const std::string toggle = toggleLine(f.Label9.caption());
    if (toggle != "   Toggle PGC playback breakpoint for " + breakpoint)
        faults.push_back("the trace instructions set the breakpoint with \"" + toggle + "\", not on " + breakpoint);
    // Before any target is picked the caption still has its design form.
    if (f.Label15.visible() && f.Label15.caption() != dummy_pgc
        && f.Label15.caption() != "VTSM " + pgc + ", , " + f.cboDummy.text() + " ")
        faults.push_back("Label15 names \"" + f.Label15.caption() + "\" for the dummy's PGC " + dummy_pgc);
}

// The window is either not imported (target and guard open, post settings
// and copy shut) or imported (the reverse), and within each state a control
// is usable exactly when the choices it belongs to are on.
void SessionOracle::checkWindowState(Faults& faults) const
{
    const Form1& f = m_form;
    auto expect = [&](const ui::Control& control, bool usable, std::string_view when) {
        if (control.usable() != usable)
            faults.push_back(control.name() + (usable ? " is not usable " : " is usable ") + std::string(when));
    };
    const bool dummy = f.chkDummy.value() == ui::Checked;
    const bool imported = f.cmdUndo.visible();
    if (f.cmdPaste.visible() == imported)
        faults.push_back(imported ? "Import and Undo Import are both shown" : "neither Import nor Undo Import is shown");
    if (f.Text3.visible() != dummy || f.cmdCopy3.visible() != dummy || f.Label15.visible() != dummy)
        faults.push_back("Text3, its name and its copy button are not shown exactly while the dummy skip is on");

    if (!imported) {
        const std::string_view when = "before an import";
        expect(f.cmdPaste, true, when);
        for (const ui::Control* c : std::initializer_list<const ui::Control*> { &f.chkStreams, &f.chkHighlight,
                 &f.cmdCopy, &f.cmdCopy2, &f.cmdCopy3, &f.cboAudio, &f.cboSubs, &f.cboAngle, &f.cboButton })
            expect(*c, false, when);
        if (f.chkStreams.value() != ui::Unchecked || f.chkHighlight.value() != ui::Unchecked)
            faults.push_back("a post setting is on before an import");
        for (const ui::Control* c : std::initializer_list<const ui::Control*> { &f.cboSelect, &f.cboPGC, &f.chkNone, &f.chkLinkCN })
            expect(*c, true, when);
        const bool all_registers = f.chkNone.value() == ui::Checked;
        expect(f.cboGPRM, !all_registers, all_registers ? "in the all-registers check" : "in the guard register scheme");
        expect(f.cboValue, all_registers, all_registers ? "in the all-registers check" : "in the guard register scheme");
        if (f.chkLinkCN.value() == ui::Checked)
            expect(f.cboLinkCN, true, "while the cell link is on");
        if (f.cboSelect.text() == "VTSM") {
            expect(f.CboMenu, true, "for a VTSM target");
            expect(f.chkDummy, true, "for a VTSM target");
            expect(f.cmdNote, f.CboMenu.text() != "Root Menu", "for the " + f.CboMenu.text());
            expect(f.cboDummy, dummy, dummy ? "while the dummy skip is on" : "while the dummy skip is off");
        } else {
            for (const ui::Control* c : std::initializer_list<const ui::Control*> { &f.CboMenu, &f.chkDummy, &f.cmdNote, &f.cboDummy })
                if (c->visible())
                    faults.push_back(c->name() + " is shown for a " + f.cboSelect.text() + " target");
            if (dummy)
                faults.push_back("the dummy skip is on for a " + f.cboSelect.text() + " target");
        }
    } else {
        const std::string_view when = "after an import";
        expect(f.cmdUndo, true, when);
        for (const ui::Control* c : std::initializer_list<const ui::Control*> { &f.cmdCopy, &f.cmdCopy2, &f.chkStreams, &f.chkHighlight })
            expect(*c, true, when);
        expect(f.cmdCopy3, dummy, when);
        for (const ui::Control* c : std::initializer_list<const ui::Control*> { &f.cboSelect, &f.cboPGC, &f.CboMenu,
                 &f.chkDummy, &f.cboDummy, &f.chkLinkCN, &f.cboLinkCN, &f.cmdNote, &f.cboGPRM, &f.chkNone, &f.cboValue })
            expect(*c, false, when);
        const bool streams = f.chkStreams.value() == ui::Checked;
        for (const ui::Control* c : std::initializer_list<const ui::Control*> { &f.cboAudio, &f.cboAngle, &f.optOn,
                 &f.optOff, &f.optNotSet, &f.optForce })
            expect(*c, streams, streams ? "while streams are set" : "while streams are not set");
        if (f.cboSubs.usable() && !streams)
            faults.push_back("cboSubs is usable while streams are not set");
        const bool highlight = f.chkHighlight.value() == ui::Checked;
        expect(f.cboButton, highlight, highlight ? "while a button is highlighted" : "while no button is highlighted");
    }
}

// A setting that is on has its command in the menu block (unless the block
// is full), an adopted command stays remembered exactly while its setting
// is on, the lists show what the command says, and the detection marker is
// shown exactly while some command is adopted.
void SessionOracle::checkPostSettings(Faults& faults) const
{
    const Form1& f = m_form;
    std::string fault;
    const auto commands = StrictBlock::commands(menuBlock().text(), fault);
    if (!commands)
        return; // checkBlocks has said what is wrong
    const bool full = commands->size() >= static_cast<std::size_t>(most_lines);

    struct Setting {
        const ui::CheckBox& box;
        const ui::CheckBox& flag;
        const ui::TextBox& remembered;
        std::string_view first_byte;
    };
    for (const Setting& s : { Setting { f.chkStreams, f.chkAudioFlag, f.txtOriginalSetSTN, "51" },
             Setting { f.chkHighlight, f.chkHLflag, f.txtOriginalHL, "56" } }) {
        const bool on = s.box.value() == ui::Checked;
        const bool adopted = s.flag.value() == ui::Checked;
        const std::string& kept = s.remembered.text();
        if (!on && (adopted || !kept.empty()))
            faults.push_back(s.box.name() + " is off but still remembers an adopted command " + StrictBlock::excerpt(kept));
        if (on && adopted != !kept.empty())
            faults.push_back(s.flag.name() + " and " + s.remembered.name() + " disagree about an adopted command");
        if (adopted && (!StrictBlock::isCommand(kept) || byteOf(kept, 1) != s.first_byte))
            faults.push_back(s.remembered.name() + " remembers " + StrictBlock::excerpt(kept) + ", not a command of its kind");
        if (on && !holds(*commands, s.first_byte) && (adopted || !full))
            faults.push_back(s.box.name() + " is on but " + menuBlock().name() + " holds no {" + std::string(s.first_byte)
                + " command: " + StrictBlock::excerpt(menuBlock().text(), 600));
        if ((s.box.foreColour() == magenta) != adopted)
            faults.push_back(s.box.name() + (adopted ? " is not magenta for its adopted command" : " is magenta with nothing adopted"));
    }
    const bool any_adopted = f.chkAudioFlag.value() == ui::Checked || f.chkHLflag.value() == ui::Checked;
    if (f.txtDetect.visible() != any_adopted)
        faults.push_back(any_adopted ? "txtDetect is hidden while a command is adopted" : "txtDetect is shown with nothing adopted");

    if (f.chkStreams.value() == ui::Checked && holds(*commands, "51")) {
        const bool shown = std::any_of(commands->begin(), commands->end(), [&](const std::string& c) {
            return byteOf(c, 1) == "51" && showsStream(f.cboAudio.text(), byteOf(c, 4)) && showsStream(f.cboAngle.text(), byteOf(c, 6));
        });
        if (!shown)
            faults.push_back("no SetSTN of " + menuBlock().name() + " carries the audio \"" + f.cboAudio.text()
                + "\" and angle \"" + f.cboAngle.text() + "\" the lists show: " + StrictBlock::excerpt(menuBlock().text(), 600));
    }
    if (f.chkStreams.value() == ui::Checked) {
        if (const std::string* setting = streamSetting(*commands)) {
            const std::string shown = shownSubPicture();
            const std::string held = subPictureShownFor(byteOf(*setting, 5), f.optOn.value());
            if (shown != held)
                faults.push_back("the window shows the sub-picture as " + shown + " but " + *setting + " holds " + held);
        }
    }
    if (f.chkHighlight.value() == ui::Checked && holds(*commands, "56")) {
        // An adopted code that is no button (37 and up, or not a multiple
        // of 4) shows as an empty list.
        const int button = itemNumber(f.cboButton.text());
        const bool shown = std::any_of(commands->begin(), commands->end(), [&](const std::string& c) {
            if (byteOf(c, 1) != "56")
                return false;
            const int code = std::stoi(byteOf(c, 5), nullptr, 16);
            const bool no_button = code < 4 || code > 4 * 36 || code % 4 != 0;
            return f.cboButton.text().empty() ? no_button : button >= 1 && byteOf(c, 5) == hex(4 * button);
        });
        if (!shown)
            faults.push_back("no SetHL_BTN of " + menuBlock().name() + " highlights button \"" + f.cboButton.text()
                + "\": " + StrictBlock::excerpt(menuBlock().text(), 600));
    }
}

// Only Import, Copy with its instructions, Undo and Reset speak to the
// author; the clipboard question is asked by Undo and Reset alone, and
// every answer scripted for it was taken.
void SessionOracle::checkMessages(const UserAction& action, Faults& faults) const
{
    if (!m_messages.answers.empty())
        faults.push_back(action.control + " asked no question, though an answer was ready");
    const std::vector<std::string> titles = newMessages();
    const bool asks = action.control == "cmdUndo" || action.control == "mnuReset";
    for (std::size_t i = m_before.shown; i < m_messages.shown.size(); ++i) {
        const FakeMessageBoxes::Shown& box = m_messages.shown[i];
        const bool question_box = box.buttons == ui::Buttons::YesNoCancel;
        if (question_box && (!asks || box.prompt != question || box.title != "Warning"))
            faults.push_back(action.control + " asked \"" + box.prompt + "\" titled \"" + box.title + "\"");
        if (box.prompt.empty())
            faults.push_back(action.control + " showed an empty message titled \"" + box.title + "\"");
    }
    const bool speaks = asks || action.control == "cmdPaste" || action.control.rfind("cmdCopy", 0) == 0;
    if (!speaks && !titles.empty())
        faults.push_back(action.control + " showed a message titled \"" + titles.front() + "\"");
    if (asks && (titles.size() != 1 || m_messages.shown.back().buttons != ui::Buttons::YesNoCancel))
        faults.push_back(action.control + " did not ask its one clipboard question");
}

// Import takes exactly the texts that are a run of well-formed commands
// within the limits, splices them as single-blank commands behind the guard
// and keeps the backups; anything else is refused with nothing changed.
void SessionOracle::checkImport(Faults& faults)
{
    // White space after the last command is let go, as between commands.
    const std::string& whole = m_before.clipboard;
    const std::string clip = whole.substr(0, whole.find_last_not_of(" \t\r\n") + 1);
    std::string why;
    std::optional<std::vector<std::string>> trace;
    if (clip.empty() || clip.front() != '{' || clip.back() != '}')
        why = "it does not run from { to }";
    else if (clip.size() > longest_import)
        why = "it is longer than " + std::to_string(longest_import) + " characters";
    else if (!(trace = StrictBlock::traceCommands(clip, why)))
        why = "its " + why;

    std::string fault;
    const auto block = StrictBlock::commands(m_before.menu_block, fault);
    if (!block || block->size() < 4) {
        faults.push_back("the menu block before the import was not a four-command block: "
            + StrictBlock::excerpt(m_before.menu_block, 400));
        return;
    }
    const int lines = static_cast<int>(block->size() + (trace ? trace->size() : 0));
    if (why.empty() && lines > most_lines)
        why = "the block would have " + std::to_string(lines) + " lines";

    const std::vector<std::string> titles = newMessages();
    const std::string clip_shown = StrictBlock::excerpt(whole);
    if (!why.empty()) {
        checkUnchanged("a refused import (" + why + ")", faults);
        if (m_clipboard.contents != whole)
            faults.push_back("a refused import changed the clipboard");
        const bool told = titles.size() == 1
            && (titles[0] == "Import" || (titles[0] == "Warning" && m_messages.shown.back().prompt.rfind(rejected, 0) == 0));
        if (!told)
            faults.push_back("the import of " + clip_shown + " was not refused with one clear message (" + why + ")");
        return;
    }

    if (!m_form.cmdUndo.visible()) {
        faults.push_back("the import refused " + clip_shown + ", a well-formed trace within the limits");
        return;
    }
    std::vector<std::string> expected { block->front().substr(0, 22) + hex(lines) + "}", (*block)[1] };
    expected.insert(expected.end(), trace->begin(), trace->end());
    expected.push_back((*block)[block->size() - 2]);
    expected.push_back(block->back());
    const std::string spliced = StrictBlock::join(expected);
    const ui::TextBox& target = menuBlock();
    if (target.text() != spliced)
        faults.push_back("the import made " + target.name() + " " + StrictBlock::excerpt(target.text(), 800)
            + " instead of " + StrictBlock::excerpt(spliced, 800));
    const std::array<const ui::TextBox*, 3> blocks { &m_form.Text1, &m_form.Text2, &m_form.Text3 };
    const std::array<const ui::TextBox*, 3> backups { &m_form.txtText1, &m_form.txtText2, &m_form.txtText3 };
    for (std::size_t i = 0; i < 3; ++i) {
        if (blocks[i] != &target && blocks[i]->text() != m_before.blocks[i])
            faults.push_back("the import changed " + blocks[i]->name() + ", which is not the menu block");
        if (backups[i]->text() != m_before.blocks[i])
            faults.push_back(backups[i]->name() + " does not keep " + blocks[i]->name() + " as it was before the import");
    }
    if (m_form.txtCB.text() != whole)
        faults.push_back("txtCB does not keep the imported text as read");
    if (m_clipboard.contents != whole)
        faults.push_back("the import changed the clipboard");
    const std::string count_line = std::to_string(trace->size()) + " Commands from PgcEdit:";
    if (titles.size() != 1 || titles[0] != "Import" || m_messages.shown.back().prompt.rfind(count_line, 0) != 0)
        faults.push_back("the import did not report \"" + count_line + "\"");
    m_before_import = m_before.blocks;
}

void SessionOracle::checkUndo(const UserAction& action, Faults& faults) const
{
    if (action.answer == ui::Answer::Cancel) {
        checkUnchanged("Undo answered Cancel", faults);
        if (m_clipboard.contents != m_before.clipboard)
            faults.push_back("Undo answered Cancel changed the clipboard");
        return;
    }
    if (action.answer == ui::Answer::Yes && !m_clipboard.contents.empty())
        faults.push_back("Undo answered Yes left the clipboard holding " + StrictBlock::excerpt(m_clipboard.contents));
    if (action.answer == ui::Answer::No && m_clipboard.contents != m_form.txtCB.text())
        faults.push_back("Undo answered No did not put the imported text back on the clipboard");
    if (!m_before_import) {
        faults.push_back("Undo was offered without an import before it");
        return;
    }
    const std::array<const ui::TextBox*, 3> blocks { &m_form.Text1, &m_form.Text2, &m_form.Text3 };
    for (std::size_t i = 0; i < 3; ++i) {
        if (blocks[i]->text() != (*m_before_import)[i])
            faults.push_back("Undo left " + blocks[i]->name() + " " + StrictBlock::excerpt(blocks[i]->text(), 600)
                + " instead of the block from before the import " + StrictBlock::excerpt((*m_before_import)[i], 600));
    }
}

void SessionOracle::checkReset(const UserAction& action, Faults& faults) const
{
    if (action.answer == ui::Answer::Cancel) {
        checkUnchanged("Reset answered Cancel", faults);
        if (m_clipboard.contents != m_before.clipboard)
            faults.push_back("Reset answered Cancel changed the clipboard");
        return;
    }
    if (action.answer == ui::Answer::Yes && !m_clipboard.contents.empty())
        faults.push_back("Reset answered Yes left the clipboard holding " + StrictBlock::excerpt(m_clipboard.contents));
    if (action.answer == ui::Answer::No) {
        // Before any import there is nothing of the author's to put back.
        const std::string& kept = m_form.txtCB.text();
        const std::string& expected = !kept.empty() && kept.front() == '{' ? kept : m_before.clipboard;
        if (m_clipboard.contents != expected)
            faults.push_back("Reset answered No left the clipboard holding " + StrictBlock::excerpt(m_clipboard.contents)
                + " instead of " + StrictBlock::excerpt(expected));
    }
    for (const auto& [name, line] : resetReference()) {
        const std::string now = resetLine(*m_form.window().find(name));
        if (now != line)
            faults.push_back("after Reset " + name + " is\n      " + now + "\n    instead of\n      " + line);
    }
}

void SessionOracle::checkCopy(const UserAction& action, Faults& faults) const
{
    const ui::TextBox& block = action.control == "cmdCopy" ? m_form.Text1 : action.control == "cmdCopy2" ? m_form.Text2 : m_form.Text3;
    if (m_clipboard.contents != block.text())
        faults.push_back(action.control + " put " + StrictBlock::excerpt(m_clipboard.contents) + " on the clipboard, not "
            + block.name());
    const std::vector<std::string> titles = newMessages();
    const bool instructions = m_form.chkdisable.value() == ui::Unchecked;
    if (titles.size() != (instructions ? 1u : 0u) || (instructions && titles[0] != "Paste Instructions"))
        faults.push_back(action.control + (instructions ? " did not show its paste instructions" : " showed a message though they are disabled"));
}

// Each block is marked copied exactly while it reads as its last copy since
// the last Reset or Undo and its copy button can copy it.
void SessionOracle::checkCopyMarks(const UserAction& action, Faults& faults)
{
    const ui::TextBox* blocks[] = { &m_form.Text1, &m_form.Text2, &m_form.Text3 };
    const ui::Label* marks[] = { &m_form.lblCopied1, &m_form.lblCopied2, &m_form.lblCopied3 };
    const ui::Button* buttons[] = { &m_form.cmdCopy, &m_form.cmdCopy2, &m_form.cmdCopy3 };
    const char* copies[] = { "cmdCopy", "cmdCopy2", "cmdCopy3" };
    // Both clear the clipboard or put the trace back on it.
    if ((action.control == "mnuReset" || action.control == "cmdUndo") && action.answer != ui::Answer::Cancel)
        m_copied = {};
    for (std::size_t i = 0; i < 3; ++i) {
        if (action.control == copies[i])
            m_copied[i] = blocks[i]->text();
        const bool reads_as_copied = blocks[i]->visible() && m_copied[i] && *m_copied[i] == blocks[i]->text();
        const bool marked = reads_as_copied && buttons[i]->usable();
        if (marks[i]->visible() != marked)
            faults.push_back(marks[i]->name() + (marked ? " is hidden though " : " shows though ") + blocks[i]->name()
                + (marked ? " reads as copied" : !reads_as_copied ? " does not read as its last copy" : " cannot be copied"));
    }
}

// The secondary windows read the main window and change nothing in it; the
// log may only put its own report on the clipboard, and then the copy note
// says so instead of naming a block the clipboard no longer holds.
void SessionOracle::checkSecondaryWindow(const UserAction& action, Faults& faults) const
{
    const bool copies = action.control == "Log" && std::find(action.inside.begin(), action.inside.end(), "Command1") != action.inside.end();
    if (!copies && m_clipboard.contents != m_before.clipboard)
        faults.push_back(action.control + " changed the clipboard");
    if (!copies) {
        checkUnchanged(action.control + " with its window", faults);
        return;
    }
    if (m_form.lblCopyNote.caption() != "The log's report copied" || !m_form.lblCopyNote.visible())
        faults.push_back("after the log's copy the note reads \"" + m_form.lblCopyNote.caption() + "\"");
    // The findings give the note its part of their line.
    checkUnchanged(action.control + " with its window", faults, { &m_form.lblCopyNote, &m_form.lblNotice });
}

// A post setting switched on and straight off again gives back the block it
// was switched on in. What the stream lists and options write in between
// goes with the stream setting, so they may come between its two clicks, as
// may anything that leaves every block as it was (a copy, the log, About).
void SessionOracle::checkRoundTrip(const UserAction& action, Faults& faults)
{
    const bool streams = action.control == "chkStreams";
    const bool highlight = action.control == "chkHighlight";
    const int was = streams ? m_before.streams : m_before.highlight;
    const ui::CheckBox* box = streams ? &m_form.chkStreams : highlight ? &m_form.chkHighlight : nullptr;

    if (box && m_switched_on && m_switched_on->control == action.control && was == ui::Checked
        && box->value() == ui::Unchecked && menuBlock().text() != m_switched_on->block)
        faults.push_back(action.control + " switched on and off again left " + menuBlock().name() + " "
            + StrictBlock::excerpt(menuBlock().text(), 600) + " instead of " + StrictBlock::excerpt(m_switched_on->block, 600));
    const bool blocks_kept = m_before.blocks
        == std::array<std::string, 3> { m_form.Text1.text(), m_form.Text2.text(), m_form.Text3.text() };
    const bool stream_edit = m_switched_on && m_switched_on->control == "chkStreams" && editsStreams(action.control);
    if (box || !(stream_edit || blocks_kept))
        m_switched_on.reset();

    if (box && was == ui::Unchecked && box->value() == ui::Checked) {
        std::string fault;
        const auto commands = StrictBlock::commands(m_before.menu_block, fault);
        // A highlight adopted over a block with two buttons gives back only
        // the first; the stream setting gives back every SetSTN.
        if (commands && (streams || !holds(*commands, "56")))
            m_switched_on = SwitchedOn { action.control, m_before.menu_block };
    }
}

// What a click on a post setting, a stream list or a sub-picture option does
// to the menu block, edit for edit: an insertion goes directly before the
// first stop command and moves the guard's line with it, an adopted command
// is left as it is, a
// switch-off puts back or takes out exactly what the switch-on did, and a
// list or option writes its byte into every command of its kind.
void SessionOracle::checkPostSettingEdit(const UserAction& action, Faults& faults) const
{
    const Form1& f = m_form;
    const std::string& control = action.control;
    std::string fault;
    const auto before = StrictBlock::commands(m_before.menu_block, fault);
    const auto now = StrictBlock::commands(menuBlock().text(), fault);
    if (!before || !now || before->empty())
        return;
    std::vector<std::string> expected = *before;
    auto patch = [&](std::string_view kind, int j, const std::optional<std::string>& code) {
        for (std::string& command : expected) {
            if (code && byteOf(command, 1) == kind)
                command.replace(static_cast<std::size_t>(3 * j - 2), 2, *code);
        }
    };
    auto firstStop = [&]() -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (isStop(expected[i]))
                return i;
        }
        return std::nullopt;
    };
    auto insert = [&](std::string_view command) {
        const auto stop = firstStop();
        if (!stop || expected.size() >= static_cast<std::size_t>(most_lines))
            return;
        moveGuard(expected, +1);
        expected.insert(expected.begin() + static_cast<long>(*stop), std::string(command));
    };
    const bool streams_on = f.chkStreams.value() == ui::Checked;
    const bool selected_before = control == m_before.option;

    if (control == "cboAudio") {
        patch("51", 4, streamCode(f.cboAudio.text(), 0, 7));
    } else if (control == "cboAngle") {
        patch("51", 6, streamCode(f.cboAngle.text(), 1, 9));
    } else if (control == "cboSubs") {
        if (f.optOff.value() || f.optOn.value())
            patch("51", 5, subPictureCode(f.cboSubs.text(), f.optOn.value()));
    } else if (control == "optOn" || control == "optOff") {
        if (!selected_before)
            patch("51", 5, subPictureCode(f.cboSubs.text(), control == "optOn"));
    } else if (control == "optNotSet" || control == "optForce") {
        if (!selected_before)
            patch("51", 5, std::string(control == "optNotSet" ? "BF" : "FF"));
    } else if (control == "cboButton") {
        const int button = itemNumber(f.cboButton.text());
        patch("56", 5, button >= 1 && button <= 36 ? std::optional<std::string>(hex(4 * button)) : std::nullopt);
    } else if (control == "chkStreams" && streams_on) {
        const auto stop = firstStop();
        // The scan adopts before it stops, so a SetSTN that is a stop
        // command too ("{51 02 ...}") is adopted.
        const std::size_t scanned = stop ? *stop + 1 : expected.size();
        const bool found = std::any_of(expected.begin(), expected.begin() + static_cast<long>(scanned),
            [](const std::string& c) { return byteOf(c, 1) == "51"; });
        if (found != (f.chkAudioFlag.value() == ui::Checked))
            faults.push_back(found ? "a SetSTN before the stop command was not adopted" : "a SetSTN was adopted from nowhere");
        if (found) {
            if (*now != *before)
                faults.push_back("adopting a SetSTN changed " + menuBlock().name() + " to "
                    + StrictBlock::excerpt(menuBlock().text(), 600));
            // Text2 keeps the first SetSTN before its stop command; the dummy
            // PGC's block adopts each in turn and keeps the last.
            std::string adopted;
            for (std::size_t i = 0; i < scanned; ++i) {
                if (byteOf((*now)[i], 1) == "51") {
                    adopted = (*now)[i];
                    if (&menuBlock() == &f.Text2)
                        break;
                }
            }
            if (f.txtOriginalSetSTN.text() != adopted)
                faults.push_back("the remembered SetSTN is " + StrictBlock::excerpt(f.txtOriginalSetSTN.text()) + ", not "
                    + adopted);
            return;
        }
        insert("{51 00 00 00 00 00 00 00}");
    } else if (control == "chkStreams") {
        if (m_before.kept_setstn.empty())
            removeBeforeStop(expected, "51");
        // Every SetSTN goes back as the switch-on found it.
        std::size_t found = 0;
        if (setSTNsOf(expected).size() == m_setstn_at_switch_on.size()) {
            for (std::string& command : expected) {
                if (byteOf(command, 1) == "51")
                    command = m_setstn_at_switch_on[found++];
            }
        }
    } else if (control == "chkHighlight" && f.chkHighlight.value() == ui::Checked) {
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (byteOf(expected[i], 1) == "56") {
                if (f.chkHLflag.value() != ui::Checked || f.txtOriginalHL.text() != expected[i])
                    faults.push_back("the SetHL_BTN " + expected[i] + " before the stop command was not adopted");
                break;
            }
            if (isStop(expected[i])) {
                insert("{56 00 00 00 04 00 00 00}");
                if (expected.size() != before->size() && f.cboButton.text() != "1")
                    faults.push_back("an inserted SetHL_BTN shows button \"" + f.cboButton.text() + "\"");
                break;
            }
        }
    } else if (control == "chkHighlight") {
        if (!m_before.kept_hl.empty()) {
            const auto first = std::find_if(expected.begin(), expected.end(), [](const std::string& c) { return byteOf(c, 1) == "56"; });
            if (first != expected.end())
                *first = m_before.kept_hl;
        } else {
            removeBeforeStop(expected, "56");
        }
    } else {
        return;
    }
    if (*now != expected)
        faults.push_back(control + " made " + menuBlock().name() + " " + StrictBlock::excerpt(menuBlock().text(), 800)
            + " instead of " + StrictBlock::excerpt(StrictBlock::join(expected), 800));
}

void SessionOracle::checkUnchanged(std::string_view why, Faults& faults, std::initializer_list<const ui::Control*> except) const
{
    std::string now = m_form.window().dumpState();
    std::string before_dump = m_before.dump;
    for (const ui::Control* control : except) {
        // The control's line goes from both dumps; it starts with its name.
        const auto drop = [&](std::string& dump) {
            const std::size_t at = dump.find("\n" + control->name() + " ");
            if (at != std::string::npos)
                dump.erase(at + 1, dump.find('\n', at + 1) - at);
        };
        drop(now);
        drop(before_dump);
    }
    if (now == before_dump)
        return;
    // Name the first control whose line differs; the dump is long.
    std::size_t start = 0;
    while (true) {
        const std::size_t end_before = before_dump.find('\n', start);
        const std::size_t end_now = now.find('\n', start);
        const std::string line_before = before_dump.substr(start, end_before - start);
        const std::string line_now = now.substr(start, end_now - start);
        if (line_before != line_now || end_before == std::string::npos || end_now == std::string::npos) {
            faults.push_back(std::string(why) + " changed the window:\n      " + line_before + "\n    became\n      " + line_now);
            return;
        }
        start = end_before + 1;
    }
}

}
