#include "mainwindow/Form1.h"

#include "windows/Note.h"
#include "windows/frmAbout.h"
#include "windows/frmLog.h"

namespace trevalo {

// Each window is loaded afresh and lives only while it is shown.
void Form1::Log_Click()
{
    frmLog log(*this, m_clipboard);
    m_modals.showModal(log.window());
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
