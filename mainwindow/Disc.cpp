#include "mainwindow/Form1.h"

#include "core/Block.h"
#include "core/Text.h"
#include "disc/DiscReader.h"
#include "disc/PreCommandInsert.h"
#include "vm/Target.h"
#include "windows/DiscListing.h"
#include "windows/DiscTarget.h"
#include "windows/frmDisc.h"

#include <algorithm>

namespace trevalo {

namespace {

constexpr std::string_view disc_title = "Disc";

const char* const menu_names[] = { "Root Menu", "Sub-Picture Menu", "Audio Menu", "Angle Menu", "Chapter Menu" };

// The CboMenu text of a title set's menu kind, or nothing.
std::optional<std::string> menuText(core::MenuId menu)
{
    const int kind = static_cast<int>(menu);
    if (kind < 3 || kind > 7)
        return std::nullopt;
    return menu_names[kind - 3];
}

}

void Form1::mnuOpenDisc_Click()
{
    if (!m_folders)
        return;
    const std::string start = m_disc ? m_disc->folder.parent_path().string() : std::string {};
    if (const std::optional<std::string> folder = m_folders->chooseFolder("Open a DVD-Video folder", start))
        openDisc(*folder);
}

bool Form1::openDisc(const std::string& folder, DiscWindow window)
{
    disc::DiscRead read = disc::readDisc(std::filesystem::u8path(folder));
    if (!read.disc) {
        m_messages.show(read.error + "\r\nThe window is as it was.", disc_title, ui::Buttons::Ok);
        return false;
    }
    m_disc = std::move(read.disc);
    m_scan = disc::scanDisc(*m_disc);
    m_verdict.reset();
    m_trace_buttons.clear();
    mnuDiscWindow.setEnabled(true);
    showUnusedRegisters();
    refreshChecks();
    if (window == DiscWindow::Show)
        mnuDiscWindow_Click();
    return true;
}

void Form1::mnuDiscWindow_Click()
{
    if (!m_disc)
        return;
    frmDisc window { *m_disc, *this, m_folders };
    m_modals.showModal(window.window());
    refreshChecks();
    refreshCopyFeedback();
}

void Form1::showUnusedRegisters()
{
    if (!m_disc) {
        lblUnused.setVisible(false);
        return;
    }
    lblUnused.setCaption("Never used on this disc: " + registerList(m_scan.gprmsUntouched()));
    lblUnused.setVisible(chkNone.value() == ui::Unchecked);
}

std::optional<vm::Target> Form1::currentTarget() const
{
    const long number = core::leadingNumber(cboPGC.text());
    if (number < 1 || number > 99)
        return std::nullopt;
    const std::string& domain = cboSelect.text();
    if (domain == "VMGM")
        return vm::Target { vm::TargetKind::ManagerPgc, static_cast<int>(number), core::MenuId::Root, 0 };
    if (domain == "Title")
        return vm::Target { vm::TargetKind::Title, static_cast<int>(number), core::MenuId::Root, 0 };
    if (domain != "VTSM")
        return std::nullopt;
    for (int kind = 3; kind <= 7; ++kind) {
        if (CboMenu.text() != menu_names[kind - 3])
            continue;
        vm::Target target { vm::TargetKind::TitleSetMenu, static_cast<int>(number), static_cast<core::MenuId>(kind), 0 };
        if (chkDummy.value() == ui::Checked) {
            const long dummy = core::leadingNumber(cboDummy.text());
            if (dummy < 1 || dummy > 99)
                return std::nullopt;
            target.after_dummy = static_cast<int>(dummy);
        }
        return target;
    }
    return std::nullopt;
}

std::string Form1::useAsTarget(const vm::Target& target)
{
    if (cmdUndo.visible())
        return "An import is in place and the target is locked: Undo it first, then use the PGC as the target.";
    if (target.number < 1 || target.number > 99 || target.after_dummy > 99)
        return "The window's lists reach 99; " + targetName(target) + " lies past them.";
    const auto pickText = [](ui::ComboBox& list, const std::string& text) {
        if (const std::optional<std::size_t> index = list.indexOf(text))
            list.pick(*index);
    };
    switch (target.kind) {
    case vm::TargetKind::TitleSetMenu: {
        const std::optional<std::string> menu = menuText(target.menu);
        if (!menu)
            return "The window names no title set menu of that kind.";
        pickText(cboSelect, "VTSM");
        pickText(CboMenu, *menu);
        pickText(cboPGC, std::to_string(target.number));
        const bool dummy = target.after_dummy != 0;
        if ((chkDummy.value() == ui::Checked) != dummy)
            chkDummy.click();
        if (dummy)
            pickText(cboDummy, std::to_string(target.after_dummy));
        break;
    }
    case vm::TargetKind::ManagerPgc:
        pickText(cboSelect, "VMGM");
        pickText(cboPGC, std::to_string(target.number));
        break;
    case vm::TargetKind::Title:
        pickText(cboSelect, "Title");
        pickText(cboPGC, std::to_string(target.number));
        break;
    }
    return {};
}

bool Form1::importTrace(const std::string& commands, const std::vector<int>& buttons)
{
    if (cmdUndo.visible()) {
        m_messages.show("An import is already in place: Undo it first, then trace and import again.", "Import",
            ui::Buttons::Ok);
        return false;
    }
    if (!importTraceCommands(commands))
        return false;
    m_trace_buttons = buttons;
    return true;
}

vm::ReplayRequest Form1::replayRequest() const
{
    vm::ReplayRequest request;
    request.blocks.text1 = Text1.text();
    request.blocks.text2 = Text2.text();
    if (Text3.visible())
        request.blocks.text3 = Text3.text();
    if (const std::optional<vm::Target> target = currentTarget())
        request.target = *target;
    request.deliberate.guard_register
        = chkNone.value() == ui::Checked ? -1 : static_cast<int>(core::leadingNumber(cboGPRM.text()));
    request.deliberate.streams = chkStreams.value() == ui::Checked;
    request.deliberate.button = chkHighlight.value() == ui::Checked;
    request.buttons = m_trace_buttons;
    return request;
}

void Form1::setVerdict(std::optional<vm::Verdict> verdict)
{
    m_verdict = std::move(verdict);
    m_verdict_blocks = replayRequest().blocks;
    refreshChecks();
}

std::vector<core::Finding> Form1::discFindings() const
{
    std::vector<core::Finding> found;
    if (!m_disc)
        return found;
    const disc::Disc& disc = *m_disc;
    const std::optional<vm::Target> target = currentTarget();
    const std::string target_name = target ? targetName(*target) : cboSelect.text() + " " + cboPGC.text();
    // A verdict counts only for the blocks it judged.
    const vm::Blocks blocks = replayRequest().blocks;
    const bool current = m_verdict && blocks.text1 == m_verdict_blocks.text1 && blocks.text2 == m_verdict_blocks.text2
        && blocks.text3 == m_verdict_blocks.text3;

    // The guard register, where the disc reads or writes it.
    if (chkNone.value() == ui::Unchecked) {
        const long guard = core::leadingNumber(cboGPRM.text());
        if (guard >= 0 && guard < 16) {
            std::string where;
            int places = 0;
            for (const disc::CommandSite& site : m_scan.commands) {
                const bool reads = site.registers.gprmReads & (1u << guard);
                const bool writes = site.registers.gprmWrites & (1u << guard);
                if (!reads && !writes)
                    continue;
                if (++places <= 3) {
                    const char* place[] = { "pre command", "post command", "cell command", "button" };
                    where += (where.empty() ? "" : "; ") + std::string(reads ? "read" : "written") + " by "
                        + disc::describe(disc, site.pgc) + ", " + place[static_cast<int>(site.place)] + " "
                        + std::to_string(site.number);
                }
            }
            if (places > 0) {
                found.push_back({ core::Severity::GuardInUse, "the disc uses GPRM " + std::to_string(guard),
                    "GPRM " + std::to_string(guard) + " is " + where + (places > 3 ? " (and " + std::to_string(places - 3) + " more)" : "")
                        + ".\r\nThe disc's own commands change the guard register, so the shortcut may fire again or "
                          "never. Choose a register the disc never uses: "
                        + registerList(m_scan.gprmsUntouched()) + "." });
            }
        }
    }

    // The target, the dummy's successor and the linked cell.
    if (target) {
        const vm::TargetPgcs pgcs = vm::resolve(disc, *target);
        if (!pgcs.error.empty()) {
            found.push_back({ core::Severity::GuardInUse, "the disc has no " + target_name,
                "The disc has no such target: " + pgcs.error + ".\r\nPick a PGC the disc has, or use the disc "
                                                               "window's list and Use as target." });
        } else {
            if (target->kind == vm::TargetKind::TitleSetMenu && target->after_dummy != 0) {
                for (const disc::PgcAddress& entry : pgcs.target) {
                    const disc::Pgc* pgc = disc::findPgc(disc, entry);
                    if (pgc && !pgc->cells.empty()) {
                        found.push_back({ core::Severity::GuardInUse, "the dummy plays video",
                            disc::describe(disc, entry) + " is no dummy: it plays " + std::to_string(pgc->cells.size())
                                + (pgc->cells.size() == 1 ? " cell" : " cells")
                                + ".\r\nWith the dummy skip on, its block only links on and what it plays is "
                                  "skipped. Switch the dummy skip off, or pick the menu whose entry is the dummy." });
                        break;
                    }
                }
            }
            if (chkLinkCN.value() == ui::Checked) {
                const long cell = core::leadingNumber(cboLinkCN.text());
                for (const disc::PgcAddress& at : vm::playbackTargets(pgcs)) {
                    const disc::Pgc* pgc = disc::findPgc(disc, at);
                    if (pgc && (cell < 1 || static_cast<std::size_t>(cell) > pgc->cells.size())) {
                        found.push_back({ core::Severity::GuardInUse, "no cell " + std::to_string(cell),
                            disc::describe(disc, at) + " has " + std::to_string(pgc->cells.size())
                                + (pgc->cells.size() == 1 ? " cell" : " cells") + ", so the link to cell "
                                + std::to_string(cell) + " goes nowhere.\r\nPick a cell the PGC has." });
                        break;
                    }
                }
            }
            // Each PGC that takes a block must hold it beside its own commands.
            const auto budget = [&](const std::vector<disc::PgcAddress>& pgcs_taking, const std::string& block) {
                const int count = core::commandCount(block);
                for (const disc::PgcAddress& at : pgcs_taking) {
                    const disc::Pgc* pgc = disc::findPgc(disc, at);
                    const std::size_t own = pgc && pgc->commands
                        ? pgc->commands->pre.size() + pgc->commands->post.size() + pgc->commands->cell.size()
                        : 0;
                    if (own + static_cast<std::size_t>(count) > disc::most_pgc_commands) {
                        found.push_back({ core::Severity::OverBudget, disc::describe(disc, at) + " would overflow",
                            disc::describe(disc, at) + " holds " + std::to_string(own) + " commands of its own; with the "
                                + std::to_string(count) + " of its block it would hold " + std::to_string(own + count)
                                + ", past the 128 a PGC can hold.\r\nShorten the block or free commands in the PGC." });
                        return;
                    }
                }
            };
            budget(pgcs.target, Text2.text());
            if (Text3.visible())
                budget(pgcs.after_dummy, Text3.text());
            if (disc.manager.first_play)
                budget({ { disc::Domain::FirstPlay, 0, 0, 0 } }, Text1.text());
        }
    }

    // First Play reached from elsewhere runs the shortcut's test again.
    const std::vector<const disc::CommandSite*> callers = disc::callersOf(disc, m_scan, { disc::Domain::FirstPlay, 0, 0, 0 });
    if (!callers.empty()) {
        std::string where;
        for (std::size_t i = 0; i < callers.size() && i < 3; ++i) {
            const char* place[] = { "pre command", "post command", "cell command", "button" };
            where += (i ? "; " : "") + disc::describe(disc, callers[i]->pgc) + ", "
                + place[static_cast<int>(callers[i]->place)] + " " + std::to_string(callers[i]->number);
        }
        std::string replayed;
        if (current) {
            replayed = m_verdict->passed ? " The replay found the disc's own First Play commands run again there."
                                         : " The replay found a problem; see its findings.";
        } else {
            replayed = " Verify in the disc window to see what a jump there does with the blocks in place.";
        }
        found.push_back({ core::Severity::WrongDomain, "First Play is jumped to",
            "The disc jumps to First Play from " + where + (callers.size() > 3 ? " and elsewhere" : "")
                + ".\r\nThe guard test in front of the First Play block must let a later visit go on to the disc's own "
                  "commands."
                + replayed });
    }

    // The replay's verdict: a failure is a finding.
    if (current && !m_verdict->passed) {
        std::string text;
        const auto add = [&text](const vm::Finding& finding) {
            if (!text.empty())
                text += "\r\n";
            text += finding.where + ": " + finding.what + (finding.why.empty() ? "" : " (" + finding.why + ")");
        };
        for (const vm::Finding& finding : m_verdict->findings)
            add(finding);
        for (const vm::LanguageReplay& language : m_verdict->languages) {
            for (const vm::Finding& finding : language.findings)
                add(finding);
        }
        found.push_back({ core::Severity::GuardInUse, "the replay fails",
            "Replayed on the disc, the blocks do not start it in " + target_name
                + " as the disc's own chain would:\r\n" + text });
    }
    return found;
}

}
