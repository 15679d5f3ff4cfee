#pragma once

// The disc's own start-up chain, followed by the machine from insert to the
// moment a chosen PGC starts playing (after its own pre commands ran, where
// an editor's playback breakpoint stops), pressing the given buttons at the
// menus on the way. The result holds the path, the registers there and
// those registers as the commands the window's import takes: a Set for
// every GPRM that is not 0, a SetSTN for the streams that differ from the
// player's start values, a SetHL_BTN for a highlighted button other than
// the first.
//
// A trace that cannot reach the PGC says why: a menu that needs a button
// the list does not give, the disc stopping or failing first, or a chain
// that goes round without end (the step limit).

#include "disc/PgcAddress.h"
#include "vm/DiscProgram.h"
#include "vm/Machine.h"
#include "vm/Path.h"
#include "vm/PlayerConfig.h"
#include "vm/Registers.h"
#include "vm/Target.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace trevalo::vm {

inline constexpr long default_step_limit = 1'000'000;

enum class RunEnd { Playing, Waiting, Stopped, Failed, StepLimit };

struct RunResult {
    RunEnd end = RunEnd::Playing;
    long steps = 0;
    std::string message; // what stopped the run short of its goal
};

// Steps `machine` until a PGC starts playing: one of `targets`, or any
// when `targets` is empty. At a menu it presses buttons[next_button], then
// the next, and stops waiting once the list is used up. `goal` names the
// aim in a loop report.
RunResult playUntil(Machine& machine, std::span<const disc::PgcAddress> targets, std::span<const int> buttons,
    std::size_t& next_button, long step_limit, const std::string& goal);

enum class TraceEnd { ReachedTarget, NeedsChoice, Stopped, Failed, StepLimit };

struct TraceResult {
    TraceEnd end = TraceEnd::Failed;
    std::string message; // why the target was not reached
    std::vector<PathEvent> path;
    Location location; // where the trace ended
    MenuWait wait; // the menu that needs a button (NeedsChoice)
    RegisterSnapshot registers;
    // The command that last wrote each register (GPRMs, then SPRMs), as
    // Machine::lastWriter() gives it.
    std::array<CommandSite, 40> writers {};
    // The registers as commands for the import (ReachedTarget), and what
    // they cannot carry.
    std::string commands;
    std::vector<std::string> notes;
    long steps = 0;
};

TraceResult trace(const DiscProgram& program, const PlayerConfig& config, std::span<const disc::PgcAddress> targets,
    std::span<const int> buttons, long step_limit = default_step_limit);

// To the window's target: the PGC after the dummy with the dummy skip on.
TraceResult trace(const DiscProgram& program, const PlayerConfig& config, const Target& target,
    std::span<const int> buttons, long step_limit = default_step_limit);

// The registers that differ from a player's start as import commands,
// joined by single blanks; `notes` gets what no such command can set.
std::string changedRegisterCommands(const RegisterSnapshot& registers, const PlayerConfig& config,
    std::vector<std::string>& notes);

}
