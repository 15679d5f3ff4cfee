// Every opcode and option of the command set, with its fields at their
// extremes, built byte by byte from the layout tables and decoded: each must
// come back as exactly the typed command the table describes, encode to the
// same bytes and read without "reserved". The codes the tables leave
// unassigned must be refused, and random bytes must either round-trip or be
// refused.

#include "core/CommandDecoder.h"
#include "core/CommandEncoder.h"
#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace trevalo::core;

namespace {

std::string hexOf(const CommandBytes& bytes)
{
    std::string text;
    for (std::uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X ", byte);
        text += digits;
    }
    return text;
}

struct Builder {
    CommandBytes bytes {};

    Builder& put(int byte, unsigned value)
    {
        bytes[static_cast<std::size_t>(byte)] |= static_cast<std::uint8_t>(value);
        return *this;
    }
    Builder& word(int byte, unsigned value) { return put(byte, value >> 8).put(byte + 1, value & 0xFF); }
};

Operand immediate(unsigned value) { return { OperandKind::Immediate, static_cast<std::uint16_t>(value) }; }

// Register codes: 00..0F are GPRMs, 80..97 SPRMs.
Operand registerNamed(unsigned code)
{
    if (code < 0x80)
        return { OperandKind::Gprm, static_cast<std::uint16_t>(code) };
    return { OperandKind::Sprm, static_cast<std::uint16_t>(code - 0x80) };
}

// The expected command, part by part.
struct Make {
    Command command;

    Make(CommandForm form, Condition condition = {})
    {
        command.form = form;
        command.condition = condition;
    }
    Make& special(const Special& special)
    {
        command.special = special;
        return *this;
    }
    Make& set(const GprmSet& set)
    {
        command.set = set;
        return *this;
    }
    Make& system(const SystemSet& set)
    {
        command.system = set;
        return *this;
    }
    Make& link(const Link& link)
    {
        command.link = link;
        return *this;
    }
    Make& jump(const Jump& jump)
    {
        command.jump = jump;
        return *this;
    }
    operator Command() const { return command; }
};

SystemSet systemSet(SystemSetOp op, Operand value, unsigned pgc = 0, unsigned target = 0,
    GprmMode mode = GprmMode::Register)
{
    SystemSet set;
    set.op = op;
    set.value = value;
    set.pgc = static_cast<std::uint16_t>(pgc);
    set.gprm = static_cast<std::uint8_t>(target);
    set.mode = mode;
    return set;
}

constexpr unsigned register_codes[] = { 0x00, 0x0F, 0x80, 0x97 };
constexpr unsigned immediates[] = { 0x0000, 0x0001, 0xFFFF };

// A compare as the tables give it: byte 1's operation and immediate flag,
// the left register's code and the right operand (a code or an immediate).
struct Compare {
    unsigned op = 0;
    unsigned left = 0;
    bool isImmediate = false;
    unsigned right = 0;

    // Writes the compare with its left register in leftByte (none: -1) and
    // its right operand in the word at rightWord (a register in its low byte).
    void writeTo(Builder& builder, int leftByte, int rightWord) const
    {
        builder.put(1, op << 4 | (isImmediate ? 0x80u : 0u));
        if (op == 0)
            return;
        if (leftByte >= 0)
            builder.put(leftByte, left);
        if (isImmediate)
            builder.word(rightWord, right);
        else
            builder.put(rightWord + 1, right);
    }

