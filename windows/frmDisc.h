#pragma once

#include "disc/Disc.h"
#include "disc/FolderCopy.h"
#include "disc/Scan.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/FolderChooser.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "vm/Replay.h"
#include "windows/DiscListing.h"
#include "windows/DiscSession.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trevalo {

// The disc window: the open disc's folder and summary, every PGC with its
// commands, cells, buttons and callers, and the disc's steps of the work:
// taking the target from a PGC, tracing the disc's own chain to it and
// importing the registers there, verifying the blocks by replaying the
// disc, and writing a patched copy in steps the binding runs between
// events. What any of these does to the main window goes through the
// session's calls, which run the main window's own operations; this window
// keeps only its own texts and the trace's button choices.
class frmDisc {
public:
    frmDisc(const disc::Disc& disc, DiscSession& session, ui::FolderChooser* folders);
    ~frmDisc();
    frmDisc(const frmDisc&) = delete;
    frmDisc& operator=(const frmDisc&) = delete;

    ui::Window& window() { return form; }

    void Form_Load();
    void cboPgc_Click();
    void cmdUseTarget_Click();
    void cmdTrace_Click();
    void cboChoice_Click();
    void cmdVerify_Click();
    void cmdWrite_Click();
    void cmdCancel_Click();
    void cmdClose_Click();

    // The PGC whose details show.
    const disc::PgcAddress& shownPgc() const { return m_shown; }
    // The buttons the trace presses, in order, as chosen so far.
    const std::vector<int>& buttonChoices() const { return m_choices; }
    // Writes the patched copy into `destination` (the chooser's answer).
    void writeCopyTo(const std::string& destination);

private:
    void runTrace();
    bool copyStep();
    void copyFinished();
    void setStatus(std::string text);

    const disc::Disc& m_disc;
    DiscSession& m_session;
    ui::FolderChooser* m_folders;
    disc::DiscScan m_scan;
    std::vector<PgcEntry> m_entries;
    disc::PgcAddress m_shown;
    std::vector<int> m_choices;
    // The copy being written and the disc it writes, with the verdict its
    // blocks had in memory.
    std::unique_ptr<disc::FolderCopy> m_copy;
    std::optional<disc::Disc> m_patched;
    std::string m_destination;

    ui::Window form { "frmDisc", "Disc", 10800, 7800 };

public:
    ui::Label lblFolder { &form, "lblFolder" };
    ui::TextBox txtSummary { &form, "txtSummary" };
    ui::Label lblPgc { &form, "lblPgc" };
    ui::ComboBox cboPgc { &form, "cboPgc" };
    ui::Button cmdUseTarget { &form, "cmdUseTarget" };
    ui::TextBox txtPgc { &form, "txtPgc" };
    ui::Label lblLanguage { &form, "lblLanguage" };
    ui::ComboBox cboLanguage { &form, "cboLanguage" };
    ui::Button cmdTrace { &form, "cmdTrace" };
    ui::Label lblChoice { &form, "lblChoice" };
    ui::ComboBox cboChoice { &form, "cboChoice" };
    ui::TextBox txtResult { &form, "txtResult" };
    ui::Label lblStatus { &form, "lblStatus" };
    ui::Button cmdVerify { &form, "cmdVerify" };
    ui::Button cmdWrite { &form, "cmdWrite" };
    ui::Button cmdCancel { &form, "cmdCancel" };
    ui::Button cmdClose { &form, "cmdClose" };
};

}
