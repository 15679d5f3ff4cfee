#include "vm/Trace.h"

#include "core/CommandEncoder.h"
#include "vm/BraceHex.h"

#include <algorithm>

namespace trevalo::vm {

namespace {

constexpr int button_shift = 10;

std::string names(const disc::Disc& disc, std::span<const disc::PgcAddress> targets)
{
    if (targets.empty())
        return "playback";
    std::string text = disc::describe(disc, targets.front());
    if (targets.size() > 1)
        text += " or its twin in another language unit";
    return text;
}

void appendEncoded(std::string& text, const core::Command& command)
{
    const std::optional<core::CommandBytes> bytes = core::encode(command);
    if (!bytes)
        return;
    if (!text.empty())
        text += ' ';
    text += braceHex(*bytes);
}

}

RunResult playUntil(Machine& machine, std::span<const disc::PgcAddress> targets, std::span<const int> buttons,
    std::size_t& next_button, long step_limit, const std::string& goal)
{
    RunResult run;
    for (;;) {
        if (run.steps >= step_limit) {
            run.end = RunEnd::StepLimit;
            run.message = "after " + std::to_string(step_limit) + " steps: " + machine.loopReport(goal);
            return run;
        }
        ++run.steps;
        switch (machine.step()) {
        case Progress::PlaybackStarted:
            if (targets.empty()
                || std::find(targets.begin(), targets.end(), machine.location().pgc) != targets.end()) {
                run.end = RunEnd::Playing;
                return run;
            }
            break;
        case Progress::Waiting:
            if (next_button >= buttons.size()) {
                run.end = RunEnd::Waiting;
                const MenuWait& wait = machine.menuWait();
                run.message = disc::describe(machine.program().disc(), wait.at.pgc) + " waits at cell "
                    + std::to_string(wait.at.cell) + " for one of its " + std::to_string(wait.buttons)
                    + " buttons, and no button choice is left";
                return run;
            }
            if (!machine.choose(buttons[next_button])) {
                run.end = RunEnd::Failed;
                run.message = "button choice " + std::to_string(next_button + 1) + ": " + machine.refusal();
                return run;
            }
            ++next_button;
            // The press may itself have started the target playing.
            if (machine.lastProgress() == Progress::PlaybackStarted
                && (targets.empty()
                    || std::find(targets.begin(), targets.end(), machine.location().pgc) != targets.end())) {
                run.end = RunEnd::Playing;
                return run;
            }
            if (machine.phase() == Phase::Failed) {
                run.end = RunEnd::Failed;
                run.message = machine.error();
                return run;
            }
            break;
        case Progress::Stopped:
            run.end = RunEnd::Stopped;
            run.message = "playback stopped: " + machine.stopReason();
            return run;
        case Progress::Failed:
            run.end = RunEnd::Failed;
            run.message = machine.error();
            return run;
        case Progress::Command:
        case Progress::EnteredPgc:
        case Progress::CellStarted:
        case Progress::CellPlayed:
            break;
        }
    }
}

TraceResult trace(const DiscProgram& program, const PlayerConfig& config, std::span<const disc::PgcAddress> targets,
    std::span<const int> buttons, long step_limit)
{
    TraceResult result;
    Machine machine(program, config);
    std::size_t next_button = 0;
    const std::string goal = names(program.disc(), targets);
    const RunResult run = machine.phase() == Phase::Failed
        ? RunResult { RunEnd::Failed, 0, machine.error() }
        : playUntil(machine, targets, buttons, next_button, step_limit, goal);
    switch (run.end) {
    case RunEnd::Playing:
        result.end = TraceEnd::ReachedTarget;
        break;
    case RunEnd::Waiting:
        result.end = TraceEnd::NeedsChoice;
        result.wait = machine.menuWait();
        break;
    case RunEnd::Stopped:
        result.end = TraceEnd::Stopped;
        break;
    case RunEnd::Failed:
        result.end = TraceEnd::Failed;
        break;
    case RunEnd::StepLimit:
        result.end = TraceEnd::StepLimit;
        break;
    }
    result.message = run.message;
    if (result.end != TraceEnd::ReachedTarget && result.end != TraceEnd::NeedsChoice)
        result.message = "the disc never starts playing " + goal + ": " + run.message;
    result.path = machine.path();
    result.location = machine.location();
    result.registers = machine.snapshot();
    for (int reg = 0; reg < static_cast<int>(result.writers.size()); ++reg)
        result.writers[static_cast<std::size_t>(reg)] = machine.lastWriter(reg);
    result.steps = run.steps;
    if (result.end == TraceEnd::ReachedTarget)
        result.commands = changedRegisterCommands(result.registers, config, result.notes);
    return result;
}

TraceResult trace(const DiscProgram& program, const PlayerConfig& config, const Target& target,
    std::span<const int> buttons, long step_limit)
{
    const TargetPgcs pgcs = resolve(program.disc(), target);
    if (!pgcs.error.empty() && playbackTargets(pgcs).empty()) {
        TraceResult result;
        result.message = "cannot trace to " + describe(target) + ": " + pgcs.error;
        return result;
    }
    return trace(program, config, playbackTargets(pgcs), buttons, step_limit);
}

std::string changedRegisterCommands(const RegisterSnapshot& registers, const PlayerConfig& config,
    std::vector<std::string>& notes)
{
    std::string text;
    for (int n = 0; n < 16; ++n) {
        const std::uint16_t value = registers.gprm[static_cast<std::size_t>(n)];
        if (value == 0)
            continue;
        core::Command set;
        set.form = core::CommandForm::Set;
        set.set = { core::SetOp::Mov, static_cast<std::uint8_t>(n), { core::OperandKind::Immediate, value } };
        appendEncoded(text, set);
        if ((registers.counters >> n & 1) != 0)
            notes.push_back("GPRM " + std::to_string(n) + " counts playback time; the Set gives its value, not its counting");
    }

    const std::array<std::uint16_t, 24> start = startSprms(config);
    core::Command streams;
    streams.form = core::CommandForm::SetSystem;
    streams.system.op = core::SystemSetOp::SetSTN;
    streams.system.streamValues = core::OperandKind::Immediate;
    core::StreamSetting* settings[] = { &streams.system.audio, &streams.system.subPicture, &streams.system.angle };
    const char* stream_names[] = { "audio stream", "sub-picture stream", "angle" };
    bool any = false;
    for (int i = 0; i < 3; ++i) {
        const std::uint16_t value = registers.sprm[static_cast<std::size_t>(1 + i)];
        if (value == start[static_cast<std::size_t>(1 + i)])
            continue;
        if (value > 0x7F) {
            notes.push_back(std::string("the ") + stream_names[i] + " register holds " + std::to_string(value)
                + ", which no SetSTN can set");
            continue;
        }
        *settings[i] = { core::StreamChange::Set, { core::OperandKind::Immediate, value } };
        any = true;
    }
    if (any)
        appendEncoded(text, streams);

    const std::uint16_t button = registers.sprm[8];
    if (button != start[8]) {
        const int number = button >> button_shift;
        if ((button & ((1 << button_shift) - 1)) != 0 || number < 1 || number > 36) {
            notes.push_back("the highlighted-button register holds " + std::to_string(button)
                + ", which names no button 1 to 36, so no SetHL_BTN can set it");
        } else {
            core::Command highlight;
            highlight.form = core::CommandForm::SetSystem;
            highlight.system.op = core::SystemSetOp::SetHL_BTN;
            highlight.system.value = { core::OperandKind::Immediate, button };
            appendEncoded(text, highlight);
        }
    }
    return text;
}

}
