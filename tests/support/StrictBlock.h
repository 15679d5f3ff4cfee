#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::testing {

// The exact text forms the tests hold the window to, read without the code
// under test: a command is "{HH HH HH HH HH HH HH HH}" with upper-case digits;
// a block is commands joined by single blanks, with at most one trailing
// blank; an importable trace is commands separated by blanks, tabs, CRs and
// LFs only. Each reader says in words what it found wrong.
class StrictBlock {
public:
    static bool isCommand(std::string_view text);

    // The commands of a block, or nullopt with `fault` set.
    static std::optional<std::vector<std::string>> commands(std::string_view block, std::string& fault);

    // The commands of a clipboard text as the import must take them, or
    // nullopt with `fault` set. Limits of size and line count are the
    // caller's: this only reads the form.
    static std::optional<std::vector<std::string>> traceCommands(std::string_view text, std::string& fault);

    // The commands joined as the tool writes them: single blanks, no trailing one.
    static std::string join(const std::vector<std::string>& commands);

    // Two upper-case hex digits: 14 gives "0E".
    static std::string hexByte(int value);

    // A text short and printable enough for a failure message.
    static std::string excerpt(std::string_view text, std::size_t longest = 80);
};

}
