#include "ui/binding/Shortcut.h"

#include <gtest/gtest.h>

#include <optional>

// The model's shortcut texts as keys, read once for both bindings.
namespace trevalo::ui {
namespace {

Shortcut character(unsigned modifiers, char c)
{
    Shortcut s;
    s.modifiers = modifiers;
    s.character = c;
    return s;
}

Shortcut function(unsigned modifiers, int number)
{
    Shortcut s;
    s.modifiers = modifiers;
    s.key = Shortcut::Key::Function;
    s.function = number;
    return s;
}

Shortcut named(unsigned modifiers, Shortcut::Key key)
{
    Shortcut s;
    s.modifiers = modifiers;
    s.key = key;
    return s;
}

TEST(Shortcut, ReadsTheModelsKeyTexts)
{
    struct Case {
        const char* keys;
        Shortcut expected;
    };
    using Key = Shortcut::Key;
    const Case cases[] = {
        { "Ctrl+I", character(Shortcut::Ctrl, 'I') },
        { "Ctrl+1", character(Shortcut::Ctrl, '1') },
        { "F1", function(Shortcut::None, 1) },
        { "F12", function(Shortcut::None, 12) },
        { "f24", function(Shortcut::None, 24) },
        { "Ctrl+Shift+z", character(Shortcut::Ctrl | Shortcut::Shift, 'Z') },
        { "shift+ctrl+Z", character(Shortcut::Ctrl | Shortcut::Shift, 'Z') },
        { "Alt+Del", named(Shortcut::Alt, Key::Delete) },
        { "Alt+Delete", named(Shortcut::Alt, Key::Delete) },
        { "Esc", named(Shortcut::None, Key::Escape) },
        { "Return", named(Shortcut::None, Key::Enter) },
        { "Enter", named(Shortcut::None, Key::Enter) },
        { "Ctrl+PgDown", named(Shortcut::Ctrl, Key::PageDown) },
        { "Ctrl+Alt+Shift+Up", named(Shortcut::Ctrl | Shortcut::Alt | Shortcut::Shift, Key::Up) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shortcut::parse(c.keys), std::optional<Shortcut>(c.expected)) << c.keys;
}

TEST(Shortcut, ReadsNothingFromWhatNamesNoKey)
{
    for (const char* unreadable : { "", "Ctrl+", "+", "Hyper+I", "F0", "F25", "F100000000000", "Ctrl+Nothing", "Ctrl+IJ",
             "I+Ctrl", "Ctrl++" })
        EXPECT_FALSE(Shortcut::parse(unreadable)) << unreadable;
}

}
}
