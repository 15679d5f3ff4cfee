#pragma once

// Runs trevalo_dvdnav_play (DvdnavPlayer.cpp) on a disc folder as a
// subprocess, as libdvdnav aborts on some illegal jumps, and gives back its
// lines. It plays nothing itself and knows nothing of the output's fields.

#include <string>
#include <vector>

namespace trevalo::testing {

struct DvdnavRun {
    // The exit status as a shell reports it: 0 played to an END, STOP or
    // LIMIT line, 2 an ERROR line, 128 + N killed by signal N, 137 when it
    // ran past the time limit.
    int status = 0;
    std::vector<std::string> lines;
};

// Plays `folder` with trevalo_dvdnav_play and `args` (see DvdnavPlayer.cpp),
// killing it after `seconds`.
DvdnavRun playWithDvdnav(const std::string& folder, const std::vector<std::string>& args = {}, int seconds = 60);

}
