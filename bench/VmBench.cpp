// The navigation machine's speed: commands run a second on a long random
// program, the trace to each menu and title of every authored disc, the
// replay of the blocks the window would compose for each, and a trace
// through a deep chain of thousands of PGC hops. Prints rows of the shared
// table (bench/TableRow.h).
//
// The blocks are put together here by the window's splice rule (guard test,
// guard set, the trace's commands, Break, NOP) rather than by the window
// itself, so the bench times the machine and not the window model.

#include "bench/TableRow.h"
#include "core/CommandEncoder.h"
#include "core/Text.h"
#include "disc/DiscReader.h"
#include "tests/disc/SyntheticDisc.h"
#include "vm/BraceHex.h"
#include "vm/DiscProgram.h"
#include "vm/Machine.h"
#include "vm/Replay.h"
#include "vm/Trace.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>

namespace trevalo::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int repetitions = 15;

Spread timeIt(const std::function<void()>& act)
{
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = Clock::now();
        act();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return spreadOf(std::move(ms));
}

disc::Disc readOrDie(const std::string& name)
{
    const disc::DiscRead read = disc::readDisc(std::filesystem::path(TREVALO_TEST_DISCS_DIR) / name);
    if (!read.disc) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), read.error.c_str());
        std::exit(1);
    }
    return *read.disc;
}

disc::Command encoded(const core::Command& command)
{
    return *core::encode(command);
}

// 127 commands of arithmetic, compares, stream and button sets and forward
// Gotos, drawn at random, then a Goto back to line 1: the machine runs it
// until the step limit.
void commandsPerSecond()
{
    testing::DiscShape shape;
    disc::Disc disc = testing::syntheticDisc(shape);
    std::mt19937 random(7);
    const auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    std::vector<disc::Command> list;
    static constexpr core::SetOp ops[] = { core::SetOp::Mov, core::SetOp::Add, core::SetOp::Sub, core::SetOp::Mul,
        core::SetOp::Div, core::SetOp::Mod, core::SetOp::And, core::SetOp::Or, core::SetOp::Xor, core::SetOp::Swp };
    constexpr int length = 127;
    for (int line = 1; line < length; ++line) {
        core::Command command;
        switch (below(4)) {
        case 0:
        case 1:
            command.form = core::CommandForm::Set;
            command.set.op = ops[below(std::size(ops))];
            command.set.gprm = static_cast<std::uint8_t>(below(16));
            command.set.source = command.set.op == core::SetOp::Swp || below(2) == 0
                ? core::Operand { core::OperandKind::Gprm, static_cast<std::uint16_t>(below(16)) }
                : core::Operand { core::OperandKind::Immediate, static_cast<std::uint16_t>(random()) };
            if (below(3) == 0)
                command.condition = { static_cast<core::CompareOp>(1 + below(7)), { core::OperandKind::Gprm, static_cast<std::uint16_t>(below(16)) },
                    { core::OperandKind::Immediate, static_cast<std::uint16_t>(random()) } };
            break;
        case 2:
            command.form = core::CommandForm::Special;
            command.special.op = core::SpecialOp::Goto;
            command.special.line = static_cast<std::uint8_t>(line + 1 + below(static_cast<unsigned>(length - line)));
            command.condition = { static_cast<core::CompareOp>(1 + below(7)), { core::OperandKind::Gprm, static_cast<std::uint16_t>(below(16)) },
                { core::OperandKind::Gprm, static_cast<std::uint16_t>(below(16)) } };
            break;
        default:
            command.form = core::CommandForm::SetSystem;
            command.system.op = core::SystemSetOp::SetSTN;
            command.system.streamValues = core::OperandKind::Immediate;
            command.system.audio = { core::StreamChange::Set, { core::OperandKind::Immediate, static_cast<std::uint16_t>(below(8)) } };
            break;
        }
        list.push_back(encoded(command));
    }
    core::Command back;
    back.special.op = core::SpecialOp::Goto;
    back.special.line = 1;
    list.push_back(encoded(back));
    disc.manager.pgcs[*disc.manager.first_play].commands->pre = list;
    const vm::DiscProgram program(disc);

    constexpr long steps = 20'000'000;
    long commands = 0;
    const Spread ms = timeIt([&] {
        vm::Machine machine(program, vm::PlayerConfig {});
        commands = 0;
        for (long s = 0; s < steps; ++s)
            commands += machine.step() == vm::Progress::Command;
    });
    const Spread rate { commands / ms.max / 1e3, commands / ms.median / 1e3, commands / ms.min / 1e3 };
    printRow("vm", "commands run, a 128-command random list looping (" + std::to_string(commands / 1'000'000) + " M)", rate,
        "M/s", "", "", ">= 20 M/s", rate.median >= 20 ? "yes" : "NO");
}

struct Case {
    const char* disc;
    vm::Target target;
    std::vector<int> buttons;
};

