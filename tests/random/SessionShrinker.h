#pragma once

#include "random/UserAction.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::testing {

// Turns a failing session into a short one that still fails: drops runs of
// actions, then single actions, then what the remaining ones carry (clipboard
// commands, clicks inside windows), replaying each candidate on a fresh
// window. Actions a candidate makes impossible are left out of the result.
class SessionShrinker {
public:
    // The actions a fresh window plays of `actions` up to and including the
    // first one after which the oracle finds a fault, and those faults.
    struct Replay {
        std::vector<UserAction> played;
        std::vector<std::string> faults;
        std::string final_state;
    };
    static Replay replay(const std::vector<UserAction>& actions);

    // Judges a candidate: the actions it really played up to its failure,
    // or nullopt when it does not fail.
    using Judge = std::function<std::optional<std::vector<UserAction>>(const std::vector<UserAction>&)>;
    // The judge of the random sessions: a replay on a fresh window.
    static std::optional<std::vector<UserAction>> replayFails(const std::vector<UserAction>& actions);

    // A short session that still fails; `actions` must fail.
    static std::vector<UserAction> shrink(const std::vector<UserAction>& actions, const Judge& judge = replayFails);
};

}
