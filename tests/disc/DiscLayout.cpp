#include "DiscLayout.h"

#include "disc/DiscFiles.h"
#include "disc/DiscReader.h"

#include <sstream>

namespace trevalo::testing {

namespace {

long long sectors(const disc::Disc& disc, const std::string& name)
{
    const std::filesystem::path path = disc::FolderFiles(disc.folder).path(name);
    return path.empty() ? 0 : static_cast<long long>(std::filesystem::file_size(path) / 2048);
}

void expect(std::vector<std::string>& found, const std::string& what, long long held, long long sizes)
{
    if (held != sizes) {
        std::ostringstream line;
        line << what << " is " << held << ", the files' sizes say " << sizes;
        found.push_back(line.str());
    }
}

}

std::vector<std::string> layoutDisagreements(const disc::Disc& before, const disc::Disc& after)
{
    std::vector<std::string> found;
    std::vector<const disc::InfoFile*> was { &before.manager };
    std::vector<const disc::InfoFile*> now { &after.manager };
    for (const disc::InfoFile& set : before.title_sets)
        was.push_back(&set);
    for (const disc::InfoFile& set : after.title_sets)
        now.push_back(&set);
    if (was.size() != now.size())
        return { "the copy has another number of title sets" };
    long long moved = 0; // how much later the current set starts on the disc
    for (std::size_t i = 0; i < was.size(); ++i) {
        const disc::InfoFile& a = *was[i];
        const disc::InfoFile& b = *now[i];
        const std::string stem = disc::infoFileStem(b.title_set);
        const long long ifo = sectors(after, stem + ".IFO");
        const long long grew = ifo - sectors(before, stem + ".IFO");
        const long long bup_grew = sectors(after, stem + ".BUP") - sectors(before, stem + ".BUP");
        expect(found, b.name + " size in whole sectors", static_cast<long long>(b.bytes.size() % 2048), 0);
        expect(found, b.name + " IFO last sector", b.ifo_last_sector, ifo - 1);
        expect(found, b.name + " IFO and BUP growth", bup_grew, grew);
        if (a.sectors.menu_vobs != 0)
            expect(found, b.name + " menu VOBS sector", b.sectors.menu_vobs, a.sectors.menu_vobs + grew);
        if (a.sectors.title_vobs != 0)
            expect(found, b.name + " title VOBS sector", b.sectors.title_vobs, a.sectors.title_vobs + grew);
        expect(found, b.name + " last sector", b.last_sector, a.last_sector + grew + bup_grew);
        if (i > 0 && before.manager.titles && after.manager.titles) {
            for (std::size_t t = 0; t < before.manager.titles->titles.size(); ++t) {
                const disc::Title& title = before.manager.titles->titles[t];
                if (title.title_set == b.title_set) {
                    expect(found, "title " + std::to_string(t + 1) + "'s title set sector",
                        after.manager.titles->titles[t].title_set_sector, title.title_set_sector + moved);
                }
            }
        }
        moved += grew + bup_grew;
    }
    return found;
}

}
