#include "random/ClipboardTexts.h"

#include "support/StrictBlock.h"

#include <functional>
#include <vector>

namespace trevalo::testing {

namespace {

std::string hex(int value)
{
    return StrictBlock::hexByte(value);
}

std::string setSTN(Random& random)
{
    static const std::vector<int> audio { 0x00, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87 };
    static const std::vector<int> angle { 0x00, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89 };
    int sub = 0;
    switch (random.below(7)) {
    case 0:
        sub = 0x00;
        break;
    case 1:
        sub = 0x80 + random.between(0, 31);
        break;
    case 2:
        sub = 0xC0 + random.between(0, 31);
        break;
    case 3:
        sub = 0xBE;
        break;
    case 4:
        sub = 0xBF;
        break;
    case 5: {
        // A code no option writes: a PgcEdit trace may hold one.
        static const std::vector<int> unknown { 0x01, 0x7F, 0xA0, 0xBD, 0xE0, 0xFE };
        sub = random.oneOf(unknown);
        break;
    }
    default:
        sub = 0xFF;
        break;
    }
    return "{51 00 00 " + hex(random.oneOf(audio)) + " " + hex(sub) + " " + hex(random.oneOf(angle)) + " 00 00}";
}

std::string setHL(Random& random)
{
    return "{56 00 00 00 " + hex(4 * random.between(1, 36)) + " 00 00 00}";
}

std::string registerSet(Random& random)
{
    return "{71 00 00 " + hex(random.between(0, 15)) + " " + hex(random.between(0, 255)) + " "
        + hex(random.between(0, 255)) + " 00 00}";
}

// A register number past 15, an audio stream past 7, an angle outside 1 to
// 9, or a button value that is no button.
std::string outOfRange(Random& random)
{
    switch (random.below(4)) {
    case 0:
        return "{71 00 00 " + hex(random.between(16, 255)) + " 00 05 00 00}";
    case 1:
        return "{51 00 00 " + hex(random.between(0x88, 0xFF)) + " 00 00 00 00}";
    case 2:
        return "{51 00 00 00 00 " + hex(random.chance(50) ? 0x80 : random.between(0x8A, 0xFF)) + " 00 00}";
    default:
        if (random.chance(50))
            return "{56 00 00 00 " + hex(4 * random.between(37, 63)) + " 00 00 00}";
        return "{56 00 00 00 " + hex(4 * random.between(1, 36)) + " " + hex(random.between(1, 255)) + " 00 00}";
    }
}

// GPRM 0 set to one of the marker values the window offers.
std::string markerSet(Random& random)
{
    static const std::vector<std::string> markers { "30 39", "2B 67", "56 CE", "82 35", "AD 9C", "D9 03" };
    return "{71 00 00 00 " + random.oneOf(markers) + " 00 00}";
}

std::string separator(Random& random)
{
    static const std::vector<std::string> separators { " ", " ", "\r\n", "\n", "\t", "  ", "\r\n\r\n", "\r" };
    return random.oneOf(separators);
}

std::string joinedWith(const std::vector<std::string>& commands, Random& random)
{
    // Most traces keep one separator throughout, as PgcEdit does.
    const bool mixed = random.chance(25);
    const std::string usual = separator(random);
    std::string text;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (i)
            text += mixed ? separator(random) : usual;
        text += commands[i];
    }
    return text;
}

std::string sets(Random& random, int count)
{
    std::vector<std::string> commands;
    for (int i = 0; i < count; ++i)
        commands.push_back(registerSet(random));
    return joinedWith(commands, random);
}

// A well-formed trace with one character replaced, inserted or taken out,
// each chosen to break the form (a digit for a digit would keep it).
std::string damaged(Random& random)
{
    std::string text = sets(random, random.between(1, 6));
    static const std::vector<std::string> breakers { "e", "g", "G", "{", "}", "x", std::string(1, '\0'), "\xC3\xA9", "\xFF",
        "\x80", "-", "0", "00" };
    const std::size_t at = random.below(text.size());
    switch (random.below(3)) {
    case 0:
        text.replace(at, 1, random.oneOf(breakers));
        break;
    case 1:
        text.insert(at, random.oneOf(breakers));
        break;
    default:
        text.erase(at, 1);
        break;
    }
    return text;
}

}

