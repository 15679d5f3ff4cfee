#include "core/Checker.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace trevalo {

namespace core {
// Failures show a finding as its severity and text rather than its bytes.
static void PrintTo(const Finding& finding, std::ostream* out)
{
    *out << "{" << static_cast<int>(finding.severity) << ", \"" << finding.text << "\"}";
}
}

namespace {

using core::Finding;
using core::Severity;

const std::string first_play = "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}";
const std::string set3 = "{71 00 00 03 00 05 00 00}";

// `count` copies of `command`, separated by single blanks.
std::string repeated(const std::string& command, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? " " : "") + command;
    return text;
}

// The blocks as an import of a trace leaves them for the root menu of
// title set 1, or for another target when the test names one; the checker
// reads the guard test's line number nowhere, so it stays "00".
class Checker : public ::testing::Test {
protected:
    Checker() { input.domain = "VTSM"; }

    std::vector<Finding> importing(const std::string& trace, const std::string& spliced)
    {
        m_imported = trace;
        m_menu = "{00 B1 00 0E 00 00 00 00} {71 00 00 0E 00 01 00 00} " + spliced
            + " {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
        input.imported = m_imported;
        input.blocks = { { "First Play PGC", first_play }, { target, m_menu } };
        return core::checkBlocks(input);
    }
    std::vector<Finding> importing(const std::string& trace) { return importing(trace, trace); }

    core::CheckInput input;
    std::string target = "VTSM 1 Root Menu";

private:
    std::string m_imported;
    std::string m_menu;
};

std::vector<Severity> severities(const std::vector<Finding>& findings)
{
    std::vector<Severity> result;
    for (const Finding& finding : findings)
        result.push_back(finding.severity);
    return result;
}

TEST_F(Checker, AnImportThatSetsTheGuardRegisterIsFound)
{
    const auto found = importing("{71 00 00 03 00 05 00 00}\r\n{71 00 00 0E 00 05 00 00}",
        "{71 00 00 03 00 05 00 00} {71 00 00 0E 00 05 00 00}");
    EXPECT_EQ(found,
        (std::vector<Finding> { { Severity::GuardInUse, "The disc itself uses the guard register",
            "The disc's own start-up sets the guard register GPRM 14 (imported command 2, {71 00 00 0E 00 05 00 00}), "
            "so the shortcut can fire again on a later visit: undo, choose another register and import again." } }));

    // Set from another register is a set all the same.
    EXPECT_EQ(severities(importing("{61 00 00 0E 00 03 00 00}")), std::vector { Severity::GuardInUse });

    input.guard_register = 3;
    const auto third = importing(set3);
    ASSERT_EQ(third.size(), 1u);
    EXPECT_EQ(third[0].text,
        "The disc's own start-up sets the guard register GPRM 3 (imported command 1, {71 00 00 03 00 05 00 00}), "
        "so the shortcut can fire again on a later visit: undo, choose another register and import again.");
}

// Only a set of the guard itself, and only one that came with the import:
// the menu block's own "GPRM 14 := 1" is what the guard is for.
TEST_F(Checker, TheGuardIsNotFoundWhereNothingImportedSetsIt)
{
    EXPECT_EQ(importing("{71 00 00 0D 00 05 00 00} {71 00 00 0F 00 05 00 00} {00 B1 00 0E 00 00 00 03}"),
        std::vector<Finding> {});
    EXPECT_EQ(importing("", "{71 00 00 0E 00 07 00 00}"), std::vector<Finding> {});
    input.guard_register = 3;
    EXPECT_EQ(importing("{71 00 00 0E 00 05 00 00}"), std::vector<Finding> {});
}

TEST_F(Checker, InTheAllRegistersCheckOnlyGprm0SetToTheMarkerIsFound)
{
    input.all_registers = true;
    EXPECT_EQ(importing("{71 00 00 0E 00 05 00 00} {71 00 00 00 30 38 00 00} {71 00 00 01 30 39 00 00}"),
        std::vector<Finding> {});
    EXPECT_EQ(importing("{71 00 00 03 00 05 00 00} {71 00 00 00 30 39 00 00}"),
        (std::vector<Finding> { { Severity::GuardInUse, "The disc itself sets GPRM 0 to the marker",
            "The disc's own start-up sets GPRM 0 to the marker value 12345 (imported command 2, {71 00 00 00 30 39 00 00}), "
            "so the shortcut can fire again: undo, choose another marker value and import again." } }));

    input.marker = 22222;
    EXPECT_EQ(importing("{71 00 00 00 30 39 00 00}"), std::vector<Finding> {});
    EXPECT_EQ(severities(importing("{71 00 00 00 56 CE 00 00}")), std::vector { Severity::GuardInUse });

    // With a guard register the marker means nothing.
    input.all_registers = false;
    EXPECT_EQ(importing("{71 00 00 00 56 CE 00 00}"), std::vector<Finding> {});
}

