#include "bindings/win32/Accelerators.h"

#include <cctype>
#include <string>

namespace trevalo::win32 {

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

std::optional<WORD> keyOf(std::string_view name)
{
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return WORD(std::toupper(static_cast<unsigned char>(name[0])));
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
        int number = 0;
        for (char c : name.substr(1)) {
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return std::nullopt;
            number = number * 10 + (c - '0');
        }
        if (number >= 1 && number <= 24)
            return WORD(VK_F1 + number - 1);
        return std::nullopt;
    }
    struct Named {
        const char* name;
        WORD key;
    };
    static const Named named[] = { { "Esc", VK_ESCAPE }, { "Escape", VK_ESCAPE }, { "Return", VK_RETURN },
        { "Enter", VK_RETURN }, { "Tab", VK_TAB }, { "Space", VK_SPACE }, { "Backspace", VK_BACK }, { "Del", VK_DELETE },
        { "Delete", VK_DELETE }, { "Ins", VK_INSERT }, { "Insert", VK_INSERT }, { "Home", VK_HOME }, { "End", VK_END },
        { "PgUp", VK_PRIOR }, { "PgDown", VK_NEXT }, { "Left", VK_LEFT }, { "Right", VK_RIGHT }, { "Up", VK_UP },
        { "Down", VK_DOWN } };
    for (const Named& each : named) {
        if (same(name, each.name))
            return each.key;
    }
    return std::nullopt;
}

}

std::optional<ACCEL> Accelerators::parse(std::string_view keys, WORD command)
{
    ACCEL accel {};
    accel.fVirt = FVIRTKEY;
    accel.cmd = command;
    while (!keys.empty()) {
        const std::size_t plus = keys.find('+', 1);
        const std::string_view part = keys.substr(0, plus);
        if (plus == std::string_view::npos) {
            const std::optional<WORD> key = keyOf(part);
            if (!key)
                return std::nullopt;
            accel.key = *key;
            return accel;
        }
        if (same(part, "Ctrl"))
            accel.fVirt |= FCONTROL;
        else if (same(part, "Shift"))
            accel.fVirt |= FSHIFT;
        else if (same(part, "Alt"))
            accel.fVirt |= FALT;
        else
            return std::nullopt;
        keys.remove_prefix(plus + 1);
    }
    return std::nullopt;
}

}
