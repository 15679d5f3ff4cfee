#pragma once

// The conversions between the stream and button numbers the window shows
// ("nc", "0".."31", "1".."36") and the bytes SetSTN and SetHL_BTN carry.
// Whole-text, case-sensitive matches only: "c5", "05" and " 5" are not codes
// or numbers, and anything outside a table converts to the empty text. The
// routines do not look at commands; callers pick the byte.

#include <string>
#include <string_view>

namespace trevalo::core {

// Sub-picture code to stream number ("C5" and "85" give "5", "00" gives "nc").
std::string StreamCodeToNumber(std::string_view code);
// Stream number to the code with the display on ("5" gives "C5", "nc" "00").
std::string StreamNumberToOnByte(std::string_view number);
// Either of the two above, whichever the text is: the listing's and the
// log's one table for both directions. Code that knows which way it
// converts calls the one named for it.
std::string StreamByteToNumber(std::string_view text);
// Stream number to the code with the display off ("5" gives "85").
std::string StreamNumberToByte(std::string_view text);
// Highlight code (4 x button) to button number ("0C" gives "3").
std::string ButtonByteToNumber(std::string_view code);
// Button number to highlight code ("3" gives "0C").
std::string ButtonNumberToByte(std::string_view number);

}
