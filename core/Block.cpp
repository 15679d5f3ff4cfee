#include "core/Block.h"

#include "core/Text.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>

namespace trevalo::core {

namespace {

constexpr long long command_length = 25;
constexpr int bytes_per_command = 8;

// 1-based position of character 1 of command k, or 0 when k names nothing.
// long long, because 26 * k overflows int for absurd k.
long long commandStart(int k)
{
    if (k < 1)
        return 0;
    return static_cast<long long>(command_stride) * (k - 1) + 1;
}

// 1-based position of the first digit of byte j of command k, or 0.
long long bytePosition(int k, int j)
{
    if (j < 1 || j > bytes_per_command)
        return 0;
    const long long start = commandStart(k);
    return start == 0 ? 0 : start + 3LL * j - 2;
}

// The scans below look at a few characters of every command of a block;
// reading them as views keeps a 255-command scan free of allocations.
std::string_view sliceView(std::string_view block, long long first, long long length)
{
    if (first < 1 || first > static_cast<long long>(block.size()))
        return {};
    return block.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(length));
}

std::string slice(std::string_view block, long long first, long long length)
{
    return std::string(sliceView(block, first, length));
}

std::string_view byteView(std::string_view block, int k, int j)
{
    return sliceView(block, bytePosition(k, j), 2);
}

std::string_view identityView(std::string_view block, int k)
{
    const long long start = commandStart(k);
    return start == 0 ? std::string_view() : sliceView(block, start + 1, 5);
}

}

int commandCount(std::string_view block)
{
    // Eight characters at a time: the listing, the checks and every block
    // scan start here, on blocks of up to 255 commands. A character equal
    // to "{" becomes a zero byte after the xor; the expression below sets
    // the top bit of exactly those bytes. The bits are added up per byte
    // lane, at most 255 words at a time so no lane overflows, and the lanes
    // summed once a run ends: a popcount per word costs as much again where
    // the processor has no instruction for it.
    constexpr std::uint64_t braces = 0x7B7B7B7B7B7B7B7BULL;
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    std::size_t count = 0;
    std::size_t i = 0;
    while (i + 8 <= block.size()) {
        std::uint64_t run = 0;
        for (int words = 0; words < 255 && i + 8 <= block.size(); ++words, i += 8) {
            std::uint64_t word;
            std::memcpy(&word, block.data() + i, 8);
            word ^= braces;
            run += (~(((word & low7) + low7) | word | low7)) >> 7;
        }
        // Pairs of lanes into 16-bit lanes first: eight full lanes add up
        // to more than one byte holds.
        const std::uint64_t pairs = (run & 0x00FF00FF00FF00FFULL) + ((run >> 8) & 0x00FF00FF00FF00FFULL);
        count += static_cast<std::size_t>((pairs * 0x0001000100010001ULL) >> 48);
    }
    count += static_cast<std::size_t>(std::count(block.begin() + static_cast<std::ptrdiff_t>(i), block.end(), '{'));
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

std::string command(std::string_view block, int k)
{
    return slice(block, commandStart(k), command_length);
}

std::string byteOf(std::string_view block, int k, int j)
{
    return std::string(byteView(block, k, j));
}

std::string identity(std::string_view block, int k)
{
    return std::string(identityView(block, k));
}

std::string firstCommands(std::string_view block, int n)
{
    if (n <= 0)
        return {};
    const long long wanted = static_cast<long long>(command_stride) * n;
    return std::string(block.substr(0, static_cast<std::size_t>(std::min<long long>(wanted, block.size()))));
}

bool replaceByte(std::string& block, int k, int j, std::string_view code)
{
    if (hexByteValue(code) < 0)
        return false;
    const long long position = bytePosition(k, j);
    if (position == 0 || position + 1 > static_cast<long long>(block.size()))
        return false;
    block.replace(static_cast<std::size_t>(position - 1), 2, code);
    return true;
}

namespace {

constexpr std::array<bool, 256> upper_hex_digits = [] {
    std::array<bool, 256> digits {};
    for (int c = 0; c < 256; ++c)
        digits[static_cast<std::size_t>(c)] = upperHexDigit(static_cast<char>(c)) >= 0;
    return digits;
}();

}

bool isCommand(std::string_view text)
{
    if (text.size() != static_cast<std::size_t>(command_length) || text.front() != '{' || text.back() != '}')
        return false;
    // Every check and every import reads whole blocks through here, so the
    // eight bytes are judged together, without a branch for each.
    bool well_formed = true;
    for (std::size_t j = 0; j < static_cast<std::size_t>(bytes_per_command); ++j) {
        const std::size_t at = 1 + 3 * j;
        well_formed &= upper_hex_digits[static_cast<unsigned char>(text[at])];
        well_formed &= upper_hex_digits[static_cast<unsigned char>(text[at + 1])];
        if (j + 1 < static_cast<std::size_t>(bytes_per_command))
            well_formed &= text[at + 2] == ' ';
    }
    return well_formed;
}

bool isStopCommand(std::string_view block, int k)
{
    return byteView(block, k, 2) == "02" || identityView(block, k) == "20 07";
}

bool moveGuardLine(std::string& block, int delta)
{
    const int line = hexByteValue(byteOf(block, 1, 8));
    if (line < 0)
        return false;
    return replaceByte(block, 1, 8, hexByte(static_cast<long>(line) + delta));
}

void insertCommand(std::string& block, int k, std::string_view command)
{
    const std::size_t at = std::min(block.size(), static_cast<std::size_t>(commandStart(k) > 0 ? commandStart(k) - 1 : 0));
    block.insert(at, std::string(command) + " ");
}

void removeCommand(std::string& block, int k)
{
    const long long start = commandStart(k);
    if (start == 0 || start > static_cast<long long>(block.size()))
        return;
    block.erase(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(command_stride));
}

void removeBeforeStop(std::string& block, std::string_view kind)
{
    // The count changes only when a command goes, so it is taken again
    // only then: counting on every step made this quadratic in the block.
    int count = commandCount(block);
    for (int k = 1; k <= count && !isStopCommand(block, k);) {
        if (byteView(block, k, 1) == kind && moveGuardLine(block, -1)) {
            removeCommand(block, k);
            count = commandCount(block);
        } else {
            ++k;
        }
    }
}

}
