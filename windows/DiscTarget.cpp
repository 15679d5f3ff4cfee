#include "windows/DiscTarget.h"

#include "core/CommandDecoder.h"

#include <cctype>
#include <sstream>

namespace trevalo {

namespace {

struct MenuKindName {
    core::MenuId menu;
    const char* name;
};

constexpr MenuKindName menu_kinds[] = {
    { core::MenuId::Root, "Root Menu" },
    { core::MenuId::SubPicture, "Sub-Picture Menu" },
    { core::MenuId::Audio, "Audio Menu" },
    { core::MenuId::Angle, "Angle Menu" },
    { core::MenuId::Chapter, "Chapter Menu" },
};

const disc::PgcPointer* pointerOf(const disc::Disc& disc, const disc::PgcAddress& address)
{
    const disc::InfoFile* file = disc::infoFileOf(disc, address);
    if (!file)
        return nullptr;
    const disc::PgcTable* table = nullptr;
    if (address.domain == disc::Domain::Title && file->title_pgcs)
        table = &file->pgc_tables[*file->title_pgcs];
    else if (file->menus && address.language_unit >= 1
        && static_cast<std::size_t>(address.language_unit) <= file->menus->units.size())
        table = &file->pgc_tables[file->menus->units[static_cast<std::size_t>(address.language_unit) - 1].table];
    if (!table || address.number < 1 || static_cast<std::size_t>(address.number) > table->pointers.size())
        return nullptr;
    return &table->pointers[static_cast<std::size_t>(address.number) - 1];
}

bool isMenuKind(int kind)
{
    return kind >= 3 && kind <= 7;
}

}

int dummySuccessor(const disc::Disc& disc, const disc::PgcAddress& address)
{
    const disc::Pgc* pgc = disc::findPgc(disc, address);
    if (!pgc || !pgc->cells.empty() || !pgc->commands)
        return 0;
    for (const disc::Command& bytes : pgc->commands->pre) {
        const core::Command command = core::decode(bytes);
        if (command.link.op == core::LinkOp::LinkPGCN && core::isLegal(command)) {
            disc::PgcAddress next = address;
            next.number = command.link.number;
            return next.number != address.number && disc::findPgc(disc, next) ? next.number : 0;
        }
    }
    return 0;
}

TargetChoice targetFor(const disc::Disc& disc, const disc::PgcAddress& address)
{
    const std::string name = disc::describe(disc, address);
    const disc::PgcPointer* pointer = pointerOf(disc, address);
    switch (address.domain) {
    case disc::Domain::FirstPlay:
        return { std::nullopt, "The First Play PGC runs when the disc is inserted; its block starts the shortcut, so "
                               "it cannot be the target" };
    case disc::Domain::ManagerMenu:
        return { vm::Target { vm::TargetKind::ManagerPgc, address.number, core::MenuId::Root, 0 }, {} };
    case disc::Domain::Title: {
        const int in_set = pointer ? pointer->entry & 0x7F : 0;
        if (disc.manager.titles && pointer && (pointer->entry & 0x80)) {
            const auto& titles = disc.manager.titles->titles;
            for (std::size_t t = 0; t < titles.size(); ++t) {
                if (titles[t].title_set == address.title_set && titles[t].title_in_set == in_set)
                    return { vm::Target { vm::TargetKind::Title, static_cast<int>(t + 1), core::MenuId::Root, 0 }, {} };
            }
        }
        return { std::nullopt, name + " is not where a title of the disc starts; the window can start the disc only at "
                                      "the beginning of a title" };
    }
    case disc::Domain::TitleSetMenu:
        break;
    }
    if (!pointer)
        return { std::nullopt, "The disc has no " + name };
    const int kind = pointer->entry & 0x0F;
    if ((pointer->entry & 0x80) && isMenuKind(kind)) {
        vm::Target target { vm::TargetKind::TitleSetMenu, address.title_set, static_cast<core::MenuId>(kind),
            dummySuccessor(disc, address) };
        return { target, {} };
    }
    // Not an entry: the successor of a dummy entry of its unit, if any.
    const disc::InfoFile* file = disc::infoFileOf(disc, address);
    const disc::PgcTable& table = file->pgc_tables[file->menus->units[static_cast<std::size_t>(address.language_unit) - 1].table];
    for (std::size_t n = 0; n < table.pointers.size(); ++n) {
        const int entry_kind = table.pointers[n].entry & 0x0F;
        if (!(table.pointers[n].entry & 0x80) || !isMenuKind(entry_kind))
            continue;
        disc::PgcAddress entry = address;
        entry.number = static_cast<int>(n + 1);
        if (dummySuccessor(disc, entry) == address.number) {
            return { vm::Target { vm::TargetKind::TitleSetMenu, address.title_set, static_cast<core::MenuId>(entry_kind),
                         address.number },
                {} };
        }
    }
    return { std::nullopt, name + " is no menu's entry PGC, and no dummy menu links to it; a jump from First Play "
                                  "reaches only a title set's menu by its kind" };
}

std::string targetName(const vm::Target& target)
{
    switch (target.kind) {
    case vm::TargetKind::ManagerPgc:
        return "VMGM " + std::to_string(target.number);
    case vm::TargetKind::Title:
        return "Title " + std::to_string(target.number);
    case vm::TargetKind::TitleSetMenu:
        break;
    }
    for (const MenuKindName& kind : menu_kinds) {
        if (kind.menu == target.menu)
            return "VTSM " + std::to_string(target.number) + " " + kind.name;
    }
    return "VTSM " + std::to_string(target.number) + " Menu " + std::to_string(static_cast<int>(target.menu));
}

std::optional<vm::Target> parseTargetName(const std::string& name)
{
    std::istringstream words { name };
    std::string domain;
    int number = 0;
    if (!(words >> domain >> number) || number < 1 || number > 99)
        return std::nullopt;
    std::string rest;
    std::getline(words, rest);
    while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.front())))
        rest.erase(rest.begin());
    if (domain == "VMGM" && rest.empty())
        return vm::Target { vm::TargetKind::ManagerPgc, number, core::MenuId::Root, 0 };
    if (domain == "Title" && rest.empty())
        return vm::Target { vm::TargetKind::Title, number, core::MenuId::Root, 0 };
    if (domain == "VTSM") {
        for (const MenuKindName& kind : menu_kinds) {
            if (rest == kind.name)
                return vm::Target { vm::TargetKind::TitleSetMenu, number, kind.menu, 0 };
        }
    }
    return std::nullopt;
}

}
