#include "support/StrictBlock.h"

#include <cstdio>

namespace trevalo::testing {

namespace {

constexpr std::size_t command_length = 25;

bool isUpperHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool isTraceSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}

// Written as the pattern it checks, position by position, so it shares
// nothing with the tool's own reader.
bool StrictBlock::isCommand(std::string_view text)
{
    constexpr std::string_view pattern = "{HH HH HH HH HH HH HH HH}";
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool ok = pattern[i] == 'H' ? isUpperHexDigit(text[i]) : text[i] == pattern[i];
        if (!ok)
            return false;
    }
    return true;
}

std::optional<std::vector<std::string>> StrictBlock::commands(std::string_view block, std::string& fault)
{
    std::vector<std::string> found;
    std::size_t at = 0;
    while (true) {
        const std::string_view candidate = block.substr(at, command_length);
        if (!isCommand(candidate)) {
            fault = "command " + std::to_string(found.size() + 1) + " at character " + std::to_string(at + 1)
                + " is not well-formed: " + excerpt(candidate, 30);
            return std::nullopt;
        }
        found.emplace_back(candidate);
        at += command_length;
        if (at == block.size())
            return found;
        if (block[at] != ' ') {
            fault = "command " + std::to_string(found.size()) + " is followed by " + excerpt(block.substr(at, 1))
                + " instead of a single blank";
            return std::nullopt;
        }
        ++at;
        if (at == block.size())
            return found;
    }
}

std::optional<std::vector<std::string>> StrictBlock::traceCommands(std::string_view text, std::string& fault)
{
    std::vector<std::string> found;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isTraceSeparator(text[at])) {
            ++at;
            continue;
        }
        const std::string_view candidate = text.substr(at, command_length);
        if (!isCommand(candidate)) {
            fault = "command " + std::to_string(found.size() + 1) + " is not well-formed: " + excerpt(candidate, 30);
            return std::nullopt;
        }
        at += command_length;
        if (at < text.size() && !isTraceSeparator(text[at])) {
            fault = "command " + std::to_string(found.size() + 1) + " runs into " + excerpt(text.substr(at, 1));
            return std::nullopt;
        }
        found.emplace_back(candidate);
    }
    if (found.empty()) {
        fault = "no command at all";
        return std::nullopt;
    }
    return found;
}

std::string StrictBlock::join(const std::vector<std::string>& commands)
{
    std::string text;
    for (const std::string& command : commands) {
        if (!text.empty())
            text += ' ';
        text += command;
    }
    return text;
}

std::string StrictBlock::hexByte(int value)
{
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(value));
    return digits;
}

std::string StrictBlock::excerpt(std::string_view text, std::size_t longest)
{
    std::string shown = "\"";
    for (unsigned char c : text.substr(0, longest)) {
        switch (c) {
        case '\r':
            shown += "\\r";
            break;
        case '\n':
            shown += "\\n";
            break;
        case '\t':
            shown += "\\t";
            break;
        case '"':
            shown += "\\\"";
            break;
        case '\\':
            shown += "\\\\";
            break;
        default:
            if (c < 0x20 || c >= 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                shown += hex;
            } else {
                shown += static_cast<char>(c);
            }
        }
    }
    shown += '"';
    if (text.size() > longest)
        shown += "... (" + std::to_string(text.size()) + " characters)";
    return shown;
}

}
