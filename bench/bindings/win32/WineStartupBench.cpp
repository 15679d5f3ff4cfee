// Start-up of the Windows build under Wine against the limit: runs
// trevalo.exe (its own wWinMain, see FirstPaintHook.cpp) and a bare Win32
// window as whole Wine processes on an Xvfb display this program starts
// itself, in turn, and prints the wall time to the first paint and the
// peak working set each reports of itself at that moment, as rows of the
// shared table. The limit is the bare window's; a second bare window that
// loads the common controls, as Trevalo must for its tooltips and visual
// styles, shows how much of the difference is that library's.
//
//   trevalo_wine_startup_bench ROUNDS WINDOWS_BUILD_DIR

#include "bench/PaintedRun.h"
#include "bench/TableRow.h"
#include "bench/Xvfb.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace trevalo::bench {
namespace {

constexpr int timeout_ms = 60000;
constexpr double wall_limit = 1.2;
constexpr double memory_limit = 1.2;

struct Sample {
    double paint_ms = 0;
    double peak_mb = 0;
};

std::optional<Sample> runOnce(const std::string& runner, const std::string& probe, const std::string& display)
{
    const std::optional<PaintedRun> run = runUntilPainted({ runner, probe }, { { "DISPLAY", display } }, timeout_ms);
    if (!run) {
        std::fprintf(stderr, "%s did not paint\n", probe.c_str());
        return std::nullopt;
    }
    return Sample { run->paint_ms, std::strtod(run->said.c_str(), nullptr) / (1024.0 * 1024.0) };
}

}
}

int main(int argc, char** argv)
{
    using namespace trevalo::bench;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ROUNDS WINDOWS_BUILD_DIR\n", argv[0]);
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    const std::string build = argv[2];
    const std::string runner = TREVALO_SOURCE_DIR "/tests/bindings/win32/wine-run.sh";
    enum Probe { trevalo, bare, bare_common_controls, probe_count };
    const std::string probes[probe_count] = { build + "/bench/bindings/win32/trevalo_startup_probe.exe",
        build + "/bench/bindings/win32/bare_window_probe.exe", build + "/bench/bindings/win32/bare_common_controls_probe.exe" };

    for (const std::string& probe : probes) {
        if (access(probe.c_str(), R_OK) != 0) {
            std::fprintf(stderr, "no %s: build trevalo_startup_probe, bare_window_probe and bare_common_controls_probe there first\n", probe.c_str());
            return 1;
        }
    }
    const std::optional<Xvfb> xvfb = startXvfb();
    if (!xvfb) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    // Round 0 makes Wine's prefix if need be and warms the page cache; it is
    // not counted. Each round starts with another probe.
    std::vector<Sample> results[probe_count];
    for (int round = 0; round <= rounds; ++round) {
        for (int i = 0; i < probe_count; ++i) {
            const int which = (round + i) % probe_count;
            const std::optional<Sample> sample = runOnce(runner, probes[which], xvfb->display);
            if (sample && round > 0)
                results[which].push_back(*sample);
        }
    }
    kill(xvfb->pid, SIGTERM);
    waitpid(xvfb->pid, nullptr, 0);
    if (results[trevalo].empty() || results[bare].empty() || results[bare_common_controls].empty()) {
        std::fprintf(stderr, "no complete runs under Wine\n");
        return 1;
    }
    struct Measure {
        const char* group;
        const char* what;
        double Sample::*field;
        const char* unit;
        double limit;
    };
    const Measure measures[] = {
        { "start-up, Wine/Xvfb", "wall to first paint", &Sample::paint_ms, "ms", wall_limit },
        { "memory, Wine/Xvfb", "peak working set", &Sample::peak_mb, "MB", memory_limit },
    };
    for (const Measure& m : measures) {
        const Spread plain = spreadOf(results[bare], m.field);
        const Spread with_controls = spreadOf(results[bare_common_controls], m.field);
        const Spread own = spreadOf(results[trevalo], m.field);
        const double ratio = own.median / plain.median;
        printRow(m.group, std::string("bare Win32 window ") + m.what, plain, m.unit, "", "", "", "");
        printRow(m.group, std::string("bare window with common controls 6 ") + m.what, with_controls, m.unit,
            "bare " + figure(plain.median), figure(with_controls.median / plain.median), "", "");
        printRow(m.group, std::string("trevalo.exe ") + m.what, own, m.unit, "bare " + figure(plain.median),
            figure(ratio), "<= " + figure(m.limit) + " x bare", ratio <= m.limit ? "yes" : "NO");
    }
    return 0;
}
