// Commands put at the top of a PGC's pre commands, on every test disc and
// in every kind of PGC: the written copy reads back with the commands in
// place and the PGC's own after them (their lines moved), everything else
// as it was, its IFO and BUP equal, its sectors what its files' sizes say,
// and libdvdread reads it without a warning and as we do.

#include "DiscLayout.h"
#include "SyntheticDisc.h"
#include "Libdvdread.h"
#include "TestDiscs.h"

#include "disc/FolderCopy.h"
#include "disc/PgcAddress.h"
#include "disc/PreCommandInsert.h"

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

using disc::Command;
using disc::Domain;
using disc::PgcAddress;

// The PGC as an author sees it: everything but where it lies.
void expectSameContent(const disc::Pgc& a, const disc::Pgc& b, const std::string& where)
{
    EXPECT_EQ(a.playback_time, b.playback_time) << where;
    EXPECT_EQ(a.prohibited_operations, b.prohibited_operations) << where;
    EXPECT_EQ(a.audio_control, b.audio_control) << where;
    EXPECT_EQ(a.subpicture_control, b.subpicture_control) << where;
    EXPECT_EQ(a.next, b.next) << where;
    EXPECT_EQ(a.previous, b.previous) << where;
    EXPECT_EQ(a.go_up, b.go_up) << where;
    EXPECT_EQ(a.still_time, b.still_time) << where;
    EXPECT_EQ(a.palette, b.palette) << where;
    EXPECT_EQ(a.programs, b.programs) << where;
    ASSERT_EQ(a.cells.size(), b.cells.size()) << where;
    for (std::size_t i = 0; i < a.cells.size(); ++i) {
        EXPECT_EQ(a.cells[i].first_sector, b.cells[i].first_sector) << where;
        EXPECT_EQ(a.cells[i].still_time, b.cells[i].still_time) << where;
        EXPECT_EQ(a.cells[i].command_number, b.cells[i].command_number) << where;
        EXPECT_EQ(a.cells[i].highlight.has_value(), b.cells[i].highlight.has_value()) << where;
    }
    EXPECT_EQ(a.commands.has_value(), b.commands.has_value()) << where;
    if (a.commands && b.commands) {
        EXPECT_EQ(a.commands->pre, b.commands->pre) << where;
        EXPECT_EQ(a.commands->post, b.commands->post) << where;
        EXPECT_EQ(a.commands->cell, b.commands->cell) << where;
    }
}

std::vector<PgcAddress> everyAddress(const disc::Disc& disc)
{
    std::vector<PgcAddress> all;
    std::vector<const disc::InfoFile*> files { &disc.manager };
    for (const disc::InfoFile& set : disc.title_sets)
        files.push_back(&set);
    for (const disc::InfoFile* file : files) {
        for (std::size_t p = 0; p < file->pgcs.size(); ++p) {
            for (const PgcAddress& address : disc::addressesOf(*file, p))
                all.push_back(address);
        }
    }
    return all;
}

// The line a Goto or SetTmpPML of the original pre commands names, moved.
Command movedBy(Command command, int lines)
{
    const int kind = command[1] & 0x0F;
    if ((command[0] & 0xE0) == 0 && (kind == 1 || kind == 3) && command[7] != 0)
        command[7] = static_cast<std::uint8_t>(command[7] + lines);
    return command;
}

const Command set_gprm3 { 0x71, 0x00, 0x00, 0x03, 0x12, 0x34, 0x00, 0x00 };
const Command nop { 0, 0, 0, 0, 0, 0, 0, 0 };

struct Case {
    std::string name;
    PgcAddress address;
    std::vector<Command> commands;
};

