// The scan of a disc: every command once with its place, the GPRMs read and
// written, and the commands that reach each PGC, on discs made in memory to
// the shape each case needs, and on the authored discs.

#include "SyntheticDisc.h"
#include "TestDiscs.h"

#include "core/CommandDecoder.h"
#include "core/CommandLine.h"
#include "disc/DiscReader.h"
#include "disc/Scan.h"

#include <gtest/gtest.h>

#include <set>

namespace trevalo::testing {
namespace {

using disc::Command;
using disc::CommandPlace;
using disc::Domain;
using disc::PgcAddress;

TEST(SyntheticDisc, ReadsBackAsItWasMade)
{
    const disc::Disc made = syntheticDisc({ 3, 2, 3, 2, 5, 2 });
    const disc::DiscRead read = disc::readDisc(writtenFiles(made), "synthetic");
    ASSERT_TRUE(read.disc) << read.error;
    ASSERT_EQ(read.disc->title_sets.size(), 3u);
    std::size_t compared = 0;
    for (std::size_t s = 0; s <= made.title_sets.size(); ++s) {
        const disc::InfoFile& file = s == 0 ? made.manager : made.title_sets[s - 1];
        for (std::size_t p = 0; p < file.pgcs.size(); ++p) {
            for (const PgcAddress& address : disc::addressesOf(file, p)) {
                const disc::Pgc& a = file.pgcs[p];
                const disc::Pgc* b = disc::findPgc(*read.disc, address);
                ASSERT_NE(b, nullptr) << disc::describe(made, address);
                EXPECT_EQ(a.offset, b->offset);
                ASSERT_EQ(a.commands.has_value(), b->commands.has_value());
                if (a.commands) {
                    EXPECT_EQ(a.commands->pre, b->commands->pre);
                    EXPECT_EQ(a.commands->post, b->commands->post);
                }
                EXPECT_EQ(a.cells.size(), b->cells.size());
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 1u + 2 + 3 * (2 * 3 + 2));
    // Every command the shapes use is a legal one.
    for (const disc::CommandSite& site : disc::scanDisc(*read.disc).commands)
        EXPECT_TRUE(core::isLegal(site.decoded)) << core::commandLine(site.decoded);
}

// A disc whose every way of reaching a PGC the scan must see.
disc::Disc callersDisc()
{
    disc::Disc disc = syntheticDisc({ 2, 3, 2, 2, 1, 1 });
    const auto set = [&](const PgcAddress& at, std::vector<Command> pre, std::vector<Command> post = {}) {
        disc::InfoFile& file = *disc::infoFileOf(disc, at);
        disc::Pgc& pgc = file.pgcs[*disc::pgcIndex(disc, at)];
        pgc.commands = disc::CommandTable { std::move(pre), std::move(post), {}, 0 };
    };
    const PgcAddress first_play { Domain::FirstPlay, 0, 0, 0 };
    // First Play: gprm(5) = 7; JumpSS VTSM 2 root.
    set(first_play, { { 0x71, 0, 0, 5, 0, 7, 0, 0 }, { 0x30, 0x06, 0x00, 0x01, 0x02, 0x83, 0x00, 0x00 } });
    // VMGM PGC 1 of unit 2: if (gprm(5) == 7) LinkPGCN 1; JumpSS VMGM PGC 1.
    set({ Domain::ManagerMenu, 0, 2, 1 },
        { { 0x20, 0xA4, 0x00, 0x05, 0x00, 0x07, 0x00, 0x01 }, { 0x30, 0x06, 0x00, 0x01, 0x00, 0xC0, 0x00, 0x00 } });
    // VTSM 1 PGC 2 of unit 1: post JumpVTS_PTT 2, chapter 1; gprm(6) += gprm(5).
    set({ Domain::TitleSetMenu, 1, 1, 2 }, {},
        { { 0x30, 0x05, 0x00, 0x01, 0x00, 0x02, 0x00, 0x00 }, { 0x73, 0x00, 0x00, 0x06, 0x00, 0x05, 0x00, 0x00 } });
    // VTS 2 PGC 1 (title 1 of set 2): post JumpSS FP, instead of calling
    // the title menu as the other titles do.
    set({ Domain::Title, 2, 0, 1 }, {}, { { 0x30, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 } });
    for (disc::InfoFile* file : { &disc.manager, &disc.title_sets[0], &disc.title_sets[1] })
        layOut(*file);
    return disc;
}

TEST(Scan, CallersOfEachPgcAreTheCommandsThatReachIt)
{
    const disc::Disc disc = callersDisc();
    const disc::DiscScan scan = disc::scanDisc(disc);
    const auto callers = [&](const PgcAddress& at) {
        std::set<std::string> found;
        for (const disc::CommandSite* site : disc::callersOf(disc, scan, at)) {
            const char* place[] = { "pre", "post", "cell", "button" };
            found.insert(disc::describe(disc, site->pgc) + " " + place[static_cast<int>(site->place)] + " "
                + std::to_string(site->number));
        }
        return found;
    };
    using Set = std::set<std::string>;
    const struct {
        PgcAddress pgc;
        Set expected;
    } cases[] = {
        { { Domain::FirstPlay, 0, 0, 0 }, Set { "VTS 2 PGC 1 post 1" } },
        // The root menu in each unit of set 2, reached by First Play's jump.
        { { Domain::TitleSetMenu, 2, 1, 1 }, Set { "First Play PGC pre 2" } },
        { { Domain::TitleSetMenu, 2, 2, 1 }, Set { "First Play PGC pre 2" } },
        // VMGM PGC 1 of either unit, the title menu: by the VMGM PGC jump,
        // by every title's call of the title menu but the one replaced, and
        // in its own unit by the LinkPGCN.
        { { Domain::ManagerMenu, 0, 1, 1 },
            Set { "VMGM PGC 1 (language unit 2) pre 2", "VTS 1 PGC 1 post 1", "VTS 1 PGC 2 post 1", "VTS 1 PGC 3 post 1",
                "VTS 2 PGC 2 post 1", "VTS 2 PGC 3 post 1" } },
        { { Domain::ManagerMenu, 0, 2, 1 },
            Set { "VMGM PGC 1 (language unit 2) pre 1", "VMGM PGC 1 (language unit 2) pre 2", "VTS 1 PGC 1 post 1",
                "VTS 1 PGC 2 post 1", "VTS 1 PGC 3 post 1", "VTS 2 PGC 2 post 1", "VTS 2 PGC 3 post 1" } },
        // Title 2 of set 1 starts in its PGC 2; the title's own post calls
        // the title menu, which every title set's titles do.
        { { Domain::Title, 1, 0, 2 }, Set { "VTSM 1 PGC 2 (language unit 1) post 1" } },
        // The menus' chain: PGC 1 links to PGC 2 in its own unit.
        { { Domain::TitleSetMenu, 1, 2, 2 }, Set { "VTSM 1 PGC 1 (language unit 2) pre 1" } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(callers(c.pgc), c.expected) << disc::describe(disc, c.pgc);
}

TEST(Scan, RegistersReadAndWrittenAndThoseNeverTouched)
{
    const disc::Disc disc = callersDisc();
    const disc::DiscScan scan = disc::scanDisc(disc);
    // Written: 2 (VMGM menus), 4 (titles), 5 (First Play), 6 (the add);
    // the VTSM menus of this shape set nothing. Read: 5 (the condition and
    // the add's source) and 6 (the add reads its target).
    EXPECT_EQ(scan.gprms_written, (1 << 2) | (1 << 4) | (1 << 5) | (1 << 6));
    EXPECT_EQ(scan.gprms_read, (1 << 5) | (1 << 6));
    EXPECT_EQ(scan.gprmsUntouched(), 0xFFFF & ~((1 << 2) | (1 << 4) | (1 << 5) | (1 << 6)));
}

TEST(Scan, EveryCommandOfATestDiscOnceWithItsPlace)
{
    for (const std::filesystem::path& folder : testDiscs()) {
        const disc::Disc disc = readTestDisc(folder);
        const disc::DiscScan scan = disc::scanDisc(disc);
        std::size_t expected = 0;
        std::vector<const disc::InfoFile*> files { &disc.manager };
        for (const disc::InfoFile& set : disc.title_sets)
            files.push_back(&set);
        for (const disc::InfoFile* file : files) {
            for (std::size_t p = 0; p < file->pgcs.size(); ++p) {
                const disc::Pgc& pgc = file->pgcs[p];
                if (pgc.commands)
                    expected += pgc.commands->pre.size() + pgc.commands->post.size() + pgc.commands->cell.size();
                for (const disc::Cell& cell : pgc.cells)
                    expected += cell.highlight ? cell.highlight->buttons.size() : 0;
            }
        }
        EXPECT_EQ(scan.commands.size(), expected) << folder;
        for (const disc::CommandSite& site : scan.commands) {
            const disc::Pgc* pgc = disc::findPgc(disc, site.pgc);
            ASSERT_NE(pgc, nullptr);
            const Command* stored = nullptr;
            switch (site.place) {
            case CommandPlace::Pre:
                stored = &pgc->commands->pre.at(static_cast<std::size_t>(site.number) - 1);
                break;
            case CommandPlace::Post:
                stored = &pgc->commands->post.at(static_cast<std::size_t>(site.number) - 1);
                break;
            case CommandPlace::Cell:
                stored = &pgc->commands->cell.at(static_cast<std::size_t>(site.number) - 1);
                break;
            case CommandPlace::Button:
                stored = &pgc->cells.at(static_cast<std::size_t>(site.cell) - 1)
                              .highlight->buttons.at(static_cast<std::size_t>(site.number) - 1)
                              .command;
                break;
            }
            EXPECT_EQ(*stored, site.bytes);
            // dvdauthor writes only legal commands.
            EXPECT_TRUE(core::isLegal(site.decoded)) << folder << ": " << core::commandLine(site.decoded);
        }
    }
}

}
}
