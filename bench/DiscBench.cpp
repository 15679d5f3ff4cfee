// The disc layer's speed: opening and scanning each authored test disc and
// a large disc made in memory (99 title sets, about a thousand PGCs,
// written to files by the layer's own writer), and an insert with its IFO
// and BUP written. Each is set beside simply reading (or writing) the same
// files' bytes, so the ratio says what the parsing costs over the disk.
// Prints rows of the shared table (bench/TableRow.h).

#include "bench/TableRow.h"
#include "disc/DiscReader.h"
#include "disc/IfoWriter.h"
#include "disc/PreCommandInsert.h"
#include "disc/Scan.h"
#include "tests/disc/SyntheticDisc.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace trevalo::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int repetitions = 15;

Spread timeIt(const std::function<void()>& setup, const std::function<void()>& act)
{
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        if (setup)
            setup();
        const auto start = Clock::now();
        act();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return spreadOf(std::move(ms));
}

std::string ratio(const Spread& a, const Spread& b)
{
    return b.median > 0 ? figure(a.median / b.median) + "x" : "-";
}

// Reads every IFO and BUP of the folder, and the menu VOBs' first sectors
// the reader looks at, as plain bytes.
std::size_t readBytes(const fs::path& video_ts)
{
    std::size_t total = 0;
    for (const auto& entry : fs::directory_iterator(video_ts)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 4)
            continue;
        const std::string extension = name.substr(name.size() - 4);
        if (extension != ".IFO" && extension != ".BUP")
            continue;
        std::ifstream in { entry.path(), std::ios::binary };
        const std::vector<char> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
        total += bytes.size();
    }
    return total;
}

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out { path, std::ios::binary | std::ios::trunc };
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void openAndScan(const std::string& name, const fs::path& folder)
{
    const fs::path video_ts = folder / "VIDEO_TS";
    std::size_t pgcs = 0;
    const Spread ours = timeIt({}, [&] {
        const disc::DiscRead read = disc::readDisc(folder);
        if (!read.disc) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), read.error.c_str());
            std::exit(1);
        }
        const disc::DiscScan scan = disc::scanDisc(*read.disc);
        pgcs = read.disc->manager.pgcs.size();
        for (const disc::InfoFile& set : read.disc->title_sets)
            pgcs += set.pgcs.size();
        (void)scan;
    });
    const Spread raw = timeIt({}, [&] { readBytes(video_ts); });
    printRow("disc", "open + scan " + name + " (" + std::to_string(pgcs) + " PGCs)", ours, "ms",
        "reading its IFOs and BUPs", ratio(ours, raw), "< 50 ms", ours.median < 50 ? "yes" : "NO");
}

void insertAndWrite(const fs::path& folder, const fs::path& out)
{
    const disc::DiscRead read = disc::readDisc(folder);
    const disc::Disc original = *read.disc;
    disc::Disc disc;
    const disc::PgcAddress target { disc::Domain::Title, 50, 0, 1 };
    std::vector<disc::Command> block(12, disc::Command { 0x71, 0, 0, 3, 0, 1, 0, 0 });
    fs::create_directories(out);
    const auto writeChanged = [&] {
        for (const disc::InfoFile* file : { &disc.manager, &disc.title_sets[49] }) {
            const disc::InfoFileWrite written = disc::writeInfoFile(*file);
            const std::string stem = disc::infoFileStem(file->title_set);
            writeFile(out / (stem + ".IFO"), written.bytes);
            writeFile(out / (stem + ".BUP"), written.bytes);
        }
    };
    const Spread ours = timeIt([&] { disc = original; }, [&] {
        const std::string refused = disc::insertPreCommands(disc, target, block);
        if (!refused.empty()) {
            std::fprintf(stderr, "%s\n", refused.c_str());
            std::exit(1);
        }
        writeChanged();
    });
    const Spread raw = timeIt({}, [&] {
        for (const disc::InfoFile* file : { &original.manager, &original.title_sets[49] }) {
            const std::string stem = disc::infoFileStem(file->title_set);
            writeFile(out / (stem + ".IFO"), file->bytes);
            writeFile(out / (stem + ".BUP"), file->bytes);
        }
    });
    printRow("disc", "insert 12 commands + write IFO/BUP (large disc)", ours, "ms", "writing the same files", ratio(ours, raw),
        "< 20 ms", ours.median < 20 ? "yes" : "NO");
}

}
}

int main()
{
    using namespace trevalo;
    namespace fs = std::filesystem;
    std::vector<fs::path> discs;
    for (const auto& entry : fs::directory_iterator(TREVALO_TEST_DISCS_DIR)) {
        if (fs::is_directory(entry.path() / "VIDEO_TS"))
            discs.push_back(entry.path());
    }
    std::sort(discs.begin(), discs.end());
    for (const fs::path& folder : discs)
        bench::openAndScan(folder.filename().string(), folder);

    // The large disc, written by the disc layer's own writer.
    const fs::path large = fs::temp_directory_path() / "trevalo-bench-large-disc";
    fs::remove_all(large);
    fs::create_directories(large / "VIDEO_TS");
    const disc::Disc made = testing::syntheticDisc({ 99, 4, 6, 1, 6, 2 });
    for (const auto& [name, bytes] : testing::writtenFiles(made).files)
        bench::writeFile(large / "VIDEO_TS" / name, bytes);
    bench::openAndScan("large synthetic disc", large);
    bench::insertAndWrite(large, fs::temp_directory_path() / "trevalo-bench-large-disc-out");
    fs::remove_all(large);
    fs::remove_all(fs::temp_directory_path() / "trevalo-bench-large-disc-out");
    return 0;
}
