#include "vm/Replay.h"

#include "core/CommandDecoder.h"
#include "core/CommandLine.h"
#include "disc/PreCommandInsert.h"
#include "disc/Scan.h"
#include "vm/BraceHex.h"
#include "vm/DiscProgram.h"
#include "vm/Machine.h"
#include "vm/Trace.h"

#include <algorithm>
#include <optional>

namespace trevalo::vm {

namespace {

constexpr int sprm_base = 16;

std::string registerName(int reg)
{
    return reg < sprm_base ? "GPRM " + std::to_string(reg) : "SPRM " + std::to_string(reg - sprm_base);
}

std::uint16_t registerValue(const RegisterSnapshot& shot, int reg)
{
    return reg < sprm_base ? shot.gprm[static_cast<std::size_t>(reg)] : shot.sprm[static_cast<std::size_t>(reg - sprm_base)];
}

// A path in one sentence, its first lines only when it goes round.
std::string joinedLines(const std::vector<std::string>& lines)
{
    constexpr std::size_t shown = 8;
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < shown; ++i)
        text += (text.empty() ? "" : "; then ") + lines[i];
    if (lines.size() > shown)
        text += "; and " + std::to_string(lines.size() - shown) + " PGCs more";
    return text;
}

// The PGCs of a list that are distinct in the disc's pools.
std::vector<disc::PgcAddress> distinctPgcs(const disc::Disc& disc, const std::vector<disc::PgcAddress>& pgcs)
{
    std::vector<disc::PgcAddress> distinct;
    std::vector<std::pair<int, std::size_t>> seen;
    for (const disc::PgcAddress& address : pgcs) {
        const std::optional<std::size_t> index = disc::pgcIndex(disc, address);
        if (!index)
            continue;
        const std::pair<int, std::size_t> key { address.title_set, *index };
        if (std::find(seen.begin(), seen.end(), key) != seen.end())
            continue;
        seen.push_back(key);
        distinct.push_back(address);
    }
    return distinct;
}

// Where a block's commands stand once inserted, for the reasons a verdict
// gives: "Text3 line 4 (gprm(3) = 7)" for a site inside a block, the site
// itself otherwise.
class SiteNames {
public:
    SiteNames(const DiscProgram& program, std::vector<PlacedBlock> inserted)
        : m_program(program)
        , m_inserted(std::move(inserted))
    {
    }

    std::string operator()(const CommandSite& site) const
    {
        if (site.number == 0)
            return "the player's start value";
        if (site.place == disc::CommandPlace::Pre) {
            for (const PlacedBlock& block : m_inserted) {
                if (static_cast<std::size_t>(site.number) > block.length)
                    continue;
                for (const disc::PgcAddress& pgc : block.pgcs) {
                    if (samePgc(pgc, site.pgc)) {
                        const disc::Command* bytes = m_program.bytes(site.pgc, site.place, site.number, site.cell);
                        return block.name + " line " + std::to_string(site.number)
                            + (bytes ? " (" + core::commandLine(core::decode(*bytes)) + ")" : std::string());
                    }
                }
            }
        }
        return describeCommand(m_program, site);
    }

private:
    bool samePgc(const disc::PgcAddress& a, const disc::PgcAddress& b) const
    {
        if (a.domain != b.domain || a.title_set != b.title_set)
            return false;
        return disc::pgcIndex(m_program.disc(), a) == disc::pgcIndex(m_program.disc(), b);
    }

