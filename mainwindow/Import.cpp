#include "mainwindow/Form1.h"

#include "core/Block.h"
#include "core/ImportText.h"
#include "core/Text.h"

#include <optional>

namespace trevalo {

namespace {

constexpr int most_lines = 255;

}

void Form1::cmdPaste_Click()
{
    importCommands(m_clipboard.text(), ImportFrom::Clipboard);
}

bool Form1::importTraceCommands(const std::string& commands)
{
    bool imported = false;
    asEvent([&] { imported = importCommands(commands, ImportFrom::DiscTrace); });
    return imported;
}

bool Form1::importCommands(const std::string& clip, ImportFrom from)
{
    // What the clipboard held is kept whole for Undo.
    const core::ImportText parsed = core::ReadImportText(
        clip, from == ImportFrom::DiscTrace ? core::ImportSource::DiscTrace : core::ImportSource::Clipboard);
    if (parsed.refusal) {
        m_messages.show(parsed.refusal->text, parsed.refusal->title, ui::Buttons::Ok);
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
        target->setText(core::SpliceImport(target->text(), parsed.commands,
            none == ui::Unchecked ? std::optional<int>(static_cast<int>(core::leadingNumber(cboGPRM.text())))
                                  : std::nullopt));
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
    for (const std::string& command : parsed.commands) {
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
        m_messages.show(parsed.commands.empty()
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
