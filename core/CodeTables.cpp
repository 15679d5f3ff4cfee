#include "core/CodeTables.h"

#include "core/Text.h"

namespace trevalo::core {

// The tables are small and regular, so they are computed rather than
// stored; the exact-text checks below are what keep the results equal to
// the tables (no "05", no "01", no " 5").

namespace {

constexpr int highest_stream = 31;
constexpr int highest_button = 36;
constexpr int display_off = 0x80;
constexpr int display_on = 0xC0;
constexpr int button_step = 4;

// A number written as the lists write it: "0", or digits without a leading
// zero, at most two of them. -1 for anything else or above highest.
int listedNumber(std::string_view text, int highest)
{
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0'))
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value <= highest ? value : -1;
}

}

std::string StreamCodeToNumber(std::string_view code)
{
    if (code == "00")
        return "nc";
    const int value = hexByteValue(code);
    const bool off = value >= display_off && value <= display_off + highest_stream;
    const bool on = value >= display_on && value <= display_on + highest_stream;
    if (off || on)
        return std::to_string(value - (off ? display_off : display_on));
    return {};
}

std::string StreamNumberToOnByte(std::string_view number)
{
    if (number == "nc")
        return "00";
    const int value = listedNumber(number, highest_stream);
    return value >= 0 ? hexByte(display_on + value) : std::string();
}

std::string StreamByteToNumber(std::string_view text)
{
    // Number texts "10".."31" are also hex digits, but as codes 10..31 hex
    // they fall outside both code ranges, so the two halves never collide.
    std::string number = StreamCodeToNumber(text);
    return number.empty() ? StreamNumberToOnByte(text) : number;
}

std::string StreamNumberToByte(std::string_view text)
{
    if (text == "nc")
        return "00";
    const int number = listedNumber(text, highest_stream);
    return number >= 0 ? hexByte(display_off + number) : std::string();
}

std::string ButtonByteToNumber(std::string_view code)
{
    const int value = hexByteValue(code);
    if (value < button_step || value > button_step * highest_button || value % button_step != 0)
        return {};
    return std::to_string(value / button_step);
}

std::string ButtonNumberToByte(std::string_view number)
{
    const int value = listedNumber(number, highest_button);
    return value >= 1 ? hexByte(button_step * value) : std::string();
}

}
