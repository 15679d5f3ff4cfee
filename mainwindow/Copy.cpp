#include "mainwindow/Form1.h"

#include "core/Block.h"

namespace trevalo {

namespace {

constexpr std::string_view paste_after = "2. Ctrl + Shift + V (Paste After).";

std::string pasteInstructions(std::string_view pgc)
{
    return "1. Select [******** pre commands:] label in " + std::string(pgc) + ".\r\n" + std::string(paste_after);
}

}

// The First Play instructions come before the clipboard changes, the other
// two after: authors are used to that order.
void Form1::cmdCopy_Click()
{
    if (chkdisable.value() == ui::Unchecked)
        m_messages.show(pasteInstructions("First Play PGC"), "Paste Instructions", ui::Buttons::Ok);
    m_clipboard.clear();
    m_clipboard.setText(Text1.text());
    noteCopy(1, Text1, Label3.caption());
}

void Form1::cmdCopy2_Click()
{
    m_clipboard.clear();
    m_clipboard.setText(Text2.text());
    noteCopy(2, Text2, Label8.caption());
    if (chkdisable.value() == ui::Unchecked)
        m_messages.show(pasteInstructions(Label8.caption()), "Paste Instructions", ui::Buttons::Ok);
}

void Form1::cmdCopy3_Click()
{
    m_clipboard.clear();
    m_clipboard.setText(Text3.text());
    noteCopy(3, Text3, Label15.caption());
    if (chkdisable.value() == ui::Unchecked)
        m_messages.show(pasteInstructions(Label15.caption()), "Paste Instructions", ui::Buttons::Ok);
}

void Form1::noteCopy(int block, const ui::TextBox& text, std::string_view target)
{
    m_copied[block - 1] = text.text();
    const int count = core::commandCount(text.text());
    // Captions keep their design blanks ("VTSM 1, LU , 6 "); a note does not.
    std::string_view name = target;
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    m_copy_note_short = "Block " + std::to_string(block) + " copied: " + std::to_string(count)
        + (count == 1 ? " command" : " commands");
    m_copy_note = m_copy_note_short + " for " + std::string(name);
    m_noted_blocks[0] = Text1.text();
    m_noted_blocks[1] = Text2.text();
    m_noted_blocks[2] = Text3.text();
}

// Undo and Reset have just cleared the clipboard or put the trace back on
// it: no block is on it as copied any more, and the copy buttons go off.
void Form1::forgetCopies()
{
    for (std::optional<std::string>& copied : m_copied)
        copied.reset();
    m_copy_note.clear();
    m_copy_note_short.clear();
}

void Form1::refreshCopyFeedback()
{
    const ui::TextBox* const blocks[] = { &Text1, &Text2, &Text3 };
    const ui::Button* const buttons[] = { &cmdCopy, &cmdCopy2, &cmdCopy3 };
    ui::Label* const marks[] = { &lblCopied1, &lblCopied2, &lblCopied3 };
    for (std::size_t i = 0; i < std::size(blocks); ++i) {
        // A mark speaks of a block ready to copy: never beside a button
        // that cannot copy it.
        marks[i]->setVisible(
            blocks[i]->visible() && buttons[i]->usable() && m_copied[i] == blocks[i]->text());
        if (m_noted_blocks[i] != blocks[i]->text())
            m_copy_note.clear();
    }
    // The note and the findings share their line; while both have
    // something to say each takes part of it, the note in its short form
    // (the mark beside the button says which block), so both read at once.
    const bool both = !m_copy_note.empty() && lblNotice.visible();
    lblCopyNote.setCaption(both ? m_copy_note_short : m_copy_note);
    lblCopyNote.setVisible(!m_copy_note.empty());
    lblCopyNote.setPlace(both ? shared_note_place : notice_place);
    lblCopyNote.setAccessibleDescription(std::string(copy_note_description));
    lblCopyNote.setTooltip(both ? m_copy_note : std::string());
    lblNotice.setPlace(both ? shared_notice_place : notice_place);
    if (both)
        lblNotice.setCaption(m_notice_short);
}

void Form1::noteLogCopy()
{
    m_copy_note = "The log's report copied";
    m_copy_note_short = m_copy_note;
    m_noted_blocks[0] = Text1.text();
    m_noted_blocks[1] = Text2.text();
    m_noted_blocks[2] = Text3.text();
}

}
