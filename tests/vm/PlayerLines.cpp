#include "PlayerLines.h"

#include "vm/Machine.h"

namespace trevalo::testing {

namespace {

// Against chains that go round without playing, which libdvdnav would
// follow until its time limit.
constexpr long step_limit = 200'000;

std::string domainName(disc::Domain domain)
{
    switch (domain) {
    case disc::Domain::FirstPlay:
        return "FP";
    case disc::Domain::ManagerMenu:
        return "VMGM";
    case disc::Domain::TitleSetMenu:
        return "VTSM";
    case disc::Domain::Title:
        return "VTS";
    }
    return "NONE";
}

// libdvdnav answers no position query (menu, PGC, program) until it has
// opened a title set's IFO: a menu of the video manager played before any
// title set reads as menu, PGC and program 0.
std::string where(const vm::Machine& machine, bool title_set_opened)
{
    const vm::Location& at = machine.location();
    const disc::Domain domain = at.pgc.domain;
    const bool set = domain == disc::Domain::TitleSetMenu || domain == disc::Domain::Title;
    std::string text = domainName(domain) + " vts=" + std::to_string(set ? at.pgc.title_set : 0);
    if (domain == disc::Domain::Title) {
        const vm::TitlePosition position = machine.titlePosition();
        text += " tt=" + std::to_string(position.title) + " ptt=" + std::to_string(position.chapter);
    } else {
        text += " menu=" + std::to_string(title_set_opened ? machine.menuId() : 0);
    }
    const vm::StreamPick audio = machine.audioStream();
    const vm::StreamPick spu = machine.subpictureStream();
    text += " pgc=" + std::to_string(title_set_opened ? at.pgc.number : 0) + " pg="
        + std::to_string(title_set_opened ? at.program : 0) + " cell=" + std::to_string(at.cell) + " btn=" + std::to_string(machine.sprm(8) >> 10) + " audio="
        + std::to_string(audio.stream) + " spu=" + std::to_string(spu.stream) + (spu.shown || spu.stream < 0 ? "" : ":off");
    return text;
}

std::string registers(const vm::Machine& machine)
{
    std::string text = " gprm=";
    for (int n = 0; n < 16; ++n)
        text += (n ? "," : "") + std::to_string(machine.gprm(n));
    return text;
}

}

std::vector<std::string> playerArguments(const PlayerRun& run)
{
    std::vector<std::string> args { "--max-events", std::to_string(run.max_events), "--lang", run.language };
    if (!run.buttons.empty()) {
        std::string list;
        for (int button : run.buttons)
            list += (list.empty() ? "" : ",") + std::to_string(button);
        args.push_back("--buttons");
        args.push_back(list);
    }
    if (run.registers == WithRegisters::Yes)
        args.push_back("--registers");
    return args;
}

vm::PlayerConfig playerConfig(const PlayerRun& run)
{
    vm::PlayerConfig config;
    config.menu_language = run.language;
    config.audio_language = run.language;
    config.subpicture_language = run.language;
    return config;
}

std::vector<std::string> machineLines(const vm::DiscProgram& program, const PlayerRun& run)
{
    std::vector<std::string> lines;
    vm::Machine machine(program, playerConfig(run));
    std::size_t next_button = 0;
    int events = 0;
    bool title_set_opened = false;
    const auto line = [&](const std::string& head, const std::string& tail = {}) {
        const disc::Domain domain = machine.location().pgc.domain;
        title_set_opened = title_set_opened || domain == disc::Domain::TitleSetMenu || domain == disc::Domain::Title;
        lines.push_back(head + " " + where(machine, title_set_opened) + tail
            + (run.registers == WithRegisters::Yes ? registers(machine) : std::string()));
    };
    for (long steps = 0; steps < step_limit; ++steps) {
        switch (machine.step()) {
        case vm::Progress::CellStarted:
            line("CELL");
            if (++events >= run.max_events) {
                lines.push_back("LIMIT");
                return lines;
            }
            break;
        case vm::Progress::Waiting: {
            const std::string count = " buttons=" + std::to_string(machine.menuWait().buttons);
            if (next_button >= run.buttons.size()) {
                line("STOP", count);
                return lines;
            }
            const int press = run.buttons[next_button++];
            line("MENU", count + " press=" + std::to_string(press));
            if (++events >= run.max_events) {
                lines.push_back("LIMIT");
                return lines;
            }
            if (!machine.choose(press)) {
                lines.push_back("ERROR " + machine.refusal());
                return lines;
            }
            if (machine.phase() == vm::Phase::Failed) {
                lines.push_back("ERROR " + machine.error());
                return lines;
            }
            break;
        }
        case vm::Progress::Stopped:
            lines.push_back("END");
            return lines;
        case vm::Progress::Failed:
            lines.push_back("ERROR " + machine.error());
            return lines;
        default:
            break;
        }
    }
    lines.push_back("LOOP " + machine.loopReport("a cell"));
    return lines;
}

std::vector<std::string> comparable(std::vector<std::string> player_lines)
{
    if (player_lines == std::vector<std::string> { "ERROR next block: Encrypted or faulty DVD" })
        return { "END" };
    return player_lines;
}

}