// The places to insert on a disc: First Play, the first PGC of every
// language unit of every menu domain, the first title PGC of each set, a
// PGC without a command table, and the fullest PGC filled to the limit.
std::vector<Case> casesFor(const disc::Disc& disc)
{
    std::vector<Case> cases;
    const std::vector<PgcAddress> all = everyAddress(disc);
    const auto add = [&](const PgcAddress& address, std::vector<Command> commands) {
        cases.push_back({ disc::describe(disc, address), address, std::move(commands) });
    };
    for (const PgcAddress& address : all) {
        if (address.domain == Domain::FirstPlay || address.number == 1)
            add(address, { set_gprm3, nop });
    }
    for (const PgcAddress& address : all) {
        if (!disc::findPgc(disc, address)->commands) {
            add(address, { set_gprm3 });
            break;
        }
    }
    std::size_t most = 0;
    const PgcAddress* fullest = nullptr;
    for (const PgcAddress& address : all) {
        const disc::Pgc* pgc = disc::findPgc(disc, address);
        const std::size_t held = pgc->commands ? pgc->commands->pre.size() + pgc->commands->post.size() + pgc->commands->cell.size() : 0;
        if (!fullest || held > most) {
            most = held;
            fullest = &address;
        }
    }
    if (fullest)
        add(*fullest, std::vector<Command>(disc::most_pgc_commands - most, set_gprm3));
    // The First Play PGC shares its sector with the management table, so a
    // long block makes the file grow there.
    if (disc.manager.first_play) {
        const disc::Pgc& first_play = disc.manager.pgcs[*disc.manager.first_play];
        const std::size_t held = first_play.commands
            ? first_play.commands->pre.size() + first_play.commands->post.size() + first_play.commands->cell.size()
            : 0;
        add({ Domain::FirstPlay, 0, 0, 0 }, std::vector<Command>(disc::most_pgc_commands - held, nop));
    }
    return cases;
}

class Insert : public ::testing::TestWithParam<std::filesystem::path> { };

TEST_P(Insert, TheCopyHoldsTheCommandsAndEverythingElseAsItWas)
{
    const disc::Disc original = readTestDisc(GetParam());
    bool some_file_grew = false;
    int copy_number = 0;
    for (const Case& c : casesFor(original)) {
        SCOPED_TRACE(c.name);
        disc::Disc disc = original;
        const std::string refused = disc::insertPreCommands(disc, c.address, c.commands);
        ASSERT_TRUE(refused.empty()) << refused;
        const std::filesystem::path copy = scratchFolder("insert") / ("copy" + std::to_string(++copy_number));
        std::filesystem::remove(copy);
        const std::string failed = disc::writeFolderCopy(disc, copy);
        ASSERT_TRUE(failed.empty()) << failed;

        const disc::Disc reread = readTestDisc(copy);
        EXPECT_TRUE(reread.notes.empty()) << reread.notes.front();
        for (const std::string& line : layoutDisagreements(original, reread))
            ADD_FAILURE() << line;
        for (const std::string& line : disagreementsWithLibdvdread(reread, copy))
            ADD_FAILURE() << line;
        const auto& before = *disc::infoFileOf(original, c.address);
        const auto& after = *disc::infoFileOf(reread, c.address);
        some_file_grew |= after.bytes.size() > before.bytes.size();
        EXPECT_EQ(fileBytes(copy / "VIDEO_TS" / (disc::infoFileStem(after.title_set) + ".IFO")),
            fileBytes(copy / "VIDEO_TS" / (disc::infoFileStem(after.title_set) + ".BUP")));

        for (const PgcAddress& address : everyAddress(original)) {
            const disc::Pgc& was = *disc::findPgc(original, address);
            const disc::Pgc* now = disc::findPgc(reread, address);
            ASSERT_NE(now, nullptr) << disc::describe(original, address);
            const bool target = disc::infoFileOf(original, address) == &before
                && disc::pgcIndex(original, address) == disc::pgcIndex(original, c.address);
            if (!target) {
                expectSameContent(was, *now, disc::describe(original, address));
                continue;
            }
            ASSERT_TRUE(now->commands);
            std::vector<Command> expected = c.commands;
            if (was.commands) {
                for (const Command& command : was.commands->pre)
                    expected.push_back(movedBy(command, static_cast<int>(c.commands.size())));
                EXPECT_EQ(now->commands->post, was.commands->post);
                EXPECT_EQ(now->commands->cell, was.commands->cell);
            }
            EXPECT_EQ(now->commands->pre, expected);
            disc::Pgc same = *now;
            same.commands = was.commands;
            expectSameContent(was, same, "the target apart from its pre commands");
        }
        if (original.manager.titles) {
            for (std::size_t t = 0; t < original.manager.titles->titles.size(); ++t) {
                const disc::Title& was = original.manager.titles->titles[t];
                const disc::Title& now = reread.manager.titles->titles[t];
                EXPECT_EQ(was.title_set, now.title_set);
                EXPECT_EQ(was.title_in_set, now.title_in_set);
                EXPECT_EQ(was.chapters, now.chapters);
            }
        }
        for (std::size_t s = 0; s < original.title_sets.size(); ++s) {
            if (original.title_sets[s].chapters)
                EXPECT_EQ(original.title_sets[s].chapters->titles.size(), reread.title_sets[s].chapters->titles.size());
        }
        std::filesystem::remove_all(copy);
    }
    EXPECT_TRUE(some_file_grew) << "no case made a table outgrow its sectors";
}

