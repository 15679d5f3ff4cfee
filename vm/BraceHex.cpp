#include "vm/BraceHex.h"

namespace trevalo::vm {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

int digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string shown(std::string_view found)
{
    std::string text;
    for (unsigned char c : found.substr(0, 25))
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return "\"" + text + "\"";
}

// One command of exactly 25 characters.
bool readCommand(std::string_view text, core::CommandBytes& bytes)
{
    if (text.size() != 25 || text.front() != '{' || text.back() != '}')
        return false;
    for (int j = 0; j < 8; ++j) {
        const std::size_t at = 1 + 3 * static_cast<std::size_t>(j);
        const int high = digit(text[at]);
        const int low = digit(text[at + 1]);
        if (high < 0 || low < 0 || (j < 7 && text[at + 2] != ' '))
            return false;
        bytes[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return true;
}

}

ParsedBlock parseBlock(std::string_view text)
{
    ParsedBlock parsed;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (isSpace(text[pos])) {
            ++pos;
            continue;
        }
        const std::size_t number = parsed.commands.size() + 1;
        core::CommandBytes bytes {};
        if (!readCommand(text.substr(pos, 25), bytes)) {
            parsed.error = "command " + std::to_string(number)
                + " is not of the form {71 00 00 03 00 05 00 00} (upper-case digits, single blanks): found "
                + shown(text.substr(pos, 25));
            parsed.commands.clear();
            return parsed;
        }
        pos += 25;
        if (pos < text.size() && !isSpace(text[pos])) {
            parsed.error = "command " + std::to_string(number) + " is followed by " + shown(text.substr(pos, 1))
                + ", not a blank or a line break";
            parsed.commands.clear();
            return parsed;
        }
        parsed.commands.push_back(bytes);
    }
    return parsed;
}

std::string braceHex(const core::CommandBytes& bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "{";
    for (std::size_t j = 0; j < bytes.size(); ++j) {
        if (j > 0)
            text += ' ';
        text += digits[bytes[j] >> 4];
        text += digits[bytes[j] & 0x0F];
    }
    return text + "}";
}

std::string braceHex(std::span<const core::CommandBytes> commands)
{
    std::string text;
    for (const core::CommandBytes& command : commands) {
        if (!text.empty())
            text += ' ';
        text += braceHex(command);
    }
    return text;
}

}
