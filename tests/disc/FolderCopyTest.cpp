// Writing a copy of a disc: refused wherever it would touch the author's
// folder or another folder's files, and leaving nothing behind when it is
// cancelled or fails; a finished copy holds every file of the disc.

#include "TestDiscs.h"

#include "disc/FolderCopy.h"

#include <gtest/gtest.h>

#include <map>


namespace trevalo::testing {
namespace {

namespace fs = std::filesystem;

// Every entry under the folder, for "nothing left behind".
std::vector<fs::path> entriesUnder(const fs::path& folder)
{
    std::vector<fs::path> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Each file's bytes and modification time.
std::map<fs::path, std::pair<std::vector<std::uint8_t>, fs::file_time_type>> stamps(const fs::path& folder)
{
    std::map<fs::path, std::pair<std::vector<std::uint8_t>, fs::file_time_type>> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            found[entry.path()] = { fileBytes(entry.path()), fs::last_write_time(entry.path()) };
    }
    return found;
}

// A copy of an authored disc the tests may write near: the author's folder.
fs::path authorsFolder(const fs::path& scratch)
{
    const fs::path folder = scratch / "authors-disc";
    fs::create_directories(folder);
    fs::copy(testDisc("firstplay_menus") / "VIDEO_TS", folder / "VIDEO_TS");
    fs::create_directories(folder / "AUDIO_TS");
    return folder;
}

TEST(FolderCopy, DestinationsThatWouldTouchOtherFilesAreRefused)
{
    const fs::path scratch = scratchFolder("copy-refusals");
    const fs::path source = authorsFolder(scratch);
    const disc::Disc disc = readTestDisc(source);
    fs::create_directories(scratch / "full");
    std::ofstream(scratch / "full" / "notes.txt") << "the author's";
    std::ofstream(scratch / "a-file") << "x";
    const std::vector<fs::path> before = entriesUnder(scratch);
    const struct {
        fs::path destination;
        std::string message;
    } cases[] = {
        { source / "VIDEO_TS", "lies inside the disc's own folder" },
        { source / "VIDEO_TS" / "copy", "lies inside the disc's own folder" },
        { source, "lies inside the disc's own folder" },
        { scratch, "holds the disc's own folder" },
        { scratch / "full", "exists and is not empty" },
        { scratch / "a-file", "exists and is not a folder" },
        { scratch / "missing" / "copy", "no such folder to write the copy into" },
    };
    for (const auto& c : cases) {
        const std::string message = disc::writeFolderCopy(disc, c.destination);
        EXPECT_NE(message.find(c.message), std::string::npos) << c.destination << ": " << message;
    }
    EXPECT_EQ(entriesUnder(scratch), before);
}

TEST(FolderCopy, ACancelledCopyLeavesNothingBehind)
{
    const fs::path scratch = scratchFolder("copy-cancel");
    const fs::path source = authorsFolder(scratch);
    const disc::Disc disc = readTestDisc(source);
    const std::vector<fs::path> before = entriesUnder(scratch);
    disc::FolderCopy copy { disc, scratch / "copy", 64 * 1024 };
    ASSERT_TRUE(copy.step()) << copy.error();
    EXPECT_GT(copy.bytesDone(), 0u);
    EXPECT_LT(copy.bytesDone(), copy.bytesTotal());
    copy.cancel();
    EXPECT_EQ(copy.state(), disc::FolderCopy::State::Cancelled);
    EXPECT_EQ(entriesUnder(scratch), before);
}

TEST(FolderCopy, AFailedCopyLeavesNothingBehind)
{
    // A VOB that goes away while the copy runs (a disc unplugged, say).
    const fs::path scratch = scratchFolder("copy-fail");
    const fs::path source = authorsFolder(scratch);
    const disc::Disc disc = readTestDisc(source);
    disc::FolderCopy copy { disc, scratch / "copy", 64 * 1024 };
    ASSERT_TRUE(copy.step()) << copy.error();
    fs::remove(source / "VIDEO_TS" / "VTS_01_1.VOB");
    const std::vector<fs::path> before = entriesUnder(source);
    while (copy.step()) {
    }
    EXPECT_EQ(copy.state(), disc::FolderCopy::State::Failed);
    EXPECT_NE(copy.error().find("VTS_01_1.VOB: cannot be read"), std::string::npos) << copy.error();
    EXPECT_FALSE(fs::exists(scratch / "copy"));
    for (const auto& entry : fs::directory_iterator(scratch))
        EXPECT_EQ(entry.path().filename().string().find(".trevalo-"), std::string::npos) << entry.path();
    EXPECT_EQ(entriesUnder(source), before);
}

TEST(FolderCopy, AFinishedCopyHoldsEveryFileOfTheDisc)
{
    const fs::path scratch = scratchFolder("copy-done");
    const fs::path source = authorsFolder(scratch);
    const disc::Disc disc = readTestDisc(source);
    const auto source_before = stamps(source);
    fs::create_directories(scratch / "empty-destination");
    ASSERT_EQ(disc::writeFolderCopy(disc, scratch / "empty-destination"), "");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(scratch / "empty-destination" / "VIDEO_TS")) {
        names.push_back(entry.path().filename().string());
        EXPECT_EQ(fileBytes(entry.path()), fileBytes(source / "VIDEO_TS" / entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string> { "VIDEO_TS.BUP", "VIDEO_TS.IFO", "VIDEO_TS.VOB", "VTS_01_0.BUP",
                         "VTS_01_0.IFO", "VTS_01_0.VOB", "VTS_01_1.VOB" }));
    EXPECT_TRUE(fs::is_directory(scratch / "empty-destination" / "AUDIO_TS"));
    // The author's files are as they were, bytes and times, and the copy
    // shares no file with them (a hard link would let a change to one
    // change the other).
    for (const auto& entry : fs::directory_iterator(source / "VIDEO_TS")) {
        const fs::path copied = scratch / "empty-destination" / "VIDEO_TS" / entry.path().filename();
        EXPECT_EQ(fs::hard_link_count(entry.path()), 1u) << entry.path();
        EXPECT_FALSE(fs::equivalent(entry.path(), copied)) << copied;
    }
    EXPECT_EQ(stamps(source), source_before);
    // No work folder is left beside it.
    for (const auto& entry : fs::directory_iterator(scratch))
        EXPECT_EQ(entry.path().filename().string().find(".trevalo-"), std::string::npos) << entry.path();
}

}
}
