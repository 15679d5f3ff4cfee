#pragma once

// What an import reads from its text: the commands, or why the text is
// refused, with the refusal's message. It reads text only; whether the
// window can take the commands (room in the block, a guard register) is
// the window's to decide. SpliceImport then puts the commands into the
// target's block.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::core {

enum class ImportSource { Clipboard, DiscTrace };

// A refusal as the author is told it.
struct ImportRefusal {
    std::string text;
    std::string title;
};

struct ImportText {
    // Each command's 25 characters, in order.
    std::vector<std::string> commands;
    // Set when the text cannot be imported; the commands are then empty.
    std::optional<ImportRefusal> refusal;
};

// Commands separated by white space (blanks, tabs, line breaks), the first
// one at the very start of the text; white space after the last one is let
// go, as editors and terminals often end a copy with a line break. A trace
// of the disc may be empty (it left every register as the player starts
// it); an empty clipboard is refused.
ImportText ReadImportText(std::string_view text, ImportSource source);

// The target's block with `commands` put between the guard's set (command 2)
// and the block's last two commands (the stop command and the closing NOP),
// the guard test's line (byte 8 of command 1) moved to the new last line.
// With a guard register (0..15) command 2 becomes the set of that register
// to 1; without one (every register restored) command 2 stays.
std::string SpliceImport(std::string_view block, const std::vector<std::string>& commands,
    std::optional<int> guard_register);

}