    Condition condition(Operand leftOperand) const
    {
        if (op == 0)
            return {};
        return { static_cast<CompareOp>(op), leftOperand, isImmediate ? immediate(right) : registerNamed(right) };
    }
    Condition condition() const { return condition(registerNamed(left)); }
};

std::vector<Compare> compares(bool withImmediates)
{
    std::vector<Compare> all { {} };
    for (unsigned op = 1; op <= 7; ++op) {
        for (unsigned left : register_codes) {
            for (unsigned right : register_codes)
                all.push_back({ op, left, false, right });
            if (withImmediates) {
                for (unsigned value : immediates)
                    all.push_back({ op, left, true, value });
            }
        }
    }
    return all;
}

// A link: byte 1's code (for the forms that carry one there) and bytes 6..7.
struct LinkCase {
    unsigned code;
    unsigned byte6;
    unsigned byte7;
    Link link;
};

std::vector<LinkCase> subInstructions()
{
    const std::pair<unsigned, LinkOp> subs[] = { { 0, LinkOp::LinkNoLink }, { 1, LinkOp::LinkTopC },
        { 2, LinkOp::LinkNextC }, { 3, LinkOp::LinkPrevC }, { 5, LinkOp::LinkTopPG }, { 6, LinkOp::LinkNextPG },
        { 7, LinkOp::LinkPrevPG }, { 9, LinkOp::LinkTopPGC }, { 10, LinkOp::LinkNextPGC },
        { 11, LinkOp::LinkPrevPGC }, { 12, LinkOp::LinkGoUpPGC }, { 13, LinkOp::LinkTailPGC },
        { 16, LinkOp::RSM } };
    std::vector<LinkCase> all;
    for (const auto& [code, op] : subs) {
        for (unsigned button : { 0u, 1u, 36u })
            all.push_back({ 1, button << 2, code, { op, 0, static_cast<std::uint8_t>(button) } });
    }
    return all;
}

std::vector<LinkCase> links()
{
    std::vector<LinkCase> all = subInstructions();
    const auto number = [](LinkOp op, unsigned n, unsigned button) {
        return Link { op, static_cast<std::uint16_t>(n), static_cast<std::uint8_t>(button) };
    };
    for (unsigned pgc : { 1u, 0x7FFFu })
        all.push_back({ 4, pgc >> 8, pgc & 0xFF, number(LinkOp::LinkPGCN, pgc, 0) });
    for (unsigned button : { 0u, 36u }) {
        for (unsigned chapter : { 1u, 999u })
            all.push_back({ 5, button << 2 | chapter >> 8, chapter & 0xFF, number(LinkOp::LinkPTTN, chapter, button) });
        for (unsigned program : { 1u, 99u })
            all.push_back({ 6, button << 2, program, number(LinkOp::LinkPGN, program, button) });
        for (unsigned cell : { 1u, 255u })
            all.push_back({ 7, button << 2, cell, number(LinkOp::LinkCN, cell, button) });
    }
    return all;
}

testing::AssertionResult decodesTo(const CommandBytes& bytes, const Command& expected)
{
    const Command command = decode(bytes);
    const std::string line = commandLine(command);
    if (command != expected)
        return testing::AssertionFailure() << hexOf(bytes) << "reads " << line << ", not " << commandLine(expected);
    if (encode(command) != std::optional(bytes))
        return testing::AssertionFailure() << hexOf(bytes) << "does not encode back";
    if (line.empty() || line.find("reserved") != std::string::npos)
        return testing::AssertionFailure() << hexOf(bytes) << "reads " << line;
    return testing::AssertionSuccess();
}

}

TEST(CommandSweep, SpecialInstructions)
{
    ASSERT_TRUE(decodesTo({}, Make(CommandForm::Special).special({ SpecialOp::Nop })));
    for (const Compare& compare : compares(true)) {
        const auto check = [&](unsigned op, unsigned byte6, unsigned byte7, Special special) {
            Builder builder;
            builder.put(1, op).put(6, byte6).put(7, byte7);
            compare.writeTo(builder, 3, 4);
            return decodesTo(builder.bytes, Make(CommandForm::Special, compare.condition()).special(special));
        };
        for (unsigned line : { 1u, 255u })
            ASSERT_TRUE(check(1, 0, line, { SpecialOp::Goto, static_cast<std::uint8_t>(line) }));
        ASSERT_TRUE(check(2, 0, 0, { SpecialOp::Break }));
        for (unsigned level = 1; level <= 8; ++level) {
            for (unsigned line : { 1u, 255u }) {
                ASSERT_TRUE(check(3, level, line,
                    { SpecialOp::SetTmpPML, static_cast<std::uint8_t>(line), static_cast<std::uint8_t>(level) }));
            }
        }
    }
}

