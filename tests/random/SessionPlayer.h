#pragma once

#include "mainwindow/Form1.h"
#include "random/Random.h"
#include "random/SessionOracle.h"
#include "random/UserAction.h"
#include "support/FakePlatform.h"

#include <string>
#include <vector>

namespace trevalo::testing {

// A main window on fake platform pieces, played by a simulated user and
// judged by the oracle after every action.
class SessionPlayer {
public:
    // Judged by the oracle after every action, or only played (to compare
    // two windows played alike).
    enum class Judged { Yes, No };
    explicit SessionPlayer(Judged judged = Judged::Yes);
    SessionPlayer(const SessionPlayer&) = delete;
    SessionPlayer& operator=(const SessionPlayer&) = delete;

    // An action a user could take now: a pick or a click on a control that
    // is usable and lies where the user can reach it, with a clipboard for
    // Import, an answer for the clipboard question and clicks for a window
    // it opens.
    UserAction randomAction(Random& random) const;

    // Plays the action and checks the window after it. Returns false, and
    // plays nothing, when the action is not one the user could take now.
    bool play(const UserAction& action);

    // Faults found so far, each naming the action after which it showed.
    const std::vector<std::string>& faults() const { return m_faults; }

    Form1& form() { return m_form; }
    const FakeClipboard& clipboard() const { return m_clipboard; }
    const FakeMessageBoxes& messages() const { return m_messages; }

private:
    bool reachable(const ui::Control& control) const;
    void actInside(ui::Window& window);

    FakeClipboard m_clipboard;
    FakeMessageBoxes m_messages;
    FakeModalWindows m_modals;
    Form1 m_form { m_clipboard, m_messages, m_modals };
    SessionOracle m_oracle { m_form, m_clipboard, m_messages };
    Judged m_judged;
    const UserAction* m_playing = nullptr;
    std::vector<std::string> m_faults;
};

}
