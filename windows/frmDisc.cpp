#include "windows/frmDisc.h"

#include "core/CommandDecoder.h"
#include "core/CommandLine.h"
#include "disc/DiscReader.h"
#include "disc/IfoWriter.h"
#include "ui/Font.h"
#include "vm/DiscProgram.h"
#include "vm/Path.h"
#include "vm/Trace.h"
#include "windows/DiscTarget.h"

#include <cstdio>

namespace trevalo {

namespace {

constexpr std::string_view line_end = "\r\n";

// The window's texts take CR LF; the machine's reports end lines in LF.
std::string windowLines(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += line_end;
        else
            out += c;
    }
    return out;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += line_end;
    }
    return text;
}

std::string registerTable(const vm::RegisterSnapshot& registers)
{
    std::string text = "GPRMs:";
    for (int n = 0; n < 16; ++n) {
        text += " " + std::to_string(n) + "=" + std::to_string(registers.gprm[static_cast<std::size_t>(n)]);
        if (registers.counters & (1 << n))
            text += " (counter)";
    }
    text += line_end;
    text += "Audio stream (SPRM 1) " + std::to_string(registers.sprm[1]) + ", sub-picture (SPRM 2) "
        + std::to_string(registers.sprm[2]) + ", angle (SPRM 3) " + std::to_string(registers.sprm[3])
        + ", highlighted button " + std::to_string(registers.sprm[8] / 1024) + " (SPRM 8 " + std::to_string(registers.sprm[8])
        + ")";
    text += line_end;
    return text;
}

std::string megabytes(std::uint64_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return text;
}

}

frmDisc::frmDisc(const disc::Disc& disc, DiscSession& session, ui::FolderChooser* folders)
    : m_disc(disc)
    , m_session(session)
    , m_folders(folders)
{
    form.setCaption("Disc");
    lblFolder.setPlace({ 120, 120, 10560, 255 });
    txtSummary.setPlace({ 120, 420, 10560, 1140 });
    txtSummary.setLines(ui::Lines::Multi);
    txtSummary.setScrollBars(ui::ScrollBars::Vertical);
    txtSummary.setLocked(true);
    lblPgc.setCaption("PGC:");
    lblPgc.setPlace({ 120, 1740, 600, 255 });
    cboPgc.setPlace({ 720, 1680, 5400, 315 });
    cmdUseTarget.setCaption("Use as target");
    cmdUseTarget.setPlace({ 6240, 1660, 1800, 375 });
    txtPgc.setPlace({ 120, 2100, 10560, 2280 });
    txtPgc.setFont(ui::fonts::fixed);
    txtPgc.setLines(ui::Lines::Multi);
    txtPgc.setScrollBars(ui::ScrollBars::Both);
    txtPgc.setLocked(true);
    lblLanguage.setCaption("Menu language:");
    lblLanguage.setPlace({ 120, 4560, 1380, 255 });
    cboLanguage.setPlace({ 1500, 4500, 900, 315 });
    cmdTrace.setCaption("Trace and import");
    cmdTrace.setPlace({ 2520, 4480, 1980, 375 });
    // A PGC's name and "waits for a button:" take two lines.
    lblChoice.setPlace({ 4620, 4470, 3060, 435 });
    lblChoice.setWordWrap(true);
    lblChoice.setVisible(false);
    cboChoice.setPlace({ 7740, 4500, 2940, 315 });
    cboChoice.setVisible(false);
    txtResult.setPlace({ 120, 4920, 10560, 1980 });
    txtResult.setLines(ui::Lines::Multi);
    txtResult.setScrollBars(ui::ScrollBars::Vertical);
    txtResult.setLocked(true);
    lblStatus.setPlace({ 120, 6990, 10560, 255 });
    cmdVerify.setCaption("Verify");
    cmdVerify.setPlace({ 120, 7320, 1500, 375 });
    cmdWrite.setCaption("Write patched copy...");
    cmdWrite.setPlace({ 1740, 7320, 2400, 375 });
    cmdCancel.setCaption("Cancel");
    cmdCancel.setPlace({ 4260, 7320, 1200, 375 });
    cmdCancel.setEnabled(false);
    cmdClose.setCaption("Close");
    cmdClose.setPlace({ 9480, 7320, 1200, 375 });
    cmdClose.setCancel(true);

    cmdUseTarget.setMnemonic('U');
    cmdTrace.setMnemonic('T');
    cmdVerify.setMnemonic('V');
    cmdWrite.setMnemonic('W');
    cmdCancel.setMnemonic('C');
    cmdClose.setMnemonic('L');
    // Enter runs the trace, the step the window is there for; Escape closes.
    cmdTrace.setDefault(true);

    cboPgc.on_click = [this] { cboPgc_Click(); };
    cmdUseTarget.on_click = [this] { cmdUseTarget_Click(); };
    cmdTrace.on_click = [this] { cmdTrace_Click(); };
    cboChoice.on_click = [this] { cboChoice_Click(); };
    cmdVerify.on_click = [this] { cmdVerify_Click(); };
    cmdWrite.on_click = [this] { cmdWrite_Click(); };
    cmdCancel.on_click = [this] { cmdCancel_Click(); };
    cmdClose.on_click = [this] { cmdClose_Click(); };
    Form_Load();
}

