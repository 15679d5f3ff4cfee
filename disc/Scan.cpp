#include "disc/Scan.h"

#include "core/CommandDecoder.h"

#include <algorithm>

namespace trevalo::disc {

namespace {

// The PGC a title starts in: its first chapter's.
std::vector<PgcAddress> titleStart(const Disc& disc, int title_set, int title_in_set, int chapter = 1)
{
    if (title_set < 1 || static_cast<std::size_t>(title_set) > disc.title_sets.size())
        return {};
    const InfoFile& set = disc.title_sets[static_cast<std::size_t>(title_set) - 1];
    if (!set.chapters || title_in_set < 1 || static_cast<std::size_t>(title_in_set) > set.chapters->titles.size())
        return {};
    const std::vector<Chapter>& chapters = set.chapters->titles[static_cast<std::size_t>(title_in_set) - 1];
    if (chapter < 1 || static_cast<std::size_t>(chapter) > chapters.size())
        return {};
    return { { Domain::Title, title_set, 0, chapters[static_cast<std::size_t>(chapter) - 1].pgc } };
}

// The entry PGC of a menu kind in every language unit of the file.
std::vector<PgcAddress> menuEntries(const Disc& disc, int title_set, core::MenuId menu)
{
    std::vector<PgcAddress> found;
    const InfoFile* file = title_set == 0 ? &disc.manager
        : title_set >= 1 && static_cast<std::size_t>(title_set) <= disc.title_sets.size()
        ? &disc.title_sets[static_cast<std::size_t>(title_set) - 1]
        : nullptr;
    if (!file || !file->menus)
        return found;
    for (std::size_t u = 0; u < file->menus->units.size(); ++u) {
        const PgcTable& table = file->pgc_tables[file->menus->units[u].table];
        for (std::size_t n = 0; n < table.pointers.size(); ++n) {
            if (table.pointers[n].entry == (0x80 | static_cast<int>(menu))) {
                found.push_back({ title_set == 0 ? Domain::ManagerMenu : Domain::TitleSetMenu, title_set,
                    static_cast<int>(u + 1), static_cast<int>(n + 1) });
                break;
            }
        }
    }
    return found;
}

// PGC n of the domain the address is in, in every language unit for the
// VMGM PGC jumps, in the address's own unit otherwise.
std::vector<PgcAddress> pgcInDomain(const Disc& disc, PgcAddress at, int number, bool every_unit)
{
    std::vector<PgcAddress> found;
    at.number = number;
    if (every_unit && at.domain == Domain::ManagerMenu) {
        const int units = disc.manager.menus ? static_cast<int>(disc.manager.menus->units.size()) : 0;
        for (int u = 1; u <= units; ++u) {
            at.language_unit = u;
            if (findPgc(disc, at))
                found.push_back(at);
        }
        return found;
    }
    if (findPgc(disc, at))
        found.push_back(at);
    return found;
}

// The title a title PGC belongs to (its table entry's low bits).
int titleOf(const Disc& disc, const PgcAddress& address)
{
    const InfoFile* file = infoFileOf(disc, address);
    if (!file || address.domain != Domain::Title || !file->title_pgcs)
        return 0;
    const PgcTable& table = file->pgc_tables[*file->title_pgcs];
    if (address.number < 1 || static_cast<std::size_t>(address.number) > table.pointers.size())
        return 0;
    return table.pointers[static_cast<std::size_t>(address.number) - 1].entry & 0x7F;
}

}

std::vector<PgcAddress> reachedPgcs(const Disc& disc, const PgcAddress& from, const core::BranchTarget& target)
{
    using core::TargetKind;
    const Pgc* pgc = findPgc(disc, from);
    switch (target.kind) {
    case TargetKind::Pgc:
        return pgcInDomain(disc, from, target.number, false);
    case TargetKind::Relative: {
        if (!pgc)
            return {};
        const int linked = target.relative == core::LinkOp::LinkNextPGC ? pgc->next
            : target.relative == core::LinkOp::LinkPrevPGC              ? pgc->previous
            : target.relative == core::LinkOp::LinkGoUpPGC              ? pgc->go_up
                                                                        : 0;
        return linked == 0 ? std::vector<PgcAddress> {} : pgcInDomain(disc, from, linked, false);
    }
    case TargetKind::Chapter:
        return from.domain == Domain::Title ? titleStart(disc, from.title_set, titleOf(disc, from), target.number)
                                            : std::vector<PgcAddress> {};
    case TargetKind::Title: {
        if (!disc.manager.titles || target.number < 1 || target.number > disc.manager.titles->titles.size())
            return {};
        const Title& title = disc.manager.titles->titles[target.number - 1u];
        return titleStart(disc, title.title_set, title.title_in_set);
    }
    case TargetKind::VtsTitle:
        return titleStart(disc, from.title_set, target.number);
    case TargetKind::VtsChapter:
        return titleStart(disc, from.title_set, target.title, target.number);
    case TargetKind::FirstPlay:
        return disc.manager.first_play ? std::vector<PgcAddress> { { Domain::FirstPlay, 0, 0, 0 } }
                                       : std::vector<PgcAddress> {};
    case TargetKind::VmgmMenu:
        return menuEntries(disc, 0, target.menu);
    case TargetKind::VtsMenu:
        return menuEntries(disc, target.vts == 0 ? from.title_set : target.vts, target.menu);
    case TargetKind::VmgmPgc:
        return pgcInDomain(disc, { Domain::ManagerMenu, 0, 1, 0 }, target.number, true);
    default:
        return {};
    }
}

DiscScan scanDisc(const Disc& disc)
{
    DiscScan scan;
    std::vector<const InfoFile*> files { &disc.manager };
    for (const InfoFile& set : disc.title_sets)
        files.push_back(&set);
    const auto add = [&](const PgcAddress& at, CommandPlace place, int number, int cell, const Command& bytes) {
        CommandSite site;
        site.pgc = at;
        site.place = place;
        site.number = number;
        site.cell = cell;
        site.bytes = bytes;
        site.decoded = core::decode(bytes);
        site.registers = core::registerUse(site.decoded);
        scan.gprms_read |= site.registers.gprmReads;
        scan.gprms_written |= site.registers.gprmWrites;
        const core::BranchTarget target = core::branchTarget(site.decoded);
        scan.commands.push_back(site);
        for (const PgcAddress& reached : reachedPgcs(disc, at, target))
            scan.calls.push_back({ scan.commands.size() - 1, reached });
    };
    for (const InfoFile* file : files) {
        for (std::size_t p = 0; p < file->pgcs.size(); ++p) {
            const std::vector<PgcAddress> addresses = addressesOf(*file, p);
            if (addresses.empty())
                continue;
            const Pgc& pgc = file->pgcs[p];
            if (pgc.commands) {
                const std::pair<CommandPlace, const std::vector<Command>*> lists[] = { { CommandPlace::Pre, &pgc.commands->pre },
                    { CommandPlace::Post, &pgc.commands->post }, { CommandPlace::Cell, &pgc.commands->cell } };
                for (const auto& [place, list] : lists) {
                    for (std::size_t i = 0; i < list->size(); ++i)
                        add(addresses.front(), place, static_cast<int>(i + 1), 0, (*list)[i]);
                }
            }
            for (std::size_t c = 0; c < pgc.cells.size(); ++c) {
                if (!pgc.cells[c].highlight)
                    continue;
                for (const Button& button : pgc.cells[c].highlight->buttons)
                    add(addresses.front(), CommandPlace::Button, button.number, static_cast<int>(c + 1), button.command);
            }
        }
    }
    return scan;
}

std::vector<const CommandSite*> callersOf(const Disc& disc, const DiscScan& scan, const PgcAddress& address)
{
    std::vector<PgcAddress> same { address };
    if (const std::optional<std::size_t> index = pgcIndex(disc, address))
        same = addressesOf(*infoFileOf(disc, address), *index);
    std::vector<const CommandSite*> callers;
    for (const Call& call : scan.calls) {
        if (std::find(same.begin(), same.end(), call.target) == same.end())
            continue;
        const CommandSite* site = &scan.commands[call.site];
        if (std::find(callers.begin(), callers.end(), site) == callers.end())
            callers.push_back(site);
    }
    return callers;
}

}
