// Copies with inserted commands, played by libdvdnav from insert: where the
// inserted commands jump, the player lands; where they fall through, the
// PGC's own commands run as before, their Goto lines moved; and the register
// the insert sets reads back. For the First Play PGC, a VMGM menu and a VTSM
// menu in each language unit, a title PGC, a PGC without a command table and
// an insert that makes its table grow a sector.

#include "DiscLayout.h"
#include "TestDiscs.h"

#include "disc/FolderCopy.h"
#include "disc/PgcAddress.h"
#include "disc/PreCommandInsert.h"
#include "dvdnav/DvdnavRun.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace trevalo::testing {
namespace {

using disc::Command;
using disc::Domain;
using disc::PgcAddress;

// One line of the player's output, as fields: "kind", "domain", then each
// name=value.
std::map<std::string, std::string> fieldsOf(const std::string& line)
{
    std::map<std::string, std::string> fields;
    std::istringstream words { line };
    std::string word;
    words >> fields["kind"] >> fields["domain"];
    while (words >> word) {
        const std::size_t equals = word.find('=');
        if (equals != std::string::npos)
            fields[word.substr(0, equals)] = word.substr(equals + 1);
    }
    return fields;
}

std::string gprm(const std::map<std::string, std::string>& fields, int n)
{
    std::istringstream values { fields.count("gprm") ? fields.at("gprm") : "" };
    std::string value;
    for (int i = 0; i <= n && std::getline(values, value, ','); ++i) {
    }
    return value;
}

// The player's lines without the registers, to compare paths.
std::vector<std::string> path(const DvdnavRun& run)
{
    std::vector<std::string> lines;
    for (const std::string& line : run.lines)
        lines.push_back(line.substr(0, line.find(" gprm=")));
    return lines;
}

const Command set_gprm9 { 0x71, 0x00, 0x00, 0x09, 0x00, 0x99, 0x00, 0x00 }; // gprm(9) = 153
const Command nop { 0, 0, 0, 0, 0, 0, 0, 0 };
const Command jump_title2 { 0x30, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00 }; // JumpTT 2
const Command jump_vts_title1 { 0x30, 0x03, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00 }; // JumpVTS_TT 1
const Command jump_root { 0x30, 0x06, 0x00, 0x01, 0x01, 0x83, 0x00, 0x00 }; // JumpSS VTSM 1 root
const Command link_pgc2 { 0x20, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02 }; // LinkPGCN 2

struct Played {
    DvdnavRun original;
    DvdnavRun copy;
};

// Inserts into a copy of the disc (after `prepare` changes the model) and
// plays the original and the copy alike.
Played insertAndPlay(const std::string& name, const std::string& disc_name, const PgcAddress& where,
    const std::vector<Command>& commands, const std::vector<std::string>& args,
    const std::function<void(disc::Disc&)>& prepare = {})
{
    Played played;
    disc::Disc disc = readTestDisc(testDisc(disc_name));
    if (prepare)
        prepare(disc);
    const std::string refused = disc::insertPreCommands(disc, where, commands);
    EXPECT_TRUE(refused.empty()) << refused;
    const std::filesystem::path copy = scratchFolder("playback") / name;
    std::filesystem::remove(copy);
    const std::string failed = disc::writeFolderCopy(disc, copy);
    EXPECT_TRUE(failed.empty()) << failed;
    std::vector<std::string> with_registers = args;
    with_registers.push_back("--registers");
    played.original = playWithDvdnav(testDisc(disc_name).string(), with_registers);
    played.copy = playWithDvdnav(copy.string(), with_registers);
    EXPECT_EQ(played.copy.status, 0) << name;
    return played;
}

// The first line in the domain, after the line that matched `after`.
std::map<std::string, std::string> firstIn(const DvdnavRun& run, const std::string& domain, std::size_t from = 0)
{
    for (std::size_t i = from; i < run.lines.size(); ++i) {
        const auto fields = fieldsOf(run.lines[i]);
        if (fields.at("domain") == domain)
            return fields;
    }
    return {};
}

TEST(InsertPlayback, AJumpAtTheTopOfFirstPlayLandsWhereItSays)
{
    const Played played = insertAndPlay("first-play", "firstplay_menus", { Domain::FirstPlay, 0, 0, 0 },
        { set_gprm9, jump_root }, { "--max-events", "3" });
    // The root entry is a dummy of no cells that links on to PGC 2.
    const auto first = fieldsOf(played.copy.lines.at(0));
    EXPECT_EQ(first.at("domain"), "VTSM");
    EXPECT_EQ(first.at("vts"), "1");
    EXPECT_EQ(first.at("pgc"), "2");
    EXPECT_EQ(gprm(first, 9), "153");
    // The disc's own First Play commands did not run: gprm(1) stays 0.
    EXPECT_EQ(gprm(first, 1), "0");
    EXPECT_EQ(fieldsOf(played.original.lines.at(0)).at("domain"), "VTS");
}

TEST(InsertPlayback, AJumpInAVmgmMenuOfEachLanguageUnit)
{
    for (const auto& [unit, language] : { std::pair { 1, "en" }, std::pair { 2, "fr" } }) {
        SCOPED_TRACE(language);
        const Played played = insertAndPlay(std::string("vmgm-") + language, "firstplay_menus",
            { Domain::ManagerMenu, 0, unit, 1 }, { set_gprm9, jump_title2 }, { "--lang", language, "--max-events", "4" });
        // First Play plays title 1; its post calls the title menu, whose
        // inserted jump goes to title 2 before the menu's still.
        ASSERT_GE(played.copy.lines.size(), 2u);
        const auto warning = fieldsOf(played.copy.lines[0]);
        const auto next = fieldsOf(played.copy.lines[1]);
        EXPECT_EQ(warning.at("tt"), "1");
        EXPECT_EQ(next.at("domain"), "VTS");
        EXPECT_EQ(next.at("tt"), "2");
        EXPECT_EQ(gprm(next, 9), "153");
        EXPECT_EQ(fieldsOf(played.original.lines.at(1)).at("domain"), "VMGM");
    }
}

TEST(InsertPlayback, AJumpInAVtsmMenuOfEachLanguageUnit)
{
    // The root menu: PGC 2 in the English unit (PGC 1 is a dummy linking
    // to it), PGC 1 in the French one; reached from the VMGM's button 1.
    for (const auto& [unit, number, language] : { std::tuple { 1, 2, "en" }, std::tuple { 2, 1, "fr" } }) {
        SCOPED_TRACE(language);
        const Played played = insertAndPlay(std::string("vtsm-") + language, "firstplay_menus",
            { Domain::TitleSetMenu, 1, unit, number }, { set_gprm9, jump_vts_title1 },
            { "--lang", language, "--buttons", "1", "--max-events", "4" });
        // Title 1, the VMGM menu (button 1 pressed), then instead of the
        // root menu's still, title 1 of the set.
        const auto menu = fieldsOf(played.copy.lines.at(2));
        EXPECT_EQ(menu.at("kind"), "MENU");
        const auto landed = fieldsOf(played.copy.lines.at(3));
        EXPECT_EQ(landed.at("domain"), "VTS");
        EXPECT_EQ(landed.at("tt"), "1");
        EXPECT_EQ(gprm(landed, 9), "153");
        EXPECT_EQ(fieldsOf(played.original.lines.at(3)).at("domain"), "VTSM");
    }
}

TEST(InsertPlayback, ALinkInATitlePgc)
{
    // two_titlesets' title 1 links to PGC 2 (title 2) instead of playing.
    const Played played = insertAndPlay("title", "two_titlesets", { Domain::Title, 1, 0, 1 }, { set_gprm9, link_pgc2 },
        { "--max-events", "3" });
    const auto first = firstIn(played.copy, "VTS");
    EXPECT_EQ(first.at("pgc"), "2");
    EXPECT_EQ(gprm(first, 9), "153");
    EXPECT_EQ(firstIn(played.original, "VTS").at("pgc"), "1");
}

TEST(InsertPlayback, FallingThroughRunsThePgcsOwnCommandsAsBefore)
{
    // The VMGM PGC that dispatches with Gotos, and the title whose cell
    // commands loop back a chapter: with a set added at the top of each,
    // the whole path is the same and the set shows in every line after.
    const struct {
        const char* name;
        PgcAddress where;
    } cases[] = {
        { "dispatch", { Domain::ManagerMenu, 0, 1, 1 } },
        { "cell-loop", { Domain::Title, 1, 0, 1 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Played played = insertAndPlay(c.name, "two_titlesets", c.where, { set_gprm9, nop, nop }, {});
        EXPECT_EQ(path(played.copy), path(played.original));
        EXPECT_GT(played.copy.lines.size(), 8u);
        const auto last_cell = fieldsOf(played.copy.lines.at(played.copy.lines.size() - 2));
        EXPECT_EQ(gprm(last_cell, 9), "153");
    }
}

TEST(InsertPlayback, APgcWithoutACommandTableGetsOne)
{
    // dvdauthor always writes a command table; the model drops the empty
    // one of single_title's title first, so the insert must make one.
    const Played played = insertAndPlay("no-table", "single_title", { Domain::Title, 1, 0, 1 }, { set_gprm9 }, {},
        [](disc::Disc& disc) {
            disc::Pgc& title = disc.title_sets[0].pgcs[*disc::pgcIndex(disc, { Domain::Title, 1, 0, 1 })];
            ASSERT_TRUE(title.commands && title.commands->pre.empty() && title.commands->post.empty());
            title.commands.reset();
            title.command_table_offset = 0;
        });
    EXPECT_EQ(path(played.copy), path(played.original));
    EXPECT_EQ(gprm(firstIn(played.copy, "VTS"), 9), "153");
}

TEST(InsertPlayback, AnInsertThatGrowsItsTableBySectorsStillLands)
{
    const disc::Disc original = readTestDisc(testDisc("firstplay_menus"));
    std::vector<Command> block(100, nop);
    block.push_back(set_gprm9);
    block.push_back(jump_title2);
    const Played played
        = insertAndPlay("grown", "firstplay_menus", { Domain::FirstPlay, 0, 0, 0 }, block, { "--max-events", "2" });
    const auto first = fieldsOf(played.copy.lines.at(0));
    EXPECT_EQ(first.at("tt"), "2");
    EXPECT_EQ(gprm(first, 9), "153");
    EXPECT_GT(std::filesystem::file_size(scratchFolder("unused").parent_path() / "playback" / "grown" / "VIDEO_TS" / "VIDEO_TS.IFO"),
        original.manager.bytes.size());
}

}
}