frmDisc::~frmDisc()
{
    if (m_copy)
        m_copy->cancel();
}

void frmDisc::Form_Load()
{
    m_scan = disc::scanDisc(m_disc);
    m_entries = pgcEntries(m_disc);
    lblFolder.setCaption("VIDEO_TS folder: " + m_disc.folder.string());
    txtSummary.setText(discSummary(m_disc, m_scan));
    std::vector<std::string> labels;
    for (const PgcEntry& entry : m_entries)
        labels.push_back(entry.label);
    cboPgc.setItems(labels);
    std::vector<std::string> languages = vm::menuLanguages(m_disc);
    if (languages.empty())
        languages.push_back(vm::PlayerConfig {}.menu_language);
    cboLanguage.setItems(languages);
    cboLanguage.setText(languages.front());
    if (!m_entries.empty())
        cboPgc.pick(0);
    setStatus("Pick a PGC to see it; Use as target sets the main window's target to it.");
    cboPgc.setFocus();
}

void frmDisc::setStatus(std::string text)
{
    lblStatus.setCaption(std::move(text));
}

void frmDisc::cboPgc_Click()
{
    const std::optional<std::size_t> index = cboPgc.indexOf(cboPgc.text());
    if (!index)
        return;
    m_shown = m_entries[*index].address;
    txtPgc.setText(pgcDetails(m_disc, m_scan, m_shown));
}

void frmDisc::cmdUseTarget_Click()
{
    const TargetChoice choice = targetFor(m_disc, m_shown);
    if (!choice.target) {
        setStatus(choice.reason + ".");
        return;
    }
    const std::string refused = m_session.useAsTarget(*choice.target);
    if (!refused.empty()) {
        setStatus(refused);
        return;
    }
    m_choices.clear();
    std::string status = "The main window's target is now " + targetName(*choice.target);
    if (choice.target->after_dummy != 0) {
        status += ", a dummy the dummy skip passes on to PGC " + std::to_string(choice.target->after_dummy);
    }
    setStatus(status + ".");
}

void frmDisc::cmdTrace_Click()
{
    m_choices.clear();
    runTrace();
}

void frmDisc::cboChoice_Click()
{
    const std::optional<std::size_t> index = cboChoice.indexOf(cboChoice.text());
    if (!index)
        return;
    m_choices.push_back(static_cast<int>(*index + 1));
    // The list goes with the choice made; the focus goes back to the trace.
    cmdTrace.setFocus();
    lblChoice.setVisible(false);
    cboChoice.setVisible(false);
    runTrace();
}

