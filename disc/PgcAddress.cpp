#include "disc/PgcAddress.h"

namespace trevalo::disc {

namespace {

template<typename DiscType>
auto fileOf(DiscType& disc, const PgcAddress& address) -> decltype(&disc.manager)
{
    if (address.title_set == 0)
        return address.domain == Domain::FirstPlay || address.domain == Domain::ManagerMenu ? &disc.manager : nullptr;
    if (address.domain != Domain::TitleSetMenu && address.domain != Domain::Title)
        return nullptr;
    if (address.title_set < 0 || static_cast<std::size_t>(address.title_set) > disc.title_sets.size())
        return nullptr;
    return &disc.title_sets[static_cast<std::size_t>(address.title_set) - 1];
}

const PgcTable* tableOf(const InfoFile& file, const PgcAddress& address)
{
    if (address.domain == Domain::Title)
        return file.title_pgcs ? &file.pgc_tables.at(*file.title_pgcs) : nullptr;
    if (!file.menus || address.language_unit < 1
        || static_cast<std::size_t>(address.language_unit) > file.menus->units.size())
        return nullptr;
    return &file.pgc_tables.at(file.menus->units[static_cast<std::size_t>(address.language_unit) - 1].table);
}

}

const InfoFile* infoFileOf(const Disc& disc, const PgcAddress& address)
{
    return fileOf(disc, address);
}

InfoFile* infoFileOf(Disc& disc, const PgcAddress& address)
{
    return fileOf(disc, address);
}

std::optional<std::size_t> pgcIndex(const Disc& disc, const PgcAddress& address)
{
    const InfoFile* file = infoFileOf(disc, address);
    if (!file)
        return std::nullopt;
    if (address.domain == Domain::FirstPlay)
        return file->first_play;
    const PgcTable* table = tableOf(*file, address);
    if (!table || address.number < 1 || static_cast<std::size_t>(address.number) > table->pointers.size())
        return std::nullopt;
    return table->pointers[static_cast<std::size_t>(address.number) - 1].pgc;
}

const Pgc* findPgc(const Disc& disc, const PgcAddress& address)
{
    const std::optional<std::size_t> index = pgcIndex(disc, address);
    return index ? &infoFileOf(disc, address)->pgcs.at(*index) : nullptr;
}

std::vector<PgcAddress> addressesOf(const InfoFile& file, std::size_t pgc)
{
    std::vector<PgcAddress> addresses;
    const bool manager = file.kind == FileKind::VideoManager;
    if (manager && file.first_play == pgc)
        addresses.push_back({ Domain::FirstPlay, 0, 0, 0 });
    if (file.menus) {
        for (std::size_t u = 0; u < file.menus->units.size(); ++u) {
            const PgcTable& table = file.pgc_tables.at(file.menus->units[u].table);
            for (std::size_t n = 0; n < table.pointers.size(); ++n) {
                if (table.pointers[n].pgc == pgc) {
                    addresses.push_back({ manager ? Domain::ManagerMenu : Domain::TitleSetMenu, file.title_set,
                        static_cast<int>(u + 1), static_cast<int>(n + 1) });
                }
            }
        }
    }
    if (file.title_pgcs) {
        const PgcTable& table = file.pgc_tables.at(*file.title_pgcs);
        for (std::size_t n = 0; n < table.pointers.size(); ++n) {
            if (table.pointers[n].pgc == pgc)
                addresses.push_back({ Domain::Title, file.title_set, 0, static_cast<int>(n + 1) });
        }
    }
    return addresses;
}

std::string describe(const Disc& disc, const PgcAddress& address)
{
    std::string text;
    switch (address.domain) {
    case Domain::FirstPlay:
        return "First Play PGC";
    case Domain::ManagerMenu:
        text = "VMGM PGC " + std::to_string(address.number);
        break;
    case Domain::TitleSetMenu:
        text = "VTSM " + std::to_string(address.title_set) + " PGC " + std::to_string(address.number);
        break;
    case Domain::Title:
        return "VTS " + std::to_string(address.title_set) + " PGC " + std::to_string(address.number);
    }
    const InfoFile* file = infoFileOf(disc, address);
    if (file && file->menus && file->menus->units.size() > 1)
        text += " (language unit " + std::to_string(address.language_unit) + ")";
    return text;
}

}
