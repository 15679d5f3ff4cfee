#include "mainwindow/Form1.h"

#include "windows/Note.h"
#include "windows/frmAbout.h"
#include "windows/frmLog.h"

namespace trevalo {

LogSource Form1::logSource() const
{
    LogSource source;
    source.first_play = { Label3.caption(), Text1.text() };
    source.target = { Label8.caption(), Text2.text() };
    source.after_dummy = { Label15.caption(), Text3.text() };
    source.after_dummy_shown = Text3.visible();
    source.menu = CboMenu.text();
    if (chkLinkCN.value() == ui::Checked)
        source.linked_cell = cboLinkCN.text();
    source.imported = chkStreams.enabled();
    source.findings = findings();
    if (m_disc) {
        source.disc_folder = m_disc->folder.string();
        const vm::Blocks blocks = replayRequest().blocks;
        if (m_verdict && blocks.text1 == m_verdict_blocks.text1 && blocks.text2 == m_verdict_blocks.text2
            && blocks.text3 == m_verdict_blocks.text3)
            source.replay = m_verdict->text();
    }
    return source;
}

// Each window is loaded afresh and lives only while it is shown.
void Form1::Log_Click()
{
    frmLog log(logSource(), m_clipboard);
    m_modals.showModal(log.window());
    // The clipboard now holds the report, not the block the note named.
    if (log.copiedToClipboard())
        noteLogCopy();
}

void Form1::About_Click()
{
    frmAbout about;
    m_modals.showModal(about.window());
}

void Form1::cmdNote_Click()
{
    Note note;
    m_modals.showModal(note.window());
}

}
