// Start-up against the limit: runs Trevalo (its own main(), see
// FirstPaintProbe.cpp) and a bare Qt main window as whole processes, on the
// offscreen platform and on an Xvfb display this program starts itself,
// alternating, and prints the wall time to the first paint and to the
// process's exit, and its peak resident memory, as rows of the shared table.
//
//   trevalo_startup_bench [ROUNDS]

#include "bench/PaintedRun.h"
#include "bench/TableRow.h"
#include "bench/Xvfb.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace trevalo::bench {
namespace {

constexpr int default_rounds = 9;
constexpr int timeout_ms = 30000;
constexpr double wall_limit = 1.3;
constexpr double memory_limit = 1.15;

struct Sample {
    double paint_ms = 0;
    double exit_ms = 0;
    double peak_mb = 0;
};

std::optional<Sample> runOnce(const std::string& program, const std::map<std::string, std::string>& env)
{
    const std::optional<PaintedRun> run = runUntilPainted({ program }, env, timeout_ms);
    if (!run || !WIFEXITED(run->status) || WEXITSTATUS(run->status) != 0) {
        std::fprintf(stderr, "%s did not paint and quit cleanly\n", program.c_str());
        return std::nullopt;
    }
    return Sample { run->paint_ms, run->exit_ms, double(run->usage.ru_maxrss) / 1024.0 };
}

struct Subject {
    std::string name;
    std::string program;
};

struct Platform {
    std::string name;
    std::map<std::string, std::string> env;
};

void report(const Platform& platform, const std::vector<Sample>& trevalo, const std::vector<Sample>& bare)
{
    struct Measure {
        const char* group;
        const char* what;
        double Sample::*field;
        const char* unit;
        double limit;
    };
    const Measure measures[] = {
        { "start-up", "wall to first paint", &Sample::paint_ms, "ms", wall_limit },
        { "start-up", "wall to exit", &Sample::exit_ms, "ms", wall_limit },
        { "memory", "peak RSS", &Sample::peak_mb, "MB", memory_limit },
    };
    for (const Measure& m : measures) {
        const std::string group = std::string(m.group) + ", " + platform.name;
        const Spread b = spreadOf(bare, m.field);
        const Spread t = spreadOf(trevalo, m.field);
        const double ratio = t.median / b.median;
        printRow(group, std::string("bare QMainWindow ") + m.what, b, m.unit, "", "", "", "");
        printRow(group, std::string("Trevalo ") + m.what, t, m.unit, "bare " + figure(b.median), figure(ratio),
            "<= " + figure(m.limit) + " x bare", ratio <= m.limit ? "yes" : "NO");
    }
}

}
}

int main(int argc, char** argv)
{
    using namespace trevalo::bench;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : default_rounds;
    const std::vector<Subject> subjects = { { "Trevalo", TREVALO_PROBE }, { "bare", BARE_PROBE } };

    std::vector<Platform> platforms = { { "offscreen", { { "QT_QPA_PLATFORM", "offscreen" } } } };
    const std::optional<Xvfb> xvfb = startXvfb();
    if (xvfb)
        platforms.push_back({ "Xvfb", { { "QT_QPA_PLATFORM", "xcb" }, { "DISPLAY", xvfb->display } } });
    else
        std::fprintf(stderr, "Xvfb did not start; measuring offscreen only\n");

    // results[platform][subject]
    std::vector<std::vector<std::vector<Sample>>> results(platforms.size(), std::vector<std::vector<Sample>>(subjects.size()));
    // Round 0 warms the page cache and the font cache and is not counted.
    // Within a round every pairing runs once; odd rounds run them backwards,
    // so neither program always runs right after the other.
    for (int round = 0; round <= rounds; ++round) {
        std::vector<std::pair<std::size_t, std::size_t>> order;
        for (std::size_t p = 0; p < platforms.size(); ++p) {
            for (std::size_t s = 0; s < subjects.size(); ++s)
                order.emplace_back(p, s);
        }
        if (round % 2)
            std::reverse(order.begin(), order.end());
        for (auto [p, s] : order) {
            std::optional<Sample> sample = runOnce(subjects[s].program, platforms[p].env);
            if (!sample)
                continue;
            if (round > 0)
                results[p][s].push_back(*sample);
        }
    }
    if (xvfb) {
        kill(xvfb->pid, SIGTERM);
        waitpid(xvfb->pid, nullptr, 0);
    }

    int status = 0;
    for (std::size_t p = 0; p < platforms.size(); ++p) {
        if (results[p][0].empty() || results[p][1].empty()) {
            std::fprintf(stderr, "no complete runs on %s\n", platforms[p].name.c_str());
            status = 1;
            continue;
        }
        report(platforms[p], results[p][0], results[p][1]);
    }
    return status;
}
