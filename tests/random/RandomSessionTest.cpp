#include "random/Random.h"
#include "random/SessionPlayer.h"
#include "random/SessionShrinker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#ifndef TREVALO_RANDOM_SESSIONS
#define TREVALO_RANDOM_SESSIONS 20000
#endif

namespace trevalo::testing {
namespace {

constexpr std::uint64_t default_seed = 20240611;
constexpr int longest_session = 60;

std::uint64_t number(const char* variable, std::uint64_t fallback)
{
    const char* text = std::getenv(variable);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// Session n of a run draws from its own stream, so one session replays
// without the ones before it.
Random sessionRandom(std::uint64_t seed, std::uint64_t session)
{
    return Random(seed * 0x100000001B3ULL + session);
}

// Plays one random session; the actions played, and whether it failed.
std::vector<UserAction> playSession(Random& random, SessionPlayer& player)
{
    std::vector<UserAction> played;
    const int length = random.between(1, longest_session);
    for (int i = 0; i < length && player.faults().empty(); ++i) {
        UserAction action = player.randomAction(random);
        if (player.play(action))
            played.push_back(std::move(action));
    }
    return played;
}

std::string report(std::uint64_t seed, std::uint64_t session, const std::vector<UserAction>& actions)
{
    std::ostringstream text;
    text << "Session " << session << " of seed " << seed << " (replay with TREVALO_SEED=" << seed
         << " TREVALO_SESSIONS=" << session + 1 << ") fails; shrunk to " << actions.size() << " actions:\n";
    for (std::size_t i = 0; i < actions.size(); ++i)
        text << "  " << i + 1 << ". " << actions[i].describe() << "\n";
    text << "Faults:\n";
    for (const std::string& fault : SessionShrinker::replay(actions).faults)
        text << "  " << fault << "\n";
    return text.str();
}

TEST(RandomSessions, NoSequenceOfUserActionsCorruptsABlockOrTheWindowState)
{
    const std::uint64_t seed = number("TREVALO_SEED", default_seed);
    const std::uint64_t sessions = number("TREVALO_SESSIONS", TREVALO_RANDOM_SESSIONS);
    std::uint64_t actions = 0;
    for (std::uint64_t session = 0; session < sessions; ++session) {
        Random random = sessionRandom(seed, session);
        SessionPlayer player;
        const std::vector<UserAction> played = playSession(random, player);
        actions += played.size();
        if (!player.faults().empty()) {
            ADD_FAILURE() << report(seed, session, SessionShrinker::shrink(played));
            break;
        }
    }
    std::cout << "[ random   ] seed " << seed << ", " << sessions << " sessions, " << actions << " actions\n";
}

// What the failure report rests on: a recorded session replays to the very
// same window, action for action.
TEST(RandomSessions, ARecordedSessionReplaysToTheSameWindow)
{
    for (std::uint64_t session = 0; session < 50; ++session) {
        Random random = sessionRandom(default_seed, session);
        SessionPlayer player;
        const std::vector<UserAction> played = playSession(random, player);
        const SessionShrinker::Replay replay = SessionShrinker::replay(played);
        EXPECT_EQ(replay.played.size(), played.size()) << "session " << session;
        EXPECT_EQ(replay.final_state, player.form().window().dumpState()) << "session " << session;
    }
}

// The user only reaches what the window offers: covered focus sinks and the
// state holders beside the window are never drawn, and an action on a
// control that is not usable now is not played.
TEST(RandomSessions, ActionsAreOnlyThoseAUserCouldTake)
{
    Random random(7);
    SessionPlayer player;
    for (int i = 0; i < 2000; ++i) {
        const UserAction action = player.randomAction(random);
        for (const char* unreachable : { "cmdTemp", "cmdTemp3", "cmdDummy", "cmdStr", "cmdDummy2", "Command1", "optVTSM", "OptTitle" })
            ASSERT_NE(action.control, unreachable);
        ASSERT_TRUE(player.form().window().find(action.control)->usable()) << action.describe();
        player.play(action);
    }

    SessionPlayer fresh;
    UserAction undo;
    undo.control = "cmdUndo";
    undo.answer = ui::Answer::Yes;
    EXPECT_FALSE(fresh.play(undo));
    UserAction beyond;
    beyond.kind = UserAction::Kind::Pick;
    beyond.control = "cboGPRM";
    beyond.item = 16;
    EXPECT_FALSE(fresh.play(beyond));
    UserAction streams;
    streams.control = "chkStreams";
    EXPECT_FALSE(fresh.play(streams));
}

UserAction click(std::string control)
{
    UserAction action;
    action.control = std::move(control);
    return action;
}

// Shrinking keeps exactly the actions a fault needs, in their order.
TEST(SessionShrinking, KeepsOnlyTheActionsTheFaultNeeds)
{
    std::vector<UserAction> session;
    for (const char* name : { "chkdisable", "chkNone", "cmdCopy", "chkLinkCN", "chkNone", "chkDummy", "chkLinkCN", "About", "chkDummy" })
        session.push_back(click(name));
    // A stand-in fault: chkDummy clicked at some point after chkLinkCN.
    auto judge = [](const std::vector<UserAction>& actions) -> std::optional<std::vector<UserAction>> {
        bool link = false;
        for (std::size_t i = 0; i < actions.size(); ++i) {
            link = link || actions[i].control == "chkLinkCN";
            if (link && actions[i].control == "chkDummy")
                return std::vector<UserAction>(actions.begin(), actions.begin() + static_cast<long>(i + 1));
        }
        return std::nullopt;
    };
    const std::vector<UserAction> shrunk = SessionShrinker::shrink(session, judge);
    ASSERT_EQ(shrunk.size(), 2u);
    EXPECT_EQ(shrunk[0].control, "chkLinkCN");
    EXPECT_EQ(shrunk[1].control, "chkDummy");
}

TEST(SessionShrinking, ShortensTheImportedTraceAndTheClicksInsideAWindow)
{
    UserAction import = click("cmdPaste");
    import.clipboard = "{71 00 00 01 00 01 00 00}\r\n{51 00 00 82 C5 00 00 00}\r\n{71 00 00 02 00 02 00 00}\r\n"
                       "{71 00 00 03 00 03 00 00}";
    UserAction log = click("Log");
    log.inside = { "Command3", "Command1", "Command3", "Command2" };
    // A stand-in fault: a SetSTN imported, then the log copied.
    auto judge = [](const std::vector<UserAction>& actions) -> std::optional<std::vector<UserAction>> {
        if (actions.size() != 2)
            return std::nullopt;
        const bool imported = actions[0].clipboard && actions[0].clipboard->find("{51") != std::string::npos;
        const auto& inside = actions[1].inside;
        if (imported && std::find(inside.begin(), inside.end(), "Command1") != inside.end())
            return actions;
        return std::nullopt;
    };
    const std::vector<UserAction> shrunk = SessionShrinker::shrink({ import, log }, judge);
    ASSERT_EQ(shrunk.size(), 2u);
    EXPECT_EQ(shrunk[0].clipboard, "{51 00 00 82 C5 00 00 00}");
    EXPECT_EQ(shrunk[1].inside, std::vector<std::string> { "Command1" });
}

}
}
