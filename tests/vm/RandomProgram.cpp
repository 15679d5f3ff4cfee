#include "RandomProgram.h"

#include "core/CommandEncoder.h"
#include "core/CommandLine.h"
#include "disc/PreCommandInsert.h"
#include "vm/BraceHex.h"

#include <algorithm>

namespace trevalo::testing {

namespace {

using core::Command;
using disc::Domain;

// What a list at one place may link or jump to.
struct Place {
    disc::PgcAddress pgc;
    const disc::Pgc* model = nullptr;
    int length = 0;
};

class Generator {
public:
    Generator(const disc::Disc& disc, Draw& draw)
        : m_disc(disc)
        , m_draw(draw)
    {
    }

    std::vector<Place> places() const
    {
        std::vector<Place> found;
        if (m_disc.manager.first_play)
            found.push_back({ { Domain::FirstPlay, 0, 0, 0 }, &m_disc.manager.pgcs[*m_disc.manager.first_play], 0 });
        const auto menus = [&](const disc::InfoFile& file, Domain domain) {
            if (!file.menus || file.menus->units.empty())
                return;
            const disc::PgcTable& table = file.pgc_tables[file.menus->units[0].table];
            for (std::size_t n = 0; n < table.pointers.size(); ++n)
                found.push_back({ { domain, file.title_set, 1, static_cast<int>(n + 1) }, &file.pgcs[table.pointers[n].pgc], 0 });
        };
        menus(m_disc.manager, Domain::ManagerMenu);
        for (const disc::InfoFile& set : m_disc.title_sets)
            menus(set, Domain::TitleSetMenu);
        return found;
    }

    std::vector<Command> list(const Place& place)
    {
        std::vector<Command> commands;
        for (int line = 1; line <= place.length; ++line) {
            // A draw the encoder refuses is drawn again; a Nop after that.
            Command command;
            bool encoded = false;
            for (int attempt = 0; attempt < 8 && !encoded; ++attempt) {
                command = drawCommand(place, line);
                encoded = core::encode(command).has_value();
            }
            commands.push_back(encoded ? command : nop());
        }
        return commands;
    }

private:
    static Command nop()
    {
        Command command;
        command.special.op = core::SpecialOp::Nop;
        return command;
    }

    unsigned below(unsigned bound) { return m_draw.below(bound); }

    core::Operand gprm() { return { core::OperandKind::Gprm, static_cast<std::uint16_t>(below(6)) }; }

    core::Operand sprm()
    {
        // Not SPRM 14: libdvdnav writes the current picture's shape into it.
        unsigned n = below(23);
        if (n >= 14)
            ++n;
        return { core::OperandKind::Sprm, static_cast<std::uint16_t>(n) };
    }

    core::Operand anyRegister() { return m_draw.chance(75) ? gprm() : sprm(); }

    core::Operand immediate()
    {
        static constexpr std::uint16_t notable[] = { 0, 1, 2, 3, 7, 15, 62, 64, 255, 1024, 2048, 32767, 65535 };
        if (m_draw.chance(50))
            return { core::OperandKind::Immediate, notable[below(std::size(notable))] };
        return { core::OperandKind::Immediate, static_cast<std::uint16_t>(below(65536)) };
    }

    core::CompareOp compareOp() { return static_cast<core::CompareOp>(1 + below(7)); }

    // Register against an immediate or a register.
    core::Condition wordCondition()
    {
        return { compareOp(), anyRegister(), m_draw.chance(60) ? immediate() : anyRegister() };
    }

    core::Condition pairCondition() { return { compareOp(), anyRegister(), anyRegister() }; }

    core::GprmSet gprmSet()
    {
        static constexpr core::SetOp ops[] = { core::SetOp::Mov, core::SetOp::Swp, core::SetOp::Add, core::SetOp::Sub,
            core::SetOp::Mul, core::SetOp::Div, core::SetOp::Mod, core::SetOp::And, core::SetOp::Or, core::SetOp::Xor };
        core::GprmSet set;
        set.op = ops[below(std::size(ops))];
        set.gprm = static_cast<std::uint8_t>(below(6));
        set.source = set.op == core::SetOp::Swp ? gprm() : m_draw.chance(60) ? immediate() : anyRegister();
        return set;
    }