TEST_F(Checker, ABlockOfMoreThan128CommandsIsOverTheBudget)
{
    // 124 imported commands make a block of exactly 128.
    EXPECT_EQ(importing(repeated(set3, 124)), std::vector<Finding> {});
    EXPECT_EQ(importing(repeated(set3, 125)),
        (std::vector<Finding> { { Severity::OverBudget, "A block has more than 128 commands",
            "The block for VTSM 1 Root Menu has 129 commands; a PGC holds at most 128 pre commands, its own included: "
            "copy fewer registers in PgcEdit." } }));

    // Every block is counted, each for its own PGC.
    const std::string long_first_play = repeated("{00 00 00 00 00 00 00 00}", 130);
    input.blocks = { { "First Play PGC", long_first_play }, { "VTSM 1 Root Menu", first_play } };
    const auto found = core::checkBlocks(input);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text.substr(0, 45), "The block for First Play PGC has 130 commands");
}

TEST_F(Checker, StreamSettingsAreFoundOnlyInTheBlockOfAVmgmPgc)
{
    input.domain = "VMGM";
    target = "VMGM 1";
    const std::string two_streams = "{51 00 00 82 C5 00 00 00} {51 00 00 00 00 81 00 00}";
    EXPECT_EQ(importing(two_streams),
        (std::vector<Finding> { { Severity::WrongDomain, "Stream settings in a VMGM block",
            "The block for VMGM 1 sets streams (SetSTN), which players take only in title-set menus and titles: "
            "switch Set streams off, or remove the command in PgcEdit." } }));
    EXPECT_EQ(importing("{56 00 00 00 04 00 00 00}"), std::vector<Finding> {});

    for (const char* domain : { "VTSM", "Title" }) {
        input.domain = domain;
        EXPECT_EQ(importing(two_streams), std::vector<Finding> {}) << domain;
    }
}

// The edges of every range, and stream bytes without their set flag, which
// leave that stream as it is.
TEST_F(Checker, ValuesAtTheEdgesOfTheirRangesAreAccepted)
{
    EXPECT_EQ(importing("{71 00 00 00 FF FF 00 00} {71 00 00 0F 00 05 00 00} {51 00 00 80 C0 81 00 00} "
                        "{51 00 00 87 9F 89 00 00} {51 00 00 00 BF 00 00 00} {56 00 00 00 04 00 00 00} "
                        "{56 00 00 00 90 00 00 00}"),
        std::vector<Finding> {});
    EXPECT_EQ(importing("{51 00 00 08 00 00 00 00}"), std::vector<Finding> {});
    EXPECT_EQ(importing("{51 00 00 00 00 0A 00 00}"), std::vector<Finding> {});
}

TEST_F(Checker, ValuesNoPlayerAcceptsAreFoundWithTheirCommandAndBlock)
{
    const std::vector<std::pair<std::string, std::string>> cases {
        { "{71 00 00 10 00 05 00 00}", "names register 16; there are only GPRM 0 to 15" },
        { "{61 00 00 FF 00 03 00 00}", "names register 255; there are only GPRM 0 to 15" },
        { "{51 00 00 88 00 00 00 00}", "sets audio stream 8; there are only streams 0 to 7" },
        { "{51 00 00 00 00 8A 00 00}", "sets angle 10; angles run from 1 to 9" },
        { "{51 00 00 00 00 80 00 00}", "sets angle 0; angles run from 1 to 9" },
        { "{56 00 00 00 94 00 00 00}", "highlights button value 37888; buttons run from 1 to 36 (1024 to 36864)" },
        { "{56 00 00 00 04 01 00 00}", "highlights button value 1025; buttons run from 1 to 36 (1024 to 36864)" },
        { "{56 00 00 00 00 00 00 00}", "highlights button value 0; buttons run from 1 to 36 (1024 to 36864)" },
    };
    for (const auto& [command, problem] : cases) {
        EXPECT_EQ(importing(command),
            (std::vector<Finding> { { Severity::OutOfRange, "A value no player accepts",
                "Command 3 of the block for VTSM 1 Root Menu, " + command + ", " + problem
                    + ": correct it in PgcEdit and trace again." } }));
    }

    // One finding for each such command, in the order of the block.
    const auto found = importing("{56 00 00 00 94 00 00 00} " + set3 + " {71 00 00 10 00 05 00 00}");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].text.substr(0, 9), "Command 3");
    EXPECT_EQ(found[1].text.substr(0, 9), "Command 5");
}

TEST_F(Checker, FindingsComeWorstFirst)
{
    input.domain = "VMGM";
    target = "VMGM 1";
    const std::string trace = "{56 00 00 00 94 00 00 00} {51 00 00 82 00 00 00 00} " + repeated(set3, 123)
        + " {71 00 00 0E 00 05 00 00}";
    EXPECT_EQ(severities(importing(trace)),
        (std::vector { Severity::GuardInUse, Severity::OverBudget, Severity::WrongDomain, Severity::OutOfRange }));
}

}
}
