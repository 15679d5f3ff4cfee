// The insert on any disc the reader accepts: commands put at the top of a
// chosen PGC, the grown model written and read again. Either the insert is
// refused with a message, or the written files read back with the commands
// in place, the PGC's own after them, every other PGC's commands unchanged,
// and writing the re-read model gives the same bytes again.

#include "DiscInput.h"

#include "disc/DiscReader.h"
#include "disc/IfoReader.h"
#include "disc/IfoWriter.h"
#include "disc/PgcAddress.h"
#include "disc/PreCommandInsert.h"

#include <cstdio>
#include <cstdlib>

namespace {

using namespace trevalo::disc;

void fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

std::vector<PgcAddress> everyAddress(const Disc& disc)
{
    std::vector<PgcAddress> all;
    std::vector<const InfoFile*> files { &disc.manager };
    for (const InfoFile& set : disc.title_sets)
        files.push_back(&set);
    for (const InfoFile* file : files) {
        for (std::size_t p = 0; p < file->pgcs.size(); ++p) {
            for (const PgcAddress& address : addressesOf(*file, p))
                all.push_back(address);
        }
    }
    return all;
}

// The PGC's commands, or none.
std::vector<Command> commandsOf(const Disc& disc, const PgcAddress& address, int list)
{
    const Pgc* pgc = findPgc(disc, address);
    if (!pgc || !pgc->commands)
        return {};
    return list == 0 ? pgc->commands->pre : list == 1 ? pgc->commands->post : pgc->commands->cell;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::size_t choice = data[0];
    const std::size_t count = 1 + data[1] % 40;
    const MemoryFiles files = trevalo::testing::discFromInput(data + 2, size - 2);
    DiscRead read = readDisc(files, "fuzz");
    if (!read.disc)
        return 0;
    const Disc before = *read.disc;
    Disc disc = std::move(*read.disc);
    const std::vector<PgcAddress> all = everyAddress(disc);
    if (all.empty())
        return 0;
    const PgcAddress target = all[choice % all.size()];
    std::vector<Command> commands;
    for (std::size_t i = 0; i < count; ++i)
        commands.push_back({ 0x71, 0, 0, static_cast<std::uint8_t>(i % 16), 0, static_cast<std::uint8_t>(i), 0, 0 });
    const std::string refused = insertPreCommands(disc, target, commands);
    if (!refused.empty())
        return 0;

    MemoryFiles written;
    for (const InfoFile* file : { &disc.manager, disc.title_sets.empty() ? nullptr : &disc.title_sets[0] }) {
        if (!file)
            continue;
        const InfoFileWrite out = writeInfoFile(*file);
        if (!out.error.empty())
            fail("an insert the writer cannot write", out.error);
        written.files[infoFileStem(file->title_set) + ".IFO"] = out.bytes;
        written.files[infoFileStem(file->title_set) + ".BUP"] = out.bytes;
    }
    const DiscRead again = readDisc(written, "fuzz");
    if (!again.disc)
        fail("an insert's copy does not read", again.error);
    const std::optional<std::size_t> target_index = pgcIndex(before, target);
    for (const PgcAddress& address : all) {
        const bool is_target = infoFileOf(before, address) == infoFileOf(before, target)
            && pgcIndex(before, address) == target_index;
        for (int list = 0; list < 3; ++list) {
            std::vector<Command> expected = commandsOf(before, address, list);
            if (is_target && list == 0) {
                for (Command& command : expected) {
                    const int kind = command[1] & 0x0F;
                    if ((command[0] & 0xE0) == 0 && (kind == 1 || kind == 3) && command[7] != 0)
                        command[7] = static_cast<std::uint8_t>(command[7] + count);
                }
                expected.insert(expected.begin(), commands.begin(), commands.end());
            }
            if (commandsOf(*again.disc, address, list) != expected)
                fail("the copy holds other commands at", describe(before, address));
        }
    }
    for (const InfoFile* file : { &again.disc->manager, again.disc->title_sets.empty() ? nullptr : &again.disc->title_sets[0] }) {
        if (file && writeInfoFile(*file).bytes != written.files.at(infoFileStem(file->title_set) + ".IFO"))
            fail("the copy does not write back as it reads", file->name);
    }
    return 0;
}