// The window's blocks for a target, by its splice rule, with guard GPRM 9.
vm::Blocks windowBlocks(const vm::Target& target, const std::string& imported)
{
    const std::string guard = "09";
    std::string jump;
    switch (target.kind) {
    case vm::TargetKind::TitleSetMenu:
        jump = "{30 06 00 01 " + core::hexByte(target.number) + " " + core::hexByte(0x80 | static_cast<int>(target.menu)) + " 00 00}";
        break;
    case vm::TargetKind::ManagerPgc:
        jump = "{30 06 00 " + core::hexByte(target.number) + " 00 C0 00 00}";
        break;
    case vm::TargetKind::Title:
        jump = "{30 02 00 00 00 " + core::hexByte(target.number) + " 00 00}";
        break;
    }
    const std::string nop = "{00 00 00 00 00 00 00 00}";
    const int imported_count = static_cast<int>(vm::parseBlock(imported).commands.size());
    const std::string menu_block = "{00 B1 00 " + guard + " 00 00 00 " + core::hexByte(4 + imported_count) + "} {71 00 00 "
        + guard + " 00 01 00 00} " + (imported.empty() ? "" : imported + " ") + "{00 02 00 00 00 00 00 00} " + nop;
    vm::Blocks blocks;
    blocks.text1 = "{00 B1 00 " + guard + " 00 00 00 03} " + jump + " " + nop;
    if (target.after_dummy > 0) {
        blocks.text2 = "{00 B1 00 " + guard + " 00 00 00 03} {20 04 00 00 00 00 00 " + core::hexByte(target.after_dummy) + "} " + nop;
        blocks.text3 = menu_block;
    } else {
        blocks.text2 = menu_block;
    }
    return blocks;
}

void traceAndReplay()
{
    const Case cases[] = {
        { "firstplay_menus", { vm::TargetKind::ManagerPgc, 1, core::MenuId::None, 0 }, {} },
        { "firstplay_menus", { vm::TargetKind::TitleSetMenu, 1, core::MenuId::Root, 2 }, { 1 } },
        { "firstplay_menus", { vm::TargetKind::TitleSetMenu, 1, core::MenuId::Chapter, 0 }, { 3 } },
        { "firstplay_menus", { vm::TargetKind::TitleSetMenu, 1, core::MenuId::Audio, 0 }, { 1, 4 } },
        { "firstplay_menus", { vm::TargetKind::Title, 2, core::MenuId::None, 0 }, { 2 } },
        { "two_titlesets", { vm::TargetKind::Title, 2, core::MenuId::None, 0 }, {} },
        { "two_titlesets", { vm::TargetKind::Title, 3, core::MenuId::None, 0 }, {} },
        { "single_title", { vm::TargetKind::Title, 1, core::MenuId::None, 0 }, {} },
    };
    for (const Case& c : cases) {
        const disc::Disc disc = readOrDie(c.disc);
        const std::string name = std::string(c.disc) + ", " + vm::describe(c.target);
        vm::TraceResult traced;
        const Spread trace = timeIt([&] {
            const vm::DiscProgram program(disc);
            traced = vm::trace(program, vm::PlayerConfig {}, c.target, c.buttons);
        });
        if (traced.end != vm::TraceEnd::ReachedTarget) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), traced.message.c_str());
            std::exit(1);
        }
        printRow("vm", "trace " + name + " (" + std::to_string(traced.steps) + " steps)", trace, "ms", "", "", "< 1 ms",
            trace.median < 1 ? "yes" : "NO");
        const vm::ReplayRequest request { windowBlocks(c.target, traced.commands), c.target, { 9, false, false }, c.buttons,
            vm::PlayerConfig {}, {} };
        std::size_t languages = 0;
        const Spread replay = timeIt([&] { languages = vm::replay(disc, request).languages.size(); });
        printRow("vm", "replay " + name + " (" + std::to_string(languages) + (languages == 1 ? " language)" : " languages)"), replay, "ms", "", "", "< 5 ms",
            replay.median < 5 ? "yes" : "NO");
    }
}

// A VMGM of thousands of PGCs, each linking to the next, the last playing a
// cell: the trace from insert hops through them all.
void deepChain()
{
    constexpr int hops = 5000;
    testing::DiscShape shape;
    disc::Disc disc = testing::syntheticDisc(shape);
    disc::InfoFile& manager = disc.manager;
    disc::PgcTable& table = manager.pgc_tables[manager.menus->units[0].table];
    const std::size_t first = manager.pgcs.size();
    table.pointers.clear();
    for (int n = 1; n <= hops; ++n) {
        std::vector<disc::Command> pre;
        if (n < hops)
            pre.push_back({ 0x20, 0x04, 0x00, 0x00, 0x00, 0x00, static_cast<std::uint8_t>((n + 1) >> 8), static_cast<std::uint8_t>(n + 1) });
        manager.pgcs.push_back(testing::syntheticPgc(std::move(pre), {}, n < hops ? 0 : 1));
        table.pointers.push_back({ static_cast<std::uint8_t>(n == 1 ? 0x82 : 0), 0, 0, first + static_cast<std::size_t>(n) - 1 });
    }
    manager.pgcs[*manager.first_play].commands->pre = { { 0x30, 0x06, 0x00, 0x00, 0x00, 0x42, 0x00, 0x00 } };
    const vm::Target last { vm::TargetKind::ManagerPgc, hops, core::MenuId::None, 0 };
    vm::TraceResult traced;
    const Spread ms = timeIt([&] {
        const vm::DiscProgram program(disc);
        traced = vm::trace(program, vm::PlayerConfig {}, last, {});
    });
    if (traced.end != vm::TraceEnd::ReachedTarget) {
        std::fprintf(stderr, "deep chain: %s\n", traced.message.c_str());
        std::exit(1);
    }
    printRow("vm", "trace through " + std::to_string(hops) + " PGC hops (" + std::to_string(traced.steps) + " steps)", ms, "ms",
        "", "", "< 5 ms", ms.median < 5 ? "yes" : "NO");
}

}
}

int main()
{
    trevalo::bench::commandsPerSecond();
    trevalo::bench::traceAndReplay();
    trevalo::bench::deepChain();
}
