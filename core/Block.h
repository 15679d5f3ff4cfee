#pragma once

// The positional rules of a command block: commands in brace-hex notation,
// "{00 B1 00 0E 00 00 00 03}", separated by single blanks, command k at
// characters 26(k-1)+1 .. 26(k-1)+25. Every read is forgiving: characters
// past the end read as nothing, and a command or byte number that names no
// position (k < 1, j outside 1..8) reads as the empty text. Blocks are never
// validated; replaceByte is the only writer and refuses rather than invent
// characters. Command meanings are left to the readers (core/CommandListing.h).

#include <string>
#include <string_view>

namespace trevalo::core {

inline constexpr int command_stride = 26;
inline constexpr std::string_view nop = "{00 00 00 00 00 00 00 00}";
inline constexpr std::string_view break_command = "{00 02 00 00 00 00 00 00}";

// The number of "{" characters, which is how a block's commands are counted.
int commandCount(std::string_view block);
// The 25 characters of command k, braces included.
std::string command(std::string_view block, int k);
// The two digits of byte j (1..8) of command k.
std::string byteOf(std::string_view block, int k, int j);
// Bytes 1 and 2 of command k with the blank between ("00 B1"): what most
// readers recognise a command by.
std::string identity(std::string_view block, int k);
// The first n commands, each with its following blank.
std::string firstCommands(std::string_view block, int n);
// Writes code over byte j of command k. Refused (false, block untouched)
// unless code is two upper-case hex digits and both characters of the byte
// exist, so a patch can never lengthen a block or misalign what follows.
bool replaceByte(std::string& block, int k, int j, std::string_view code);
// Exactly one command as the tool writes it: 25 characters, upper-case digits.
bool isCommand(std::string_view text);

// A command that ends a block's own work before its closing NOP: a Break
// (byte 2 is "02") or a LinkCN ("20 07").
bool isStopCommand(std::string_view block, int k);
// Moves the guard test's target (byte 8 of command 1) by delta lines.
// Refused (false, block untouched) when the line is not a readable byte or
// would leave 00..FF.
bool moveGuardLine(std::string& block, int delta);
// Inserts command (25 characters) and a blank in front of command k, so the
// commands from k on keep their order behind it.
void insertCommand(std::string& block, int k, std::string_view command);
// Removes command k with the blank behind it.
void removeCommand(std::string& block, int k);
// Removes the commands whose byte 1 is `kind` that stand before the first
// stop command, lowering the guard line once for each so it still names
// the closing NOP. That is where the post settings put their commands;
// whatever an import brought in behind a stop command of its own stays.
void removeBeforeStop(std::string& block, std::string_view kind);

}