TEST(CommandSweep, Links)
{
    for (const Compare& compare : compares(true)) {
        for (const LinkCase& link : links()) {
            Builder builder;
            builder.put(0, 0x20).put(1, link.code).put(6, link.byte6).put(7, link.byte7);
            compare.writeTo(builder, 3, 4);
            ASSERT_TRUE(decodesTo(builder.bytes, Make(CommandForm::Link, compare.condition()).link(link.link)));
        }
    }
}

TEST(CommandSweep, JumpsAndCalls)
{
    struct JumpCase {
        unsigned op;
        std::array<unsigned, 4> bytes2to5;
        Jump jump;
    };
    const auto byte = [](unsigned value) { return static_cast<std::uint8_t>(value); };
    std::vector<JumpCase> jumps { { 1, {}, { .op = JumpOp::Exit } }, { 6, {}, { .op = JumpOp::JumpSS_FP } },
        { 6, { 0, 0, 0, 0x42 }, { .op = JumpOp::JumpSS_VMGM_Menu, .menu = MenuId::Title } } };
    for (unsigned title : { 1u, 99u }) {
        jumps.push_back({ 2, { 0, 0, 0, title }, { .op = JumpOp::JumpTT, .title = byte(title) } });
        jumps.push_back({ 3, { 0, 0, 0, title }, { .op = JumpOp::JumpVTS_TT, .title = byte(title) } });
        for (unsigned chapter : { 1u, 999u }) {
            jumps.push_back({ 5, { chapter >> 8, chapter & 0xFF, 0, title },
                { .op = JumpOp::JumpVTS_PTT, .title = byte(title), .chapter = static_cast<std::uint16_t>(chapter) } });
        }
        for (unsigned vts : { 1u, 99u }) {
            for (unsigned menu = 3; menu <= 7; ++menu) {
                jumps.push_back({ 6, { 0, title, vts, 0x80 | menu },
                    { .op = JumpOp::JumpSS_VTSM, .title = byte(title), .vts = byte(vts),
                        .menu = static_cast<MenuId>(menu) } });
            }
        }
    }
    for (unsigned pgc : { 1u, 0x7FFFu }) {
        jumps.push_back({ 6, { pgc >> 8, pgc & 0xFF, 0, 0xC0 },
            { .op = JumpOp::JumpSS_VMGM_PGC, .pgc = static_cast<std::uint16_t>(pgc) } });
    }
    for (unsigned cell : { 0u, 1u, 255u }) {
        jumps.push_back({ 8, { 0, 0, cell, 0 }, { .op = JumpOp::CallSS_FP, .resumeCell = byte(cell) } });
        jumps.push_back({ 8, { 0, 0, cell, 0x42 },
            { .op = JumpOp::CallSS_VMGM_Menu, .menu = MenuId::Title, .resumeCell = byte(cell) } });
        for (unsigned menu = 3; menu <= 7; ++menu) {
            jumps.push_back({ 8, { 0, 0, cell, 0x80 | menu },
                { .op = JumpOp::CallSS_VTSM, .menu = static_cast<MenuId>(menu), .resumeCell = byte(cell) } });
        }
        for (unsigned pgc : { 1u, 0x7FFFu }) {
            jumps.push_back({ 8, { pgc >> 8, pgc & 0xFF, cell, 0xC0 },
                { .op = JumpOp::CallSS_VMGM_PGC, .pgc = static_cast<std::uint16_t>(pgc), .resumeCell = byte(cell) } });
        }
    }
    for (const Compare& compare : compares(false)) {
        for (const JumpCase& jump : jumps) {
            Builder builder;
            builder.put(0, 0x30).put(1, jump.op);
            for (int byte = 2; byte <= 5; ++byte)
                builder.put(byte, jump.bytes2to5[static_cast<std::size_t>(byte - 2)]);
            compare.writeTo(builder, 6, 6);
            ASSERT_TRUE(decodesTo(builder.bytes, Make(CommandForm::JumpCall, compare.condition()).jump(jump.jump)));
        }
    }
}