    const DiscProgram& m_program;
    std::vector<PlacedBlock> m_inserted;
};

std::string whereName(const disc::Disc& disc, const Location& at)
{
    return disc::describe(disc, at.pgc);
}

// Reads and checks one block; an empty block is none.
bool readBlock(const std::string& name, const std::string& text, std::vector<core::CommandBytes>& commands,
    std::vector<Finding>& findings)
{
    const ParsedBlock parsed = parseBlock(text);
    if (!parsed.error.empty()) {
        findings.push_back({ name, parsed.error, "the block is not in the window's notation, so it cannot be pasted" });
        return false;
    }
    for (std::size_t k = 0; k < parsed.commands.size(); ++k) {
        const core::Command command = core::decode(parsed.commands[k]);
        if (!core::isLegal(command)) {
            findings.push_back({ name,
                "command " + std::to_string(k + 1) + " " + braceHex(parsed.commands[k]) + " reads "
                    + core::commandLine(command),
                "no player can run a reserved encoding" });
            return false;
        }
    }
    commands = parsed.commands;
    return true;
}

// The guard register must be one the disc never touches.
void checkGuard(const disc::Disc& disc, int guard, std::vector<Finding>& findings)
{
    if (guard < 0 || guard > 15)
        return;
    const disc::DiscScan scan = disc::scanDisc(disc);
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << guard);
    if (((scan.gprms_read | scan.gprms_written) & bit) == 0)
        return;
    std::string sites;
    int listed = 0;
    int uses = 0;
    for (const disc::CommandSite& site : scan.commands) {
        if (((site.registers.gprmReads | site.registers.gprmWrites) & bit) == 0)
            continue;
        ++uses;
        if (listed < 3) {
            const CommandSite place { site.pgc, site.place, site.number, site.cell };
            sites += (listed ? "; " : "") + describeSite(disc, place) + " (" + core::commandLine(site.decoded) + ")";
            ++listed;
        }
    }
    if (uses > listed)
        sites += "; and " + std::to_string(uses - listed) + " more";
    findings.push_back({ "the guard register",
        "GPRM " + std::to_string(guard) + " is the guard register, but the disc itself uses it: " + sites,
        "the blocks need a GPRM the disc never reads or writes; one the disc sets or clears can fire the shortcut "
        "again or upset the disc's own logic (pick an unused GPRM, or the all-registers check)" });
}

// Runs two machines from the same state into the same PGC, one on the disc
// with the blocks and one on the disc without, and says where they part.
struct Reentry {
    RunResult run;
    Location location;
    RegisterSnapshot registers;
    std::vector<std::string> path;
};

Reentry runFrom(const DiscProgram& program, const PlayerConfig& config, const Machine& state, const disc::PgcAddress& pgc)
{
    Reentry reentry;
    Machine machine(program, config);
    machine.takeStateFrom(state);
    if (!machine.jumpTo(pgc)) {
        reentry.run = { RunEnd::Failed, 0, "the disc has no " + disc::describe(program.disc(), pgc) };
        return reentry;
    }
    std::size_t next_button = 0;
    reentry.run = playUntil(machine, {}, {}, next_button, default_step_limit, "playback");
    reentry.location = machine.location();
    reentry.registers = machine.snapshot();
    std::vector<PathEvent> path(machine.path().begin(), machine.path().end());
    // The machine's own start at First Play is not part of the re-entry.
    const auto from = std::find_if(path.begin(), path.end(), [](const PathEvent& event) { return event.by == LeftBy::External; });
    if (from != path.end())
        path.erase(path.begin(), from + 1);
    reentry.path = pathLines(program, path);
    return reentry;
}

std::string outcomeText(const disc::Disc& disc, const Reentry& reentry)
{
    switch (reentry.run.end) {
    case RunEnd::Playing:
        return "starts playing " + whereName(disc, reentry.location);
    case RunEnd::Waiting:
        return "waits at the menu " + whereName(disc, reentry.location);
    case RunEnd::Stopped:
    case RunEnd::Failed:
    case RunEnd::StepLimit:
        return reentry.run.message;
    }
    return {};
}

void compareReentry(const std::string& where, const disc::Disc& disc, const Reentry& with, const Reentry& without,
    const std::string& why, std::vector<Finding>& findings)
{
    if (with.run.end != without.run.end || with.location.pgc != without.location.pgc) {
        findings.push_back({ where,
            "with the blocks the disc " + outcomeText(disc, with) + "; without them it " + outcomeText(disc, without),
            why + " (with the blocks: " + joinedLines(with.path) + ")" });
        return;
    }
    std::string differences;
    for (int reg = 0; reg < sprm_base + 24; ++reg) {
        const std::uint16_t a = registerValue(with.registers, reg);
        const std::uint16_t b = registerValue(without.registers, reg);
        if (a != b)
            differences += (differences.empty() ? "" : ", ") + registerName(reg) + " = " + std::to_string(a)
                + " instead of " + std::to_string(b);
    }
    if (!differences.empty())
        findings.push_back({ where, "play reaches " + whereName(disc, with.location) + " with " + differences, why });
}

}

