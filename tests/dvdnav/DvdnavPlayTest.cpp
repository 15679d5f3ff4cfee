// The test discs played by libdvdnav (trevalo_dvdnav_play in a subprocess):
// each path below is what the disc's script says the disc does, so these
// are the discs' own acceptance test and the player's. Also: the registers
// read on duplicates are the ones the disc's commands set, reading them
// leaves the player's path alone, and the player's options do what they say.

#include "dvdnav/DvdnavRun.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using trevalo::testing::DvdnavRun;
using trevalo::testing::playWithDvdnav;

namespace {

using Lines = std::vector<std::string>;

std::string testDisc(const std::string& name)
{
    return std::string(TREVALO_TEST_DISCS_DIR) + "/" + name;
}

struct Walk {
    std::string name;
    std::string disc;
    std::vector<std::string> args;
    Lines expected;
};

// The registers as firstplay_menus's First Play leaves them: every bit of
// g12, bits in each six-bit part of g1 and g2, and g0 with only its lowest.
const std::string fpSet = "1,4660,43981,";
const std::string fpEnd = ",65535,0,0,0";

const std::string warning = "CELL VTS vts=1 tt=1 ptt=1 pgc=1 pg=1 cell=1 btn=1 audio=1 spu=-1";
const std::string titleMenu = "VMGM vts=0 menu=2 pgc=1 pg=1 cell=1 btn=1 audio=0 spu=0";
const std::string rootMenu = "VTSM vts=1 menu=0 pgc=2 pg=1 cell=1 btn=1 audio=0 spu=0";

const std::vector<Walk> walks {
    { "FirstPlaySetsRegistersAndStreamsThenWarningThenTitleMenu", "firstplay_menus", { "--registers" },
        {
            warning + " gprm=" + fpSet + "0,0,0,0,0,0,0,0,0" + fpEnd,
            "CELL " + titleMenu + " gprm=" + fpSet + "0,0,0,0,0,0,0,0,0" + fpEnd,
            "STOP " + titleMenu + " buttons=3 gprm=" + fpSet + "0,0,0,0,0,0,0,0,0" + fpEnd,
        } },
    { "RootThroughDummyStreamsAndHighlightChapterMenuChapterThree", "firstplay_menus",
        { "--registers", "--buttons", "1,2,3,3" },
        {
            warning + " gprm=" + fpSet + "0,0,0,0,0,0,0,0,0" + fpEnd,
            "CELL " + titleMenu + " gprm=" + fpSet + "0,0,0,0,0,0,0,0,0" + fpEnd,
            "MENU " + titleMenu + " buttons=3 press=1 gprm=" + fpSet + "0,0,0,0,0,0,0,0,0" + fpEnd,
            // The dummy root menu set g3 and linked to the real one.
            "CELL " + rootMenu + " gprm=" + fpSet + "7,0,0,0,0,0,0,0,0" + fpEnd,
            "MENU " + rootMenu + " buttons=6 press=2 gprm=" + fpSet + "7,0,0,0,0,0,0,0,0" + fpEnd,
            // SetSTN and LinkCN 1 with button 3.
            "CELL VTSM vts=1 menu=0 pgc=2 pg=1 cell=1 btn=3 audio=0 spu=0 gprm=" + fpSet + "7,0,0,0,0,0,0,0,0" + fpEnd,
            "MENU VTSM vts=1 menu=0 pgc=2 pg=1 cell=1 btn=3 audio=0 spu=0 buttons=6 press=3 gprm=" + fpSet
                + "7,0,0,0,0,0,0,0,0" + fpEnd,
            // SetHL_BTN 2048 before the jump; the chapter menu's own pre sets g6.
            "CELL VTSM vts=1 menu=7 pgc=3 pg=1 cell=1 btn=2 audio=0 spu=0 gprm=" + fpSet + "7,0,0,1,0,0,0,0,0" + fpEnd,
            "MENU VTSM vts=1 menu=7 pgc=3 pg=1 cell=1 btn=2 audio=0 spu=0 buttons=3 press=3 gprm=" + fpSet
                + "7,0,0,1,0,0,0,0,0" + fpEnd,
            "CELL VTS vts=1 tt=2 ptt=3 pgc=2 pg=3 cell=3 btn=3 audio=1 spu=0 gprm=" + fpSet + "7,0,0,1,0,0,0,0,0" + fpEnd,
            // The feature's post calls the root entry: the dummy again.
            "CELL " + rootMenu + " gprm=" + fpSet + "7,0,0,1,0,0,0,0,0" + fpEnd,
            "STOP " + rootMenu + " buttons=6 gprm=" + fpSet + "7,0,0,1,0,0,0,0,0" + fpEnd,
        } },
    { "AudioAndSubtitleMenusSetTheFeaturesStreams", "firstplay_menus",
        { "--registers", "--buttons", "1,4,1,5,1,1" },
        {
            warning + " gprm=" + fpSet + "0,0,0,0,0,0,0,0,0" + fpEnd,
            "CELL " + titleMenu + " gprm=" + fpSet + "0,0,0,0,0,0,0,0,0" + fpEnd,
            "MENU " + titleMenu + " buttons=3 press=1 gprm=" + fpSet + "0,0,0,0,0,0,0,0,0" + fpEnd,
            "CELL " + rootMenu + " gprm=" + fpSet + "7,0,0,0,0,0,0,0,0" + fpEnd,
            "MENU " + rootMenu + " buttons=6 press=4 gprm=" + fpSet + "7,0,0,0,0,0,0,0,0" + fpEnd,
            // g7 and g8 through dvdauthor's dispatch in the post: g15 held
            // the button's code, g14 still does.
            "CELL VTSM vts=1 menu=5 pgc=4 pg=1 cell=1 btn=1 audio=0 spu=0 gprm=" + fpSet + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "MENU VTSM vts=1 menu=5 pgc=4 pg=1 cell=1 btn=1 audio=0 spu=0 buttons=2 press=1 gprm=" + fpSet
                + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "CELL " + rootMenu + " gprm=" + fpSet + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "MENU " + rootMenu + " buttons=6 press=5 gprm=" + fpSet + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "CELL VTSM vts=1 menu=4 pgc=5 pg=1 cell=1 btn=1 audio=0 spu=0 gprm=" + fpSet + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "MENU VTSM vts=1 menu=4 pgc=5 pg=1 cell=1 btn=1 audio=0 spu=0 buttons=2 press=1 gprm=" + fpSet
                + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "CELL " + rootMenu + " gprm=" + fpSet + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "MENU " + rootMenu + " buttons=6 press=1 gprm=" + fpSet + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            // audio = 0 and subtitle = 0 (chosen, not shown) from the menus.
            "CELL VTS vts=1 tt=2 ptt=1 pgc=2 pg=1 cell=1 btn=1 audio=0 spu=0:off gprm=" + fpSet
                + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "CELL VTS vts=1 tt=2 ptt=2 pgc=2 pg=2 cell=2 btn=1 audio=0 spu=0:off gprm=" + fpSet
                + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "CELL VTS vts=1 tt=2 ptt=3 pgc=2 pg=3 cell=3 btn=1 audio=0 spu=0:off gprm=" + fpSet
                + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "CELL " + rootMenu + " gprm=" + fpSet + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
            "STOP " + rootMenu + " buttons=6 gprm=" + fpSet + "7,0,0,0,4,5,0,0,0,65535,0,4,0",
        } },
    { "TitleMenuToChapterMenuKeepsItsHighlight", "firstplay_menus", { "--buttons", "3,2" },
        {
            warning,
            "CELL " + titleMenu,
            "MENU " + titleMenu + " buttons=3 press=3",
            "CELL VTSM vts=1 menu=7 pgc=3 pg=1 cell=1 btn=3 audio=0 spu=0",
            "MENU VTSM vts=1 menu=7 pgc=3 pg=1 cell=1 btn=3 audio=0 spu=0 buttons=3 press=2",
            "CELL VTS vts=1 tt=2 ptt=2 pgc=2 pg=2 cell=2 btn=2 audio=1 spu=0",
            "CELL VTS vts=1 tt=2 ptt=3 pgc=2 pg=3 cell=3 btn=2 audio=1 spu=0",
            "CELL " + rootMenu,
            "STOP " + rootMenu + " buttons=6",
        } },
    { "FrenchPlayerSeesTheFrenchLanguageUnits", "firstplay_menus", { "--lang", "fr", "--buttons", "1,1" },
        {
            warning,
            "CELL " + titleMenu,
            "MENU " + titleMenu + " buttons=2 press=1",
            "CELL VTSM vts=1 menu=3 pgc=1 pg=1 cell=1 btn=1 audio=0 spu=0",
            "MENU VTSM vts=1 menu=3 pgc=1 pg=1 cell=1 btn=1 audio=0 spu=0 buttons=2 press=1",
            "CELL VTS vts=1 tt=2 ptt=1 pgc=2 pg=1 cell=1 btn=1 audio=1 spu=0",
            "CELL VTS vts=1 tt=2 ptt=2 pgc=2 pg=2 cell=2 btn=1 audio=1 spu=0",
            "CELL VTS vts=1 tt=2 ptt=3 pgc=2 pg=3 cell=3 btn=1 audio=1 spu=0",
            "CELL VTSM vts=1 menu=3 pgc=1 pg=1 cell=1 btn=1 audio=0 spu=0",
            "STOP VTSM vts=1 menu=3 pgc=1 pg=1 cell=1 btn=1 audio=0 spu=0 buttons=2",
        } },
    { "CellCommandsLoopAChapterThenBothTitleSetsThroughTheVmgm", "two_titlesets", { "--registers" },
        {
            "CELL VTS vts=1 tt=1 ptt=1 pgc=1 pg=1 cell=1 btn=1 audio=0 spu=0:off gprm=0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0",
            "CELL VTS vts=1 tt=1 ptt=2 pgc=1 pg=2 cell=2 btn=1 audio=0 spu=0:off gprm=0,1,0,0,1,0,0,0,0,0,0,0,0,0,0,0",
            "CELL VTS vts=1 tt=1 ptt=2 pgc=1 pg=3 cell=3 btn=1 audio=0 spu=0:off gprm=0,1,0,0,11,0,0,0,0,0,0,0,0,0,0,0",
            "CELL VTS vts=1 tt=1 ptt=2 pgc=1 pg=2 cell=2 btn=1 audio=0 spu=0:off gprm=0,1,0,0,11,0,0,0,0,0,0,0,0,0,0,0",
            "CELL VTS vts=1 tt=1 ptt=2 pgc=1 pg=3 cell=3 btn=1 audio=0 spu=0:off gprm=0,1,0,0,21,0,0,0,0,0,0,0,0,0,0,0",
            "CELL VTS vts=1 tt=1 ptt=3 pgc=1 pg=4 cell=4 btn=1 audio=0 spu=0:off gprm=0,1,0,0,21,0,0,0,0,0,0,0,0,0,0,0",
            "CELL VTS vts=2 tt=3 ptt=1 pgc=1 pg=1 cell=1 btn=1 audio=0 spu=-1 gprm=0,2,0,0,21,5,0,0,0,0,0,0,0,0,0,0",
            "CELL VTS vts=2 tt=3 ptt=1 pgc=1 pg=1 cell=2 btn=1 audio=0 spu=-1 gprm=0,2,0,0,21,5,0,0,0,0,0,0,0,0,0,0",
            "CELL VTS vts=1 tt=2 ptt=1 pgc=2 pg=1 cell=1 btn=1 audio=0 spu=-1 gprm=0,3,0,0,21,5,0,0,0,0,0,0,0,0,0,0",
            "END",
        } },
    { "OneTitleThenTheEnd", "single_title", { "--registers" },
        {
            "CELL VTS vts=1 tt=1 ptt=1 pgc=1 pg=1 cell=1 btn=1 audio=0 spu=-1 gprm=0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",
            "END",
        } },
};

void PrintTo(const Walk& w, std::ostream* os) { *os << w.disc << " " << w.name; }

class DiscPath : public ::testing::TestWithParam<Walk> { };

TEST_P(DiscPath, IsWhatItsScriptSays)
{
    const Walk& w = GetParam();
    const DvdnavRun run = playWithDvdnav(testDisc(w.disc), w.args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines, w.expected);
}

std::string withoutRegisters(std::string line)
{
    const std::size_t at = line.find(" gprm=");
    return at == std::string::npos ? line : line.substr(0, at);
}

// The registers are read on duplicates: the player itself must take the
// same path, highlights and streams whether or not they are read.
TEST_P(DiscPath, IsTheSameWithoutReadingRegisters)
{
    const Walk& w = GetParam();
    std::vector<std::string> args;
    for (const std::string& a : w.args) {
        if (a != "--registers")
            args.push_back(a);
    }
    std::vector<std::string> withRegisters = { "--registers" };
    withRegisters.insert(withRegisters.end(), args.begin(), args.end());
    const DvdnavRun plain = playWithDvdnav(testDisc(w.disc), args);
    const DvdnavRun read = playWithDvdnav(testDisc(w.disc), withRegisters);
    ASSERT_EQ(plain.status, 0);
    ASSERT_EQ(read.status, 0);
    Lines stripped;
    for (const std::string& line : read.lines) {
        // END and LIMIT lines carry no registers; event lines all do.
        if (line != "END" && line != "LIMIT") {
            EXPECT_NE(line.find(" gprm="), std::string::npos) << line;
        }
        stripped.push_back(withoutRegisters(line));
    }
    EXPECT_EQ(stripped, plain.lines);
}

INSTANTIATE_TEST_SUITE_P(TestDiscs, DiscPath, ::testing::ValuesIn(walks),
    [](const ::testing::TestParamInfo<Walk>& info) { return info.param.name; });

struct OptionCase {
    std::string name;
    std::string folder;
    std::vector<std::string> args;
    int status;
    Lines expected;
};

const std::string menus = testDisc("firstplay_menus");

const std::vector<OptionCase> optionCases {
    { "MaxEventsStopsAfterThatManyLines", menus, { "--max-events", "2" }, 0,
        { warning, "CELL " + titleMenu, "LIMIT" } },
    { "UntilStopsAtTheFirstLineInThatDomain", menus, { "--until", "VMGM" }, 0, { warning, "CELL " + titleMenu } },
    { "UntilAVtsStopsAtOnce", menus, { "--until", "VTS" }, 0, { warning } },
    { "AButtonTheMenuLacksIsAnError", menus, { "--buttons", "7" }, 2,
        { warning, "CELL " + titleMenu, "MENU " + titleMenu + " buttons=3 press=7", "ERROR no button 7 of 3" } },
    { "NoFolderIsAnError", "/nonexistent", {}, 2, { "ERROR cannot open /nonexistent" } },
};

void PrintTo(const OptionCase& c, std::ostream* os) { *os << c.name; }

class PlayerOption : public ::testing::TestWithParam<OptionCase> { };

TEST_P(PlayerOption, DoesWhatItSays)
{
    const OptionCase& c = GetParam();
    const DvdnavRun run = playWithDvdnav(c.folder, c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.lines, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Options, PlayerOption, ::testing::ValuesIn(optionCases),
    [](const ::testing::TestParamInfo<OptionCase>& info) { return info.param.name; });

TEST(PlayerUsage, ABadOptionPrintsNothingAndFails)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>> {
             { "--buttons", "0" }, { "--buttons", "1,,2" }, { "--until", "TITLE" }, { "--lang", "eng" },
             { "--region", "9" }, { "--max-events", "0" }, { "--frobnicate" }, { "--buttons" } }) {
        const DvdnavRun run = playWithDvdnav(menus, args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_TRUE(run.lines.empty()) << args[0];
    }
}

}