TEST(CommandSweep, SystemSets)
{
    struct SystemCase {
        unsigned byte0;
        std::array<unsigned, 4> bytes2to5;
        SystemSet set;
    };
    std::vector<SystemCase> sets;
    // SetSTN: any of the three streams, set from immediates or from GPRMs.
    for (unsigned which = 0; which < 8; ++which) {
        const std::array<std::array<unsigned, 3>, 3> values { { { 7, 0x45, 9 }, { 0, 0x3E, 1 }, { 15, 0, 15 } } };
        for (std::size_t v = 0; v < values.size(); ++v) {
            const bool fromGprm = v == 2;
            SystemCase stn { fromGprm ? 0x41u : 0x51u, {}, systemSet(SystemSetOp::SetSTN, {}) };
            stn.set.streamValues = fromGprm ? OperandKind::Gprm : OperandKind::Immediate;
            StreamSetting* streams[] = { &stn.set.audio, &stn.set.subPicture, &stn.set.angle };
            for (std::size_t s = 0; s < 3; ++s) {
                if ((which >> s & 1) == 0)
                    continue;
                stn.bytes2to5[s + 1] = 0x80 | values[v][s];
                const auto value = static_cast<std::uint16_t>(values[v][s]);
                *streams[s] = { StreamChange::Set, { fromGprm ? OperandKind::Gprm : OperandKind::Immediate, value } };
            }
            sets.push_back(stn);
        }
    }
    for (unsigned value : { 0u, 0xFFFFu }) {
        for (unsigned pgc : { 0u, 0x7FFFu }) {
            sets.push_back({ 0x52, { value >> 8, value & 0xFF, pgc >> 8, pgc & 0xFF },
                systemSet(SystemSetOp::SetNVTMR, immediate(value), pgc) });
        }
        for (unsigned gprm : { 0u, 15u }) {
            for (GprmMode mode : { GprmMode::Register, GprmMode::Counter }) {
                const unsigned byte5 = (mode == GprmMode::Counter ? 0x80u : 0u) | gprm;
                sets.push_back({ 0x53, { value >> 8, value & 0xFF, 0, byte5 },
                    systemSet(SystemSetOp::SetGPRMMD, immediate(value), 0, gprm, mode) });
                sets.push_back({ 0x43, { 0, 15 - gprm, 0, byte5 },
                    systemSet(SystemSetOp::SetGPRMMD, registerNamed(15 - gprm), 0, gprm, mode) });
            }
        }
        sets.push_back({ 0x54, { 0, 0, value >> 8, value & 0xFF }, systemSet(SystemSetOp::SetAMXMD, immediate(value)) });
    }
    for (unsigned gprm : { 0u, 15u }) {
        sets.push_back({ 0x42, { 0, gprm, 0, 0 }, systemSet(SystemSetOp::SetNVTMR, registerNamed(gprm)) });
        sets.push_back({ 0x44, { 0, 0, 0, gprm }, systemSet(SystemSetOp::SetAMXMD, registerNamed(gprm)) });
        sets.push_back({ 0x46, { 0, 0, 0, gprm }, systemSet(SystemSetOp::SetHL_BTN, registerNamed(gprm)) });
    }
    for (unsigned button = 1; button <= 36; ++button)
        sets.push_back({ 0x56, { 0, 0, button << 2, 0 }, systemSet(SystemSetOp::SetHL_BTN, immediate(button << 10)) });
    // Each with nothing else, with a compare of two registers, or with a link.
    for (const SystemCase& set : sets) {
        const auto build = [&] {
            Builder builder;
            builder.put(0, set.byte0);
            for (int byte = 2; byte <= 5; ++byte)
                builder.put(byte, set.bytes2to5[static_cast<std::size_t>(byte - 2)]);
            return builder;
        };
        for (const Compare& compare : compares(false)) {
            Builder builder = build();
            compare.writeTo(builder, 6, 6);
            ASSERT_TRUE(decodesTo(builder.bytes, Make(CommandForm::SetSystem, compare.condition()).system(set.set)));
        }
        for (const LinkCase& link : links()) {
            Builder builder = build();
            builder.put(1, link.code).put(6, link.byte6).put(7, link.byte7);
            ASSERT_TRUE(decodesTo(builder.bytes, Make(CommandForm::SetSystem).system(set.set).link(link.link)));
        }
    }
}

