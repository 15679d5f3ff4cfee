#include "windows/frmLog.h"

#include "core/CommandListing.h"

#include <utility>

namespace trevalo {

namespace {

constexpr std::string_view rule = "_____________________\r\n\r\n";
constexpr std::string_view pre_commands = "\r\n\r\n********** pre commands:\r\n";

}

frmLog::frmLog(LogSource source, ui::Clipboard& clipboard)
    : m_source(std::move(source))
    , m_clipboard(clipboard)
{
    txtLog.setPlace({ 120, 120, 9360, 5040 });
    txtLog.setFont(ui::fonts::fixed);
    txtLog.setLines(ui::Lines::Multi);
    txtLog.setScrollBars(ui::ScrollBars::Both);
    txtLog.setLocked(true);
    Text1.setText("Text1");
    Text1.setVisible(false);
    Command3.setCaption("Insert [CODE] [/CODE] tags");
    Command3.setTag("1");
    Command3.setPlace({ 120, 5310, 3120, 390 });
    Command1.setCaption("Copy to Clipboard");
    Command1.setPlace({ 3360, 5310, 1920, 390 });
    Command2.setCaption("Close");
    Command2.setPlace({ 8280, 5310, 1200, 390 });
    Command2.setDefault(true);
    Command2.setCancel(true);
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
    Form_Load();
}

void frmLog::Form_Load()
{
    BuildLog();
}

void frmLog::BuildLog()
{
    const LogSource& source = m_source;
    const bool dummy_block = source.after_dummy_shown;
    std::string log = "Trevalo v" TREVALO_VERSION " log ";
    log += source.imported ? "(After import)" : "(Before import)";
    log += "\r\n";
    log += rule;
    log += "DVD flow upon insert:\r\n\r\n";
    log += "1. " + source.first_play.name + "\r\n";
    log += "2. " + source.target.name + "\r\n";
    if (dummy_block)
        log += "3. " + source.after_dummy.name + "\r\n";
    if (source.linked_cell) {
        // Without the dummy skip the cell link ends the target's own block,
        // so the flow goes on from the target, not from the unused dummy.
        if (dummy_block)
            log += "4. " + source.after_dummy.name + "  > Cell " + *source.linked_cell + "\r\n";
        else
            log += "3. " + source.target.name + "  > Cell " + *source.linked_cell + "\r\n";
    }
    log += rule;
    log += "VMG , First-Play PGC\r\n\r\n********** pre commands:\r\n";
    log += core::DecodeCommands(source.first_play.text, source.menu);
    log += "\r\n" + source.target.name;
    log += pre_commands;
    log += core::DecodeCommands(source.target.text, source.menu);
    if (dummy_block) {
        log += "\r\n" + source.after_dummy.name;
        log += pre_commands;
        log += core::DecodeCommands(source.after_dummy.text, source.menu);
    }
    const std::vector<core::Finding>& found = source.findings;
    if (!found.empty()) {
        log += rule;
        log += "Checks:\r\n\r\n";
        for (std::size_t i = 0; i < found.size(); ++i)
            log += std::to_string(i + 1) + ". " + found[i].text + "\r\n";
    }
    if (!source.disc_folder.empty()) {
        log += rule;
        log += "Disc: " + source.disc_folder + "\r\n\r\n";
        if (source.replay.empty()) {
            log += "Not replayed with these blocks (Verify in the disc window replays them).\r\n";
        } else {
            log += "Replay:\r\n";
            for (char c : source.replay) {
                if (c == '\n')
                    log += "\r\n";
                else
                    log += c;
            }
        }
    }
    txtLog.setText(std::move(log));
}

void frmLog::Command1_Click()
{
    m_clipboard.clear();
    m_clipboard.setText(txtLog.text());
    m_copied = true;
}

void frmLog::Command2_Click()
{
    form.setVisible(false);
}

void frmLog::Command3_Click()
{
    if (Command3.tag() == "1") {
        Text1.setText(txtLog.text());
        txtLog.setText("[CODE]\r\n" + Text1.text() + "[/CODE]");
        Command3.setTag("0");
        Command3.setCaption("Remove [CODE] [/CODE] tags");
    } else {
        txtLog.setText(Text1.text());
        Command3.setTag("1");
        Command3.setCaption("Insert [CODE] [/CODE] tags");
    }
}

}