std::string ClipboardTexts::command(Random& random)
{
    switch (random.below(16)) {
    case 0:
        return "{00 B1 00 " + hex(random.between(0, 15)) + " " + hex(random.between(0, 255)) + " "
            + hex(random.between(0, 255)) + " 00 " + hex(random.between(1, 40)) + "}";
    case 1:
        return "{20 07 00 00 00 00 00 " + hex(random.between(1, 99)) + "}";
    case 2:
        return "{20 04 00 00 00 00 00 " + hex(random.between(1, 99)) + "}";
    case 3:
        return "{30 02 00 00 00 " + hex(random.between(1, 99)) + " 00 00}";
    case 4:
        return "{30 06 00 01 " + hex(random.between(1, 99)) + " " + hex(random.between(0x83, 0x87)) + " 00 00}";
    case 5:
        return "{30 06 00 " + hex(random.between(1, 99)) + " 00 C0 00 00}";
    case 6:
        return "{00 00 00 00 00 00 00 00}";
    case 7:
        return "{00 02 00 00 00 00 00 00}";
    case 8:
        return setSTN(random);
    case 9:
        return setHL(random);
    default:
        return registerSet(random);
    }
}

std::string ClipboardTexts::trace(Random& random)
{
    std::vector<std::string> commands;
    const int count = random.between(0, 40);
    // Mostly what "Copy changed registers as commands" gives: register sets,
    // now and then another kind.
    for (int i = 0; i < count; ++i)
        commands.push_back(random.chance(85) ? registerSet(random) : command(random));
    if (random.chance(50)) {
        const int streams = random.chance(80) ? 1 : 2;
        for (int i = 0; i < streams; ++i)
            commands.insert(commands.begin() + static_cast<long>(random.below(commands.size() + 1)), setSTN(random));
    }
    if (random.chance(50))
        commands.insert(commands.begin() + static_cast<long>(random.below(commands.size() + 1)), setHL(random));
    return joinedWith(commands, random);
}

std::string ClipboardTexts::checked(Random& random)
{
    std::vector<std::string> commands;
    // 124 imported commands fill a block to the budget of 128.
    const int count = random.chance(25) ? random.between(118, 128) : random.between(0, 8);
    for (int i = 0; i < count; ++i)
        commands.push_back(registerSet(random));
    const int odd = random.between(1, 3);
    for (int i = 0; i < odd; ++i) {
        const std::string command = random.chance(25) ? markerSet(random) : outOfRange(random);
        commands.insert(commands.begin() + static_cast<long>(random.below(commands.size() + 1)), command);
    }
    return joinedWith(commands, random);
}

std::string ClipboardTexts::hostile(Random& random)
{
    static const std::vector<std::function<std::string(Random&)>> kinds {
        [](Random&) { return std::string(); },
        [](Random&) { return std::string("   \t "); },
        [](Random&) { return std::string("\r\n"); },
        [](Random& r) { return sets(r, r.between(1, 4)) + " "; },
        [](Random& r) { return sets(r, r.between(1, 4)) + "\r\n"; },
        [](Random& r) { return " " + sets(r, r.between(1, 4)); },
        [](Random&) { return std::string("{71 00 00 0e 00 01 00 00}"); },
        [](Random&) { return std::string("{71 00 00 0E 00 01 0000}"); },
        [](Random&) { return std::string("{71 00 00 0E 00 01 00 00} 71 00 00 03 00 05 00 00}"); },
        [](Random&) { return std::string("{71 00 00 0E 00 01 00 0}"); },
        [](Random&) { return std::string("{71 00 00 0E 00 01 00 00}{71 00 00 03 00 05 00 00}"); },
        [](Random&) { return std::string("{71 00 {00 03} 00 05 00 00}"); },
        [](Random&) { return std::string("{{71 00 00 03 00 05 00 00}"); },
        [](Random&) { return std::string("{71 00 00 03 00 05 00 00}}"); },
        [](Random&) { return std::string("{71 00 00 03 00 05 00 00}\0{71 00 00 04 00 01 00 00}", 51); },
        [](Random&) { return std::string("{71 00 00 03 00 05 00 00} \xC3\xA9t\xC3\xA9 {71 00 00 04 00 01 00 00}"); },
        [](Random&) { return std::string("{71 00 00 03 00 05 00 00} \xC3\x28 {71 00 00 04 00 01 00 00}"); },
        [](Random&) { return std::string("{71 00 00 03 00 05 00 00}\xFF{71 00 00 04 00 01 00 00}"); },
        [](Random&) { return std::string("{}"); },
        [](Random&) { return std::string("{ }"); },
        // Right at and past the line limit of a four-command block.
        [](Random& r) { return sets(r, 251); },
        [](Random& r) { return sets(r, 252); },
        [](Random& r) { return sets(r, 256); },
        // Past the length limit, though every command is well-formed.
        [](Random& r) { return sets(r, 1261); },
        [](Random& r) { return damaged(r); },
        [](Random& r) { return damaged(r); },
        [](Random& r) { return damaged(r); },
    };
    return random.oneOf(kinds)(random);
}

std::string ClipboardTexts::elsewhere(Random& random)
{
    static const std::vector<std::string> texts { "", "Hello", "VTS_01_0.IFO", "{00 02 00 00 00 00 00 00}" };
    return random.chance(50) ? random.oneOf(texts) : trace(random);
}

}