    // A link sub-instruction that stays in the PGC and starts its playback
    // or post commands.
    core::Link subInstruction(const Place& place)
    {
        // LinkNextPG from the pre commands needs a first program: libdvdnav
        // aborts on a second program past the end.
        static constexpr core::LinkOp ops[] = { core::LinkOp::LinkTopPG, core::LinkOp::LinkNextC, core::LinkOp::LinkTailPGC,
            core::LinkOp::LinkNextPG };
        const std::size_t choices = place.model->programs.empty() ? std::size(ops) - 1 : std::size(ops);
        const core::LinkOp op = place.pgc.domain == Domain::FirstPlay ? core::LinkOp::LinkTailPGC
                                                                       : ops[below(static_cast<unsigned>(choices))];
        return { op, 0, static_cast<std::uint8_t>(m_draw.chance(30) ? 1 + below(3) : 0) };
    }

    // A numbered link within the PGC or its domain, or a sub-instruction.
    core::Link link(const Place& place)
    {
        const disc::PgcTable* table = tableOf(place.pgc);
        const int cells = static_cast<int>(place.model->cells.size());
        const int programs = static_cast<int>(place.model->programs.size());
        switch (below(4)) {
        case 0:
            if (table)
                return { core::LinkOp::LinkPGCN, static_cast<std::uint16_t>(1 + below(static_cast<unsigned>(table->pointers.size()))), 0 };
            break;
        case 1:
            if (cells > 0)
                return { core::LinkOp::LinkCN, static_cast<std::uint16_t>(1 + below(static_cast<unsigned>(cells))), 0 };
            break;
        case 2:
            if (programs > 0)
                return { core::LinkOp::LinkPGN, static_cast<std::uint16_t>(1 + below(static_cast<unsigned>(programs))), 0 };
            break;
        default:
            break;
        }
        return subInstruction(place);
    }

    const disc::PgcTable* tableOf(const disc::PgcAddress& pgc) const
    {
        if (pgc.domain != Domain::ManagerMenu && pgc.domain != Domain::TitleSetMenu)
            return nullptr;
        const disc::InfoFile* file = disc::infoFileOf(m_disc, pgc);
        return &file->pgc_tables[file->menus->units[static_cast<std::size_t>(pgc.language_unit) - 1].table];
    }

    // The menu ids a file's first unit has entries for.
    std::vector<core::MenuId> menusOf(const disc::InfoFile& file) const
    {
        std::vector<core::MenuId> ids;
        if (!file.menus || file.menus->units.empty())
            return ids;
        for (const disc::PgcPointer& pointer : file.pgc_tables[file.menus->units[0].table].pointers) {
            if (pointer.entry & 0x80)
                ids.push_back(static_cast<core::MenuId>(pointer.entry & 0x0F));
        }
        return ids;
    }

