#include "core/Text.h"

namespace trevalo::core {

std::string left(std::string_view s, long n)
{
    if (n <= 0)
        return {};
    return std::string(s.substr(0, static_cast<std::size_t>(n)));
}

std::string right(std::string_view s, long n)
{
    if (n <= 0)
        return {};
    if (static_cast<unsigned long>(n) >= s.size())
        return std::string(s);
    return std::string(s.substr(s.size() - static_cast<std::size_t>(n)));
}

std::string mid(std::string_view s, long start)
{
    if (start <= 1)
        return std::string(s);
    if (static_cast<unsigned long>(start - 1) >= s.size())
        return {};
    return std::string(s.substr(static_cast<std::size_t>(start - 1)));
}

std::string mid(std::string_view s, long start, long length)
{
    if (length <= 0)
        return {};
    // Work in long long so that start + length cannot overflow a 32-bit long.
    long long first = start;
    long long end = first + length; // one past the last wanted position
    if (first < 1)
        first = 1;
    const auto size = static_cast<long long>(s.size());
    if (end > size + 1)
        end = size + 1;
    if (first >= end)
        return {};
    return std::string(s.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(end - first)));
}

long leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        // Checked before multiplying: long may be only 32 bits wide.
        if (value > (leading_number_limit - digit) / 10) {
            value = leading_number_limit;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string hex(long value)
{
    if (value < 0)
        return {};
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[value % 16]);
        value /= 16;
    } while (value > 0);
    return out;
}

std::string hexByte(long value)
{
    if (value < 0 || value > 255)
        return {};
    std::string out = hex(value);
    if (out.size() == 1)
        out.insert(out.begin(), '0');
    return out;
}

}
