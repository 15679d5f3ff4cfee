#include "vm/Target.h"

namespace trevalo::vm {

namespace {

std::string menuKind(core::MenuId menu)
{
    switch (menu) {
    case core::MenuId::Root:
        return "Root Menu";
    case core::MenuId::SubPicture:
        return "Sub-Picture Menu";
    case core::MenuId::Audio:
        return "Audio Menu";
    case core::MenuId::Angle:
        return "Angle Menu";
    case core::MenuId::Chapter:
        return "Chapter Menu";
    case core::MenuId::Title:
        return "Title Menu";
    case core::MenuId::None:
        break;
    }
    return "Menu " + std::to_string(static_cast<int>(menu));
}

}

TargetPgcs resolve(const disc::Disc& disc, const Target& target)
{
    TargetPgcs pgcs;
    switch (target.kind) {
    case TargetKind::TitleSetMenu: {
        if (target.number < 1 || static_cast<std::size_t>(target.number) > disc.title_sets.size()) {
            pgcs.error = "the disc has no title set " + std::to_string(target.number);
            return pgcs;
        }
        const disc::InfoFile& file = disc.title_sets[static_cast<std::size_t>(target.number) - 1];
        const std::size_t units = file.menus ? file.menus->units.size() : 0;
        for (std::size_t u = 0; u < units; ++u) {
            const disc::PgcTable& table = file.pgc_tables[file.menus->units[u].table];
            for (std::size_t n = 0; n < table.pointers.size(); ++n) {
                if (table.pointers[n].entry != (0x80 | static_cast<int>(target.menu)))
                    continue;
                const int unit = static_cast<int>(u + 1);
                pgcs.target.push_back({ disc::Domain::TitleSetMenu, target.number, unit, static_cast<int>(n + 1) });
                if (target.after_dummy > 0 && static_cast<std::size_t>(target.after_dummy) <= table.pointers.size())
                    pgcs.after_dummy.push_back({ disc::Domain::TitleSetMenu, target.number, unit, target.after_dummy });
                break;
            }
        }
        if (pgcs.target.empty())
            pgcs.error = "no language unit of VTSM " + std::to_string(target.number) + " has a " + menuKind(target.menu);
        else if (target.after_dummy > 0 && pgcs.after_dummy.empty())
            pgcs.error = "no language unit of VTSM " + std::to_string(target.number) + " with a " + menuKind(target.menu)
                + " has a PGC " + std::to_string(target.after_dummy);
        return pgcs;
    }
    case TargetKind::ManagerPgc: {
        const std::size_t units = disc.manager.menus ? disc.manager.menus->units.size() : 0;
        for (std::size_t u = 0; u < units; ++u) {
            const disc::PgcAddress address { disc::Domain::ManagerMenu, 0, static_cast<int>(u + 1), target.number };
            if (disc::findPgc(disc, address))
                pgcs.target.push_back(address);
        }
        if (pgcs.target.empty())
            pgcs.error = "no language unit of the VMGM has a PGC " + std::to_string(target.number);
        return pgcs;
    }
    case TargetKind::Title: {
        const auto& titles = disc.manager.titles;
        if (!titles || target.number < 1 || static_cast<std::size_t>(target.number) > titles->titles.size()) {
            pgcs.error = "the disc has no title " + std::to_string(target.number);
            return pgcs;
        }
        const disc::Title& title = titles->titles[static_cast<std::size_t>(target.number) - 1];
        if (title.title_set < 1 || title.title_set > disc.title_sets.size()) {
            pgcs.error = "title " + std::to_string(target.number) + " lies in title set "
                + std::to_string(title.title_set) + ", which the disc does not have";
            return pgcs;
        }
        const disc::InfoFile& set = disc.title_sets[title.title_set - 1u];
        if (!set.chapters || title.title_in_set < 1 || title.title_in_set > set.chapters->titles.size()
            || set.chapters->titles[title.title_in_set - 1u].empty()) {
            pgcs.error = "title " + std::to_string(target.number) + " has no chapters in its title set";
            return pgcs;
        }
        pgcs.target.push_back({ disc::Domain::Title, title.title_set, 0, set.chapters->titles[title.title_in_set - 1u][0].pgc });
        return pgcs;
    }
    }
    return pgcs;
}

const std::vector<disc::PgcAddress>& playbackTargets(const TargetPgcs& pgcs)
{
    return pgcs.after_dummy.empty() ? pgcs.target : pgcs.after_dummy;
}

std::string describe(const Target& target)
{
    switch (target.kind) {
    case TargetKind::TitleSetMenu:
        return "VTSM " + std::to_string(target.number) + " " + menuKind(target.menu)
            + (target.after_dummy > 0 ? ", after the dummy: PGC " + std::to_string(target.after_dummy) : std::string());
    case TargetKind::ManagerPgc:
        return "VMGM " + std::to_string(target.number);
    case TargetKind::Title:
        return "Title " + std::to_string(target.number);
    }
    return {};
}

}
