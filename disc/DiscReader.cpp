#include "disc/DiscReader.h"

#include "disc/IfoReader.h"
#include "disc/NavPack.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <system_error>

namespace trevalo::disc {

namespace {

std::string hexOffset(std::uint64_t offset)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(offset));
    return text;
}

bool namedVideoTs(const std::filesystem::path& path)
{
    std::string name = path.filename().string();
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name == "VIDEO_TS";
}

// Reads the IFO of a manager or set and its BUP, and picks the one to use.
std::optional<InfoFile> readInfoPair(const DiscFiles& files, int title_set, std::vector<std::string>& notes,
    std::string& error)
{
    const std::string stem = infoFileStem(title_set);
    const std::string ifo_name = stem + ".IFO";
    const std::string bup_name = stem + ".BUP";
    const FileKind kind = title_set == 0 ? FileKind::VideoManager : FileKind::TitleSet;

    const auto load = [&](const std::string& name, std::string& problem) -> std::optional<InfoFileRead> {
        bool too_large = false;
        std::optional<std::vector<std::uint8_t>> bytes = files.readWhole(name, largest_info_file, too_large);
        if (!bytes) {
            if (too_large)
                problem = name + ": larger than " + std::to_string(largest_info_file >> 20)
                    + " MiB, which no information file is";
            else if (files.has(name))
                problem = name + ": cannot be read";
            else
                problem = name + ": missing";
            return std::nullopt;
        }
        return readInfoFile(name, std::move(*bytes), kind, title_set);
    };

    std::string ifo_problem;
    std::string bup_problem;
    std::optional<InfoFileRead> ifo = load(ifo_name, ifo_problem);
    std::optional<InfoFileRead> bup = load(bup_name, bup_problem);
    if (ifo && !ifo->file)
        ifo_problem = ifo->error;
    if (bup && !bup->file)
        bup_problem = bup->error;
    const bool ifo_good = ifo && ifo->file;
    const bool bup_good = bup && bup->file;

    if (ifo_good) {
        if (bup_good) {
            const std::vector<std::uint8_t>& a = ifo->file->bytes;
            const std::vector<std::uint8_t>& b = bup->file->bytes;
            if (a != b) {
                const auto differ = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
                const std::size_t at = static_cast<std::size_t>(differ.first - a.begin());
                notes.push_back(ifo_name + " and " + bup_name + " differ (first at offset " + hexOffset(at) + "); "
                    + ifo_name + " is used");
            }
        } else {
            notes.push_back(bup_problem + "; " + ifo_name + " is used");
        }
        return std::move(ifo->file);
    }
    if (bup_good) {
        notes.push_back(ifo_problem + "; " + bup_name + " is used instead");
        return std::move(bup->file);
    }
    error = ifo_problem + " (and " + bup_problem + ")";
    return std::nullopt;
}

// The buttons of each menu cell, from the first navigation pack of the
// cell that carries highlight information.
void readMenuButtons(const DiscFiles& files, InfoFile& file, std::vector<std::string>& notes)
{
    if (!file.menus)
        return;
    const std::string vob = infoFileStem(file.title_set) + ".VOB";
    bool any_cells = false;
    std::vector<bool> is_menu(file.pgcs.size(), false);
    for (const LanguageUnit& unit : file.menus->units) {
        for (const PgcPointer& pointer : file.pgc_tables.at(unit.table).pointers)
            is_menu.at(pointer.pgc) = true;
    }
    for (std::size_t p = 0; p < file.pgcs.size(); ++p) {
        if (is_menu[p] && !file.pgcs[p].cells.empty())
            any_cells = true;
    }
    if (!any_cells)
        return;
    if (!files.has(vob)) {
        notes.push_back(vob + ": missing, so the menus' buttons are not known");
        return;
    }
    // A VOBU is looked for highlight information at most this many times a
    // cell: menus put it in the first, and a damaged chain must end.
    constexpr int vobus_looked_at = 16;
    bool unreadable_noted = false;
    for (std::size_t p = 0; p < file.pgcs.size(); ++p) {
        if (!is_menu[p])
            continue;
        for (Cell& cell : file.pgcs[p].cells) {
            std::uint64_t sector = cell.first_sector;
            for (int look = 0; look < vobus_looked_at && sector <= cell.last_vobu_start_sector; ++look) {
                const std::vector<std::uint8_t> pack = files.readSectors(vob, sector, 1);
                const NavPackRead nav = readNavPack(pack);
                if (!nav.is_nav_pack) {
                    if (!unreadable_noted) {
                        notes.push_back(vob + ": no navigation pack at sector " + std::to_string(sector)
                            + ", where a menu cell starts; the buttons of such cells are not known");
                        unreadable_noted = true;
                    }
                    break;
                }
                if (nav.highlight) {
                    cell.highlight = nav.highlight;
                    break;
                }
                if (nav.next_vobu == 0)
                    break;
                sector += nav.next_vobu;
            }
        }
    }
}

}

