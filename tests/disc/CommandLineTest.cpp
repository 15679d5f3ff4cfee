// The command line without a window: what it refuses and how, and that for
// the same choices it writes the same copy as the disc window does, byte
// for byte, which libdvdnav then starts in the target.

#include "TestDiscs.h"

#include "cli/DiscCommandLine.h"
#include "disc/FolderCopy.h"
#include "dvdnav/DvdnavRun.h"
#include "mainwindow/Form1.h"
#include "support/FakePlatform.h"
#include "windows/DiscTarget.h"
#include "windows/frmDisc.h"
#include "ui/binding/UserEvents.h"

#include <gtest/gtest.h>

#include <sstream>

namespace trevalo::testing {
namespace {

namespace fs = std::filesystem;

struct LineRun {
    int status = 0;
    std::string out;
    std::string err;
};

LineRun commandLine(std::vector<std::string> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runDiscCommandLine(args, out, err);
    return { status, out.str(), err.str() };
}

TEST(CommandLine, WhatItCannotUseIsRefusedWithAMessage)
{
    const std::string disc = testDisc("firstplay_menus").string();
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        { { "--target", "Title 1" }, 2, "--disc PATH is needed" },
        { { "--disc", disc }, 2, "--target is needed" },
        { { "--disc", disc, "--target", "Menu 3" }, 2, "\"Menu 3\" is no target the window names" },
        { { "--disc", disc, "--target", "Title 1", "--guard", "16" }, 2, "--guard takes a number from 0 to 15" },
        { { "--disc", disc, "--target", "Title 1", "--buttons", "1,x" }, 2, "--buttons takes a number from 1 to 36" },
        { { "--disc", disc, "--target", "Title 1", "--frobnicate" }, 2, "unknown option \"--frobnicate\"" },
        { { "--disc", disc, "--target", "Title 1", "--language", "english" }, 2, "--language:" },
        { { "--disc", disc, "--target", "VMGM 1", "--dummy", "2" }, 2, "--dummy is for a title set's menu" },
        { { "--disc", (testDisc("firstplay_menus") / "missing").string(), "--target", "Title 1" }, 1, "no such folder" },
        { { "--disc", disc, "--target", "Title 7" }, 1, "the disc has no title 7" },
        { { "--disc", disc, "--target", "VTSM 1 Chapter Menu" }, 1, "VMGM PGC 1 (language unit 1) waits for a button:\n"
                                                                    "  1: JumpSS VTSM (vts 1, ttn 1, menu Root)" },
        { { "--disc", disc, "--target", "Title 1", "--guard", "4", "--audio", "9" }, 2, "--audio takes nc or 0 to 7" },
    };
    for (const auto& c : cases) {
        const LineRun run = commandLine(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_TRUE(cli::isDiscCommandLine({ "--disc=x" }));
    EXPECT_FALSE(cli::isDiscCommandLine({ "some/folder" }));
}

struct Session {
    std::string disc;
    std::string target;
    std::vector<int> buttons;
    std::string guard;
};

// The same choices in the disc window: the guard picked, the PGC used as
// the target, the trace with the buttons chosen, the copy written.
void writeByWindow(const Session& s, const fs::path& destination)
{
    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    FakeModalWindows modals;
    Form1 form { clipboard, messages, modals };
    ASSERT_TRUE(form.openDisc(testDisc(s.disc).string(), Form1::DiscWindow::Hide));
    ui::userPicked(form.cboGPRM, *form.cboGPRM.indexOf(s.guard));
    frmDisc window { *form.disc(), form, nullptr };
    vm::Target target = *parseTargetName(s.target);
    const vm::TargetPgcs pgcs = vm::resolve(*form.disc(), target);
    const disc::PgcAddress entry = pgcs.target.front();
    for (std::size_t i = 0; i < window.cboPgc.items().size(); ++i) {
        ui::userPicked(window.cboPgc, i);
        if (window.shownPgc() == entry)
            break;
    }
    ui::userClicked(window.cmdUseTarget);
    ui::userClicked(window.cmdTrace);
    for (int button : s.buttons) {
        ASSERT_TRUE(window.cboChoice.visible()) << window.lblStatus.caption();
        ui::userPicked(window.cboChoice, static_cast<std::size_t>(button - 1));
    }
    ASSERT_TRUE(form.cmdUndo.visible()) << window.lblStatus.caption();
    window.writeCopyTo(destination.string());
    while (window.window().hasWork())
        window.window().runWork();
    ASSERT_TRUE(fs::exists(destination / "VIDEO_TS")) << window.lblStatus.caption();
}

TEST(CommandLine, WritesTheCopyTheWindowWritesWhichStartsInTheTarget)
{
    const Session sessions[] = {
        { "firstplay_menus", "VTSM 1 Root Menu", { 1 }, "4" },
        { "firstplay_menus", "VMGM 1", {}, "5" },
        { "two_titlesets", "Title 3", {}, "9" },
        { "single_title", "Title 1", {}, "0" },
    };
    const fs::path scratch = scratchFolder("command-line");
    int n = 0;
    for (const Session& s : sessions) {
        SCOPED_TRACE(s.disc + " " + s.target);
        const fs::path by_line = scratch / ("line" + std::to_string(++n));
        const fs::path by_window = scratch / ("window" + std::to_string(n));
        std::string buttons;
        for (int b : s.buttons)
            buttons += (buttons.empty() ? "" : ",") + std::to_string(b);
        std::vector<std::string> args { "--disc", testDisc(s.disc).string(), "--target", s.target, "--guard", s.guard,
            "--language", "en", "--write", by_line.string() };
        if (!buttons.empty()) {
            args.push_back("--buttons");
            args.push_back(buttons);
        }
        const LineRun run = commandLine(args);
        EXPECT_EQ(run.status, 0) << run.out << run.err;
        EXPECT_NE(run.out.find("Replay: The replay matches the disc's own chain."), std::string::npos) << run.out;
        writeByWindow(s, by_window);
        for (const auto& entry : fs::directory_iterator(by_line / "VIDEO_TS")) {
            const std::string name = entry.path().filename().string();
            if (name.size() > 4 && (name.substr(name.size() - 4) == ".IFO" || name.substr(name.size() - 4) == ".BUP"))
                EXPECT_EQ(fileBytes(entry.path()), fileBytes(by_window / "VIDEO_TS" / name)) << name;
        }
        // libdvdnav starts the copy in the target; the original reaches it
        // by its own chain with the same registers but the guard.
        const DvdnavRun copy = playWithDvdnav(by_line.string(), { "--registers", "--max-events", "1" });
        ASSERT_FALSE(copy.lines.empty());
        std::vector<std::string> original_args { "--registers", "--max-events", "20" };
        if (!buttons.empty()) {
            original_args.push_back("--buttons");
            original_args.push_back(buttons);
        }
        const DvdnavRun original = playWithDvdnav(testDisc(s.disc).string(), original_args);
        const std::string first = copy.lines.front();
        const std::string place = first.substr(0, first.find(" btn="));
        const std::string copy_registers = first.substr(first.find(" gprm=") + 6);
        // libdvdnav names no menu or PGC in the VMGM before it has opened a
        // title set, as a copy that starts there has not: then the domain
        // and the cell must do.
        const auto field = [](const std::string& line, const std::string& name) {
            const std::size_t at = line.find(" " + name + "=");
            return at == std::string::npos ? std::string() : line.substr(at + name.size() + 2, line.find(' ', at + 1) - at - name.size() - 2);
        };
        const bool unnamed = field(first, "pgc") == "0";
        bool found = false;
        for (const std::string& line : original.lines) {
            const bool same = unnamed ? line.rfind(first.substr(0, first.find(' ', 5)), 0) == 0
                    && field(line, "cell") == field(first, "cell")
                                      : line.substr(0, line.find(" btn=")) == place;
            if (!same)
                continue;
            found = true;
            std::string registers = line.substr(line.find(" gprm=") + 6);
            // The copy's guard register holds 1; the disc's own chain left 0.
            std::vector<std::string> values;
            std::istringstream split { registers };
            for (std::string v; std::getline(split, v, ',');)
                values.push_back(v);
            values.at(static_cast<std::size_t>(std::stoi(s.guard))) = "1";
            std::string expected;
            for (std::size_t i = 0; i < values.size(); ++i)
                expected += (i ? "," : "") + values[i];
            EXPECT_EQ(copy_registers, expected) << first << "\n" << line;
            break;
        }
        EXPECT_TRUE(found) << place << " is never reached by the disc's own chain";
    }
}

}
}