namespace {

// The sources a set operation takes: immediates and register codes; swp
// takes GPRMs only.
std::vector<std::pair<bool, unsigned>> sourcesOf(unsigned op)
{
    std::vector<std::pair<bool, unsigned>> all;
    for (unsigned code : register_codes) {
        if (op != static_cast<unsigned>(SetOp::Swp) || code < 0x80)
            all.push_back({ false, code });
    }
    if (op != static_cast<unsigned>(SetOp::Swp)) {
        for (unsigned value : immediates)
            all.push_back({ true, value });
    }
    return all;
}

}

TEST(CommandSweep, GprmSets)
{
    for (unsigned op = 1; op <= 11; ++op) {
        for (const auto& [immediateSource, sourceValue] : sourcesOf(op)) {
            // Plain copies: a lambda may not capture a structured binding.
            const bool isImmediate = immediateSource;
            const unsigned source = sourceValue;
            for (std::uint8_t gprm : { 0, 15 }) {
                const GprmSet set { static_cast<SetOp>(op), gprm,
                    isImmediate ? immediate(source) : registerNamed(source) };
                const auto build = [&] {
                    Builder builder;
                    builder.put(0, 0x60 | (isImmediate ? 0x10u : 0u) | op).put(3, gprm);
                    if (isImmediate)
                        builder.word(4, source);
                    else
                        builder.put(5, source);
                    return builder;
                };
                for (const Compare& compare : compares(true)) {
                    Builder builder = build();
                    compare.writeTo(builder, 2, 6);
                    ASSERT_TRUE(decodesTo(builder.bytes, Make(CommandForm::Set, compare.condition()).set(set)));
                }
                for (const LinkCase& link : links()) {
                    Builder builder = build();
                    builder.put(1, link.code).put(6, link.byte6).put(7, link.byte7);
                    ASSERT_TRUE(decodesTo(builder.bytes, Make(CommandForm::Set).set(set).link(link.link)));
                }
            }
        }
    }
}

TEST(CommandSweep, SetCompareLinkForms)
{
    const std::pair<unsigned, CommandForm> forms[] = { { 4, CommandForm::SetCompareLink },
        { 5, CommandForm::CompareSetLink }, { 6, CommandForm::CompareSetThenLink } };
    const LinkCase topCell = subInstructions()[3];
    for (const auto& [typeCode, typeForm] : forms) {
        const unsigned type = typeCode;
        const CommandForm form = typeForm;
        for (unsigned op = 1; op <= 11; ++op) {
            for (const auto& [immediateSource, sourceValue] : sourcesOf(op)) {
                const bool isImmediate = immediateSource;
                const unsigned source = sourceValue;
                for (std::uint8_t gprm : { 0, 15 }) {
                    const GprmSet set { static_cast<SetOp>(op), gprm,
                        isImmediate ? immediate(source) : registerNamed(source) };
                    // Type 4 takes its source in bytes 2..3 and compares the set
                    // GPRM; types 5 and 6 take an immediate in bytes 2..3 (and
                    // then compare two registers in bytes 4 and 5) or a register
                    // in byte 2 (and compare byte 3 with bytes 4..5).
                    const bool pair = type != 4 && isImmediate;
                    const auto check = [&](const Compare& compare, const LinkCase& link) {
                        Builder builder;
                        builder.put(0, type << 5 | (isImmediate ? 0x10u : 0u) | op).put(1, gprm);
                        builder.put(6, link.byte6).put(7, link.byte7);
                        if (isImmediate)
                            builder.word(2, source);
                        else
                            builder.put(type == 4 ? 3 : 2, source);
                        compare.writeTo(builder, type == 4 ? -1 : pair ? 4 : 3, 4);
                        const Condition condition
                            = type == 4 ? compare.condition({ OperandKind::Gprm, gprm }) : compare.condition();
                        return decodesTo(builder.bytes, Make(form, condition).set(set).link(link.link));
                    };
                    for (const Compare& compare : compares(!pair)) {
                        if (type == 4 && compare.left != 0)
                            continue; // type 4 has no left register field
                        ASSERT_TRUE(check(compare, topCell));
                    }
                    for (const LinkCase& link : subInstructions())
                        ASSERT_TRUE(check({}, link));
                }
            }
        }
    }
}

