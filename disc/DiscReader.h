#pragma once

// Opens a DVD-Video folder: a VIDEO_TS folder, or a folder holding one.
// Reads VIDEO_TS.IFO and every VTS_nn_0.IFO the video manager counts, each
// compared with its BUP, and the first navigation pack of every menu cell
// for its buttons. Nothing is written and nothing is guessed: a file that
// is missing or damaged gives a message naming it, and where an IFO is
// damaged but its BUP reads, the BUP is used and the notes say so.

#include "disc/Disc.h"
#include "disc/DiscFiles.h"

#include <filesystem>
#include <optional>
#include <string>

namespace trevalo::disc {

struct DiscRead {
    std::optional<Disc> disc;
    std::string error; // set when disc is empty
};

// IFO files larger than this are not IFO files.
inline constexpr std::uint64_t largest_info_file = 64ull << 20;

DiscRead readDisc(const std::filesystem::path& folder);
// The same from any source of files; folder is what the model records.
DiscRead readDisc(const DiscFiles& files, const std::filesystem::path& folder);

// The VIDEO_TS folder a chosen folder means: itself, or its VIDEO_TS
// subfolder; empty with a message when it is neither.
std::filesystem::path findVideoTs(const std::filesystem::path& folder, std::string& error);

// "VIDEO_TS" for 0, "VTS_07_0" for 7.
std::string infoFileStem(int title_set);

}