void frmDisc::runTrace()
{
    const std::optional<vm::Target> target = m_session.currentTarget();
    if (!target) {
        setStatus("The main window's lists name no target to trace to.");
        return;
    }
    vm::PlayerConfig player;
    player.menu_language = cboLanguage.text();
    if (const std::string wrong = vm::validate(player); !wrong.empty()) {
        setStatus("Menu language: " + wrong);
        return;
    }
    const vm::DiscProgram program { m_disc };
    const vm::TraceResult result = vm::trace(program, player, *target, m_choices);
    std::string text = "Path from insert:";
    text += line_end;
    text += joinLines(vm::pathLines(program, result.path));
    switch (result.end) {
    case vm::TraceEnd::ReachedTarget: {
        // What matters first: the registers and what is imported; the way there below.
        std::string found = "Registers where " + targetName(*target) + " starts:";
        found += line_end;
        found += registerTable(result.registers);
        found += "To import: " + (result.commands.empty() ? std::string("nothing (every register is as the player starts)")
                                                         : result.commands);
        found += line_end;
        for (const std::string& note : result.notes) {
            found += "Note: " + note;
            found += line_end;
        }
        txtResult.setText(found + std::string(line_end) + text);
        if (m_session.importTrace(result.commands, m_choices)) {
            setStatus("Traced to " + targetName(*target) + " and imported; the main window's copy buttons are ready.");
            cmdVerify.setFocus();
        } else {
            setStatus("Traced to " + targetName(*target) + ", but the main window did not import (its message said why).");
        }
        return;
    }
    case vm::TraceEnd::NeedsChoice: {
        const disc::Pgc* pgc = disc::findPgc(m_disc, result.wait.at.pgc);
        std::vector<std::string> buttons;
        const int cell = result.wait.at.cell;
        if (pgc && cell >= 1 && static_cast<std::size_t>(cell) <= pgc->cells.size() && pgc->cells[cell - 1u].highlight) {
            for (const disc::Button& button : pgc->cells[cell - 1u].highlight->buttons)
                buttons.push_back("Button " + std::to_string(button.number) + ": "
                    + core::commandLine(core::decode(button.command)));
        }
        cboChoice.setItems(buttons);
        cboChoice.setText({});
        lblChoice.setCaption(disc::describe(m_disc, result.wait.at.pgc) + " waits for a button:");
        lblChoice.setVisible(true);
        cboChoice.setVisible(true);
        txtResult.setText(text);
        setStatus("Choose the button the disc's own way to the target takes there; the trace goes on from it.");
        cboChoice.setFocus();
        return;
    }
    case vm::TraceEnd::Stopped:
    case vm::TraceEnd::Failed:
    case vm::TraceEnd::StepLimit:
        text += line_end;
        text += windowLines(result.message);
        text += line_end;
        txtResult.setText(text);
        setStatus("The trace did not reach " + targetName(*target) + ": " + result.message);
        return;
    }
}

void frmDisc::cmdVerify_Click()
{
    const vm::ReplayRequest request = m_session.replayRequest();
    const vm::Verdict verdict = vm::replay(m_disc, request);
    txtResult.setText(windowLines(verdict.text()));
    m_session.setVerdict(verdict);
    if (verdict.passed) {
        setStatus("Verified: with the blocks in place the disc starts in " + targetName(request.target)
            + " with the registers the disc's own chain leaves there.");
    } else {
        const vm::Finding* first = !verdict.findings.empty() ? &verdict.findings.front() : nullptr;
        std::string why;
        for (const vm::LanguageReplay& language : verdict.languages) {
            if (!first && !language.findings.empty())
                first = &language.findings.front();
            if (why.empty() && !language.note.empty())
                why = "menu language " + language.language + ": " + language.note;
        }
        if (first)
            why = first->where + ": " + first->what;
        setStatus("Verification failed: " + (why.empty() ? std::string("no menu language could be compared") : why) + ".");
    }
}

