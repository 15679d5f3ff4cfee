#include "ui/binding/Shortcut.h"

#include <cctype>

namespace trevalo::ui {

namespace {

bool same(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<Shortcut> keyOf(std::string_view name)
{
    Shortcut shortcut;
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        shortcut.character = char(std::toupper(static_cast<unsigned char>(name[0])));
        return shortcut;
    }
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
        int number = 0;
        for (char c : name.substr(1)) {
            if (!std::isdigit(static_cast<unsigned char>(c)) || number > 24)
                return std::nullopt;
            number = number * 10 + (c - '0');
        }
        if (number < 1 || number > 24)
            return std::nullopt;
        shortcut.key = Shortcut::Key::Function;
        shortcut.function = number;
        return shortcut;
    }
    struct Named {
        const char* name;
        Shortcut::Key key;
    };
    using Key = Shortcut::Key;
    static const Named named[] = { { "Esc", Key::Escape }, { "Escape", Key::Escape }, { "Return", Key::Enter },
        { "Enter", Key::Enter }, { "Tab", Key::Tab }, { "Space", Key::Space }, { "Backspace", Key::Backspace },
        { "Del", Key::Delete }, { "Delete", Key::Delete }, { "Ins", Key::Insert }, { "Insert", Key::Insert },
        { "Home", Key::Home }, { "End", Key::End }, { "PgUp", Key::PageUp }, { "PgDown", Key::PageDown },
        { "Left", Key::Left }, { "Right", Key::Right }, { "Up", Key::Up }, { "Down", Key::Down } };
    for (const Named& each : named) {
        if (same(name, each.name)) {
            shortcut.key = each.key;
            return shortcut;
        }
    }
    return std::nullopt;
}

}

// The text is the modifiers, each followed by "+", then the key; a "+" at
// the very start is the key itself only where nothing follows it, which no
// shortcut of the model's is.
std::optional<Shortcut> Shortcut::parse(std::string_view keys)
{
    unsigned modifiers = None;
    while (!keys.empty()) {
        const std::size_t plus = keys.find('+', 1);
        const std::string_view part = keys.substr(0, plus);
        if (plus == std::string_view::npos) {
            std::optional<Shortcut> shortcut = keyOf(part);
            if (shortcut)
                shortcut->modifiers = modifiers;
            return shortcut;
        }
        if (same(part, "Ctrl"))
            modifiers |= Ctrl;
        else if (same(part, "Shift"))
            modifiers |= Shift;
        else if (same(part, "Alt"))
            modifiers |= Alt;
        else
            return std::nullopt;
        keys.remove_prefix(plus + 1);
    }
    return std::nullopt;
}

}
