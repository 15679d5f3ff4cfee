#include "random/SessionShrinker.h"

#include "random/SessionPlayer.h"
#include "support/StrictBlock.h"

#include <optional>

namespace trevalo::testing {

namespace {

// Shorter clipboards for one import: the trace without each half, quarter,
// ..., single command, as long as the text still reads as a trace.
std::vector<std::string> shorterTraces(const std::string& text)
{
    std::string fault;
    const auto commands = StrictBlock::traceCommands(text, fault);
    std::vector<std::string> shorter;
    if (!commands)
        return shorter;
    for (std::size_t size = commands->size() / 2; size >= 1; size /= 2) {
        for (std::size_t start = 0; start + size <= commands->size(); start += size) {
            std::vector<std::string> kept(commands->begin(), commands->begin() + static_cast<long>(start));
            kept.insert(kept.end(), commands->begin() + static_cast<long>(start + size), commands->end());
            if (!kept.empty())
                shorter.push_back(StrictBlock::join(kept));
        }
    }
    return shorter;
}

}

SessionShrinker::Replay SessionShrinker::replay(const std::vector<UserAction>& actions)
{
    SessionPlayer player;
    Replay result;
    for (const UserAction& action : actions) {
        if (!player.play(action))
            continue;
        result.played.push_back(action);
        if (!player.faults().empty()) {
            result.faults = player.faults();
            break;
        }
    }
    result.final_state = player.form().window().dumpState();
    return result;
}

std::optional<std::vector<UserAction>> SessionShrinker::replayFails(const std::vector<UserAction>& actions)
{
    Replay result = replay(actions);
    if (result.faults.empty())
        return std::nullopt;
    return std::move(result.played);
}

std::vector<UserAction> SessionShrinker::shrink(const std::vector<UserAction>& actions, const Judge& judge)
{
    std::optional<std::vector<UserAction>> first = judge(actions);
    if (!first)
        return actions;
    std::vector<UserAction> best = std::move(*first);

    // Drop runs of actions, halving the run length down to single actions;
    // start over whenever a drop succeeds at length one.
    for (std::size_t run = best.size() / 2; run >= 1;) {
        bool dropped = false;
        for (std::size_t start = 0; start + run <= best.size();) {
            std::vector<UserAction> candidate(best.begin(), best.begin() + static_cast<long>(start));
            candidate.insert(candidate.end(), best.begin() + static_cast<long>(start + run), best.end());
            if (auto played = judge(candidate)) {
                best = std::move(*played);
                dropped = true;
            } else {
                start += run;
            }
        }
        if (run == 1 && !dropped)
            break;
        run = run > 1 ? run / 2 : 1;
    }

    // Then make what each action carries smaller.
    for (std::size_t i = 0; i < best.size(); ++i) {
        bool smaller = true;
        while (smaller) {
            smaller = false;
            std::vector<UserAction> tries;
            UserAction& action = best[i];
            if (action.clipboard && action.control != "cmdPaste") {
                UserAction plain = action;
                plain.clipboard.reset();
                tries.push_back(plain);
            }
            if (action.clipboard && action.control == "cmdPaste") {
                for (const std::string& text : shorterTraces(*action.clipboard)) {
                    UserAction shorter = action;
                    shorter.clipboard = text;
                    tries.push_back(shorter);
                }
            }
            for (std::size_t k = 0; k < action.inside.size(); ++k) {
                UserAction fewer = action;
                fewer.inside.erase(fewer.inside.begin() + static_cast<long>(k));
                tries.push_back(fewer);
            }
            for (const UserAction& attempt : tries) {
                std::vector<UserAction> candidate = best;
                candidate[i] = attempt;
                if (auto played = judge(candidate)) {
                    best = std::move(*played);
                    smaller = i < best.size();
                    break;
                }
            }
        }
    }
    return best;
}

}
