#include "windows/DiscListing.h"

#include "core/CommandDecoder.h"
#include "core/CommandLine.h"

#include <cstdio>

namespace trevalo {

namespace {

constexpr std::string_view line_end = "\r\n";

const char* menuName(int kind)
{
    switch (kind) {
    case 2:
        return "Title Menu";
    case 3:
        return "Root Menu";
    case 4:
        return "Sub-Picture Menu";
    case 5:
        return "Audio Menu";
    case 6:
        return "Angle Menu";
    case 7:
        return "Chapter Menu";
    default:
        return "";
    }
}

const disc::InfoFile& fileAt(const disc::Disc& disc, int title_set)
{
    return title_set == 0 ? disc.manager : disc.title_sets[static_cast<std::size_t>(title_set) - 1];
}

std::string hexBytes(const disc::Command& command)
{
    char text[32];
    std::snprintf(text, sizeof text, "[%02X %02X %02X %02X %02X %02X %02X %02X]", command[0], command[1], command[2],
        command[3], command[4], command[5], command[6], command[7]);
    return text;
}

std::string commandText(const disc::Command& command)
{
    return core::commandLine(core::decode(command));
}

// "0:01:23.12" from a BCD playback time.
std::string playbackTime(const disc::PlaybackTime& time)
{
    const auto bcd = [](std::uint8_t b) { return (b >> 4) * 10 + (b & 0x0F); };
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d.%02d", bcd(time[0]), bcd(time[1]), bcd(time[2]), bcd(time[3] & 0x3F));
    return text;
}

std::string stillText(int still)
{
    return still == 255 ? "until the viewer acts" : std::to_string(still) + " s";
}

// The disc's title number whose chapters start in this title PGC, if any.
int discTitleOf(const disc::Disc& disc, const disc::PgcAddress& address)
{
    if (!disc.manager.titles || address.domain != disc::Domain::Title)
        return 0;
    const disc::InfoFile& set = fileAt(disc, address.title_set);
    if (!set.chapters)
        return 0;
    const auto& titles = disc.manager.titles->titles;
    for (std::size_t t = 0; t < titles.size(); ++t) {
        if (titles[t].title_set != address.title_set || titles[t].title_in_set < 1
            || titles[t].title_in_set > set.chapters->titles.size())
            continue;
        const auto& chapters = set.chapters->titles[titles[t].title_in_set - 1u];
        if (!chapters.empty() && chapters.front().pgc == address.number)
            return static_cast<int>(t + 1);
    }
    return 0;
}

std::string placeText(const disc::Disc& disc, const disc::CommandSite& site)
{
    std::string text = disc::describe(disc, site.pgc) + ", ";
    switch (site.place) {
    case disc::CommandPlace::Pre:
        return text + "pre command " + std::to_string(site.number);
    case disc::CommandPlace::Post:
        return text + "post command " + std::to_string(site.number);
    case disc::CommandPlace::Cell:
        return text + "cell command " + std::to_string(site.number);
    case disc::CommandPlace::Button:
        return text + "button " + std::to_string(site.number) + " of cell " + std::to_string(site.cell);
    }
    return text;
}

}

std::string languageName(std::uint16_t code)
{
    const char high = static_cast<char>(code >> 8);
    const char low = static_cast<char>(code & 0xFF);
    if (high < 'a' || high > 'z' || low < 'a' || low > 'z')
        return "--";
    return std::string { high, low };
}

std::string registerList(std::uint16_t registers)
{
    std::string text;
    for (int n = 0; n < 16; ++n) {
        if (registers & (1 << n))
            text += (text.empty() ? "" : " ") + std::to_string(n);
    }
    return text.empty() ? "none" : text;
}

std::vector<PgcEntry> pgcEntries(const disc::Disc& disc)
{
    std::vector<PgcEntry> entries;
    const auto addMenus = [&](const disc::InfoFile& file) {
        if (!file.menus)
            return;
        for (std::size_t u = 0; u < file.menus->units.size(); ++u) {
            const disc::LanguageUnit& unit = file.menus->units[u];
            const disc::PgcTable& table = file.pgc_tables[unit.table];
            for (std::size_t n = 0; n < table.pointers.size(); ++n) {
                const disc::PgcAddress address { file.title_set == 0 ? disc::Domain::ManagerMenu : disc::Domain::TitleSetMenu,
                    file.title_set, static_cast<int>(u + 1), static_cast<int>(n + 1) };
                std::string label = (file.title_set == 0 ? std::string("VMGM") : "VTSM " + std::to_string(file.title_set))
                    + " PGC " + std::to_string(n + 1) + " (" + languageName(unit.language) + ")";
                const std::uint8_t entry = table.pointers[n].entry;
                if (entry & 0x80)
                    label += std::string(" ") + menuName(entry & 0x0F);
                if (file.pgcs[table.pointers[n].pgc].cells.empty())
                    label += ", no cells";
                entries.push_back({ address, label });
            }
        }
    };
    if (disc.manager.first_play)
        entries.push_back({ { disc::Domain::FirstPlay, 0, 0, 0 }, "First Play PGC" });
    addMenus(disc.manager);
    for (const disc::InfoFile& set : disc.title_sets) {
        addMenus(set);
        if (!set.title_pgcs)
            continue;
        const disc::PgcTable& table = set.pgc_tables[*set.title_pgcs];
        for (std::size_t n = 0; n < table.pointers.size(); ++n) {
            const disc::PgcAddress address { disc::Domain::Title, set.title_set, 0, static_cast<int>(n + 1) };
            std::string label = disc::describe(disc, address);
            if (const int title = discTitleOf(disc, address))
                label += ": Title " + std::to_string(title);
            entries.push_back({ address, label });
        }
    }
    return entries;
}

std::string discSummary(const disc::Disc& disc, const disc::DiscScan& scan)
{
    std::string text;
    const std::size_t titles = disc.manager.titles ? disc.manager.titles->titles.size() : 0;
    text += std::to_string(disc.title_sets.size()) + (disc.title_sets.size() == 1 ? " title set, " : " title sets, ")
        + std::to_string(titles) + (titles == 1 ? " title" : " titles");
    text += line_end;
    const auto menus = [](const disc::InfoFile& file) {
        if (!file.menus || file.menus->units.empty())
            return std::string("none");
        std::string units;
        for (const disc::LanguageUnit& unit : file.menus->units) {
            const std::size_t count = file.pgc_tables[unit.table].pointers.size();
            units += (units.empty() ? "" : ", ") + languageName(unit.language) + " (" + std::to_string(count)
                + (count == 1 ? " PGC)" : " PGCs)");
        }
        return units;
    };
    text += "Menus: VMGM " + menus(disc.manager);
    for (const disc::InfoFile& set : disc.title_sets)
        text += "; VTSM " + std::to_string(set.title_set) + " " + menus(set);
    text += line_end;
    text += "GPRMs the disc uses: " + registerList(static_cast<std::uint16_t>(scan.gprms_read | scan.gprms_written));
    text += line_end;
    text += "GPRMs it never touches: " + registerList(scan.gprmsUntouched());
    text += line_end;
    for (const std::string& note : disc.notes) {
        text += "Note: " + note;
        text += line_end;
    }
    return text;
}

std::string pgcDetails(const disc::Disc& disc, const disc::DiscScan& scan, const disc::PgcAddress& address)
{
    const disc::Pgc* pgc = disc::findPgc(disc, address);
    if (!pgc)
        return "The disc has no " + disc::describe(disc, address) + std::string(line_end);
    std::string text = disc::describe(disc, address) + ": " + std::to_string(pgc->programs.size())
        + (pgc->programs.size() == 1 ? " program, " : " programs, ") + std::to_string(pgc->cells.size())
        + (pgc->cells.size() == 1 ? " cell" : " cells") + ", " + playbackTime(pgc->playback_time);
    if (pgc->still_time != 0)
        text += ", then a still " + stillText(pgc->still_time);
    text += line_end;
    text += "Next PGC " + std::to_string(pgc->next) + ", previous " + std::to_string(pgc->previous) + ", go up "
        + std::to_string(pgc->go_up);
    text += line_end;
    const auto list = [&](const char* heading, const std::vector<disc::Command>& commands) {
        text += line_end;
        text += heading;
        text += commands.empty() ? " none" : "";
        text += line_end;
        for (std::size_t i = 0; i < commands.size(); ++i) {
            char number[8];
            std::snprintf(number, sizeof number, "%3zu  ", i + 1);
            text += hexBytes(commands[i]) + " " + number + commandText(commands[i]);
            text += line_end;
        }
    };
    if (pgc->commands) {
        list("Pre commands:", pgc->commands->pre);
        list("Post commands:", pgc->commands->post);
        list("Cell commands:", pgc->commands->cell);
    } else {
        text += line_end;
        text += "No command table.";
        text += line_end;
    }
    if (!pgc->cells.empty()) {
        text += line_end;
        text += "Cells:";
        text += line_end;
        for (std::size_t c = 0; c < pgc->cells.size(); ++c) {
            const disc::Cell& cell = pgc->cells[c];
            text += "  " + std::to_string(c + 1) + "  " + playbackTime(cell.playback_time);
            if (cell.still_time != 0)
                text += ", still " + stillText(cell.still_time);
            if (cell.command_number != 0)
                text += ", cell command " + std::to_string(cell.command_number);
            if (cell.vobu_still)
                text += ", a still after each VOBU";
            text += line_end;
            if (!cell.highlight)
                continue;
            const disc::Highlight& h = *cell.highlight;
            text += "     " + std::to_string(h.buttons.size()) + (h.buttons.size() == 1 ? " button" : " buttons");
            if (h.forced_select != 0)
                text += ", button " + std::to_string(h.forced_select) + " highlighted on entry";
            if (h.forced_activate != 0)
                text += ", button " + std::to_string(h.forced_activate) + " activated on entry";
            text += line_end;
            for (const disc::Button& button : h.buttons) {
                text += "     button " + std::to_string(button.number) + " (up " + std::to_string(button.up) + ", down "
                    + std::to_string(button.down) + ", left " + std::to_string(button.left) + ", right "
                    + std::to_string(button.right) + (button.auto_action ? ", acts when selected" : "")
                    + "): " + commandText(button.command);
                text += line_end;
            }
        }
    }
    text += line_end;
    const std::vector<const disc::CommandSite*> callers = disc::callersOf(disc, scan, address);
    text += "Reached by:";
    text += callers.empty() ? " no command of the disc" : "";
    text += line_end;
    for (const disc::CommandSite* site : callers) {
        text += "  " + placeText(disc, *site) + ": " + core::commandLine(site->decoded);
        text += line_end;
    }
    return text;
}

}
