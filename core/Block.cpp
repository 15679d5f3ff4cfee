#include "core/Block.h"

#include "core/Text.h"

#include <algorithm>
#include <climits>

namespace trevalo::core {

namespace {

constexpr long long commandLength = 25;
constexpr int bytesPerCommand = 8;

// 1-based position of character 1 of command k, or 0 when k names nothing.
// long long, because 26 * k overflows int for absurd k.
long long commandStart(int k)
{
    if (k < 1)
        return 0;
    return static_cast<long long>(commandStride) * (k - 1) + 1;
}

// 1-based position of the first digit of byte j of command k, or 0.
long long bytePosition(int k, int j)
{
    if (j < 1 || j > bytesPerCommand)
        return 0;
    const long long start = commandStart(k);
    return start == 0 ? 0 : start + 3LL * j - 2;
}

std::string slice(std::string_view block, long long first, long long length)
{
    if (first < 1 || first > static_cast<long long>(block.size()))
        return {};
    return std::string(block.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(length)));
}

}

int commandCount(std::string_view block)
{
    const auto count = std::count(block.begin(), block.end(), '{');
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

std::string command(std::string_view block, int k)
{
    return slice(block, commandStart(k), commandLength);
}

std::string byteOf(std::string_view block, int k, int j)
{
    return slice(block, bytePosition(k, j), 2);
}

std::string identity(std::string_view block, int k)
{
    const long long start = commandStart(k);
    return start == 0 ? std::string() : slice(block, start + 1, 5);
}

std::string firstCommands(std::string_view block, int n)
{
    if (n <= 0)
        return {};
    const long long wanted = static_cast<long long>(commandStride) * n;
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

bool isCommand(std::string_view text)
{
    if (text.size() != static_cast<std::size_t>(commandLength) || text.front() != '{' || text.back() != '}')
        return false;
    for (int j = 1; j <= bytesPerCommand; ++j) {
        const std::size_t first = static_cast<std::size_t>(3 * j - 2);
        if (hexByteValue(text.substr(first, 2)) < 0)
            return false;
        if (j < bytesPerCommand && text[first + 2] != ' ')
            return false;
    }
    return true;
}

bool isStopCommand(std::string_view block, int k)
{
    return byteOf(block, k, 2) == "02" || identity(block, k) == "20 07";
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
    block.erase(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(commandStride));
}

}
