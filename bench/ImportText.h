#pragma once

#include <string>

namespace trevalo::bench {

// What PgcEdit's "Copy changed registers as commands" puts on the clipboard
// for `count` commands, one a line: register sets, and from three commands
// on a SetSTN and a SetHL_BTN at the end, where the stream and highlight
// settings must scan the whole block to find them.
inline std::string importText(int count)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int k = 1; k <= count; ++k) {
        if (k > 1)
            text += "\r\n";
        if (count >= 3 && k == count - 1) {
            text += "{51 00 00 82 C5 00 00 00}";
        } else if (count >= 3 && k == count) {
            text += "{56 00 00 00 0C 00 00 00}";
        } else {
            text += "{71 00 00 0";
            text += digits[k % 13];
            text += " ";
            text += digits[(k >> 4) & 15];
            text += digits[k & 15];
            text += " 00 00 00}";
        }
    }
    return text;
}

}
