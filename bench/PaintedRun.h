#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace trevalo::bench {

// One run of a start-up probe as a whole process: started with posix_spawn
// (which shares the driver's memory until exec, so the child's peak is its
// own), its standard output read until it writes a line starting "painted",
// then waited for. Standard error is thrown away.
struct PaintedRun {
    // From the spawn to the "painted" line, and to the process's end.
    double paint_ms = 0;
    double exit_ms = 0;
    // What followed "painted" on its line.
    std::string said;
    int status = 0;
    rusage usage {};
};

// `env` is added to the driver's environment, replacing what it names. Null
// when the program cannot be started or says nothing within the timeout
// (it is then killed).
std::optional<PaintedRun> runUntilPainted(const std::vector<std::string>& argv,
    const std::map<std::string, std::string>& env, int timeout_ms);

}
