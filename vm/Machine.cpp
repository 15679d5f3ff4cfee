#include "vm/Machine.h"

#include "core/CommandLine.h"

#include <algorithm>
#include <tuple>

namespace trevalo::vm {

namespace {

using disc::CommandPlace;
using disc::Domain;

constexpr int button_shift = 10; // SPRM 8 holds the button number x 1024
constexpr int endless_still = 255;
constexpr int sprm_base = 16; // writers: GPRMs 0..15, then SPRMs
// A run that goes round keeps entering PGCs; its record stops at this many
// events so it cannot grow without end.
constexpr std::size_t path_limit = 20000;

int bcd(std::uint8_t byte)
{
    return (byte >> 4) * 10 + (byte & 0x0F);
}

// A cell's or PGC's playback time: BCD hours, minutes, seconds, then the
// frame rate (bits 7..6: 1 = 25, 3 = 29.97 frames a second) and BCD frames.
Ticks ticksOf(const disc::PlaybackTime& time)
{
    const Ticks seconds = bcd(time[0]) * 3600 + bcd(time[1]) * 60 + bcd(time[2]);
    const int frames = bcd(static_cast<std::uint8_t>(time[3] & 0x3F));
    const Ticks frame = (time[3] >> 6) == 1 ? ticks_per_second / 25 : 3003;
    return seconds * ticks_per_second + frames * frame;
}

const char* domainName(Domain domain)
{
    switch (domain) {
    case Domain::FirstPlay:
        return "the First Play PGC";
    case Domain::ManagerMenu:
        return "a VMGM menu";
    case Domain::TitleSetMenu:
        return "a title set menu";
    case Domain::Title:
        return "a title";
    }
    return "";
}

bool isMenu(Domain domain)
{
    return domain == Domain::ManagerMenu || domain == Domain::TitleSetMenu;
}

std::string menuName(core::MenuId menu)
{
    switch (menu) {
    case core::MenuId::Title:
        return "title menu";
    case core::MenuId::Root:
        return "root menu";
    case core::MenuId::SubPicture:
        return "sub-picture menu";
    case core::MenuId::Audio:
        return "audio menu";
    case core::MenuId::Angle:
        return "angle menu";
    case core::MenuId::Chapter:
        return "chapter menu";
    case core::MenuId::None:
        break;
    }
    return "menu " + std::to_string(static_cast<int>(menu));
}

const disc::PgcTable* tableOf(const disc::InfoFile& file, Domain domain, int unit)
{
    if (domain == Domain::Title)
        return file.title_pgcs ? &file.pgc_tables[*file.title_pgcs] : nullptr;
    if (!file.menus || unit < 1 || static_cast<std::size_t>(unit) > file.menus->units.size())
        return nullptr;
    return &file.pgc_tables[file.menus->units[static_cast<std::size_t>(unit) - 1].table];
}

// The title's number on the disc: its entry in the video manager's title
// table; 0 when no entry names it.
int discTitle(const disc::Disc& disc, int title_set, int title_in_set)
{
    if (!disc.manager.titles)
        return 0;
    const auto& titles = disc.manager.titles->titles;
    for (std::size_t t = 0; t < titles.size(); ++t) {
        if (titles[t].title_set == title_set && titles[t].title_in_set == title_in_set)
            return static_cast<int>(t + 1);
    }
    return 0;
}

int unitFor(const disc::InfoFile* file, std::uint16_t language)
{
    if (!file || !file->menus || file->menus->units.empty())
        return 0;
    for (std::size_t u = 0; u < file->menus->units.size(); ++u) {
        if (file->menus->units[u].language == language)
            return static_cast<int>(u + 1);
    }
    // No unit in the player's language: players fall back to the first.
    return 1;
}

}

Machine::Machine(const DiscProgram& program, const PlayerConfig& config)
    : m_program(&program)
    , m_disc(&program.disc())
    , m_registers(startSprms(config))
    , m_random(config.random_seed == 0 ? 1 : config.random_seed)
{
    m_path.reserve(16);
    const std::string invalid = validate(config);
    if (!invalid.empty()) {
        m_phase = Phase::Failed;
        m_progress = Progress::Failed;
        m_error = invalid;
        return;
    }
    const std::uint16_t language = letterCode(config.menu_language);
    for (std::size_t t = 0; t <= m_disc->title_sets.size(); ++t)
        m_units.push_back(unitFor(program.file(static_cast<int>(t)), language));
    enterFirstPlay({});
}

int Machine::languageUnit(int title_set) const
{
    return title_set >= 0 && static_cast<std::size_t>(title_set) < m_units.size() ? m_units[static_cast<std::size_t>(title_set)] : 0;
}

std::uint32_t Machine::random()
{
    // xorshift32: repeatable from the configuration's seed.
    m_random ^= m_random << 13;
    m_random ^= m_random >> 17;
    m_random ^= m_random << 5;
    return m_random;
}

// ---------------------------------------------------------------------------
// Stepping

Progress Machine::step()
{
    ++m_steps;
    m_progress = Progress::Command;
    switch (m_phase) {
    case Phase::PreCommands:
        runList(m_code->pre, CommandPlace::Pre);
        break;
    case Phase::PostCommands:
        runList(m_code->post, CommandPlace::Post);
        break;
    case Phase::CellStart: {
        const disc::Cell& cell = m_pgc->cells[static_cast<std::size_t>(m_where.cell) - 1];
        if (m_where.pgc.domain == Domain::Title) {
            const TitlePosition position = titlePosition();
            if (position.chapter != 0)
                setSprm(7, static_cast<std::uint16_t>(position.chapter), {});
        }
        if (cell.highlight && cell.highlight->forced_select >= 1
            && cell.highlight->forced_select <= cell.highlight->buttons.size())
            setSprm(8, static_cast<std::uint16_t>(cell.highlight->forced_select << button_shift), {});
        ++m_cells_played;
        m_phase = Phase::CellEnd;
        m_progress = Progress::CellStarted;
        break;
    }
    case Phase::CellEnd: {
        const disc::Cell& cell = m_pgc->cells[static_cast<std::size_t>(m_where.cell) - 1];
        const Ticks duration = ticksOf(cell.playback_time);
        const bool title = m_where.pgc.domain == Domain::Title;
        if (title && m_timer_end > 0 && m_title_clock + duration >= m_timer_end) {
            // The navigation timer runs out within the cell: play goes to
            // the title PGC SPRM 10 names, and the cell never ends.
            advance(m_timer_end - m_title_clock, true);
            m_timer_end = 0;
            const int target = m_registers.sprm(10);
            m_registers.setSprm(9, 0);
            leave(LeftBy::NavigationTimer, {});
            if (!enter(Domain::Title, m_where.pgc.title_set, target, Entry::PreCommands, 1, {}))
                failHere("the navigation timer ran out and SPRM 10 names PGC " + std::to_string(target)
                    + ", which the title set does not have");
            break;
        }
        advance(duration, title);
        int still = cell.still_time;
        if (static_cast<std::size_t>(m_where.cell) == m_pgc->cells.size()) {
            still = still == endless_still || m_pgc->still_time == endless_still
                ? endless_still
                : std::min(still + m_pgc->still_time, endless_still - 1);
        }
        if (cell.highlight && !cell.highlight->buttons.empty()) {
            m_wait = { m_where, static_cast<int>(cell.highlight->buttons.size()), m_registers.sprm(8) >> button_shift, still };
            startWait();
            break;
        }
        // An endless still without buttons ends when the viewer presses
        // Play, the only thing the viewer can do there.
        if (still != endless_still && still > 0)
            advance(static_cast<Ticks>(still) * ticks_per_second, false);
        finishCell();
        if (m_progress == Progress::Command)
            m_progress = Progress::CellPlayed;
        break;
    }
    case Phase::Waiting:
        m_progress = Progress::Waiting;
        break;
    case Phase::Stopped:
        m_progress = Progress::Stopped;
        break;
    case Phase::Failed:
        m_progress = Progress::Failed;
        break;
    }
    return m_progress;
}

void Machine::runList(const std::vector<core::Command>& list, CommandPlace place)
{
    if (m_line >= list.size()) {
        if (place == CommandPlace::Pre)
            startProgram(m_entry_program);
        else
            nextPgcLink();
        return;
    }
    const std::size_t line = m_line;
    if (m_commands_since_entry++ == 0)
        m_low_line = m_high_line = line;
    m_low_line = std::min(m_low_line, line);
    m_high_line = std::max(m_high_line, line);
    const CommandSite site { m_where.pgc, place, static_cast<int>(line) + 1, 0 };
    switch (execute(list[line], site)) {
    case Flow::Next:
        m_line = line + 1;
        break;
    case Flow::Goto:
        // A Goto past the last line ends the list, as the list's end does.
        m_line = static_cast<std::size_t>(m_goto) - 1;
        break;
    case Flow::Break:
        m_line = list.size();
        if (place == CommandPlace::Pre)
            startProgram(m_entry_program);
        else
            nextPgcLink();
        break;
    case Flow::Transferred:
    case Flow::Failed:
        break;
    }
}

bool Machine::choose(int button)
{
    m_refusal.clear();
    if (m_phase != Phase::Waiting) {
        m_refusal = "play is not waiting at a menu";
        return false;
    }
    const std::string where = disc::describe(*m_disc, m_wait.at.pgc) + " cell " + std::to_string(m_wait.at.cell);
    if (button == 0) {
        if (m_wait.still == endless_still) {
            m_refusal = where + " waits until a button is pressed";
            return false;
        }
        m_progress = Progress::Command;
        if (m_wait.still > 0)
            advance(static_cast<Ticks>(m_wait.still) * ticks_per_second, false);
        finishCell();
        if (m_progress == Progress::Command)
            m_progress = Progress::CellPlayed;
        return true;
    }
    if (button < 0 || button > m_wait.buttons) {
        m_refusal = "no button " + std::to_string(button) + ": " + where + " offers buttons 1 to " + std::to_string(m_wait.buttons);
        return false;
    }
    m_progress = Progress::Command;
    const CommandSite site { m_where.pgc, CommandPlace::Button, button, m_where.cell };
    setSprm(8, static_cast<std::uint16_t>(button << button_shift), site);
    record({ PathKind::Chose, m_where.pgc, LeftBy::Command, {}, m_where.cell, button });
    const Flow flow = execute(m_code->buttons[static_cast<std::size_t>(m_where.cell) - 1][static_cast<std::size_t>(button) - 1], site);
    if (flow != Flow::Transferred && flow != Flow::Failed)
        m_progress = Progress::Waiting;
    return true;
}

void Machine::startWait()
{
    m_phase = Phase::Waiting;
    m_progress = Progress::Waiting;
    const disc::Highlight& highlight = *m_pgc->cells[static_cast<std::size_t>(m_where.cell) - 1].highlight;
    // A forced activation, or an auto-action button highlighted on entry,
    // is pressed by the player itself.
    int press = 0;
    if (highlight.forced_activate >= 1 && highlight.forced_activate <= highlight.buttons.size())
        press = highlight.forced_activate;
    else if (m_wait.highlighted >= 1 && static_cast<std::size_t>(m_wait.highlighted) <= highlight.buttons.size()
        && highlight.buttons[static_cast<std::size_t>(m_wait.highlighted) - 1].auto_action != 0)
        press = m_wait.highlighted;
    if (press != 0)
        choose(press);
}

void Machine::finishCell()
{
    const disc::Cell& cell = m_pgc->cells[static_cast<std::size_t>(m_where.cell) - 1];
    if (cell.command_number != 0) {
        const CommandSite site { m_where.pgc, CommandPlace::Cell, cell.command_number, m_where.cell };
        if (cell.command_number > m_code->cell.size()) {
            fail(site, "the cell names cell command " + std::to_string(cell.command_number) + ", but the PGC has "
                    + std::to_string(m_code->cell.size()));
            return;
        }
        // A cell command runs alone: a Goto or Break in it ends it.
        const Flow flow = execute(m_code->cell[cell.command_number - 1u], site);
        if (flow == Flow::Transferred || flow == Flow::Failed)
            return;
    }
    int next = m_where.cell + 1;
    if (cell.block_type == 1 && cell.block_mode != 0) {
        // The other angles of an angle block are not played after this one.
        while (static_cast<std::size_t>(next) <= m_pgc->cells.size()
            && m_pgc->cells[static_cast<std::size_t>(next) - 1].block_mode >= 2)
            ++next;
    }
    startCell(next);
}

void Machine::advance(Ticks duration, bool title_time)
{
    m_clock += duration;
    if (!title_time)
        return;
    m_title_clock += duration;
    if (m_timer_end > 0) {
        const Ticks left = std::max<Ticks>(m_timer_end - m_title_clock, 0);
        m_registers.setSprm(9, static_cast<std::uint16_t>((left + ticks_per_second - 1) / ticks_per_second));
    }
}

// ---------------------------------------------------------------------------
// Commands

bool Machine::holds(const core::Condition& condition) const
{
    if (condition.op == core::CompareOp::None)
        return true;
    const std::uint16_t left = value(condition.left);
    const std::uint16_t right = value(condition.right);
    switch (condition.op) {
    case core::CompareOp::BC:
        return (left & right) != 0;
    case core::CompareOp::EQ:
        return left == right;
    case core::CompareOp::NE:
        return left != right;
    case core::CompareOp::GE:
        return left >= right;
    case core::CompareOp::GT:
        return left > right;
    case core::CompareOp::LE:
        return left <= right;
    case core::CompareOp::LT:
        return left < right;
    case core::CompareOp::None:
        break;
    }
    return true;
}

std::uint16_t Machine::value(const core::Operand& operand) const
{
    switch (operand.kind) {
    case core::OperandKind::Immediate:
        return operand.value;
    case core::OperandKind::Gprm:
        return m_registers.gprm(operand.value, m_clock);
    case core::OperandKind::Sprm:
        return m_registers.sprm(operand.value);
    case core::OperandKind::None:
    case core::OperandKind::Unassigned:
        break;
    }
    return 0;
}

void Machine::setGprm(int n, std::uint16_t value, const CommandSite& site)
{
    m_registers.setGprm(n, value, m_clock);
    m_writers[static_cast<std::size_t>(n)] = site;
}

void Machine::setSprm(int n, std::uint16_t value, const CommandSite& site)
{
    m_registers.setSprm(n, value);
    m_writers[static_cast<std::size_t>(sprm_base + n)] = site;
}

Machine::Flow Machine::execute(const core::Command& command, const CommandSite& site)
{
    if (command.fault.kind != core::FaultKind::None)
        return fail(site, "no player can run it");
    switch (command.form) {
    case core::CommandForm::Special:
        if (!holds(command.condition))
            return Flow::Next;
        switch (command.special.op) {
        case core::SpecialOp::Goto:
            m_goto = command.special.line;
            return Flow::Goto;
        case core::SpecialOp::Break:
            return Flow::Break;
        case core::SpecialOp::SetTmpPML:
            // The viewer is taken to allow the temporary level.
            setSprm(13, command.special.level, site);
            m_goto = command.special.line;
            return Flow::Goto;
        case core::SpecialOp::Nop:
        case core::SpecialOp::None:
            return Flow::Next;
        }
        return Flow::Next;
    case core::CommandForm::Link:
        return holds(command.condition) ? link(command.link, site) : Flow::Next;
    case core::CommandForm::JumpCall:
        return holds(command.condition) ? jump(command.jump, site) : Flow::Next;
    case core::CommandForm::SetSystem:
        if (!holds(command.condition))
            return Flow::Next;
        systemSet(command.system, site);
        return command.link.op == core::LinkOp::None ? Flow::Next : link(command.link, site);
    case core::CommandForm::Set:
        if (!holds(command.condition))
            return Flow::Next;
        gprmSet(command.set, site);
        return command.link.op == core::LinkOp::None ? Flow::Next : link(command.link, site);
    case core::CommandForm::SetCompareLink:
        gprmSet(command.set, site);
        return holds(command.condition) ? link(command.link, site) : Flow::Next;
    case core::CommandForm::CompareSetLink:
        if (!holds(command.condition))
            return Flow::Next;
        gprmSet(command.set, site);
        return link(command.link, site);
    case core::CommandForm::CompareSetThenLink:
        if (holds(command.condition))
            gprmSet(command.set, site);
        return link(command.link, site);
    case core::CommandForm::Unassigned:
        break;
    }
    return fail(site, "no player can run it");
}

void Machine::gprmSet(const core::GprmSet& set, const CommandSite& site)
{
    const int n = set.gprm;
    const std::uint32_t old = m_registers.gprm(n, m_clock);
    const std::uint32_t source = value(set.source);
    std::uint32_t result = old;
    // Results outside 0..65535 stop at the nearest end; a division or
    // remainder by 0 gives 65535.
    switch (set.op) {
    case core::SetOp::Mov:
        result = source;
        break;
    case core::SetOp::Swp:
        setGprm(set.source.value, static_cast<std::uint16_t>(old), site);
        result = source;
        break;
    case core::SetOp::Add:
        result = std::min<std::uint32_t>(old + source, 0xFFFF);
        break;
    case core::SetOp::Sub:
        result = old > source ? old - source : 0;
        break;
    case core::SetOp::Mul:
        result = std::min<std::uint32_t>(old * source, 0xFFFF);
        break;
    case core::SetOp::Div:
        result = source == 0 ? 0xFFFF : old / source;
        break;
    case core::SetOp::Mod:
        result = source == 0 ? 0xFFFF : old % source;
        break;
    case core::SetOp::Rnd:
        result = source == 0 ? 1 : 1 + random() % source;
        break;
    case core::SetOp::And:
        result = old & source;
        break;
    case core::SetOp::Or:
        result = old | source;
        break;
    case core::SetOp::Xor:
        result = old ^ source;
        break;
    case core::SetOp::None:
        return;
    }
    setGprm(n, static_cast<std::uint16_t>(result), site);
}

void Machine::systemSet(const core::SystemSet& set, const CommandSite& site)
{
    switch (set.op) {
    case core::SystemSetOp::SetSTN: {
        const core::StreamSetting* streams[] = { &set.audio, &set.subPicture, &set.angle };
        for (int i = 0; i < 3; ++i) {
            if (streams[i]->change == core::StreamChange::Set)
                setSprm(1 + i, value(streams[i]->value), site);
        }
        break;
    }
    case core::SystemSetOp::SetNVTMR: {
        const std::uint16_t seconds = value(set.value);
        setSprm(9, seconds, site);
        setSprm(10, set.pgc, site);
        m_timer_end = seconds == 0 ? 0 : m_title_clock + static_cast<Ticks>(seconds) * ticks_per_second;
        break;
    }
    case core::SystemSetOp::SetGPRMMD: {
        const std::uint16_t v = value(set.value);
        m_registers.setMode(set.gprm, set.mode, m_clock);
        setGprm(set.gprm, v, site);
        break;
    }
    case core::SystemSetOp::SetAMXMD:
        setSprm(11, value(set.value), site);
        break;
    case core::SystemSetOp::SetHL_BTN:
        setSprm(8, value(set.value), site);
        break;
    case core::SystemSetOp::None:
        break;
    }
}

Machine::Flow Machine::link(const core::Link& link, const CommandSite& site)
{
    using core::LinkOp;
    if (link.button != 0)
        setSprm(8, static_cast<std::uint16_t>(link.button << button_shift), site);
    const Domain domain = m_where.pgc.domain;
    const std::size_t programs = m_pgc->programs.size();
    const std::size_t cells = m_pgc->cells.size();
    const auto sameDomain = [&](int number, const char* field) {
        if (domain == Domain::FirstPlay)
            return fail(site, "the First Play PGC belongs to no PGC table a link could go on in");
        if (number == 0)
            return fail(site, std::string("the PGC has no ") + field + " PGC");
        leave(LeftBy::Command, site);
        if (!enter(domain, m_where.pgc.title_set, number, Entry::PreCommands, 1, site))
            return Flow::Failed;
        return Flow::Transferred;
    };
    switch (link.op) {
    case LinkOp::None:
    case LinkOp::LinkNoLink:
        // No link: at most a button to highlight, and the list goes on.
        return Flow::Next;
    case LinkOp::LinkTopC:
        if (m_where.cell < 1)
            return fail(site, "no cell is playing yet");
        startCell(m_where.cell);
        return Flow::Transferred;
    case LinkOp::LinkNextC:
        startCell(m_where.cell + 1);
        return Flow::Transferred;
    case LinkOp::LinkPrevC:
        if (m_where.cell <= 1)
            return fail(site, "there is no cell before cell " + std::to_string(m_where.cell));
        startCell(m_where.cell - 1);
        return Flow::Transferred;
    case LinkOp::LinkTopPG:
        startProgram(std::max(m_where.program, 1));
        return Flow::Transferred;
    case LinkOp::LinkNextPG:
        startProgram(m_where.program + 1);
        return Flow::Transferred;
    case LinkOp::LinkPrevPG:
        if (m_where.program <= 1)
            return fail(site, "there is no program before program " + std::to_string(m_where.program));
        startProgram(m_where.program - 1);
        return Flow::Transferred;
    case LinkOp::LinkTopPGC:
        leave(LeftBy::Command, site);
        if (domain == Domain::FirstPlay)
            enterFirstPlay(site);
        else
            enter(domain, m_where.pgc.title_set, m_where.pgc.number, Entry::PreCommands, 1, site);
        return m_phase == Phase::Failed ? Flow::Failed : Flow::Transferred;
    case LinkOp::LinkNextPGC:
        return sameDomain(m_pgc->next, "next");
    case LinkOp::LinkPrevPGC:
        return sameDomain(m_pgc->previous, "previous");
    case LinkOp::LinkGoUpPGC:
        return sameDomain(m_pgc->go_up, "go-up");
    case LinkOp::LinkTailPGC:
        startPost();
        return Flow::Transferred;
    case LinkOp::RSM:
        return resume(link, site);
    case LinkOp::LinkPGCN:
        return sameDomain(link.number, "such");
    case LinkOp::LinkPTTN: {
        if (domain != Domain::Title)
            return fail(site, std::string("LinkPTTN is for titles, not ") + domainName(domain));
        leave(LeftBy::Command, site);
        if (!enterTitle(m_where.pgc.title_set, m_registers.sprm(5), link.number, Entry::AtProgram, site))
            return Flow::Failed;
        return Flow::Transferred;
    }
    case LinkOp::LinkPGN:
        if (link.number > programs)
            return fail(site, "the PGC has " + std::to_string(programs) + " programs");
        startProgram(link.number);
        return Flow::Transferred;
    case LinkOp::LinkCN:
        if (link.number > cells)
            return fail(site, "the PGC has " + std::to_string(cells) + " cells");
        startCell(link.number);
        return Flow::Transferred;
    }
    return Flow::Next;
}

Machine::Flow Machine::resume(const core::Link& link, const CommandSite& site)
{
    const Domain domain = m_where.pgc.domain;
    if (domain == Domain::Title)
        return fail(site, "RSM returns from a menu; a title has nothing to return to");
    if (!m_resume.set)
        return fail(site, "there is no resume point: no CallSS has run since insert");
    leave(LeftBy::Command, site);
    const ResumePoint point = m_resume;
    const Entry entry = point.cell == 0 ? Entry::AtProgram : Entry::AtCell;
    if (!enter(Domain::Title, point.title_set, point.pgc, entry, point.cell == 0 ? 1 : point.cell, site))
        return Flow::Failed;
    // The title, chapter and button as they were at the call; the link's
    // own button, if it names one, over them. Play then starts at the cell.
    for (int i = 0; i < 5; ++i)
        setSprm(4 + i, point.sprm[static_cast<std::size_t>(i)], site);
    if (link.button != 0)
        setSprm(8, static_cast<std::uint16_t>(link.button << button_shift), site);
    return Flow::Transferred;
}

Machine::Flow Machine::jump(const core::Jump& jump, const CommandSite& site)
{
    using core::JumpOp;
    const Domain domain = m_where.pgc.domain;
    const auto refuse = [&](const char* allowed) {
        return fail(site, std::string("it is for ") + allowed + ", not " + domainName(domain));
    };
    const bool fromSystemSpace = domain != Domain::Title;
    const bool call = jump.op == JumpOp::CallSS_FP || jump.op == JumpOp::CallSS_VMGM_Menu
        || jump.op == JumpOp::CallSS_VTSM || jump.op == JumpOp::CallSS_VMGM_PGC;
    if (call) {
        if (domain != Domain::Title)
            return refuse("titles");
        m_resume.set = true;
        m_resume.title_set = m_where.pgc.title_set;
        m_resume.pgc = m_where.pgc.number;
        m_resume.cell = jump.resumeCell != 0 ? jump.resumeCell : m_where.cell;
        for (int i = 0; i < 5; ++i)
            m_resume.sprm[static_cast<std::size_t>(i)] = m_registers.sprm(4 + i);
    }
    switch (jump.op) {
    case JumpOp::None:
        return Flow::Next;
    case JumpOp::Exit:
        leave(LeftBy::Command, site);
        stop("Exit in " + describeCommand(*m_program, site));
        return Flow::Transferred;
    case JumpOp::JumpTT: {
        if (domain != Domain::FirstPlay && domain != Domain::ManagerMenu)
            return refuse("the First Play PGC and VMGM menus");
        const auto& titles = m_disc->manager.titles;
        if (!titles || jump.title > titles->titles.size())
            return fail(site, "the disc has no title " + std::to_string(jump.title));
        const disc::Title& title = titles->titles[jump.title - 1u];
        leave(LeftBy::Command, site);
        return enterTitle(title.title_set, title.title_in_set, 1, Entry::PreCommands, site) ? Flow::Transferred : Flow::Failed;
    }
    case JumpOp::JumpVTS_TT:
    case JumpOp::JumpVTS_PTT:
        if (domain != Domain::TitleSetMenu && domain != Domain::Title)
            return refuse("title set menus and titles");
        leave(LeftBy::Command, site);
        return enterTitle(m_where.pgc.title_set, jump.title, jump.op == JumpOp::JumpVTS_TT ? 1 : jump.chapter,
                   Entry::PreCommands, site)
            ? Flow::Transferred
            : Flow::Failed;
    case JumpOp::JumpSS_FP:
        if (domain != Domain::ManagerMenu && domain != Domain::TitleSetMenu)
            return refuse("menus");
        leave(LeftBy::Command, site);
        return enterFirstPlay(site) ? Flow::Transferred : Flow::Failed;
    case JumpOp::JumpSS_VMGM_Menu:
    case JumpOp::CallSS_VMGM_Menu:
        if (!call && !fromSystemSpace)
            return refuse("the First Play PGC and menus; a title calls it with CallSS");
        leave(LeftBy::Command, site);
        return enterMenu(0, jump.menu, site) ? Flow::Transferred : Flow::Failed;
    case JumpOp::JumpSS_VMGM_PGC:
    case JumpOp::CallSS_VMGM_PGC:
        if (!call && !fromSystemSpace)
            return refuse("the First Play PGC and menus; a title calls it with CallSS");
        leave(LeftBy::Command, site);
        return enter(Domain::ManagerMenu, 0, jump.pgc, Entry::PreCommands, 1, site) ? Flow::Transferred : Flow::Failed;
    case JumpOp::JumpSS_VTSM: {
        if (!fromSystemSpace)
            return refuse("the First Play PGC and menus; a title calls it with CallSS");
        if (domain == Domain::TitleSetMenu && jump.vts != m_where.pgc.title_set)
            return fail(site, "a title set menu jumps only to its own title set's menus (the VMGM reaches the others)");
        if (!m_program->file(jump.vts) || jump.vts == 0)
            return fail(site, "the disc has no title set " + std::to_string(jump.vts));
        // The title the menu is for: SPRM 5, and SPRM 4 its number on the disc.
        setSprm(5, jump.title, site);
        setSprm(4, static_cast<std::uint16_t>(discTitle(*m_disc, jump.vts, jump.title)), site);
        leave(LeftBy::Command, site);
        return enterMenu(jump.vts, jump.menu, site) ? Flow::Transferred : Flow::Failed;
    }
    case JumpOp::CallSS_VTSM:
        leave(LeftBy::Command, site);
        return enterMenu(m_where.pgc.title_set, jump.menu, site) ? Flow::Transferred : Flow::Failed;
    case JumpOp::CallSS_FP:
        leave(LeftBy::Command, site);
        return enterFirstPlay(site) ? Flow::Transferred : Flow::Failed;
    }
    return Flow::Next;
}

// ---------------------------------------------------------------------------
// Entering and playing PGCs

bool Machine::enterFirstPlay(const CommandSite& site)
{
    if (!m_disc->manager.first_play) {
        if (site.number == 0 && m_path.empty()) {
            m_phase = Phase::Failed;
            m_progress = Progress::Failed;
            m_error = "The disc has no First Play PGC.";
        } else {
            fail(site, "the disc has no First Play PGC");
        }
        return false;
    }
    const std::size_t index = *m_disc->manager.first_play;
    m_where = { { Domain::FirstPlay, 0, 0, 0 }, 1, 0 };
    m_pgc = &m_disc->manager.pgcs[index];
    m_code = &m_program->code(0, index);
    m_phase = Phase::PreCommands;
    m_line = 0;
    m_entry_program = 1;
    m_playing = false;
    m_progress = Progress::EnteredPgc;
    record({ PathKind::Entered, m_where.pgc, LeftBy::Command, {}, 0, 0 });
    noteEntry();
    return true;
}

bool Machine::enter(Domain domain, int title_set, int number, Entry entry, int start, const CommandSite& site)
{
    const disc::InfoFile* file = m_program->file(title_set);
    const int unit = domain == Domain::Title ? 0 : languageUnit(title_set);
    const disc::PgcTable* table = file ? tableOf(*file, domain, unit) : nullptr;
    disc::PgcAddress address { domain, title_set, unit, number };
    if (!table) {
        if (domain == Domain::Title)
            fail(site, "the disc has no title set " + std::to_string(title_set) + " with titles");
        else
            fail(site, (title_set == 0 ? std::string("the VMGM") : "VTSM " + std::to_string(title_set)) + " has no menus");
        return false;
    }
    if (number < 1 || static_cast<std::size_t>(number) > table->pointers.size()) {
        fail(site, "there is no " + describe(*m_disc, address) + ": the table has " + std::to_string(table->pointers.size())
                + " PGCs");
        return false;
    }
    const std::size_t index = table->pointers[static_cast<std::size_t>(number) - 1].pgc;
    m_where = { address, 0, 0 };
    m_pgc = &file->pgcs[index];
    m_code = &m_program->code(title_set, index);
    m_playing = false;
    m_progress = Progress::EnteredPgc;
    if (domain == Domain::Title)
        setSprm(6, static_cast<std::uint16_t>(number), site);
    record({ PathKind::Entered, address, LeftBy::Command, {}, 0, 0 });
    noteEntry();
    switch (entry) {
    case Entry::PreCommands:
        m_phase = Phase::PreCommands;
        m_line = 0;
        m_entry_program = start;
        m_where.program = start;
        break;
    case Entry::AtProgram:
        startProgram(start);
        break;
    case Entry::AtCell:
        startCell(start);
        break;
    }
    return true;
}

bool Machine::enterTitle(int title_set, int title_in_set, int chapter, Entry entry, const CommandSite& site)
{
    const disc::InfoFile* file = m_program->file(title_set);
    if (!file || title_set == 0 || !file->chapters) {
        fail(site, "the disc has no title set " + std::to_string(title_set));
        return false;
    }
    const auto& titles = file->chapters->titles;
    if (title_in_set < 1 || static_cast<std::size_t>(title_in_set) > titles.size()) {
        fail(site, "title set " + std::to_string(title_set) + " has " + std::to_string(titles.size()) + " titles, not a title "
                + std::to_string(title_in_set));
        return false;
    }
    const auto& chapters = titles[static_cast<std::size_t>(title_in_set) - 1];
    if (chapter < 1 || static_cast<std::size_t>(chapter) > chapters.size()) {
        fail(site, "title " + std::to_string(title_in_set) + " of title set " + std::to_string(title_set) + " has "
                + std::to_string(chapters.size()) + " chapters, not a chapter " + std::to_string(chapter));
        return false;
    }
    const int disc_title = discTitle(*m_disc, title_set, title_in_set);
    if (disc_title == 0) {
        fail(site, "title " + std::to_string(title_in_set) + " of title set " + std::to_string(title_set)
                + " is in no entry of the disc's title table");
        return false;
    }
    const disc::Chapter& start = chapters[static_cast<std::size_t>(chapter) - 1];
    setSprm(4, static_cast<std::uint16_t>(disc_title), site);
    setSprm(5, static_cast<std::uint16_t>(title_in_set), site);
    setSprm(7, static_cast<std::uint16_t>(chapter), site);
    return enter(Domain::Title, title_set, start.pgc, entry, start.program, site);
}

bool Machine::enterMenu(int title_set, core::MenuId menu, const CommandSite& site)
{
    const disc::InfoFile* file = m_program->file(title_set);
    const Domain domain = title_set == 0 ? Domain::ManagerMenu : Domain::TitleSetMenu;
    const int unit = languageUnit(title_set);
    const disc::PgcTable* table = file ? tableOf(*file, domain, unit) : nullptr;
    const std::string owner = title_set == 0 ? std::string("the VMGM") : "VTSM " + std::to_string(title_set);
    if (!table) {
        fail(site, owner + " has no menus");
        return false;
    }
    for (std::size_t n = 0; n < table->pointers.size(); ++n) {
        if (table->pointers[n].entry == (0x80 | static_cast<int>(menu)))
            return enter(domain, title_set, static_cast<int>(n + 1), Entry::PreCommands, 1, site);
    }
    const bool several = file->menus && file->menus->units.size() > 1;
    fail(site, owner + (several ? " (language unit " + std::to_string(unit) + ")" : std::string()) + " has no "
            + menuName(menu));
    return false;
}

bool Machine::jumpTo(const disc::PgcAddress& pgc)
{
    if (m_phase == Phase::Failed || !disc::findPgc(*m_disc, pgc))
        return false;
    if (pgc.domain != Domain::FirstPlay && pgc.domain != Domain::Title && pgc.language_unit != languageUnit(pgc.title_set))
        return false;
    leave(LeftBy::External, {});
    if (pgc.domain == Domain::FirstPlay)
        return enterFirstPlay({});
    return enter(pgc.domain, pgc.title_set, pgc.number, Entry::PreCommands, 1, {});
}

void Machine::takeStateFrom(const Machine& other)
{
    m_registers = other.m_registers;
    m_random = other.m_random;
    m_clock = other.m_clock;
    m_title_clock = other.m_title_clock;
    m_timer_end = other.m_timer_end;
    m_resume = other.m_resume;
    m_writers = other.m_writers;
}

void Machine::record(const PathEvent& event)
{
    if (m_path.size() < path_limit)
        m_path.push_back(event);
    else if (m_path.size() == path_limit)
        m_path.push_back({ PathKind::Cut, event.pgc, LeftBy::Command, {}, 0, 0 });
}

void Machine::leave(LeftBy by, const CommandSite& site)
{
    record({ PathKind::Left, m_where.pgc, by, site, 0, 0 });
}

void Machine::noteEntry()
{
    m_recent[m_recent_count % m_recent.size()] = { m_where.pgc, m_cells_played, m_steps };
    ++m_recent_count;
    m_commands_since_entry = 0;
}

void Machine::markPlaying()
{
    if (!m_playing) {
        m_playing = true;
        m_progress = Progress::PlaybackStarted;
    }
}

void Machine::startProgram(int program)
{
    markPlaying();
    m_where.program = program;
    if (program < 1 || static_cast<std::size_t>(program) > m_pgc->programs.size()) {
        startPost();
        return;
    }
    startCell(m_pgc->programs[static_cast<std::size_t>(program) - 1]);
}

void Machine::startCell(int cell)
{
    markPlaying();
    if (cell < 1 || static_cast<std::size_t>(cell) > m_pgc->cells.size()) {
        startPost();
        return;
    }
    const disc::Cell& first = m_pgc->cells[static_cast<std::size_t>(cell) - 1];
    if (first.block_mode == 1 && first.block_type == 1) {
        // The first cell of an angle block: play the cell of SPRM 3's angle.
        const int angle = cell + m_registers.sprm(3) - 1;
        if (angle >= cell && static_cast<std::size_t>(angle) <= m_pgc->cells.size()
            && m_pgc->cells[static_cast<std::size_t>(angle) - 1].block_mode != 0
            && m_pgc->cells[static_cast<std::size_t>(angle) - 1].block_type == 1)
            cell = angle;
    }
    m_where.cell = cell;
    int program = 0;
    while (static_cast<std::size_t>(program) < m_pgc->programs.size() && m_pgc->programs[static_cast<std::size_t>(program)] <= cell)
        ++program;
    m_where.program = program;
    m_phase = Phase::CellStart;
}

void Machine::startPost()
{
    markPlaying();
    m_phase = Phase::PostCommands;
    m_line = 0;
}

void Machine::nextPgcLink()
{
    const Domain domain = m_where.pgc.domain;
    if (domain == Domain::FirstPlay) {
        leave(LeftBy::Stop, {});
        stop("the First Play PGC ends without a jump");
        return;
    }
    if (m_pgc->next == 0) {
        leave(LeftBy::Stop, {});
        stop(describe(*m_disc, m_where.pgc) + " ends: its post commands do not link and it has no next PGC");
        return;
    }
    const CommandSite site { m_where.pgc, disc::CommandPlace::Post, 0, 0 };
    leave(LeftBy::NextPgcLink, site);
    if (!enter(domain, m_where.pgc.title_set, m_pgc->next, Entry::PreCommands, 1, site))
        failHere("its next-PGC link names PGC " + std::to_string(m_pgc->next) + ", which the table does not have");
}

void Machine::stop(std::string reason)
{
    m_phase = Phase::Stopped;
    m_progress = Progress::Stopped;
    m_stop_reason = std::move(reason);
}

Machine::Flow Machine::fail(const CommandSite& site, const std::string& why)
{
    if (m_phase == Phase::Failed)
        return Flow::Failed;
    m_phase = Phase::Failed;
    m_progress = Progress::Failed;
    m_error = site.number == 0 ? why : describeCommand(*m_program, site) + ": " + why;
    return Flow::Failed;
}

void Machine::failHere(const std::string& why)
{
    if (m_phase == Phase::Failed)
        return;
    m_phase = Phase::Failed;
    m_progress = Progress::Failed;
    m_error = describe(*m_disc, m_where.pgc) + ": " + why;
}

// ---------------------------------------------------------------------------
// What a player shows

int Machine::menuId() const
{
    if (!isMenu(m_where.pgc.domain))
        return 0;
    const disc::InfoFile* file = m_program->file(m_where.pgc.title_set);
    const disc::PgcTable* table = file ? tableOf(*file, m_where.pgc.domain, m_where.pgc.language_unit) : nullptr;
    if (!table || m_where.pgc.number < 1 || static_cast<std::size_t>(m_where.pgc.number) > table->pointers.size())
        return 0;
    return table->pointers[static_cast<std::size_t>(m_where.pgc.number) - 1].entry & 0x0F;
}

TitlePosition Machine::titlePosition() const
{
    if (m_where.pgc.domain != Domain::Title)
        return {};
    const disc::InfoFile* file = m_program->file(m_where.pgc.title_set);
    if (!file || !file->chapters)
        return {};
    const auto& titles = file->chapters->titles;
    for (std::size_t t = 0; t < titles.size(); ++t) {
        // The chapter is the last one of this PGC that starts at or before
        // the program playing.
        int chapter = 0;
        int best = 0;
        for (std::size_t c = 0; c < titles[t].size(); ++c) {
            const disc::Chapter& entry = titles[t][c];
            if (entry.pgc == m_where.pgc.number && entry.program <= m_where.program && entry.program >= best) {
                best = entry.program;
                chapter = static_cast<int>(c + 1);
            }
        }
        if (chapter != 0)
            return { discTitle(*m_disc, m_where.pgc.title_set, static_cast<int>(t + 1)), chapter };
    }
    return {};
}

StreamPick Machine::audioStream() const
{
    const bool title = m_where.pgc.domain == Domain::Title;
    // Outside titles a domain has one audio stream.
    const auto decoded = [&](unsigned n) {
        if (n < 8 && (m_pgc->audio_control[n] & 0x8000) != 0)
            return (m_pgc->audio_control[n] >> 8) & 0x07;
        return title ? -1 : 0;
    };
    int stream = decoded(title ? m_registers.sprm(1) : 0);
    // A stream number the PGC does not carry plays its first stream.
    for (unsigned n = 0; stream == -1 && n < 8; ++n) {
        if ((m_pgc->audio_control[n] & 0x8000) != 0)
            stream = decoded(n);
    }
    return { stream, true };
}

StreamPick Machine::subpictureStream() const
{
    const Domain domain = m_where.pgc.domain;
    const bool title = domain == Domain::Title;
    const disc::InfoFile* file = m_program->file(m_where.pgc.title_set);
    const disc::StreamAttributes& streams = title ? file->title_streams : file->menu_streams;
    const int aspect = (streams.video[0] >> 2) & 3; // 0: 4:3, 3: 16:9
    const auto decoded = [&](unsigned n) {
        int stream = -1;
        if (n < 32 && (m_pgc->subpicture_control[n] & 0x80000000u) != 0) {
            if (aspect == 0)
                stream = static_cast<int>(m_pgc->subpicture_control[n] >> 24 & 0x1F);
            else if (aspect == 3)
                stream = static_cast<int>(m_pgc->subpicture_control[n] >> 16 & 0x1F);
        }
        return stream == -1 && !title ? 0 : stream;
    };
    const std::uint16_t sprm2 = m_registers.sprm(2);
    int stream = decoded(title ? sprm2 & ~0x40u : 0);
    for (unsigned n = 0; stream == -1 && n < 32; ++n) {
        if ((m_pgc->subpicture_control[n] & 0x80000000u) != 0)
            stream = decoded(n);
    }
    return { stream, !title || (sprm2 & 0x40) != 0 };
}

std::string Machine::loopReport(const std::string& goal) const
{
    const std::string here = describe(*m_disc, m_where.pgc);
    if (m_commands_since_entry > 1000 && (m_phase == Phase::PreCommands || m_phase == Phase::PostCommands)) {
        const bool pre = m_phase == Phase::PreCommands;
        return std::string("the ") + (pre ? "pre" : "post") + " commands of " + here + " go round lines "
            + std::to_string(m_low_line + 1) + " to " + std::to_string(m_high_line + 1) + " without ending";
    }
    // The PGCs entered in the second half of the run: the start-up chain
    // before the round is not part of it.
    const std::size_t kept = std::min(m_recent_count, m_recent.size());
    std::vector<disc::PgcAddress> seen;
    bool played = false;
    for (std::size_t i = 0; i < kept; ++i) {
        const Recent& recent = m_recent[(m_recent_count - kept + i) % m_recent.size()];
        if (recent.step < m_steps / 2)
            continue;
        if (recent.cells != m_cells_played)
            played = true;
        if (std::find(seen.begin(), seen.end(), recent.pgc) == seen.end())
            seen.push_back(recent.pgc);
    }
    if (seen.empty()) {
        seen.push_back(m_where.pgc);
        played = m_cells_played > 0;
    }
    const auto order = [](const disc::PgcAddress& a) {
        return std::tuple(static_cast<int>(a.domain), a.title_set, a.language_unit, a.number);
    };
    std::sort(seen.begin(), seen.end(), [&](const disc::PgcAddress& a, const disc::PgcAddress& b) { return order(a) < order(b); });
    std::string names;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        if (i > 0)
            names += i + 1 == seen.size() ? " and " : ", ";
        names += describe(*m_disc, seen[i]);
    }
    if (!played) {
        if (seen.size() <= 1)
            return names + " links to itself without playing anything";
        return names + " link to each other without playing anything";
    }
    return "play goes round " + names + " without reaching " + goal;
}

}
