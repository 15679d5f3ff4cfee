#pragma once

// What the disc window asks of the main window, which it cannot see: the
// target its lists hold, setting a target by the main window's own picks,
// importing a trace by Import's own rules, the blocks and settings a replay
// needs, and where a verdict is to show. The main window implements it; the
// disc window decides nothing the main window's operations decide.

#include "vm/PlayerConfig.h"
#include "vm/Replay.h"
#include "vm/Target.h"

#include <optional>
#include <string>
#include <vector>

namespace trevalo {

class DiscSession {
public:
    virtual ~DiscSession() = default;

    // The target the main window's lists hold, or nothing when they hold
    // no target (a number typed that names none).
    virtual std::optional<vm::Target> currentTarget() const = 0;
    // Picks the target in the main window as a user would; empty when done,
    // else why not.
    virtual std::string useAsTarget(const vm::Target& target) = 0;
    // Imports a trace's register commands (possibly none) by Import's
    // rules, with the buttons the trace pressed on its way, which the
    // replay presses again; true when the main window imported them.
    virtual bool importTrace(const std::string& commands, const std::vector<int>& buttons) = 0;
    // The three blocks, what the author set on purpose and the buttons the
    // imported trace pressed, as they stand.
    virtual vm::ReplayRequest replayRequest() const = 0;
    // A replay's verdict for the findings line and the log; nothing clears it.
    virtual void setVerdict(std::optional<vm::Verdict> verdict) = 0;
};

}
