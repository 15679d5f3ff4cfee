#pragma once

// The readable line of a decoded navigation command, in the notation DVD
// authoring tools show: "if ( gprm(3) == 5 ) Goto 7", "gprm(4) += gprm(2)",
// "JumpSS VTSM (vts 2, ttn 1, menu Root)". Registers read gprm(n) and
// sprm(n), with the SPRM's short name where it has one ("sprm(8:HL_BTNN)").
// A faulted command reads "reserved encoding (byte 1 = 0x0F: ...)", followed
// by what its bits say when they say something. This is the disc window's
// and the machine's trace's text; the log's listing of a block is
// core/CommandListing.h's and keeps its own texts.

#include "core/Command.h"

#include <string>
#include <string_view>

namespace trevalo::core {

std::string commandLine(const Command& command);

// The short name of SPRM n: "ASTN", "HL_BTNN"; empty for 21..23, which are
// reserved, and for numbers that name no SPRM.
std::string_view sprmName(int n);

}
