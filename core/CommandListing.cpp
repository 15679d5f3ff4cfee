#include "core/CommandListing.h"

#include "core/Block.h"
#include "core/CodeTables.h"
#include "core/Text.h"

#include <charconv>
#include <cstring>

namespace trevalo::core {

namespace {

constexpr std::string_view line_end = "\r\n";
constexpr std::string_view unreadable = "?";

// The log lists whole blocks at once, up to 255 commands each, so a line is
// put together in a buffer on the stack and appended to the listing whole;
// the reads are views into the block. Every part of a line is bounded except
// the menu name, which is appended on its own.
constexpr std::size_t longest_line = 192;

void put(char*& at, std::string_view text)
{
    std::memcpy(at, text.data(), text.size());
    at += text.size();
}

void putNumber(char*& at, int value)
{
    at = std::to_chars(at, at + 11, value).ptr;
}

// Byte j (1..8) of a command's text: the two characters where it should
// stand, fewer where the text ends early.
std::string_view byteOf(std::string_view cmd, int j)
{
    const std::size_t first = static_cast<std::size_t>(3 * j - 2);
    return first >= cmd.size() ? std::string_view() : cmd.substr(first, 2);
}

void putByteNumber(char*& at, std::string_view cmd, int j)
{
    const int value = hexByteValue(byteOf(cmd, j));
    if (value < 0)
        put(at, unreadable);
    else
        putNumber(at, value);
}

// Bytes j and j+1 read as one big-endian number.
void putWordNumber(char*& at, std::string_view cmd, int j)
{
    const int high = hexByteValue(byteOf(cmd, j));
    const int low = hexByteValue(byteOf(cmd, j + 1));
    if (high < 0 || low < 0)
        put(at, unreadable);
    else
        putNumber(at, high * 256 + low);
}

void putSecondDigit(char*& at, std::string_view byte)
{
    if (byte.size() < 2)
        put(at, unreadable);
    else
        *at++ = byte[1];
}

void putSubPictureNumber(char*& at, std::string_view byte)
{
    if (hexByteValue(byte) < 0)
        put(at, unreadable);
    else
        put(at, StreamCodeToNumber(byte));
}

void putStreamParts(char*& at, std::string_view cmd)
{
    const std::string_view audio = byteOf(cmd, 4);
    if (audio != "00") {
        put(at, "Set Audio stream = ");
        putSecondDigit(at, audio);
        put(at, " ; ");
    }

    const std::string_view sub = byteOf(cmd, 5);
    const char first = sub.empty() ? '\0' : sub[0];
    if (first == 'C' || first == 'D') {
        put(at, "Set Sub-picture stream = ");
        putSubPictureNumber(at, sub);
        put(at, ", on ; ");
    } else if (first == '8' || first == '9') {
        put(at, "Set Sub-picture stream = ");
        putSubPictureNumber(at, sub);
        put(at, ", off ; ");
    } else if (first == 'B') {
        put(at, "Set Sub-picture stream = 62 :not set ; ");
    } else if (sub == "FF") {
        put(at, "Set Sub-picture stream = 63 :forced ; ");
    } else if (sub.size() < 2) {
        put(at, "Set Sub-picture stream = ? ; ");
    }

    const std::string_view angle = byteOf(cmd, 6);
    if (angle != "00") {
        put(at, "Set Angle = ");
        putSecondDigit(at, angle);
    }
}

enum class Kind { Unknown, GuardTest, SetRegister, LinkCell, JumpTitle, JumpMenu, JumpVmgm, Nop, Break, SetStreams,
    LinkPgc, SetButton };

// Kinds are tried in a fixed order and the first match decides, which is
// what separates the two JumpSS forms.
Kind kindOf(std::string_view cmd)
{
    const std::string_view id = cmd.substr(1, 5);
    if (id == "00 B1")
        return Kind::GuardTest;
    if (id == "71 00")
        return Kind::SetRegister;
    if (id == "20 07")
        return Kind::LinkCell;
    if (id == "30 02")
        return Kind::JumpTitle;
    if (id == "30 06")
        return byteOf(cmd, 5) != "00" ? Kind::JumpMenu : Kind::JumpVmgm;
    if (id == "00 00" && cmd.size() >= 8 && cmd.substr(7, 5) == "00 00")
        return Kind::Nop;
    if (id == "00 02")
        return Kind::Break;
    if (id == "51 00")
        return Kind::SetStreams;
    if (id == "20 04")
        return Kind::LinkPgc;
    if (id == "56 00")
        return Kind::SetButton;
    return Kind::Unknown;
}

// Appends the line of command k, known to be of `kind`, to the listing.
void appendLine(std::string& listing, int k, Kind kind, std::string_view cmd, std::string_view menuText)
{
    char line[longest_line];
    char* at = line;
    *at++ = '[';
    put(at, cmd.substr(1, 23));
    put(at, "] ");
    if (k < 10)
        *at++ = ' ';
    putNumber(at, k);

    switch (kind) {
    case Kind::GuardTest:
        put(at, "  if ( gprm(");
        putByteNumber(at, cmd, 4);
        put(at, ") != ");
        putWordNumber(at, cmd, 5);
        put(at, " ) then { Goto line ");
        putByteNumber(at, cmd, 8);
        put(at, " }");
        break;
    case Kind::SetRegister:
        put(at, "  Set gprm(");
        putByteNumber(at, cmd, 4);
        put(at, ") =(mov) ");
        putWordNumber(at, cmd, 5);
        break;
    case Kind::LinkCell:
        put(at, "  LinkCN Cell ");
        putByteNumber(at, cmd, 8);
        break;
    case Kind::JumpTitle:
        put(at, "  (JumpTT) Jump to Title ");
        putByteNumber(at, cmd, 6);
        break;
    case Kind::JumpMenu:
        put(at, "  (JumpSS) Jump to VTSM ");
        putByteNumber(at, cmd, 5);
        put(at, ", ");
        listing.append(line, at);
        listing += menuText;
        at = line;
        put(at, " (TTN 1)");
        break;
    case Kind::JumpVmgm:
        put(at, "  (JumpSS) Jump to VMGM PGC ");
        putByteNumber(at, cmd, 4);
        break;
    case Kind::Nop:
        put(at, "  NOP");
        break;
    case Kind::Break:
        put(at, "  Break");
        break;
    case Kind::SetStreams:
        put(at, "  (SetSTN) ");
        putStreamParts(at, cmd);
        break;
    case Kind::LinkPgc:
        put(at, "  LinkPGCN PGC ");
        putWordNumber(at, cmd, 7);
        break;
    case Kind::SetButton: {
        const std::string_view button = byteOf(cmd, 5);
        put(at, "  (SetHL_BTN) Set Highlighted Button =(mov) ");
        putWordNumber(at, cmd, 5);
        put(at, " (button ");
        if (hexByteValue(button) < 0)
            put(at, unreadable);
        else
            put(at, ButtonByteToNumber(button));
        put(at, ")");
        break;
    }
    case Kind::Unknown:
        break;
    }
    put(at, line_end);
    listing.append(line, at);
}

}

std::string DecodeCommands(std::string_view block, std::string_view menuText)
{
    // About the length of a register-set line, the commonest kind.
    constexpr std::size_t typical_line = 72;
    const int count = commandCount(block);
    std::string listing;
    listing.reserve(static_cast<std::size_t>(count) * typical_line + line_end.size());
    for (int k = 1; k <= count; ++k) {
        const std::size_t start = static_cast<std::size_t>(command_stride) * static_cast<std::size_t>(k - 1);
        if (start >= block.size())
            break; // past the end: stray "{" characters name no further commands
        const std::string_view cmd = block.substr(start, 25);
        const Kind kind = kindOf(cmd);
        if (kind != Kind::Unknown)
            appendLine(listing, k, kind, cmd, menuText);
    }
    listing += line_end;
    return listing;
}

}
