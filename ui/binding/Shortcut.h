#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevalo::ui {

// A control's shortcut as keys: the modifiers and the one key, read once
// from the model's portable text ("Ctrl+I", "Ctrl+1", "F1", "Ctrl+Shift+Del")
// so that each binding turns the same keys into its toolkit's (a Qt key
// sequence, a Win32 accelerator) without reading the text again. Modifiers
// are Ctrl, Shift and Alt, in any order and any case; keys are letters,
// digits, F1 to F24 and the common named keys. It knows no toolkit and
// binds nothing.
struct Shortcut {
    enum Modifier : unsigned { None = 0, Ctrl = 1, Shift = 2, Alt = 4 };
    enum class Key {
        Character, // a letter (upper case) or digit, in `character`
        Function, // F1 to F24, the number in `function`
        Escape,
        Enter,
        Tab,
        Space,
        Backspace,
        Delete,
        Insert,
        Home,
        End,
        PageUp,
        PageDown,
        Left,
        Right,
        Up,
        Down,
    };

    unsigned modifiers = None;
    Key key = Key::Character;
    char character = 0;
    int function = 0;

    // None for an empty text or one that names no key this reads.
    static std::optional<Shortcut> parse(std::string_view keys);

    bool operator==(const Shortcut&) const = default;
};

}
