// The command decoder on any bytes: every 8 bytes of the input decode
// without a crash to a command with a line; a legal one encodes back to the
// same bytes, a faulted one reads as a reserved encoding naming a byte that
// holds the value it quotes. Bytes past the first command also change one
// field of the decoded form, and the encoder must then either refuse it or
// give bytes that decode to exactly that form.

#include "core/CommandDecoder.h"
#include "core/CommandEffects.h"
#include "core/CommandEncoder.h"
#include "core/CommandLine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace trevalo::core;

void expect(bool holds, const char* what, const CommandBytes& bytes, const std::string& line)
{
    if (holds)
        return;
    std::fprintf(stderr, "%s: %02X %02X %02X %02X %02X %02X %02X %02X reads \"%s\"\n", what, bytes[0], bytes[1],
        bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], line.c_str());
    std::abort();
}

std::string hexByte(unsigned value)
{
    char digits[8];
    std::snprintf(digits, sizeof digits, "0x%02X", value);
    return digits;
}

void checkDecoded(const CommandBytes& bytes)
{
    const Command command = decode(bytes);
    const std::string line = commandLine(command);
    expect(!line.empty(), "empty line", bytes, line);
    expect(decode(bytes) == command, "two decodes differ", bytes, line);

    const RegisterUse use = registerUse(command);
    expect(((use.sprmReads | use.sprmWrites) >> 24) == 0, "an SPRM above 23 is used", bytes, line);

    if (isLegal(command)) {
        expect(encode(command) == bytes, "a legal command does not encode back", bytes, line);
        expect(line.find("reserved") == std::string::npos, "a legal command reads as reserved", bytes, line);
        return;
    }
    const Fault& fault = command.fault;
    expect(!encode(command), "a faulted command has bytes", bytes, line);
    expect(fault.byte < 8 && fault.value == bytes[fault.byte], "the fault quotes another byte", bytes, line);
    const std::string prefix
        = "reserved encoding (byte " + std::to_string(fault.byte) + " = " + hexByte(fault.value) + ": ";
    expect(line.rfind(prefix, 0) == 0, "a faulted command reads otherwise", bytes, line);
}

// One field of a legal form set to a value from the input.
void checkChanged(const CommandBytes& bytes, std::uint8_t which, std::uint8_t value)
{
    Command command = decode(bytes);
    switch (which % 12) {
    case 0: command.set.gprm = value; break;
    case 1: command.link.button = value; break;
    case 2: command.link.number = static_cast<std::uint16_t>(value << 7 | value); break;
    case 3: command.jump.title = value; break;
    case 4: command.condition.op = static_cast<CompareOp>(value & 7); break;
    case 5: command.condition.right = { OperandKind::Immediate, value }; break;
    case 6: command.set.op = static_cast<SetOp>(value % 13); break;
    case 7: command.system.value = { static_cast<OperandKind>(value % 5), value }; break;
    case 8: command.special.line = value; break;
    case 9: command.jump.menu = static_cast<MenuId>(value & 15); break;
    case 10: command.link.op = static_cast<LinkOp>(value % 18); break;
    default: command.form = static_cast<CommandForm>(value % 9); break;
    }
    const auto encoded = encode(command);
    if (encoded)
        expect(decode(*encoded) == command, "encoded bytes decode to another command", *encoded, commandLine(command));
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CommandBytes first {};
    for (std::size_t at = 0; at + 8 <= size; at += 8) {
        CommandBytes bytes;
        for (std::size_t i = 0; i < 8; ++i)
            bytes[i] = data[at + i];
        checkDecoded(bytes);
        if (at == 0)
            first = bytes;
    }
    if (size >= 10)
        checkChanged(first, data[8], data[9]);
    return 0;
}
