#include "mainwindow/Form1.h"

#include "core/Block.h"
#include "core/Text.h"

#include <optional>
#include <vector>

namespace trevalo {

namespace {

constexpr std::string_view rejected = "Invalid commands or no data found on clipboard.\r\nTry to copy them in PgcEdit again.";
// Positions and counters of the blocks are one-byte line numbers and
// 16-bit offsets; nothing longer is taken.
constexpr std::size_t longest_import = 32767;
constexpr int most_lines = 255;

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// What was found where a command should stand, printable whatever the
// clipboard held.
std::string shown(std::string_view found)
{
    std::string text;
    for (unsigned char c : found.substr(0, 25))
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return "\"" + text + "\"";
}

struct Parsed {
    std::vector<std::string_view> commands;
    std::string fault;
};

// The clipboard text as commands separated only by white space, or the
// first fault found, naming the command it lies in.
Parsed parseCommands(std::string_view text)
{
    Parsed parsed;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (isSeparator(text[pos])) {
            ++pos;
            continue;
        }
        const std::size_t number = parsed.commands.size() + 1;
        const std::string_view candidate = text.substr(pos, 25);
        if (!core::isCommand(candidate)) {
            parsed.fault = "Command " + std::to_string(number)
                + " is not of the form {71 00 00 03 00 05 00 00} (upper-case digits, single blanks): found "
                + shown(candidate) + ".";
            return parsed;
        }
        pos += 25;
        if (pos < text.size() && !isSeparator(text[pos])) {
            parsed.fault = "Command " + std::to_string(number)
                + " is not followed by a blank or a line break: found " + shown(text.substr(pos, 1)) + " after it.";
            return parsed;
        }
        parsed.commands.push_back(candidate);
    }
    return parsed;
}

std::string joined(const std::vector<std::string_view>& commands, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (i)
            text += separator;
        text += commands[i];
    }
    return text;
}

}

void Form1::cmdPaste_Click()
{
    importCommands(m_clipboard.text(), ImportFrom::Clipboard);
}

bool Form1::importTraceCommands(const std::string& commands)
{
    ++m_event_depth;
    const bool imported = importCommands(commands, ImportFrom::DiscTrace);
    if (--m_event_depth == 0) {
        refreshChecks();
        refreshCopyFeedback();
    }
    return imported;
}