std::vector<std::string> menuLanguages(const disc::Disc& disc)
{
    std::vector<std::string> languages;
    const auto add = [&](const disc::InfoFile& file) {
        if (!file.menus)
            return;
        for (const disc::LanguageUnit& unit : file.menus->units) {
            const std::string code { static_cast<char>(unit.language >> 8), static_cast<char>(unit.language & 0xFF) };
            if (std::find(languages.begin(), languages.end(), code) == languages.end())
                languages.push_back(code);
        }
    };
    add(disc.manager);
    for (const disc::InfoFile& set : disc.title_sets)
        add(set);
    return languages;
}

PlacedBlocks placeBlocks(const disc::Disc& original, const Blocks& blocks, const Target& target)
{
    PlacedBlocks placed;
    const bool dummy = target.after_dummy > 0 && target.kind == TargetKind::TitleSetMenu;
    std::vector<core::CommandBytes> text1, text2, text3;
    bool readable = readBlock("Text1", blocks.text1, text1, placed.findings);
    readable = readBlock("Text2", blocks.text2, text2, placed.findings) && readable;
    if (dummy)
        readable = readBlock("Text3", blocks.text3, text3, placed.findings) && readable;
    if (readable && text1.empty())
        placed.findings.push_back({ "Text1", "the block is empty", "nothing would take the disc to the target at insert" });
    if (readable && text2.empty())
        placed.findings.push_back({ "Text2", "the block is empty", "the target PGC would get no guard and no registers" });
    if (readable && dummy && text3.empty())
        placed.findings.push_back({ "Text3", "the block is empty though the dummy skip is on",
            "nothing restores the registers in the PGC the dummy links to, PGC " + std::to_string(target.after_dummy) });
    const TargetPgcs pgcs = resolve(original, target);
    if (playbackTargets(pgcs).empty()) {
        placed.findings.push_back({ describe(target), pgcs.error, "the blocks have no PGC to go to" });
        return placed;
    }
    if (!readable)
        return placed;

    // Each PGC once, however many units list it.
    placed.disc = original;
    bool refused_any = false;
    const auto insert = [&](const std::string& name, const std::vector<core::CommandBytes>& block,
                            const std::vector<disc::PgcAddress>& where) {
        if (block.empty())
            return;
        for (const disc::PgcAddress& pgc : distinctPgcs(placed.disc, where)) {
            const std::string refused = disc::insertPreCommands(placed.disc, pgc, block);
            if (!refused.empty()) {
                placed.findings.push_back({ name, "cannot be put at the top of " + disc::describe(placed.disc, pgc), refused });
                refused_any = true;
            }
        }
        placed.blocks.push_back({ name, block.size(), where });
    };
    insert("Text1", text1, { { disc::Domain::FirstPlay, 0, 0, 0 } });
    insert("Text2", text2, pgcs.target);
    if (dummy)
        insert("Text3", text3, pgcs.after_dummy);
    placed.placed = !refused_any;
    return placed;
}

namespace {

// What every language's run needs: both discs as programs, the blocks and
// where they went, the request, and the PGCs play is meant to start in.
struct Replaying {
    const disc::Disc& original;
    const DiscProgram& before;
    const DiscProgram& after;
    const PlacedBlocks& placed;
    const ReplayRequest& request;
    const std::vector<disc::PgcAddress>& goals;
    bool dummy = false;
    bool text3_empty = false;
    SiteNames trace_sites;
    SiteNames replay_sites;