TEST(CommandSweep, UnassignedCodesAreRefused)
{
    std::vector<CommandBytes> all;
    for (unsigned byte0 = 0xE0; byte0 <= 0xFF; ++byte0)
        all.push_back({ static_cast<std::uint8_t>(byte0) });
    for (unsigned op = 4; op <= 15; ++op)
        all.push_back({ 0x00, static_cast<std::uint8_t>(op) });
    for (std::uint8_t op : { 0, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15 })
        all.push_back({ 0x20, op });
    for (std::uint8_t op : { 0, 4, 7, 9, 10, 11, 12, 13, 14, 15 })
        all.push_back({ 0x30, op });
    for (std::uint8_t op : { 5, 7, 8, 9, 10, 11, 12, 13, 14, 15 }) {
        all.push_back({ static_cast<std::uint8_t>(0x40 | op) });
        all.push_back({ static_cast<std::uint8_t>(0x50 | op) });
    }
    for (unsigned type = 3; type <= 6; ++type) {
        for (unsigned op = 12; op <= 15; ++op) {
            all.push_back({ static_cast<std::uint8_t>(type << 5 | op) });
            all.push_back({ static_cast<std::uint8_t>(type << 5 | 0x10 | op) });
        }
    }
    for (std::uint8_t sub : { 4, 8, 14, 15, 17, 20, 24, 31 }) {
        all.push_back({ 0x20, 0x01, 0, 0, 0, 0, 0, sub });
        for (unsigned type = 4; type <= 6; ++type)
            all.push_back({ static_cast<std::uint8_t>(type << 5 | 1), 0, 0, 0, 0, 0, 0, sub });
    }
    for (const CommandBytes& bytes : all) {
        const Command command = decode(bytes);
        EXPECT_EQ(command.fault.kind, FaultKind::Unassigned) << hexOf(bytes) << "reads " << commandLine(command);
        Command formAndFault = Make(command.form);
        formAndFault.fault = command.fault;
        EXPECT_EQ(command, formAndFault) << hexOf(bytes);
        EXPECT_EQ(encode(command), std::nullopt) << hexOf(bytes);
    }
}

