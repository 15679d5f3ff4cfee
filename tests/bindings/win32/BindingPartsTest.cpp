#include "ui/Button.h"
#include "bindings/win32/Accelerators.h"
#include "bindings/win32/CommandLine.h"
#include "bindings/win32/ConsoleOutput.h"
#include "bindings/win32/PixelScale.h"
#include "bindings/win32/TextMapping.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// The pieces of the Win32 binding that turn the model's texts and twips
// into what Win32 takes; the session test drives the rest on real controls.
namespace trevalo::win32 {
namespace {

TEST(Accelerators, ReadTheModelsKeyTexts)
{
    struct Case {
        const char* keys;
        BYTE modifiers;
        WORD key;
    };
    const Case cases[] = {
        { "Ctrl+I", FCONTROL, 'I' },
        { "Ctrl+1", FCONTROL, '1' },
        { "F1", 0, VK_F1 },
        { "F12", 0, VK_F12 },
        { "Ctrl+Shift+z", FCONTROL | FSHIFT, 'Z' },
        { "Alt+Del", FALT, VK_DELETE },
    };
    for (const Case& c : cases) {
        const std::optional<ACCEL> accel = Accelerators::parse(c.keys, 123);
        ASSERT_TRUE(accel) << c.keys;
        EXPECT_EQ(accel->fVirt, FVIRTKEY | c.modifiers) << c.keys;
        EXPECT_EQ(accel->key, c.key) << c.keys;
        EXPECT_EQ(accel->cmd, 123) << c.keys;
    }
    for (const char* unreadable : { "", "Ctrl+", "Hyper+I", "F0", "F25", "Ctrl+Nothing" })
        EXPECT_FALSE(Accelerators::parse(unreadable, 1)) << unreadable;
}

// The marking and tooltip rules are the bindings' shared ones; here only
// the way to UTF-16 and back.
TEST(TextMapping, CaptionsAndTooltipsReachUtf16Whole)
{
    EXPECT_EQ(TextMapping::caption("Salt & Pepper", 'P'), L"Salt && &Pepper");
    ui::Window window { "W", "", 3000, 2000 };
    ui::Button button { &window, "b" };
    button.setTooltip("Stra\xC3\x9F" "e");
    button.setShortcut("Ctrl+1");
    EXPECT_EQ(TextMapping::tooltip(button), L"Stra\u00DFe (Ctrl+1)");
    EXPECT_EQ(TextMapping::utf8(TextMapping::wide("Stra\xC3\x9F" "e \xE2\x86\x92 {00}\r\n")), "Stra\xC3\x9F" "e \xE2\x86\x92 {00}\r\n");
}

TEST(PixelScale, RoundsEdgesSoNeighboursMeetAtAnyDpi)
{
    // A list ending where the next begins, as cboSelect and cboPGC do.
    const ui::Place left { 465, 495, 975, 315 };
    const ui::Place right { 1440, 495, 570, 315 };
    for (int dpi : { 96, 120, 144, 168, 192 }) {
        const PixelScale scale(dpi);
        EXPECT_EQ(scale.rect(left).right, scale.rect(right).left) << dpi;
    }
    EXPECT_EQ(PixelScale(96).size(11010, 8430).cx, 734);
    EXPECT_EQ(PixelScale(96).size(11010, 8430).cy, 562);
    EXPECT_EQ(PixelScale(144).size(11010, 8430).cx, 1101);
    EXPECT_EQ(PixelScale(144).size(11010, 8430).cy, 843);
}

// trevalo.exe reads its command line as the Linux program does: help and
// the version by either spelling, --disc for the command line without a
// window wherever it stands, one folder for the window, and nothing else.
TEST(CommandLine, ReadsWhatTheLinuxProgramReads)
{
    using Action = CommandLine::Action;
    const struct {
        std::vector<std::string> args;
        Action action;
        std::string folder;
        std::string refusal;
    } cases[] = {
        { {}, Action::Window, "", "" },
        { { "D:\\Discs\\Film \xC3\xA9t\xC3\xA9" }, Action::Window, "D:\\Discs\\Film \xC3\xA9t\xC3\xA9", "" },
        { { "--help" }, Action::Help, "", "" },
        { { "-h" }, Action::Help, "", "" },
        { { "/?" }, Action::Help, "", "" },
        { { "D:\\Disc", "--version" }, Action::Version, "", "" },
        { { "-v" }, Action::Version, "", "" },
        { { "--disc", "D:\\Disc", "--target", "VTSM 1 Root Menu" }, Action::Disc, "", "" },
        { { "--target", "Title 1", "--disc=D:\\Disc" }, Action::Disc, "", "" },
        { { "--no-such-option" }, Action::Refused, "", "Unknown option 'no-such-option'." },
        { { "-x" }, Action::Refused, "", "Unknown option 'x'." },
        { { "A", "B" }, Action::Refused, "", "One folder at most: A, B" },
    };
    for (const auto& c : cases) {
        std::string line;
        for (const std::string& arg : c.args)
            line += arg + " ";
        SCOPED_TRACE(line);
        const CommandLine::Asked asked = CommandLine::read(c.args);
        EXPECT_EQ(asked.action, c.action);
        EXPECT_EQ(asked.folder, c.folder);
        EXPECT_EQ(asked.refusal, c.refusal);
    }
    const std::string help = CommandLine::help();
    for (const char* listed : { "Usage: trevalo.exe [options] [folder]", "  --disc PATH", "  --target NAME", "  -h, --help",
             "  -v, --version", "  folder " })
        EXPECT_NE(help.find(listed), std::string::npos) << listed;
    EXPECT_EQ(CommandLine::version(), "Trevalo " TREVALO_VERSION "\n");
}

// Text reaches the console one whole character at a time: a character cut
// between two writes waits for its last bytes.
TEST(ConsoleOutput, KeepsBackACharacterSplitBetweenWrites)
{
    const struct {
        std::string text;
        std::size_t whole;
    } cases[] = {
        { "", 0 },
        { "abc\n", 4 },
        { "caf\xC3\xA9", 5 },
        { "caf\xC3", 3 },
        { "\xE2\x86\x92", 3 },
        { "a\xE2\x86", 1 },
        { "a\xE2", 1 },
        { "\xF0\x9F\x93\x80!", 5 },
        { "\xF0\x9F\x93", 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConsoleOutput::wholeCharacters(c.text), c.whole) << c.text;
}

}
}