    std::string goalName() const { return disc::describe(original, goals.front()); }
};

// Play with the blocks must start in one of the goals, by the blocks' own
// commands.
void checkStart(const Replaying& replaying, const Machine& machine, const RunResult& run, LanguageReplay& result)
{
    const disc::PgcAddress& at = machine.location().pgc;
    if (run.end != RunEnd::Playing) {
        result.findings.push_back({ "from insert", "the disc with the blocks never starts playing: " + run.message,
            "its path: " + joinedLines(result.replay_path) });
        return;
    }
    if (std::find(replaying.goals.begin(), replaying.goals.end(), at) != replaying.goals.end())
        return;
    std::string how;
    const std::vector<PathEvent>& path = machine.path();
    for (auto event = path.rbegin(); event != path.rend(); ++event) {
        if (event->kind == PathKind::Left && event->by == LeftBy::Command) {
            how = replaying.replay_sites(event->site) + " went there; ";
            break;
        }
    }
    result.findings.push_back({ "from insert",
        "the disc with the blocks starts playing " + disc::describe(replaying.original, at) + ", not the target "
            + replaying.goalName(),
        how + "its path: " + joinedLines(result.replay_path) });
}

// With no trace to compare with, the blocks must at least lead to something
// a viewer sees.
void checkSomethingPlays(const Replaying& replaying, const Machine& machine, LanguageReplay& result)
{
    Machine on = machine;
    const disc::PgcAddress at = machine.location().pgc;
    for (long steps = 0; steps < default_step_limit; ++steps) {
        const Progress progress = on.step();
        if (progress == Progress::CellStarted || progress == Progress::Waiting)
            return;
        if (progress == Progress::Stopped || progress == Progress::Failed) {
            result.findings.push_back({ disc::describe(replaying.original, at),
                "the disc with the blocks starts playing here, and stops before any cell plays: "
                    + (progress == Progress::Stopped ? on.stopReason() : on.error()),
                "Text" + std::string(replaying.dummy ? "3" : "2") + "'s Break skips the PGC's own pre commands, and the PGC has "
                    + std::to_string(disc::findPgc(replaying.after.disc(), at)->cells.size()) + " cells" });
            return;
        }
    }
}

// Every GPRM, and SPRMs 1, 2, 3 and 8, where the target starts playing, as
// the trace found them, save what the author set on purpose.
void compareRegisters(const Replaying& replaying, const TraceResult& expected, const Machine& machine, LanguageReplay& result)
{
    const DeliberateChanges& deliberate = replaying.request.deliberate;
    const RegisterSnapshot actual = machine.snapshot();
    for (int reg = 0; reg < sprm_base + 24; ++reg) {
        if (reg >= sprm_base) {
            const int sprm = reg - sprm_base;
            const bool stream = sprm >= 1 && sprm <= 3;
            if (!(stream || sprm == 8) || (stream && deliberate.streams) || (sprm == 8 && deliberate.button))
                continue;
        }
        std::uint16_t wanted = registerValue(expected.registers, reg);
        if (reg == deliberate.guard_register && wanted == 0)
            wanted = 1; // the block sets it, and nothing of the disc's is lost
        const std::uint16_t found = registerValue(actual, reg);
        if (found == wanted)
            continue;
        const CommandSite& replayed = machine.lastWriter(reg);
        const std::string replay_writer
            = replayed.number == 0 ? std::string("nothing set it") : replaying.replay_sites(replayed) + " set it last";
        std::string why = reg == deliberate.guard_register
            ? "the guard register is 1 once the block that sets it has run; with the blocks " + replay_writer
            : "in the disc's own chain " + replaying.trace_sites(expected.writers[static_cast<std::size_t>(reg)]) + " left it at "
                + std::to_string(wanted) + "; with the blocks " + replay_writer;
        if (replaying.dummy && replaying.text3_empty)
            why += "; Text3 is empty, so nothing restores the registers after the dummy";
        result.findings.push_back({ disc::describe(replaying.original, machine.location().pgc),
            registerName(reg) + " is " + std::to_string(found) + " where the trace found " + std::to_string(wanted), why });
    }
}

// A later jump to First Play, and entering each PGC with a block again, run
// the disc's own commands: from the state at the target, the disc with the
// blocks and the disc without go the same way.
void compareReentries(const Replaying& replaying, const PlayerConfig& config, const Machine& machine, LanguageReplay& result)
{
    const int guard = replaying.request.deliberate.guard_register;
    const auto guardWhy = [&](const std::string& block) {
        if (guard >= 0)
            return block + "'s guard test should skip it: GPRM " + std::to_string(guard) + " is "
                + std::to_string(machine.gprm(guard)) + " by then";
        bool all_zero = true;
        for (int n = 0; n < 16; ++n)
            all_zero = all_zero && machine.gprm(n) == 0;
        return block + "'s all-registers test should skip it"
            + (all_zero ? std::string(", but every GPRM is 0 at the target, so the test passes again") : std::string());
    };
    const auto compare = [&](const std::string& where, const disc::PgcAddress& pgc, const std::string& block) {
        compareReentry(where, replaying.original, runFrom(replaying.after, config, machine, pgc),
            runFrom(replaying.before, config, machine, pgc), guardWhy(block), result.findings);
    };
    compare("a later jump to First Play", { disc::Domain::FirstPlay, 0, 0, 0 }, "Text1");
    for (const PlacedBlock& block : replaying.placed.blocks) {
        if (block.name == "Text1")
            continue;
        for (const disc::PgcAddress& pgc : block.pgcs) {
            if (pgc.domain == disc::Domain::Title || pgc.language_unit == machine.languageUnit(pgc.title_set))
                compare("entering " + disc::describe(replaying.original, pgc) + " again", pgc, block.name);
        }
    }
}

LanguageReplay replayIn(const Replaying& replaying, const std::string& language)
{
    PlayerConfig config = replaying.request.player;
    config.menu_language = language;
    LanguageReplay result;
    result.language = language;

    const TraceResult expected = trace(replaying.before, config, replaying.goals, replaying.request.buttons);
    result.trace_path = pathLines(replaying.before, expected.path);

    Machine machine(replaying.after, config);
    std::size_t no_buttons = 0;
    const RunResult run = machine.phase() == Phase::Failed
        ? RunResult { RunEnd::Failed, 0, machine.error() }
        : playUntil(machine, {}, {}, no_buttons, default_step_limit, describe(replaying.request.target));
    result.replay_path = pathLines(replaying.after, machine.path());
    checkStart(replaying, machine, run, result);

    if (expected.end != TraceEnd::ReachedTarget) {
        result.note = "the disc's own chain does not reach " + replaying.goalName() + " in this language: " + expected.message;
        if (result.findings.empty())
            checkSomethingPlays(replaying, machine, result);
        result.outcome = result.findings.empty() ? LanguageOutcome::NotCompared : LanguageOutcome::Differs;
        return result;
    }
    if (result.findings.empty()) {
        compareRegisters(replaying, expected, machine, result);
        compareReentries(replaying, config, machine, result);
    }
    result.outcome = result.findings.empty() ? LanguageOutcome::Matches : LanguageOutcome::Differs;
    return result;
}

}

