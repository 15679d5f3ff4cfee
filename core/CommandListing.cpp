#include "core/CommandListing.h"

#include "core/Block.h"
#include "core/CodeTables.h"
#include "core/Text.h"

namespace trevalo::core {

namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view unreadable = "?";

// Every read below works on the text of one command (at most 25
// characters), so positions are those of command 1.
std::string byteNumber(std::string_view cmd, int j)
{
    const int value = hexByteValue(byteOf(cmd, 1, j));
    return value < 0 ? std::string(unreadable) : std::to_string(value);
}

// Bytes j and j+1 read as one big-endian number.
std::string wordNumber(std::string_view cmd, int j)
{
    const int high = hexByteValue(byteOf(cmd, 1, j));
    const int low = hexByteValue(byteOf(cmd, 1, j + 1));
    if (high < 0 || low < 0)
        return std::string(unreadable);
    return std::to_string(high * 256 + low);
}

std::string secondDigit(std::string_view byte)
{
    return byte.size() < 2 ? std::string(unreadable) : std::string(byte.substr(1, 1));
}

std::string subPictureNumber(std::string_view byte)
{
    return hexByteValue(byte) < 0 ? std::string(unreadable) : StreamByteToNumber(byte);
}

std::string streamParts(std::string_view cmd)
{
    std::string parts;
    const std::string audio = byteOf(cmd, 1, 4);
    if (audio != "00")
        parts += "Set Audio stream = " + secondDigit(audio) + " ; ";

    const std::string sub = byteOf(cmd, 1, 5);
    const char first = sub.empty() ? '\0' : sub[0];
    if (first == 'C' || first == 'D')
        parts += "Set Sub-picture stream = " + subPictureNumber(sub) + ", on ; ";
    else if (first == '8' || first == '9')
        parts += "Set Sub-picture stream = " + subPictureNumber(sub) + ", off ; ";
    else if (first == 'B')
        parts += "Set Sub-picture stream = 62 :not set ; ";
    else if (sub == "FF")
        parts += "Set Sub-picture stream = 63 :forced ; ";
    else if (sub.size() < 2)
        parts += "Set Sub-picture stream = ? ; ";

    const std::string angle = byteOf(cmd, 1, 6);
    if (angle != "00")
        parts += "Set Angle = " + secondDigit(angle);
    return parts;
}

// The text after the head; false when the listing does not know the command.
// Kinds are tried in a fixed order and the first match decides, which is
// what separates the two JumpSS forms.
bool describe(std::string_view cmd, std::string_view menuText, std::string& text)
{
    const std::string id = mid(cmd, 2, 5);
    if (id == "00 B1") {
        text = "  if ( gprm(" + byteNumber(cmd, 4) + ") != " + wordNumber(cmd, 5) + " ) then { Goto line "
            + byteNumber(cmd, 8) + " }";
    } else if (id == "71 00") {
        text = "  Set gprm(" + byteNumber(cmd, 4) + ") =(mov) " + wordNumber(cmd, 5);
    } else if (id == "20 07") {
        text = "  LinkCN Cell " + byteNumber(cmd, 8);
    } else if (id == "30 02") {
        text = "  (JumpTT) Jump to Title " + byteNumber(cmd, 6);
    } else if (id == "30 06" && byteOf(cmd, 1, 5) != "00") {
        text = "  (JumpSS) Jump to VTSM " + byteNumber(cmd, 5) + ", " + std::string(menuText) + " (TTN 1)";
    } else if (id == "30 06") {
        text = "  (JumpSS) Jump to VMGM PGC " + byteNumber(cmd, 4);
    } else if (id == "00 00" && mid(cmd, 8, 5) == "00 00") {
        text = "  NOP";
    } else if (id == "00 02") {
        text = "  Break";
    } else if (id == "51 00") {
        text = "  (SetSTN) " + streamParts(cmd);
    } else if (id == "20 04") {
        text = "  LinkPGCN PGC " + wordNumber(cmd, 7);
    } else if (id == "56 00") {
        const std::string button = byteOf(cmd, 1, 5);
        const std::string number = hexByteValue(button) < 0 ? std::string(unreadable) : ButtonByteToNumber(button);
        text = "  (SetHL_BTN) Set Highlighted Button =(mov) " + wordNumber(cmd, 5) + " (button " + number + ")";
    } else {
        return false;
    }
    return true;
}

}

std::string DecodeCommands(std::string_view block, std::string_view menuText)
{
    std::string listing;
    const int count = commandCount(block);
    for (int k = 1; k <= count; ++k) {
        const std::string cmd = command(block, k);
        if (cmd.empty())
            break; // past the end: stray "{" characters name no further commands
        std::string text;
        if (!describe(cmd, menuText, text))
            continue;
        const std::string label = k < 10 ? " " + std::to_string(k) : std::to_string(k);
        listing += "[" + mid(cmd, 2, 23) + "] " + label + text;
        listing += lineEnd;
    }
    listing += lineEnd;
    return listing;
}

}