void frmDisc::cmdWrite_Click()
{
    if (!m_folders) {
        setStatus("No folder can be chosen here.");
        return;
    }
    const std::optional<std::string> destination
        = m_folders->chooseFolder("Write the patched copy into a new or empty folder", m_disc.folder.parent_path().string());
    if (destination)
        writeCopyTo(*destination);
}

void frmDisc::writeCopyTo(const std::string& destination)
{
    const vm::ReplayRequest request = m_session.replayRequest();
    vm::PlacedBlocks placed = vm::placeBlocks(m_disc, request.blocks, request.target);
    if (!placed.placed) {
        std::string why;
        for (const vm::Finding& finding : placed.findings)
            why += finding.where + ": " + finding.what + ". ";
        setStatus("Nothing was written: " + why);
        return;
    }
    m_patched = std::move(placed.disc);
    m_destination = destination;
    m_copy = std::make_unique<disc::FolderCopy>(*m_patched, destination);
    if (m_copy->state() != disc::FolderCopy::State::Working) {
        setStatus("Nothing was written: " + m_copy->error());
        m_copy.reset();
        return;
    }
    for (ui::Button* button : { &cmdUseTarget, &cmdTrace, &cmdVerify, &cmdWrite })
        button->setEnabled(false);
    cmdCancel.setEnabled(true);
    setStatus("Writing the patched copy into " + destination + " ...");
    form.setWork([this] { return copyStep(); });
}

bool frmDisc::copyStep()
{
    if (!m_copy)
        return false;
    const bool more = m_copy->step();
    if (more) {
        setStatus("Writing " + m_copy->currentFile() + ": " + megabytes(m_copy->bytesDone()) + " of "
            + megabytes(m_copy->bytesTotal()) + " MiB; Cancel stops and removes what was written.");
        return true;
    }
    copyFinished();
    return false;
}

void frmDisc::copyFinished()
{
    for (ui::Button* button : { &cmdUseTarget, &cmdTrace, &cmdVerify, &cmdWrite })
        button->setEnabled(true);
    cmdCancel.setEnabled(false);
    const disc::FolderCopy::State state = m_copy->state();
    const std::string error = m_copy->error();
    m_copy.reset();
    if (state == disc::FolderCopy::State::Cancelled) {
        setStatus("Cancelled: nothing was written.");
        return;
    }
    if (state != disc::FolderCopy::State::Done) {
        setStatus("Nothing was written: " + error);
        return;
    }
    // The copy read back must hold exactly the IFOs the replay played.
    const disc::DiscRead copy = disc::readDisc(m_destination);
    bool same = copy.disc.has_value() && copy.disc->title_sets.size() == m_patched->title_sets.size();
    for (std::size_t s = 0; same && s <= m_patched->title_sets.size(); ++s) {
        const disc::InfoFile& written = s == 0 ? m_patched->manager : m_patched->title_sets[s - 1];
        const disc::InfoFile& read = s == 0 ? copy.disc->manager : copy.disc->title_sets[s - 1];
        same = disc::writeInfoFile(written).bytes == read.bytes;
    }
    if (!same) {
        setStatus("The copy in " + m_destination + " does not read back as written" + (copy.disc ? "." : ": " + copy.error));
        return;
    }
    const vm::Verdict verdict = vm::replay(m_disc, m_session.replayRequest());
    txtResult.setText(windowLines(verdict.text()));
    m_session.setVerdict(verdict);
    setStatus("Written to " + m_destination + "; the copy reads back as written, and its replay "
        + (verdict.passed ? std::string("matches the disc's own chain.") : "finds a problem (below)."));
}

void frmDisc::cmdCancel_Click()
{
    if (!m_copy)
        return;
    m_copy->cancel();
    form.setWork(nullptr);
    copyFinished();
}

void frmDisc::cmdClose_Click()
{
    if (m_copy)
        cmdCancel_Click();
    form.setVisible(false);
}

}