Verdict replay(const disc::Disc& original, const ReplayRequest& request)
{
    Verdict verdict;
    const PlacedBlocks placed = placeBlocks(original, request.blocks, request.target);
    verdict.findings = placed.findings;
    const TargetPgcs pgcs = resolve(original, request.target);
    if (playbackTargets(pgcs).empty())
        return verdict;
    checkGuard(original, request.deliberate.guard_register, verdict.findings);
    if (!placed.placed)
        return verdict;

    const DiscProgram before(original);
    const DiscProgram after(placed.disc);
    const Replaying replaying { original, before, after, placed, request, playbackTargets(pgcs),
        request.target.after_dummy > 0 && request.target.kind == TargetKind::TitleSetMenu,
        std::none_of(placed.blocks.begin(), placed.blocks.end(), [](const PlacedBlock& block) { return block.name == "Text3"; }),
        SiteNames(before, {}), SiteNames(after, placed.blocks) };

    std::vector<std::string> languages = request.languages.empty() ? menuLanguages(original) : request.languages;
    if (languages.empty())
        languages.push_back(request.player.menu_language);
    bool compared = false;
    bool differs = false;
    for (const std::string& language : languages) {
        verdict.languages.push_back(replayIn(replaying, language));
        compared = compared || verdict.languages.back().outcome == LanguageOutcome::Matches;
        differs = differs || verdict.languages.back().outcome == LanguageOutcome::Differs;
    }
    verdict.passed = verdict.findings.empty() && compared && !differs;
    return verdict;
}

std::string Verdict::text() const
{
    std::string text = passed ? "The replay matches the disc's own chain." : "The replay finds a problem.";
    text += "\n";
    const auto add = [&text](const Finding& finding, const char* indent) {
        text += indent + finding.where + ": " + finding.what + ".";
        if (!finding.why.empty())
            text += " Why: " + finding.why + ".";
        text += "\n";
    };
    for (const Finding& finding : findings)
        add(finding, "- ");
    for (const LanguageReplay& language : languages) {
        text += "Menu language " + language.language + ": ";
        switch (language.outcome) {
        case LanguageOutcome::Matches:
            text += "starts in the target with the traced registers; a later First Play and the target again run the "
                    "disc's own commands.\n";
            break;
        case LanguageOutcome::Differs:
            text += "differs.\n";
            break;
        case LanguageOutcome::NotCompared:
            text += "not compared: " + language.note + ".\n";
            break;
        }
        if (language.outcome == LanguageOutcome::Differs && !language.note.empty())
            text += "  (" + language.note + ")\n";
        for (const Finding& finding : language.findings)
            add(finding, "  - ");
    }
    return text;
}

}
