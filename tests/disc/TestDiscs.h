#pragma once

// The discs tests/discs authors at build time, and small helpers the disc
// tests share: every disc by name, a fresh scratch folder, and reading a
// file whole.

#include "disc/Disc.h"
#include "disc/DiscReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace trevalo::testing {

// Each authored disc: the folder holding its VIDEO_TS.
inline std::vector<std::filesystem::path> testDiscs()
{
    std::vector<std::filesystem::path> discs;
    for (const auto& entry : std::filesystem::directory_iterator(TREVALO_TEST_DISCS_DIR)) {
        if (std::filesystem::is_directory(entry.path() / "VIDEO_TS"))
            discs.push_back(entry.path());
    }
    std::sort(discs.begin(), discs.end());
    return discs;
}

inline std::filesystem::path testDisc(const std::string& name)
{
    return std::filesystem::path(TREVALO_TEST_DISCS_DIR) / name;
}

inline disc::Disc readTestDisc(const std::filesystem::path& folder)
{
    disc::DiscRead read = disc::readDisc(folder);
    if (!read.disc)
        ADD_FAILURE() << read.error;
    return read.disc ? std::move(*read.disc) : disc::Disc {};
}

inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in { path, std::ios::binary };
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// A folder of its own under the build tree, emptied first. Each test has
// its own, since ctest runs tests side by side.
inline std::filesystem::path scratchFolder(const std::string& name)
{
    std::string test = "outside-a-test";
    if (const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info())
        test = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : test) {
        if (c == '/')
            c = '_';
    }
    const std::filesystem::path folder = std::filesystem::path(TREVALO_TEST_SCRATCH_DIR) / test / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string discName(const ::testing::TestParamInfo<std::filesystem::path>& info)
{
    return info.param.filename().string();
}

}
