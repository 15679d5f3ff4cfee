#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace trevalo::bench {

// A private Xvfb on a display number it picks itself (-displayfd), so it
// cannot collide with another one on the machine; the caller stops it
// (SIGTERM, then waitpid) when done.
struct Xvfb {
    pid_t pid = 0;
    std::string display;
};

// Null when Xvfb is missing or does not start within ten seconds.
std::optional<Xvfb> startXvfb();

}
