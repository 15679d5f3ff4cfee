// Every IFO and BUP of every test disc, read and written back unchanged,
// gives its own bytes; and every byte the writer writes comes from the
// model's fields, not from the bytes it started from.

#include "TestDiscs.h"

#include "disc/IfoReader.h"
#include "disc/IfoWriter.h"

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

using disc::FileKind;

class RoundTrip : public ::testing::TestWithParam<std::filesystem::path> { };

std::vector<std::pair<std::string, int>> infoFiles(const disc::Disc& disc)
{
    std::vector<std::pair<std::string, int>> files { { "VIDEO_TS", 0 } };
    for (const disc::InfoFile& set : disc.title_sets)
        files.emplace_back(disc::infoFileStem(set.title_set), set.title_set);
    return files;
}

TEST_P(RoundTrip, EveryIfoAndBupWritesBackByteForByte)
{
    const disc::Disc disc = readTestDisc(GetParam());
    EXPECT_TRUE(disc.notes.empty()) << disc.notes.front();
    for (const auto& [stem, set] : infoFiles(disc)) {
        for (const char* extension : { ".IFO", ".BUP" }) {
            const std::string name = stem + extension;
            const std::vector<std::uint8_t> bytes = fileBytes(disc.folder / name);
            disc::InfoFileRead read
                = disc::readInfoFile(name, bytes, set == 0 ? FileKind::VideoManager : FileKind::TitleSet, set);
            ASSERT_TRUE(read.file) << read.error;
            const disc::InfoFileWrite written = disc::writeInfoFile(*read.file);
            ASSERT_TRUE(written.error.empty()) << written.error;
            EXPECT_TRUE(written.bytes == bytes) << name << " changed on the way through the model";
        }
    }
}

TEST_P(RoundTrip, WhatTheWriterWritesComesFromTheModel)
{
    const disc::Disc disc = readTestDisc(GetParam());
    std::vector<const disc::InfoFile*> files { &disc.manager };
    for (const disc::InfoFile& set : disc.title_sets)
        files.push_back(&set);
    for (const disc::InfoFile* file : files) {
        const disc::InfoFileWrite first = disc::writeInfoFile(*file);
        ASSERT_TRUE(first.error.empty()) << first.error;
        ASSERT_FALSE(first.written.empty());
        // Spoil every byte the writer claims to write; it must put each back.
        disc::InfoFile spoiled = *file;
        for (const disc::Extent& extent : first.written) {
            for (std::uint32_t i = extent.offset; i < extent.offset + extent.length; ++i)
                spoiled.bytes[i] ^= 0xA5;
        }
        const disc::InfoFileWrite second = disc::writeInfoFile(spoiled);
        EXPECT_TRUE(second.bytes == file->bytes) << file->name << ": a byte the writer claims came from the bytes read";
        // The model's tables are all among what it writes: every PGC, its
        // command table and cells, and the tables that list them.
        const auto covered = [&](std::uint64_t offset, std::uint64_t length) {
            for (const disc::Extent& extent : first.written) {
                if (offset >= extent.offset && offset + length <= std::uint64_t { extent.offset } + extent.length)
                    return true;
            }
            return false;
        };
        for (const disc::Pgc& pgc : file->pgcs) {
            EXPECT_TRUE(covered(pgc.offset, disc::pgc_header_size)) << file->name << " PGC at " << pgc.offset;
            if (pgc.commands) {
                const std::size_t count = pgc.commands->pre.size() + pgc.commands->post.size() + pgc.commands->cell.size();
                EXPECT_TRUE(covered(pgc.offset + pgc.command_table_offset, 8 + 8 * count)) << file->name;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TestDiscs, RoundTrip, ::testing::ValuesIn(testDiscs()), discName);

}
}