std::string infoFileStem(int title_set)
{
    if (title_set == 0)
        return "VIDEO_TS";
    char stem[16];
    std::snprintf(stem, sizeof stem, "VTS_%02d_0", title_set % 100);
    return stem;
}

std::filesystem::path findVideoTs(const std::filesystem::path& folder, std::string& error)
{
    std::error_code code;
    const std::string shown = folder.string();
    if (!std::filesystem::exists(folder, code)) {
        error = shown + ": no such folder";
        return {};
    }
    if (!std::filesystem::is_directory(folder, code)) {
        error = shown + ": not a folder";
        return {};
    }
    if (FolderFiles(folder).has("VIDEO_TS.IFO") || FolderFiles(folder).has("VIDEO_TS.BUP"))
        return folder;
    for (std::filesystem::directory_iterator entry { folder, code }, end; !code && entry != end; entry.increment(code)) {
        std::error_code kind;
        if (entry->is_directory(kind) && namedVideoTs(entry->path()))
            return entry->path();
    }
    error = shown + ": holds neither VIDEO_TS.IFO nor a VIDEO_TS folder, so it is not a DVD-Video folder";
    return {};
}

DiscRead readDisc(const std::filesystem::path& folder)
{
    std::string error;
    const std::filesystem::path video_ts = findVideoTs(folder, error);
    if (video_ts.empty())
        return { std::nullopt, error };
    const FolderFiles files { video_ts };
    if (!files.has("VIDEO_TS.IFO") && !files.has("VIDEO_TS.BUP"))
        return { std::nullopt, video_ts.string() + ": holds no VIDEO_TS.IFO, so it is not a DVD-Video folder" };
    return readDisc(files, video_ts);
}

DiscRead readDisc(const DiscFiles& files, const std::filesystem::path& folder)
{
    Disc disc;
    disc.folder = folder;
    std::string error;
    std::optional<InfoFile> manager = readInfoPair(files, 0, disc.notes, error);
    if (!manager)
        return { std::nullopt, error };
    disc.manager = std::move(*manager);
    const int count = disc.manager.title_set_count;
    if (count > 99)
        return { std::nullopt, "VIDEO_TS.IFO: counts " + std::to_string(count) + " title sets; a disc has at most 99" };
    if (disc.manager.titles) {
        for (std::size_t t = 0; t < disc.manager.titles->titles.size(); ++t) {
            const Title& title = disc.manager.titles->titles[t];
            if (title.title_set == 0 || title.title_set > count) {
                return { std::nullopt,
                    "VIDEO_TS.IFO: title " + std::to_string(t + 1) + " belongs to title set "
                        + std::to_string(title.title_set) + ", but the disc counts " + std::to_string(count)
                        + " title sets" };
            }
        }
    }
    for (int set = 1; set <= count; ++set) {
        std::optional<InfoFile> file = readInfoPair(files, set, disc.notes, error);
        if (!file)
            return { std::nullopt, error };
        disc.title_sets.push_back(std::move(*file));
    }
    readMenuButtons(files, disc.manager, disc.notes);
    for (InfoFile& set : disc.title_sets)
        readMenuButtons(files, set, disc.notes);
    return { std::move(disc), {} };
}

}