    // A jump the place's domain may make, to something the disc has.
    core::Jump jump(const Place& place)
    {
        core::Jump jump;
        const Domain domain = place.pgc.domain;
        const auto& titles = m_disc.manager.titles;
        std::vector<core::JumpOp> ops { core::JumpOp::Exit };
        if ((domain == Domain::FirstPlay || domain == Domain::ManagerMenu) && titles && !titles->titles.empty())
            ops.push_back(core::JumpOp::JumpTT);
        if (domain == Domain::TitleSetMenu)
            ops.insert(ops.end(), { core::JumpOp::JumpVTS_TT, core::JumpOp::JumpVTS_PTT, core::JumpOp::JumpSS_FP });
        if (domain == Domain::ManagerMenu)
            ops.push_back(core::JumpOp::JumpSS_FP);
        if (!menusOf(m_disc.manager).empty())
            ops.push_back(core::JumpOp::JumpSS_VMGM_Menu);
        if (m_disc.manager.menus && !m_disc.manager.menus->units.empty())
            ops.push_back(core::JumpOp::JumpSS_VMGM_PGC);
        for (const disc::InfoFile& set : m_disc.title_sets) {
            if (!menusOf(set).empty() && (domain != Domain::TitleSetMenu || set.title_set == place.pgc.title_set)) {
                ops.push_back(core::JumpOp::JumpSS_VTSM);
                break;
            }
        }
        jump.op = ops[below(static_cast<unsigned>(ops.size()))];
        switch (jump.op) {
        case core::JumpOp::JumpTT:
            jump.title = static_cast<std::uint8_t>(1 + below(static_cast<unsigned>(titles->titles.size())));
            break;
        case core::JumpOp::JumpVTS_TT:
        case core::JumpOp::JumpVTS_PTT: {
            const disc::InfoFile& set = m_disc.title_sets[static_cast<std::size_t>(place.pgc.title_set) - 1];
            if (!set.chapters || set.chapters->titles.empty()) {
                jump.op = core::JumpOp::Exit;
                break;
            }
            const unsigned title = below(static_cast<unsigned>(set.chapters->titles.size()));
            jump.title = static_cast<std::uint8_t>(title + 1);
            if (jump.op == core::JumpOp::JumpVTS_PTT)
                jump.chapter = static_cast<std::uint16_t>(1 + below(static_cast<unsigned>(set.chapters->titles[title].size())));
            break;
        }
        case core::JumpOp::JumpSS_VMGM_Menu:
            jump.menu = core::MenuId::Title;
            break;
        case core::JumpOp::JumpSS_VMGM_PGC: {
            const disc::PgcTable& table = m_disc.manager.pgc_tables[m_disc.manager.menus->units[0].table];
            jump.pgc = static_cast<std::uint16_t>(1 + below(static_cast<unsigned>(table.pointers.size())));
            break;
        }
        case core::JumpOp::JumpSS_VTSM: {
            std::vector<const disc::InfoFile*> sets;
            for (const disc::InfoFile& set : m_disc.title_sets) {
                if (!menusOf(set).empty() && (domain != Domain::TitleSetMenu || set.title_set == place.pgc.title_set))
                    sets.push_back(&set);
            }
            const disc::InfoFile& set = *sets[below(static_cast<unsigned>(sets.size()))];
            const std::vector<core::MenuId> menus = menusOf(set);
            jump.vts = static_cast<std::uint8_t>(set.title_set);
            jump.title = static_cast<std::uint8_t>(1 + below(set.chapters ? static_cast<unsigned>(set.chapters->titles.size()) : 1));
            jump.menu = menus[below(static_cast<unsigned>(menus.size()))];
            break;
        }
        default:
            break;
        }
        return jump;
    }

