#include "core/ImportText.h"

#include "core/Block.h"
#include "core/Text.h"

namespace trevalo::core {

namespace {

constexpr std::string_view rejected = "Invalid commands or no data found on clipboard.\r\nTry to copy them in PgcEdit again.";
// Positions and counters of the blocks are one-byte line numbers and
// 16-bit offsets; nothing longer is taken.
constexpr std::size_t longest_import = 32767;
constexpr std::size_t command_length = 25;
// Command 1 up to its byte 8 (the guard test's line), and from there the
// closing brace, the blank and command 2 with the blank behind it.
constexpr long guard_line_at = 22;
constexpr long guard_set_from = 25;
constexpr long guard_set_length = 28;
// The stop command and the closing NOP with the blank before each.
constexpr long block_end_length = 52;

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// What was found where a command should stand, printable whatever the
// clipboard held.
std::string shown(std::string_view found)
{
    std::string text;
    for (unsigned char c : found.substr(0, command_length))
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return "\"" + text + "\"";
}

ImportText refused(std::string text, std::string title)
{
    ImportText result;
    result.refusal = ImportRefusal { std::move(text), std::move(title) };
    return result;
}

}

ImportText ReadImportText(std::string_view text, ImportSource source)
{
    while (!text.empty() && isSeparator(text.back()))
        text.remove_suffix(1);
    const bool nothing_traced = source == ImportSource::DiscTrace && text.empty();
    if (!nothing_traced) {
        if (!text.empty() && isSeparator(text.front()) && text.back() == '}')
            return refused(std::string(rejected)
                    + "\r\nThe text begins with a blank or a line break; it must begin with the first command's {.",
                "Warning");
        if (text.empty() || text.front() != '{' || text.back() != '}')
            return refused(std::string(rejected), "Warning");
    }
    if (text.size() > longest_import)
        return refused("The clipboard holds " + std::to_string(text.size())
                + " characters; Trevalo imports at most 32767.\r\nNothing was imported.",
            "Import");

    ImportText result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (isSeparator(text[pos])) {
            ++pos;
            continue;
        }
        const std::string number = std::to_string(result.commands.size() + 1);
        const std::string_view candidate = text.substr(pos, command_length);
        if (!isCommand(candidate))
            return refused(std::string(rejected) + "\r\nCommand " + number
                    + " is not of the form {71 00 00 03 00 05 00 00} (upper-case digits, single blanks): found "
                    + shown(candidate) + ".",
                "Warning");
        pos += command_length;
        if (pos < text.size() && !isSeparator(text[pos]))
            return refused(std::string(rejected) + "\r\nCommand " + number
                    + " is not followed by a blank or a line break: found " + shown(text.substr(pos, 1))
                    + " after it.",
                "Warning");
        result.commands.emplace_back(candidate);
    }
    return result;
}

std::string SpliceImport(std::string_view block, const std::vector<std::string>& commands,
    std::optional<int> guard_register)
{
    const int last_line = commandCount(block) + static_cast<int>(commands.size());
    std::string guard_set = guard_register
        ? "} {71 00 00 " + hexByte(*guard_register) + " 00 01 00 00} "
        : mid(block, guard_set_from, guard_set_length);
    std::string body;
    for (const std::string& command : commands) {
        if (!body.empty())
            body += ' ';
        body += command;
    }
    // No commands (an empty trace): the guard's set is followed straight by
    // the stop command, with the one blank between them.
    if (body.empty())
        guard_set.pop_back();
    return left(block, guard_line_at) + hexByte(last_line) + guard_set + body + right(block, block_end_length);
}

}
