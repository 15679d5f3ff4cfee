#pragma once

#include <string>
#include <vector>

namespace trevalo::testing {

// One session by keys alone, written once as data, that the model test,
// the Qt window test and the Windows window under Wine each replay with
// their own keys: after every step all three must show the same focus and
// the same picks. Held picks are where the bindings could part ways (when
// a pick goes, and where the focus is after it), so the session rests on
// them: a closed list stepped with arrows and left with Tab, a two-digit
// number typed, a pick going after the pause, Enter ending one, a shortcut
// while one is held, and then a walk by Tab to a copy button.
struct SharedKeyboardSession {
    enum class Key {
        Tab,
        Up,
        Down,
        Enter,
        // The characters of `keys`, one after the other, quickly.
        Type,
        // Alt or Ctrl with the letter or digit in `keys`.
        Alt,
        Ctrl,
        // Nothing, for longer than the pause a held pick waits for.
        Rest,
    };

    // What the window shows after a step, by the model's control name:
    // for a list the item its closed box shows (where keys rest, picked or
    // not), for a label its caption, for a text box its text, for a check
    // box "ticked" or "unticked"; "clipboard" is the clipboard's text.
    struct Shows {
        std::string control;
        std::string text;
    };

    struct Step {
        const char* what;
        Key key;
        std::string keys = {};
        int times = 1;
        // The keys open a message box, which is answered with OK.
        bool answered = false;
        // The control with the keyboard focus after the step.
        std::string focus = {};
        std::vector<Shows> shows = {};
    };

    // The clipboard when the session starts, for its import.
    static const std::string clipboard;
    // The focus and what shows before the first key.
    static const Step start;
    static const std::vector<Step>& steps();
};

}
