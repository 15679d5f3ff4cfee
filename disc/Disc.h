#pragma once

// A DVD-Video folder as plain data: the video manager and each title set,
// as their IFO files hold them, and what the reader found worth telling the
// author (an IFO that differs from its BUP, a menu VOB it could not read).

#include "disc/InfoFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trevalo::disc {

struct Disc {
    std::filesystem::path folder; // the VIDEO_TS folder itself
    InfoFile manager;
    std::vector<InfoFile> title_sets; // title set n at index n - 1
    std::vector<std::string> notes;
};

}
