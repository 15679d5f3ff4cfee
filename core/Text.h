#pragma once

// Forgiving text slices with 1-based positions, and the number texts the
// blocks are built from. Nothing here fails: a slice that reaches past the
// end of a text yields what exists, and a value that has no text form yields
// the empty text. Nothing here knows about commands; see core/Block.h.

#include <string>
#include <string_view>

namespace trevalo::core {

// The first n characters; all of them when n reaches past the end.
std::string left(std::string_view s, long n);
// The last n characters; all of them when n reaches past the start.
std::string right(std::string_view s, long n);
// From position start to the end; a start at or before 1 gives the whole text.
std::string mid(std::string_view s, long start);
// The characters at positions start .. start+length-1 that exist. Positions
// before 1 exist no more than positions past the end, so mid("abc", 0, 2)
// is "a".
std::string mid(std::string_view s, long start, long length);

// leadingNumber never reads beyond this magnitude, so a runaway digit string
// in a list text cannot overflow.
inline constexpr long leading_number_limit = 999'999'999;

// The leading numeric part of a list text such as "3 (dummy)": blanks and
// tabs, an optional sign, decimal digits. No digits reads as 0.
long leadingNumber(std::string_view text);

// Upper-case hexadecimal without padding ("E", "3039"); "" for negatives.
std::string hex(long value);
// A byte as written in a command: "03", "0C", "FF"; "" outside 0..255, so a
// caller patching a block with it is refused and leaves the block alone.
std::string hexByte(long value);
// The value of one upper-case hex digit, or -1.
constexpr int upperHexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of exactly two upper-case hex digits, or -1 for any other text.
// Lower case is refused on purpose: the notation is upper-case and every
// comparison on a block is exact. Inline, as every read of a command byte
// goes through it and the log reads thousands of them at once.
constexpr int hexByteValue(std::string_view twoChars)
{
    if (twoChars.size() != 2)
        return -1;
    const int high = upperHexDigit(twoChars[0]);
    const int low = upperHexDigit(twoChars[1]);
    if (high < 0 || low < 0)
        return -1;
    return high * 16 + low;
}

}
