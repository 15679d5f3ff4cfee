#pragma once

// The readable listing of a command block that the log shows: one line per
// recognised command, "[00 B1 00 0E 00 00 00 03]  1  if ( gprm(14) != 0 )
// then { Goto line 3 }", CR LF after each and one more CR LF at the end.
// Unrecognised commands give no line but use up their number. It returns
// the text; appending it to the log is the caller's business.
//
// Unreadable numbers: the listing never guesses. A number field whose two
// characters are not upper-case hex digits (hand-edited, lower case, or cut
// off at the end of a truncated block) is shown as "?", as in
// "if ( gprm(?) != 0 ) then { Goto line 3 }"; a two-byte field is "?" when
// either byte is. The same holds for a sub-picture or button byte that the
// code tables would otherwise be asked about (so a cut-off "8" is not read
// as the stream number 8). The audio and angle digits are copied as they
// stand, since the listing shows them as characters, not numbers; only a
// digit missing at the end of the block shows "?". A sub-picture byte cut
// off before its first digit decides the part shows
// "Set Sub-picture stream = ? ; ".

#include <string>
#include <string_view>

namespace trevalo::core {

// menuText is the menu name the window has chosen; the JumpSS line to a
// VTS menu names it instead of decoding the menu code.
std::string DecodeCommands(std::string_view block, std::string_view menuText);

}
