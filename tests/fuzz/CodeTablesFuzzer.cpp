// The four code tables on any text: each answer is one of its table's or
// empty, and a number turned into a code turns back into that number.

#include "core/CodeTables.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

std::string hex(int value)
{
    static const char digits[] = "0123456789ABCDEF";
    return { digits[value >> 4], digits[value & 15] };
}

struct Tables {
    std::set<std::string> stream_numbers { "nc" };
    std::set<std::string> on_codes { "00" };
    std::set<std::string> off_codes { "00" };
    std::set<std::string> buttons;
    std::set<std::string> button_codes;

    Tables()
    {
        for (int n = 0; n <= 31; ++n) {
            stream_numbers.insert(std::to_string(n));
            on_codes.insert(hex(0xC0 + n));
            off_codes.insert(hex(0x80 + n));
        }
        for (int n = 1; n <= 36; ++n) {
            buttons.insert(std::to_string(n));
            button_codes.insert(hex(4 * n));
        }
    }
};

void expectIn(const std::set<std::string>& table, const std::string& answer, const char* routine, const std::string& text)
{
    if (answer.empty() || table.count(answer))
        return;
    std::fprintf(stderr, "%s(\"%s\") gave \"%s\", which is in no table\n", routine, text.c_str(), answer.c_str());
    std::abort();
}

void expectBack(const std::string& back, const std::string& text, const char* routine)
{
    if (back == text)
        return;
    std::fprintf(stderr, "%s(\"%s\") does not turn back into it: \"%s\"\n", routine, text.c_str(), back.c_str());
    std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Tables tables;
    const std::string text(reinterpret_cast<const char*>(data), size);
    using namespace trevalo::core;

    // Read as a code it gives a number; read as a number, the code with
    // the display on.
    const std::string either = StreamByteToNumber(text);
    std::set<std::string> numbers_or_on_codes = tables.stream_numbers;
    numbers_or_on_codes.insert(tables.on_codes.begin(), tables.on_codes.end());
    expectIn(numbers_or_on_codes, either, "StreamByteToNumber", text);

    const std::string off = StreamNumberToByte(text);
    expectIn(tables.off_codes, off, "StreamNumberToByte", text);
    if (!off.empty())
        expectBack(StreamByteToNumber(off), text, "StreamNumberToByte");

    const std::string button = ButtonByteToNumber(text);
    expectIn(tables.buttons, button, "ButtonByteToNumber", text);
    if (!button.empty())
        expectBack(ButtonNumberToByte(button), text, "ButtonByteToNumber");

    const std::string code = ButtonNumberToByte(text);
    expectIn(tables.button_codes, code, "ButtonNumberToByte", text);
    if (!code.empty())
        expectBack(ButtonByteToNumber(code), text, "ButtonNumberToByte");
    return 0;
}
