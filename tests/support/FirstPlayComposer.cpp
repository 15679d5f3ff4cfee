#include "support/FirstPlayComposer.h"

#include "support/StrictBlock.h"

#include <array>
#include <utility>

namespace trevalo::testing {

namespace {

// A list item that is a plain decimal number in [low, high].
std::optional<int> number(const std::string& text, int low, int high)
{
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<std::string> menuCode(const std::string& menu)
{
    static const std::array<std::pair<const char*, const char*>, 5> codes { {
        { "Root Menu", "83" },
        { "Sub-Picture Menu", "84" },
        { "Audio Menu", "85" },
        { "Angle Menu", "86" },
        { "Chapter Menu", "87" },
    } };
    for (const auto& [name, code] : codes) {
        if (menu == name)
            return code;
    }
    return std::nullopt;
}

}

std::optional<std::string> FirstPlayComposer::compose(const Choices& choices)
{
    const auto hex = StrictBlock::hexByte;
    std::string block;
    if (choices.all_registers) {
        const auto marker = number(choices.marker, 4096, 65535);
        if (!marker)
            return std::nullopt;
        // Every register must be 0, tested from GPRM 15 down; any other value
        // skips to line 19, the NOP.
        for (int reg = 15; reg >= 0; --reg)
            block += "{00 B1 00 " + hex(reg) + " 00 00 00 13} ";
        block += "{71 00 00 00 " + hex(*marker >> 8) + " " + hex(*marker & 0xFF) + " 00 00} ";
    } else {
        const auto reg = number(choices.guard_register, 0, 15);
        if (!reg)
            return std::nullopt;
        block += "{00 B1 00 " + hex(*reg) + " 00 00 00 03} ";
    }

    const auto target = number(choices.number, 1, 99);
    if (!target)
        return std::nullopt;
    if (choices.domain == "VTSM") {
        const auto code = menuCode(choices.menu);
        if (!code)
            return std::nullopt;
        block += "{30 06 00 01 " + hex(*target) + " " + *code + " 00 00}";
    } else if (choices.domain == "VMGM") {
        block += "{30 06 00 " + hex(*target) + " 00 C0 00 00}";
    } else if (choices.domain == "Title") {
        block += "{30 02 00 00 00 " + hex(*target) + " 00 00}";
    } else {
        return std::nullopt;
    }
    return block + " {00 00 00 00 00 00 00 00}";
}

}