TEST(CommandSweep, RandomBytesRoundTripOrAreRefused)
{
    // Half of byte 0 from the opcodes in use, and the other bytes mostly 0
    // or small, so that every form comes up legal often enough.
    std::mt19937 random(20240611);
    std::uniform_int_distribution<unsigned> any(0, 255);
    std::uniform_int_distribution<unsigned> small(0, 15);
    std::uniform_int_distribution<unsigned> kind(0, 4);
    std::map<CommandForm, int> legal;
    for (int n = 0; n < 1'000'000; ++n) {
        CommandBytes bytes;
        for (std::uint8_t& byte : bytes) {
            const unsigned pick = kind(random);
            byte = static_cast<std::uint8_t>(pick <= 2 ? 0 : pick == 3 ? small(random) : any(random));
        }
        if (any(random) < 128) {
            const unsigned type = small(random) % 7;
            bytes[0] = static_cast<std::uint8_t>(type << 5 | (type == 0 ? 0 : (any(random) & 0x10) | small(random) % 12));
            if (type == 1)
                bytes[0] &= 0xF0;
        }
        const Command command = decode(bytes);
        const std::string line = commandLine(command);
        ASSERT_FALSE(line.empty()) << hexOf(bytes);
        if (isLegal(command)) {
            ++legal[command.form];
            ASSERT_EQ(encode(command), std::optional(bytes)) << hexOf(bytes) << "reads " << line;
            ASSERT_EQ(line.find("reserved"), std::string::npos) << hexOf(bytes);
        } else {
            ASSERT_EQ(line.rfind("reserved encoding (byte ", 0), 0u) << hexOf(bytes) << "reads " << line;
            ASSERT_EQ(encode(command), std::nullopt) << hexOf(bytes);
        }
    }
    for (CommandForm form : { CommandForm::Special, CommandForm::Link, CommandForm::JumpCall, CommandForm::SetSystem,
             CommandForm::Set, CommandForm::SetCompareLink, CommandForm::CompareSetLink,
             CommandForm::CompareSetThenLink })
        EXPECT_GT(legal[form], 200) << "few legal commands of form " << static_cast<int>(form) << " were drawn: " << legal[form];
}

TEST(CommandSweep, EncoderRefusesWhatHasNoBytes)
{
    const Operand one = immediate(1);
    const Operand g1 = registerNamed(1);
    SystemSet gprmStreamInImmediates = systemSet(SystemSetOp::SetSTN, {});
    gprmStreamInImmediates.audio = { StreamChange::Set, g1 };
    gprmStreamInImmediates.streamValues = OperandKind::Immediate;
    const Condition g1IsOne { CompareOp::EQ, g1, one };
    const std::vector<std::pair<std::string_view, Command>> cases {
        { "a faulted command", decode(CommandBytes { 0x20, 0x04 }) },
        { "no special instruction", Make(CommandForm::Special) },
        { "a compare with Nop", Make(CommandForm::Special, g1IsOne).special({ SpecialOp::Nop }) },
        { "a button above 36", Make(CommandForm::Link).link({ LinkOp::LinkCN, 3, 37 }) },
        { "a link form without a link", Make(CommandForm::Link).jump({ .op = JumpOp::JumpTT, .title = 1 }) },
        { "title 100", Make(CommandForm::JumpCall).jump({ .op = JumpOp::JumpTT, .title = 100 }) },
        { "GPRM 16", Make(CommandForm::Set).set({ SetOp::Mov, 16, one }) },
        { "swp with an immediate", Make(CommandForm::Set).set({ SetOp::Swp, 1, one }) },
        { "a compare and a link",
            Make(CommandForm::Set, g1IsOne).set({ SetOp::Mov, 2, one }).link({ LinkOp::LinkCN, 1, 0 }) },
        { "a numbered link in type 4",
            Make(CommandForm::SetCompareLink).set({ SetOp::Mov, 2, one }).link({ LinkOp::LinkPGCN, 3, 0 }) },
        { "an immediate compare beside an immediate source",
            Make(CommandForm::CompareSetLink, g1IsOne).set({ SetOp::Mov, 2, one }).link({ LinkOp::LinkTopC, 0, 0 }) },
        { "a GPRM stream in an immediate SetSTN", Make(CommandForm::SetSystem).system(gprmStreamInImmediates) },
        { "a register operand with no register",
            Make(CommandForm::Special, { CompareOp::EQ, {}, one }).special({ SpecialOp::Break }) },
        { "type 7", Make(CommandForm::Unassigned) },
    };
    for (const auto& [what, command] : cases)
        EXPECT_EQ(encode(command), std::nullopt) << what;
}