bool Form1::importCommands(const std::string& clip, ImportFrom from)
{
    // Editors and terminals often end a copy with a line break: white space
    // after the last command separates nothing and is let go, as it is
    // between commands. What the clipboard held is kept whole for Undo.
    std::string_view text = clip;
    while (!text.empty() && isSeparator(text.back()))
        text.remove_suffix(1);
    // A trace that leaves every register as the player starts it has
    // nothing to restore: it imports as no commands at all.
    const bool nothing_traced = from == ImportFrom::DiscTrace && text.empty();
    if (!nothing_traced) {
        if (!text.empty() && isSeparator(text.front()) && text.back() == '}') {
            m_messages.show(std::string(rejected) + "\r\nThe text begins with a blank or a line break; it must begin with "
                    "the first command's {.",
                "Warning", ui::Buttons::Ok);
            return false;
        }
        if (text.empty() || text.front() != '{' || text.back() != '}') {
            m_messages.show(rejected, "Warning", ui::Buttons::Ok);
            return false;
        }
    }
    if (text.size() > longest_import) {
        m_messages.show("The clipboard holds " + std::to_string(text.size())
                + " characters; Trevalo imports at most 32767.\r\nNothing was imported.",
            "Import", ui::Buttons::Ok);
        return false;
    }
    const Parsed parsed = parseCommands(text);
    if (!parsed.fault.empty()) {
        m_messages.show(std::string(rejected) + "\r\n" + parsed.fault, "Warning", ui::Buttons::Ok);
        return false;
    }

    const int none = chkNone.value();
    ui::TextBox* const target = dummyValueBlock();
    const bool splice = (none == ui::Unchecked || none == ui::Checked) && target != nullptr;
    const int imported = static_cast<int>(parsed.commands.size());
    const int last_line = splice ? core::commandCount(target->text()) + imported : imported;
    const std::string digit = registerDigit();
    if (splice && last_line > most_lines) {
        m_messages.show("With these " + std::to_string(imported) + " commands the block would have "
                + std::to_string(last_line) + " lines; a block can have at most 255.\r\nNothing was imported.",
            "Import", ui::Buttons::Ok);
        return false;
    }
    if (splice && none == ui::Unchecked && digit.empty()) {
        m_messages.show("The guard register must be one of 0 to 15.\r\nNothing was imported.", "Import", ui::Buttons::Ok);
        return false;
    }

    txtCB.setText(clip);
    txtText1.setText(Text1.text());
    txtText2.setText(Text2.text());
    txtText3.setText(Text3.text());
    cmdCopy.setEnabled(true);
    cmdCopy2.setEnabled(true);
    cmdCopy3.setEnabled(true);
    for (ui::ComboBox* list : { &cboAudio, &cboSubs, &cboAngle, &cboButton }) {
        list->setBackColour(ui::colours::face);
        list->setEnabled(false);
    }

    if (splice) {
        const std::string& block = target->text();
        const std::string guard_set
            = none == ui::Unchecked ? "} {71 00 00 0" + digit + " 00 01 00 00} " : core::mid(block, 25, 28);
        // No commands (an empty trace): the guard's set is followed straight
        // by the stop command, with the one blank between them.
        const std::string body = joined(parsed.commands, " ");
        target->setText(core::left(block, 22) + core::hexByte(last_line)
            + (body.empty() ? guard_set.substr(0, guard_set.size() - 1) : guard_set + body) + core::right(block, 52));
        chkLinkCN.setEnabled(false);
        cboLinkCN.setEnabled(false);
        cboLinkCN.setBackColour(ui::colours::face);
    }
    if (chkDummy.value() == ui::Unchecked)
        lblNC.setEnabled(false);

    cmdPaste.setVisible(false);
    cmdUndo.setVisible(true);
    Label6.setVisible(false);
    Label22.setEnabled(false);
    for (ui::ComboBox* list : { &CboMenu, &cboPGC, &cboSelect }) {
        list->setEnabled(false);
        list->setBackColour(ui::colours::face);
    }
    cmdNote.setEnabled(false);
    cboDummy.setEnabled(false);
    cboDummy.setBackColour(ui::colours::face);
    chkDummy.setEnabled(false);
    OptTitle.setEnabled(false);
    cboVmgTitle.setEnabled(false);
    Label32.setEnabled(false);
    cboGPRM.setEnabled(false);
    cboGPRM.setBackColour(ui::colours::face);
    chkNone.setEnabled(false);
    cboValue.setBackColour(ui::colours::face);
    cboValue.setEnabled(false);

    std::string listing;
    for (std::string_view command : parsed.commands) {
        listing += command;
        listing += "\r\n";
    }

    for (ui::Control* c : std::initializer_list<ui::Control*> { &Label29, &Label30, &Label9, &lblGPRM0, &Label20 })
        c->setEnabled(false);
    Frame1.setEnabled(false);
    Frame10.setEnabled(true);
    chkHighlight.setEnabled(true);
    chkStreams.setEnabled(true);

    if (from == ImportFrom::DiscTrace) {
        m_messages.show(nothing_traced
                ? std::string("The disc's own chain leaves every register as the player starts it: there is nothing "
                              "to restore, so the block holds the guard and its end alone.")
                : std::to_string(imported) + " commands from the trace of the disc:\r\n\r\n" + listing,
            "Import", ui::Buttons::Ok);
        return true;
    }
    m_messages.show(std::to_string(imported) + " Commands from PgcEdit:\r\n\r\n" + listing
            + "\r\nEnsure that \"Automatically renumber GOTOs cmds upon insert/delete?\"\r\n is checked in PgcEdit's "
              "Options before copying.",
        "Import", ui::Buttons::Ok);
    return true;
}

void Form1::Command1_Click()
{
    // A command and its two-character separator take 27 characters; 27 is
    // odd, so no length falls exactly halfway.
    const std::size_t length = txtCB.text().size();
    m_messages.show(std::to_string((2 * length + 27) / 54), "", ui::Buttons::Ok);
}

}
