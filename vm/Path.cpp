#include "vm/Path.h"

#include "core/CommandDecoder.h"
#include "core/CommandLine.h"
#include "vm/DiscProgram.h"

namespace trevalo::vm {

std::string describeSite(const disc::Disc& disc, const CommandSite& site)
{
    if (site.number == 0)
        return "the player";
    const std::string pgc = disc::describe(disc, site.pgc);
    const std::string number = std::to_string(site.number);
    switch (site.place) {
    case disc::CommandPlace::Pre:
        return pgc + " pre command " + number;
    case disc::CommandPlace::Post:
        return pgc + " post command " + number;
    case disc::CommandPlace::Cell:
        return pgc + " cell command " + number + " (after cell " + std::to_string(site.cell) + ")";
    case disc::CommandPlace::Button:
        return pgc + " button " + number + " of cell " + std::to_string(site.cell);
    }
    return pgc;
}

std::string describeCommand(const DiscProgram& program, const CommandSite& site)
{
    const std::string where = describeSite(program.disc(), site);
    const disc::Command* bytes = site.number == 0 ? nullptr : program.bytes(site.pgc, site.place, site.number, site.cell);
    if (!bytes)
        return where;
    return where + " (" + core::commandLine(core::decode(*bytes)) + ")";
}

std::vector<std::string> pathLines(const DiscProgram& program, const std::vector<PathEvent>& path)
{
    std::vector<std::string> lines;
    for (const PathEvent& event : path) {
        switch (event.kind) {
        case PathKind::Entered:
            lines.push_back(disc::describe(program.disc(), event.pgc));
            break;
        case PathKind::Cut:
            lines.push_back("(and on: the record of the path stops here)");
            break;
        case PathKind::Chose:
            if (lines.empty())
                lines.emplace_back();
            lines.back() += ", button " + std::to_string(event.button) + " pressed at cell " + std::to_string(event.cell);
            break;
        case PathKind::Left:
            if (lines.empty())
                lines.emplace_back();
            switch (event.by) {
            case LeftBy::Command: {
                // The site's own PGC is the line's; only the place is new.
                CommandSite site = event.site;
                const std::string full = describeCommand(program, site);
                const std::string pgc = disc::describe(program.disc(), site.pgc);
                lines.back() += ", left by " + (full.rfind(pgc, 0) == 0 ? full.substr(pgc.size() + 1) : full);
                break;
            }
            case LeftBy::NextPgcLink:
                lines.back() += ", left by its next-PGC link";
                break;
            case LeftBy::NavigationTimer:
                lines.back() += ", left when the navigation timer ran out";
                break;
            case LeftBy::Stop:
                lines.back() += ", where playback stopped";
                break;
            case LeftBy::External:
                lines.back() += ", left by a jump from outside the disc";
                break;
            }
            break;
        }
    }
    return lines;
}

}