INSTANTIATE_TEST_SUITE_P(TestDiscs, Insert, ::testing::ValuesIn(testDiscs()), discName);

TEST(InsertRefusal, WhatTheFormatCannotHoldIsRefusedAndTheDiscLeftAsItWas)
{
    const disc::Disc original = readTestDisc(testDiscs().front());
    const PgcAddress first = everyAddress(original).front();
    struct Refusal {
        const char* name;
        std::function<void(disc::Disc&)> prepare;
        std::size_t commands;
        std::string message;
    };
    const Refusal refusals[] = {
        { "more than 128 commands", [](disc::Disc&) {}, 129, "commands; a PGC holds at most 128" },
        { "a Goto moved past line 255",
            [&](disc::Disc& d) {
                disc::InfoFile& file = *disc::infoFileOf(d, first);
                disc::Pgc& pgc = file.pgcs[*disc::pgcIndex(d, first)];
                if (!pgc.commands)
                    pgc.commands = disc::CommandTable {};
                // The test adds the Goto to the model only; the bytes are not read again.
                pgc.commands->pre.insert(pgc.commands->pre.begin(), Command { 0x00, 0x01, 0, 0, 0, 0, 0, 250 });
            },
            10, "names line 250, which would become line 260; a line number ends at 255" },
        { "a PGC the disc does not have",
            [](disc::Disc&) {}, 1, "The disc has no VTSM 7 PGC 1" },
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        disc::Disc disc = original;
        refusal.prepare(disc);
        const disc::Disc prepared = disc;
        const PgcAddress where = std::string(refusal.name) == "a PGC the disc does not have"
            ? PgcAddress { Domain::TitleSetMenu, 7, 1, 1 }
            : first;
        const std::string message = disc::insertPreCommands(disc, where, std::vector<Command>(refusal.commands, nop));
        EXPECT_NE(message.find(refusal.message), std::string::npos) << message;
        EXPECT_EQ(disc.manager.bytes, prepared.manager.bytes);
        for (std::size_t s = 0; s < disc.title_sets.size(); ++s)
            EXPECT_EQ(disc.title_sets[s].bytes, prepared.title_sets[s].bytes);
        const disc::Pgc* pgc = disc::findPgc(disc, first);
        const disc::Pgc* was = disc::findPgc(prepared, first);
        EXPECT_EQ(pgc->commands.has_value(), was->commands.has_value());
        if (pgc->commands)
            EXPECT_EQ(pgc->commands->pre, was->commands->pre);
    }
}

TEST(InsertRefusal, APlaceAnotherTableOverlapsIsRefused)
{
    // Two menus sharing one command table: growing it for one would change
    // the other's commands too.
    disc::Disc disc = syntheticDisc({ 1, 1, 2, 1, 2, 1 });
    const PgcAddress first { Domain::TitleSetMenu, 1, 1, 1 };
    const PgcAddress second { Domain::TitleSetMenu, 1, 1, 2 };
    disc::InfoFile& set = disc.title_sets[0];
    disc::Pgc& a = set.pgcs[*disc::pgcIndex(disc, first)];
    disc::Pgc& b = set.pgcs[*disc::pgcIndex(disc, second)];
    a.command_table_offset = static_cast<std::uint16_t>(b.offset + b.command_table_offset - a.offset);
    a.commands = b.commands;
    const disc::Disc before = disc;
    const std::string message = disc::insertPreCommands(disc, second, std::vector<Command> { nop });
    EXPECT_NE(message.find("another table of the file overlaps the place the commands go"), std::string::npos) << message;
    EXPECT_EQ(disc.title_sets[0].bytes, before.title_sets[0].bytes);
}

}
}