    Command drawCommand(const Place& place, int line)
    {
        Command command;
        const bool last = line == place.length;
        const unsigned kind = below(100);
        if (kind < 28) {
            command.form = core::CommandForm::Set;
            command.set = gprmSet();
            if (m_draw.chance(30))
                command.condition = wordCondition();
            else if (m_draw.chance(12) && place.pgc.domain != Domain::FirstPlay)
                command.link = link(place);
        } else if (kind < 45) {
            command.form = core::CommandForm::Special;
            const unsigned special = below(10);
            if (special < 5 && !last) {
                command.special.op = core::SpecialOp::Goto;
                command.special.line = static_cast<std::uint8_t>(line + 1 + below(static_cast<unsigned>(place.length - line)));
            } else if (special < 6 && !last) {
                command.special.op = core::SpecialOp::SetTmpPML;
                command.special.level = static_cast<std::uint8_t>(1 + below(8));
                command.special.line = static_cast<std::uint8_t>(line + 1 + below(static_cast<unsigned>(place.length - line)));
            } else if (special < 8) {
                command.special.op = core::SpecialOp::Break;
            } else {
                return nop();
            }
            if (m_draw.chance(60))
                command.condition = wordCondition();
        } else if (kind < 60) {
            command.form = core::CommandForm::SetSystem;
            core::SystemSet& set = command.system;
            switch (below(3)) {
            case 0: {
                set.op = core::SystemSetOp::SetSTN;
                set.streamValues = m_draw.chance(70) ? core::OperandKind::Immediate : core::OperandKind::Gprm;
                const std::uint16_t limits[] = { 8, 128, 10 };
                core::StreamSetting* streams[] = { &set.audio, &set.subPicture, &set.angle };
                for (int i = 0; i < 3; ++i) {
                    if (!m_draw.chance(60))
                        continue;
                    streams[i]->change = core::StreamChange::Set;
                    streams[i]->value = set.streamValues == core::OperandKind::Immediate
                        ? core::Operand { core::OperandKind::Immediate, static_cast<std::uint16_t>(below(limits[i])) }
                        : gprm();
                }
                break;
            }
            case 1:
                set.op = core::SystemSetOp::SetHL_BTN;
                set.value = m_draw.chance(70)
                    ? core::Operand { core::OperandKind::Immediate, static_cast<std::uint16_t>((1 + below(36)) << 10) }
                    : gprm();
                break;
            default:
                // Register mode only: libdvdnav counts counters in wall-clock time.
                set.op = core::SystemSetOp::SetGPRMMD;
                set.gprm = static_cast<std::uint8_t>(below(6));
                set.mode = core::GprmMode::Register;
                set.value = m_draw.chance(60) ? immediate() : gprm();
                break;
            }
            if (m_draw.chance(25))
                command.condition = pairCondition();
            else if (m_draw.chance(12) && place.pgc.domain != Domain::FirstPlay)
                command.link = link(place);
        } else if (kind < 68 && place.pgc.domain != Domain::FirstPlay) {
            command.form = core::CommandForm::SetCompareLink;
            command.set = gprmSet();
            command.condition = { compareOp(), { core::OperandKind::Gprm, command.set.gprm },
                m_draw.chance(60) ? immediate() : anyRegister() };
            command.link = subInstruction(place);
        } else if (kind < 80 && place.pgc.domain != Domain::FirstPlay) {
            command.form = core::CommandForm::Link;
            command.link = link(place);
            if (m_draw.chance(70))
                command.condition = wordCondition();
        } else {
            command.form = core::CommandForm::JumpCall;
            command.jump = jump(place);
            if (m_draw.chance(60))
                command.condition = pairCondition();
        }
        return command;
    }

    const disc::Disc& m_disc;
    Draw& m_draw;
};

}

RandomProgram randomProgram(const disc::Disc& disc, Draw& draw, int longest_list)
{
    Generator generator(disc, draw);
    std::vector<Place> places = generator.places();
    RandomProgram program;
    const unsigned lists = 1 + draw.below(std::min<unsigned>(3, static_cast<unsigned>(places.size())));
    for (unsigned i = 0; i < lists && !places.empty(); ++i) {
        const std::size_t at = draw.below(static_cast<unsigned>(places.size()));
        Place place = places[at];
        places.erase(places.begin() + static_cast<std::ptrdiff_t>(at));
        place.length = 1 + static_cast<int>(draw.below(static_cast<unsigned>(longest_list)));
        program.inserts.push_back({ place.pgc, generator.list(place) });
    }
    const unsigned presses = draw.below(5);
    for (unsigned i = 0; i < presses; ++i)
        program.buttons.push_back(1 + static_cast<int>(draw.below(2)));
    return program;
}

disc::Disc withProgram(const disc::Disc& disc, const RandomProgram& program, std::string& error)
{
    disc::Disc copy = disc;
    for (const ProgramInsert& insert : program.inserts) {
        std::vector<disc::Command> bytes;
        for (const core::Command& command : insert.commands)
            bytes.push_back(*core::encode(command));
        error = disc::insertPreCommands(copy, insert.pgc, bytes);
        if (!error.empty())
            return {};
    }
    return copy;
}

std::string describe(const disc::Disc& disc, const RandomProgram& program)
{
    std::string text;
    for (const ProgramInsert& insert : program.inserts) {
        text += "at the top of " + disc::describe(disc, insert.pgc) + ":\n";
        for (std::size_t k = 0; k < insert.commands.size(); ++k) {
            text += "  " + std::to_string(k + 1) + "  " + vm::braceHex(*core::encode(insert.commands[k])) + "  "
                + core::commandLine(insert.commands[k]) + "\n";
        }
    }
    text += "buttons:";
    for (int button : program.buttons)
        text += " " + std::to_string(button);
    return text + "\n";
}

}
