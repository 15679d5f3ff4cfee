#include "cli/DiscCommandLine.h"

#include "cli/HeadlessPlatform.h"
#include "core/CommandDecoder.h"
#include "core/CommandLine.h"
#include "core/Text.h"
#include "disc/DiscReader.h"
#include "disc/FolderCopy.h"
#include "disc/IfoWriter.h"
#include "disc/Scan.h"
#include "mainwindow/Form1.h"
#include "vm/DiscProgram.h"
#include "vm/Path.h"
#include "vm/Trace.h"
#include "windows/DiscListing.h"
#include "windows/DiscTarget.h"

#include <map>
#include <optional>
#include <sstream>

namespace trevalo::cli {

namespace {

struct Options {
    std::string disc;
    std::string target;
    std::string language; // empty: the player's default, and every language in the replay
    std::string guard; // a number, "auto", or empty for the window's default
    std::vector<int> buttons;
    int dummy = 0;
    std::string audio;
    std::string subpicture;
    std::string angle;
    std::string highlight;
    std::string write;
};

struct Usage {
    std::string message;
};

// The value options and where each goes.
const std::map<std::string, std::string Options::*> value_options = {
    { "--disc", &Options::disc },
    { "--target", &Options::target },
    { "--language", &Options::language },
    { "--guard", &Options::guard },
    { "--audio", &Options::audio },
    { "--subpicture", &Options::subpicture },
    { "--angle", &Options::angle },
    { "--highlight", &Options::highlight },
    { "--write", &Options::write },
};

int number(const std::string& text, const std::string& option, int low, int high)
{
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || value < low || value > high)
        throw Usage { option + " takes a number from " + std::to_string(low) + " to " + std::to_string(high) + ", not \""
            + text + "\"" };
    return value;
}

Options parse(const std::vector<std::string>& args)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const bool inline_value = equals != std::string::npos;
        const auto value = [&]() -> std::string {
            if (inline_value)
                return arg.substr(equals + 1);
            if (i + 1 >= args.size())
                throw Usage { name + " needs a value" };
            return args[++i];
        };
        if (const auto found = value_options.find(name); found != value_options.end()) {
            options.*(found->second) = value();
        } else if (name == "--buttons") {
            std::istringstream list { value() };
            std::string item;
            while (std::getline(list, item, ','))
                options.buttons.push_back(number(item, "--buttons", 1, 36));
        } else if (name == "--dummy") {
            options.dummy = number(value(), "--dummy", 1, 99);
        } else {
            throw Usage { "unknown option \"" + arg + "\"" };
        }
    }
    if (options.disc.empty())
        throw Usage { "--disc PATH is needed" };
    if (options.target.empty())
        throw Usage { "--target is needed, as the window names it: \"VTSM 1 Root Menu\", \"VMGM 2\" or \"Title 3\"" };
    return options;
}

// Picks an item of a window list as a user would; false when the list has
// no such item.
bool pick(ui::ComboBox& list, const std::string& item)
{
    const std::optional<std::size_t> index = list.indexOf(item);
    if (!index)
        return false;
    list.pick(*index);
    return true;
}

std::string lastMessage(const RecordedMessages& messages, std::size_t since)
{
    std::string text;
    for (std::size_t i = since; i < messages.messages.size(); ++i)
        text += messages.messages[i].prompt + "\n";
    std::string plain;
    for (char c : text) {
        if (c != '\r')
            plain += c;
    }
    return plain;
}

}

bool isDiscCommandLine(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--disc" || arg.rfind("--disc=", 0) == 0)
            return true;
    }
    return false;
}

std::string discCommandLineHelp()
{
    return "Without a window, on a DVD-Video folder:\n"
           "  --disc PATH            the disc (a VIDEO_TS folder or one holding it)\n"
           "  --target NAME          where the disc is to start: \"VTSM 1 Root Menu\", \"VMGM 2\", \"Title 3\"\n"
           "  --language xx          the player's menu language, for the trace and the replay (without it:\n"
           "                         traced in en, replayed in every language the disc's menus have)\n"
           "  --guard N|auto         the guard register, or the first the disc never uses\n"
           "  --buttons 3,1          the buttons the disc's own chain takes at its menus\n"
           "  --dummy N              the PGC a dummy menu links on to (found by itself otherwise)\n"
           "  --audio A, --subpicture S, --angle N, --highlight N\n"
           "                         the post settings, with the window's values (nc, 0..7; nc, N, N:off,\n"
           "                         notset, force0; nc, 1..9; 1..36)\n"
           "  --write DIR            write the patched copy into a new or empty folder\n"
           "Prints the three blocks and the replay's verdict; exit status 0 when the verdict is a success.\n";
}

int runDiscCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Options options;
    try {
        options = parse(args);
    } catch (const Usage& usage) {
        err << "trevalo: " << usage.message << ". Try 'trevalo --help' for more information.\n";
        return 2;
    }
    const std::optional<vm::Target> named = parseTargetName(options.target);
    if (!named) {
        err << "trevalo: \"" << options.target
            << "\" is no target the window names; use \"VTSM 1 Root Menu\" (or Sub-Picture, Audio, Angle or Chapter "
               "Menu), \"VMGM 2\" or \"Title 3\".\n";
        return 2;
    }
    vm::PlayerConfig player;
    if (!options.language.empty())
        player.menu_language = options.language;
    if (const std::string wrong = vm::validate(player); !wrong.empty()) {
        err << "trevalo: --language: " << wrong << ".\n";
        return 2;
    }

    MemoryClipboard clipboard;
    RecordedMessages messages;
    ClosedWindows windows;
    Form1 form { clipboard, messages, windows };
    if (!form.openDisc(options.disc, Form1::DiscWindow::Hide)) {
        err << "trevalo: " << lastMessage(messages, 0);
        return 1;
    }
    const disc::Disc& disc = *form.disc();
    out << "Disc: " << disc.folder.string() << "\n";
    for (const std::string& note : disc.notes)
        out << "Note: " << note << "\n";

    // The guard register, as the window's step 1 takes it.
    const disc::DiscScan scan = disc::scanDisc(disc);
    if (options.guard == "auto") {
        const std::uint16_t free = scan.gprmsUntouched();
        int first = -1;
        for (int n = 0; n < 16 && first < 0; ++n) {
            if (free & (1 << n))
                first = n;
        }
        if (first < 0) {
            form.chkNone.click();
            out << "Guard: the disc uses every GPRM, so all of them are checked (\"Check if none found\").\n";
        } else {
            pick(form.cboGPRM, std::to_string(first));
            out << "Guard: GPRM " << first << ", the first the disc never uses.\n";
        }
    } else if (!options.guard.empty()) {
        try {
            pick(form.cboGPRM, std::to_string(number(options.guard, "--guard", 0, 15)));
        } catch (const Usage& usage) {
            err << "trevalo: " << usage.message << ", or auto.\n";
            return 2;
        }
    }

    // The target, with the dummy skip where its menu's entry is a dummy.
    vm::Target target = *named;
    if (target.kind == vm::TargetKind::TitleSetMenu) {
        target.after_dummy = options.dummy;
        if (target.after_dummy == 0) {
            const vm::TargetPgcs pgcs = vm::resolve(disc, target);
            for (const disc::PgcAddress& entry : pgcs.target) {
                if (const int next = dummySuccessor(disc, entry)) {
                    target.after_dummy = next;
                    break;
                }
            }
        }
    } else if (options.dummy != 0) {
        err << "trevalo: --dummy is for a title set's menu.\n";
        return 2;
    }
    if (const std::string refused = form.useAsTarget(target); !refused.empty()) {
        err << "trevalo: " << refused << "\n";
        return 1;
    }
    out << "Target: " << targetName(target);
    if (target.after_dummy != 0)
        out << ", a dummy the dummy skip passes on to PGC " << target.after_dummy;
    out << "\n";
    if (const vm::TargetPgcs pgcs = vm::resolve(disc, target); !pgcs.error.empty()) {
        err << "trevalo: " << pgcs.error << ".\n";
        return 1;
    }

    // The disc's own chain to the target, and its registers imported.
    const vm::DiscProgram program { disc };
    const vm::TraceResult trace = vm::trace(program, player, target, options.buttons);
    out << "Trace (menu language " << player.menu_language << "):\n";
    for (const std::string& line : vm::pathLines(program, trace.path))
        out << "  " << line << "\n";
    if (trace.end != vm::TraceEnd::ReachedTarget) {
        if (trace.end == vm::TraceEnd::NeedsChoice) {
            err << "trevalo: " << disc::describe(disc, trace.wait.at.pgc) << " waits for a button";
            const disc::Pgc* pgc = disc::findPgc(disc, trace.wait.at.pgc);
            const int cell = trace.wait.at.cell;
            if (pgc && cell >= 1 && static_cast<std::size_t>(cell) <= pgc->cells.size() && pgc->cells[cell - 1u].highlight) {
                err << ":\n";
                for (const disc::Button& button : pgc->cells[cell - 1u].highlight->buttons)
                    err << "  " << button.number << ": " << core::commandLine(core::decode(button.command)) << "\n";
            } else {
                err << ".\n";
            }
            err << "Give the disc's own choices with --buttons (so far: " << options.buttons.size() << ").\n";
        } else {
            err << "trevalo: the trace did not reach " << targetName(target) << ": " << trace.message << "\n";
        }
        return 1;
    }
    for (const std::string& note : trace.notes)
        out << "Note: " << note << "\n";
    const std::size_t before_import = messages.messages.size();
    if (!form.importTrace(trace.commands, options.buttons)) {
        err << "trevalo: the import was refused: " << lastMessage(messages, before_import);
        return 1;
    }
    out << "Imported: " << (trace.commands.empty() ? std::string("nothing (every register as the player starts)") : trace.commands)
        << "\n";

    // The post settings, as the window's controls take them.
    try {
        const auto settingStreams = [&] {
            if (form.chkStreams.value() != ui::Checked)
                form.chkStreams.click();
        };
        if (!options.audio.empty()) {
            settingStreams();
            if (!pick(form.cboAudio, options.audio))
                throw Usage { "--audio takes nc or 0 to 7, not \"" + options.audio + "\"" };
        }
        if (!options.subpicture.empty()) {
            settingStreams();
            const std::string& s = options.subpicture;
            if (s == "notset") {
                form.optNotSet.click();
            } else if (s == "force0") {
                form.optForce.click();
            } else {
                const bool off = s.size() > 4 && s.compare(s.size() - 4, 4, ":off") == 0;
                (off ? form.optOff : form.optOn).click();
                if (!pick(form.cboSubs, off ? s.substr(0, s.size() - 4) : s))
                    throw Usage { "--subpicture takes nc, N or N:off (N from 0 to 31), notset or force0, not \"" + s + "\"" };
            }
        }
        if (!options.angle.empty()) {
            settingStreams();
            if (!pick(form.cboAngle, options.angle))
                throw Usage { "--angle takes nc or 1 to 9, not \"" + options.angle + "\"" };
        }
        if (!options.highlight.empty()) {
            if (form.chkHighlight.value() != ui::Checked)
                form.chkHighlight.click();
            if (!pick(form.cboButton, options.highlight))
                throw Usage { "--highlight takes a button from 1 to 36, not \"" + options.highlight + "\"" };
        }
    } catch (const Usage& usage) {
        err << "trevalo: " << usage.message << ".\n";
        return 2;
    }

    // The blocks, as the copy buttons put them on the clipboard.
    // The paste instructions are the window's; here the blocks are printed.
    if (form.chkdisable.value() != ui::Checked)
        form.chkdisable.click();
    const auto copied = [&](ui::Button& copy, const ui::Label& name) {
        copy.click();
        std::string heading = name.caption();
        while (!heading.empty() && heading.back() == ' ')
            heading.pop_back();
        out << heading << ":\n" << clipboard.text() << "\n";
    };
    copied(form.cmdCopy, form.Label3);
    copied(form.cmdCopy2, form.Label8);
    if (form.Text3.visible())
        copied(form.cmdCopy3, form.Label15);

    // The replay, and what the checks find.
    vm::ReplayRequest request = form.replayRequest();
    // A player of one language replays in that language; without one, in
    // every language the disc's menus have.
    if (!options.language.empty())
        request.languages = { options.language };
    const vm::Verdict verdict = vm::replay(disc, request);
    form.setVerdict(verdict);
    for (const core::Finding& finding : form.findings()) {
        std::string text;
        for (char c : finding.text) {
            if (c != '\r')
                text += c;
        }
        out << "Check: " << text << "\n";
    }
    out << "Replay: " << verdict.text();

    if (!options.write.empty()) {
        vm::PlacedBlocks placed = vm::placeBlocks(disc, request.blocks, request.target);
        if (!placed.placed) {
            err << "trevalo: nothing was written:";
            for (const vm::Finding& finding : placed.findings)
                err << " " << finding.where << ": " << finding.what << ".";
            err << "\n";
            return 1;
        }
        if (const std::string failed = disc::writeFolderCopy(placed.disc, std::filesystem::u8path(options.write));
            !failed.empty()) {
            err << "trevalo: nothing was written: " << failed << "\n";
            return 1;
        }
        const disc::DiscRead copy = disc::readDisc(std::filesystem::u8path(options.write));
        bool same = copy.disc && copy.disc->title_sets.size() == placed.disc.title_sets.size();
        for (std::size_t s = 0; same && s <= placed.disc.title_sets.size(); ++s) {
            const disc::InfoFile& written = s == 0 ? placed.disc.manager : placed.disc.title_sets[s - 1];
            const disc::InfoFile& read = s == 0 ? copy.disc->manager : copy.disc->title_sets[s - 1];
            same = disc::writeInfoFile(written).bytes == read.bytes;
        }
        if (!same) {
            err << "trevalo: the copy in " << options.write << " does not read back as written.\n";
            return 1;
        }
        out << "Written: " << options.write << "\n";
    }
    return verdict.passed ? 0 : 1;
}

}
