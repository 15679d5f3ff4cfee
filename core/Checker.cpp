#include "core/Checker.h"

#include "core/Block.h"
#include "core/Text.h"

#include <algorithm>

namespace trevalo::core {

namespace {

// The commands of a text in brace-hex notation, wherever they stand.
std::vector<std::string_view> commandsOf(std::string_view text)
{
    std::vector<std::string_view> commands;
    commands.reserve(text.size() / static_cast<std::size_t>(command_stride) + 1);
    for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
        if (isCommand(text.substr(at, 25)))
            commands.push_back(text.substr(at, 25));
    }
    return commands;
}

// Whether byte 1 of a well-formed command is the given two digits. The
// checks ask it of every command of every block after every event.
bool opcodeIs(std::string_view command, const char (&digits)[3])
{
    return command[1] == digits[0] && command[2] == digits[1];
}

int byteValue(std::string_view command, int j)
{
    return hexByteValue(command.substr(static_cast<std::size_t>(3 * j - 2), 2));
}

// The Set family (byte 1 is 6x or 7x) writes the register named in byte 4.
bool isSet(std::string_view command)
{
    return command[1] == '6' || command[1] == '7';
}

bool isGoto(std::string_view command)
{
    return opcodeIs(command, "00") && command[4] == 'B' && command[5] == '1';
}

std::string number(long value)
{
    return std::to_string(value);
}

void checkGuard(const CheckInput& input, std::vector<Finding>& findings)
{
    const auto imported = commandsOf(input.imported);
    for (std::size_t i = 0; i < imported.size(); ++i) {
        const std::string_view command = imported[i];
        if (!isSet(command))
            continue;
        // Worded only for the command found: an import sets hundreds.
        auto where = [&] { return " (imported command " + number(static_cast<long>(i + 1)) + ", " + std::string(command) + ")"; };
        if (!input.all_registers && byteValue(command, 4) == input.guard_register) {
            findings.push_back({ Severity::GuardInUse, "The disc itself uses the guard register",
                "The disc's own start-up sets the guard register GPRM " + number(input.guard_register) + where()
                    + ", so the shortcut can fire again on a later visit: undo, choose another register and import again." });
            return;
        }
        if (input.all_registers && command.substr(1, 11) == "71 00 00 00"
            && byteValue(command, 5) * 256 + byteValue(command, 6) == input.marker) {
            findings.push_back({ Severity::GuardInUse, "The disc itself sets GPRM 0 to the marker",
                "The disc's own start-up sets GPRM 0 to the marker value " + number(input.marker) + where()
                    + ", so the shortcut can fire again: undo, choose another marker value and import again." });
            return;
        }
    }
}

void checkBudget(const CheckInput& input, std::vector<Finding>& findings)
{
    for (const NamedBlock& block : input.blocks) {
        const int count = commandCount(block.text);
        if (count > command_budget)
            findings.push_back({ Severity::OverBudget, "A block has more than 128 commands",
                "The block for " + std::string(block.name) + " has " + number(count)
                    + " commands; a PGC holds at most 128 pre commands, its own included: copy fewer registers in PgcEdit." });
    }
}

void checkDomain(const CheckInput& input, std::vector<Finding>& findings)
{
    if (input.domain != "VMGM" || input.menu_block >= input.blocks.size())
        return;
    const NamedBlock& block = input.blocks[input.menu_block];
    for (std::string_view command : commandsOf(block.text)) {
        if (opcodeIs(command, "51")) {
            findings.push_back({ Severity::WrongDomain, "Stream settings in a VMGM block",
                "The block for " + std::string(block.name) + " sets streams (SetSTN), which players take only in "
                    + "title-set menus and titles: switch Set streams off, or remove the command in PgcEdit." });
            return;
        }
    }
}

void checkRanges(const CheckInput& input, std::vector<Finding>& findings)
{
    for (const NamedBlock& block : input.blocks) {
        const auto commands = commandsOf(block.text);
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const std::string_view command = commands[i];
            std::string problem;
            // A Goto may compare a system register (byte 4 with bit 7 set);
            // only general registers stop at 15.
            const int reg = byteValue(command, 4);
            if ((isSet(command) && reg > 15) || (isGoto(command) && reg > 15 && reg < 0x80)) {
                problem = "names register " + number(reg) + "; there are only GPRM 0 to 15";
            } else if (opcodeIs(command, "51")) {
                const int audio = byteValue(command, 4);
                const int angle = byteValue(command, 6);
                if (audio != 0 && (audio & 0x80) && (audio & 0x7F) > 7)
                    problem = "sets audio stream " + number(audio & 0x7F) + "; there are only streams 0 to 7";
                // Without bit 7 a stream byte leaves its stream as it is.
                else if ((angle & 0x80) && ((angle & 0x7F) < 1 || (angle & 0x7F) > 9))
                    problem = "sets angle " + number(angle & 0x7F) + "; angles run from 1 to 9";
            } else if (opcodeIs(command, "56")) {
                const int value = byteValue(command, 5) * 256 + byteValue(command, 6);
                if (value % 1024 != 0 || value / 1024 < 1 || value / 1024 > 36)
                    problem = "highlights button value " + number(value) + "; buttons run from 1 to 36 (1024 to 36864)";
            }
            if (!problem.empty())
                findings.push_back({ Severity::OutOfRange, "A value no player accepts",
                    "Command " + number(static_cast<long>(i + 1)) + " of the block for " + std::string(block.name) + ", "
                        + std::string(command) + ", " + problem + ": correct it in PgcEdit and trace again." });
        }
    }
}

}

std::vector<Finding> checkImport(const CheckInput& input)
{
    std::vector<Finding> findings;
    checkGuard(input, findings);
    return findings;
}

std::vector<Finding> checkComposed(const CheckInput& input)
{
    std::vector<Finding> findings;
    checkBudget(input, findings);
    checkDomain(input, findings);
    checkRanges(input, findings);
    return findings;
}

std::vector<Finding> mergeFindings(std::vector<Finding> import, const std::vector<Finding>& composed)
{
    import.insert(import.end(), composed.begin(), composed.end());
    std::stable_sort(import.begin(), import.end(),
        [](const Finding& a, const Finding& b) { return a.severity < b.severity; });
    return import;
}

std::vector<Finding> checkBlocks(const CheckInput& input)
{
    return mergeFindings(checkImport(input), checkComposed(input));
}

}
