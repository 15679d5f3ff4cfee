// libFuzzer target for the navigation machine: the input steers the random
// program generator of tests/vm (its first byte picks the authored disc),
// the program goes at the top of First Play and the menus, and the machine
// and libdvdnav (tests/dvdnav's player, a subprocess) play the copy from
// insert with the same presses. Any line that differs is a finding: the
// program and both runs go to stderr and the target aborts, so libFuzzer
// keeps the input. Programs the machine finds going round or failing are
// run by the machine alone, under the sanitizers.

#include "dvdnav/DvdnavRun.h"
#include "vm/DiscCopy.h"
#include "vm/PlayerLines.h"
#include "vm/RandomProgram.h"

#include "disc/DiscReader.h"
#include "vm/DiscProgram.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

using namespace trevalo;

const std::vector<disc::Disc>& discs()
{
    static const std::vector<disc::Disc> read = [] {
        std::vector<disc::Disc> found;
        for (const char* name : { "firstplay_menus", "two_titlesets", "single_title" }) {
            disc::DiscRead disc = disc::readDisc(std::filesystem::path(TREVALO_TEST_DISCS_DIR) / name);
            if (!disc.disc) {
                std::fprintf(stderr, "%s: %s\n", name, disc.error.c_str());
                std::abort();
            }
            found.push_back(std::move(*disc.disc));
        }
        return found;
    }();
    return read;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "  " + line + "\n";
    return text;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const disc::Disc& disc = discs()[data[0] % discs().size()];
    testing::Draw draw = testing::Draw::fromBytes({ data + 1, size - 1 });
    const testing::RandomProgram program = testing::randomProgram(disc, draw);
    std::string refused;
    const disc::Disc modified = testing::withProgram(disc, program, refused);
    if (!refused.empty())
        return 0;
    const vm::DiscProgram code(modified);
    const testing::PlayerRun run { program.buttons, 10, testing::WithRegisters::Yes, "en" };
    const std::vector<std::string> machine = testing::machineLines(code, run);
    const std::string& last = machine.back();
    if (last.rfind("LOOP", 0) == 0 || last.rfind("ERROR", 0) == 0)
        return 0;

    static const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / ("trevalo-vm-fuzz-" + std::to_string(getpid()));
    const std::string failed = testing::writeLinkedCopy(modified, folder);
    if (!failed.empty()) {
        std::fprintf(stderr, "cannot write the copy: %s\n", failed.c_str());
        std::abort();
    }
    // libFuzzer's timeout alarm would cut the read of the player's lines
    // short (the read ends at the interruption) and leave the player to die
    // of a broken pipe; the alarm waits until the player is done.
    sigset_t alarm;
    sigset_t previous;
    sigemptyset(&alarm);
    sigaddset(&alarm, SIGALRM);
    pthread_sigmask(SIG_BLOCK, &alarm, &previous);
    const testing::DvdnavRun played = testing::playWithDvdnav(folder.string(), testing::playerArguments(run), 20);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    // libFuzzer ends without running exit handlers: nothing is left behind.
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::vector<std::string> player = testing::comparable(played.lines);
    if (played.status != 0 && played.status != 2)
        player.push_back("ABORTED with status " + std::to_string(played.status));
    if (player != machine) {
        std::fprintf(stderr, "The machine and libdvdnav disagree on %s:\n%sthe machine:\n%slibdvdnav:\n%s",
            disc.folder.parent_path().filename().string().c_str(), testing::describe(disc, program).c_str(),
            joined(machine).c_str(), joined(player).c_str());
        std::abort();
    }
    return 0;
}
