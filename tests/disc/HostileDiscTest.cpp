// Damaged, truncated and wrong folders: each gets a message naming the
// file, the part and the offset, or a note saying which of IFO and BUP was
// used; none crashes and none is read as something else.

#include "TestDiscs.h"

#include "disc/ByteSpan.h"
#include "disc/DiscFiles.h"
#include "disc/DiscReader.h"
#include "disc/IfoReader.h"

#include <gtest/gtest.h>

#include <functional>

namespace trevalo::testing {
namespace {

disc::MemoryFiles inMemory(const std::filesystem::path& folder)
{
    disc::MemoryFiles files;
    const disc::FolderFiles source { folder / "VIDEO_TS" };
    for (const auto& [name, path] : source.files())
        files.files[name] = fileBytes(path);
    return files;
}

void put32Both(disc::MemoryFiles& files, const std::string& stem, std::size_t at, std::uint32_t value)
{
    for (const char* extension : { ".IFO", ".BUP" })
        disc::put32(files.files[stem + extension].data() + at, value);
}

struct Damage {
    const char* disc; // the authored disc it spoils
    const char* name;
    std::function<void(disc::MemoryFiles&, const disc::Disc&)> spoil;
    std::string error; // expected in the message, or
    std::string note; // expected among the notes, the disc still read
};

TEST(HostileDisc, EachDamageIsNamedWithItsFileAndPlace)
{
    // The disc with menus in its title set, and the one with two title sets.
    const char* menus = "firstplay_menus";
    const char* two_sets = "two_titlesets";
    const disc::Disc with_menus = readTestDisc(testDisc(menus));
    ASSERT_EQ(with_menus.title_sets.size(), 1u);
    ASSERT_TRUE(with_menus.title_sets[0].menus && with_menus.manager.first_play);
    const disc::InfoFile& set1 = with_menus.title_sets[0];
    const std::uint32_t units = set1.menus->offset;
    const std::uint32_t title_pgcs = set1.pgc_tables[*set1.title_pgcs].offset;
    const disc::Pgc& first_play = with_menus.manager.pgcs[*with_menus.manager.first_play];
    const std::uint32_t first_play_commands = first_play.offset + first_play.command_table_offset;

    const Damage cases[] = {
        { menus, "a language unit's table pointing past the end",
            [&](disc::MemoryFiles& f, const disc::Disc&) { put32Both(f, "VTS_01_0", units + 8 + 4, 0x00100000); },
            "VTS_01_0.IFO: the menu PGC table of language unit 1 points past the end of the file (offset 0x"
                + [&] {
                      char hex[16];
                      std::snprintf(hex, sizeof hex, "%X", units + 0x00100000);
                      return std::string(hex);
                  }() },
        { menus, "a title PGC pointing past the end",
            [&](disc::MemoryFiles& f, const disc::Disc&) { put32Both(f, "VTS_01_0", title_pgcs + 8 + 4, 0x7FFF0000); },
            "VTS_01_0.IFO: the title PGC table (its entry for title PGC 1) points past the end of the file" },
        { menus, "an IFO cut off inside its PGC table",
            [&](disc::MemoryFiles& f, const disc::Disc&) {
                for (const char* extension : { ".IFO", ".BUP" })
                    f.files[std::string("VTS_01_0") + extension].resize(title_pgcs + 12);
            },
            "VTS_01_0.IFO: the title PGC table is cut off by the end of the file" },
        { two_sets, "an IFO shorter than its management table",
            [](disc::MemoryFiles& f, const disc::Disc&) {
                f.files["VTS_02_0.IFO"].resize(100);
                f.files["VTS_02_0.BUP"].resize(100);
            },
            "VTS_02_0.IFO: too short for the management table of a title set (100 bytes)" },
        { two_sets, "a title set file that is a video manager",
            [](disc::MemoryFiles& f, const disc::Disc&) {
                f.files["VTS_02_0.IFO"] = f.files["VIDEO_TS.IFO"];
                f.files["VTS_02_0.BUP"] = f.files["VIDEO_TS.BUP"];
            },
            "VTS_02_0.IFO: does not start with DVDVIDEO-VTS" },
        { two_sets, "a missing title set",
            [](disc::MemoryFiles& f, const disc::Disc&) {
                f.files.erase("VTS_02_0.IFO");
                f.files.erase("VTS_02_0.BUP");
            },
            "VTS_02_0.IFO: missing (and VTS_02_0.BUP: missing)" },
        { two_sets, "a title in a title set the disc does not count",
            [](disc::MemoryFiles& f, const disc::Disc& d) {
                for (const char* name : { "VIDEO_TS.IFO", "VIDEO_TS.BUP" })
                    f.files[name][d.manager.titles->offset + 8 + 6] = 9;
            },
            "VIDEO_TS.IFO: title 1 belongs to title set 9, but the disc counts" },
        { menus, "a damaged IFO with a sound BUP",
            [](disc::MemoryFiles& f, const disc::Disc&) { f.files["VTS_01_0.IFO"].resize(50); }, {},
            "VTS_01_0.IFO: too short for the management table of a title set (50 bytes): not a DVD-Video information "
            "file; VTS_01_0.BUP is used instead" },
        { menus, "an IFO that differs from its BUP",
            [](disc::MemoryFiles& f, const disc::Disc&) { f.files["VIDEO_TS.BUP"][0x30] ^= 1; }, {},
            "VIDEO_TS.IFO and VIDEO_TS.BUP differ (first at offset 0x30); VIDEO_TS.IFO is used" },
        { two_sets, "a missing BUP", [](disc::MemoryFiles& f, const disc::Disc&) { f.files.erase("VTS_02_0.BUP"); }, {},
            "VTS_02_0.BUP: missing; VTS_02_0.IFO is used" },
        { menus, "a missing IFO", [](disc::MemoryFiles& f, const disc::Disc&) { f.files.erase("VIDEO_TS.IFO"); }, {},
            "VIDEO_TS.IFO: missing; VIDEO_TS.BUP is used instead" },
        { menus, "a missing menu VOB", [](disc::MemoryFiles& f, const disc::Disc&) { f.files.erase("VTS_01_0.VOB"); }, {},
            "VTS_01_0.VOB: missing, so the menus' buttons are not known" },
        { menus, "a menu VOB of other bytes",
            [](disc::MemoryFiles& f, const disc::Disc&) {
                auto& vob = f.files["VIDEO_TS.VOB"];
                std::fill(vob.begin(), vob.end(), 0x47);
            },
            {}, "VIDEO_TS.VOB: no navigation pack at sector" },
        { menus, "a command table counting more commands than it holds",
            [&](disc::MemoryFiles& f, const disc::Disc&) {
                for (const char* name : { "VIDEO_TS.IFO", "VIDEO_TS.BUP" })
                    disc::put16(f.files[name].data() + first_play_commands + 6, 7);
            },
            "VIDEO_TS.IFO: the command table of the First Play PGC counts " },
        { menus, "a larger file than any IFO",
            [](disc::MemoryFiles& f, const disc::Disc&) {
                f.files["VTS_01_0.IFO"].resize(disc::largest_info_file + 1);
                f.files["VTS_01_0.BUP"].resize(disc::largest_info_file + 1);
            },
            "VTS_01_0.IFO: larger than 64 MiB, which no information file is" },
    };
    const disc::Disc with_two_sets = readTestDisc(testDisc(two_sets));
    for (const Damage& damage : cases) {
        SCOPED_TRACE(damage.name);
        const std::filesystem::path folder = testDisc(damage.disc);
        disc::MemoryFiles files = inMemory(folder);
        damage.spoil(files, damage.disc == menus ? with_menus : with_two_sets);
        const disc::DiscRead read = disc::readDisc(files, folder / "VIDEO_TS");
        if (!damage.error.empty()) {
            EXPECT_FALSE(read.disc);
            EXPECT_NE(read.error.find(damage.error), std::string::npos) << read.error;
        } else {
            ASSERT_TRUE(read.disc) << read.error;
            std::string notes;
            for (const std::string& note : read.disc->notes)
                notes += note + "\n";
            EXPECT_NE(notes.find(damage.note), std::string::npos) << notes;
        }
    }
}

TEST(HostileDisc, EveryTruncationOfEveryIfoIsRefusedOrReadWithoutCrashing)
{
    // A cut anywhere gives a message or a model, never a read past the end
    // (the sanitizer build holds that); a cut inside the management table
    // is always a message.
    for (const std::filesystem::path& folder : testDiscs()) {
        const disc::FolderFiles files { folder / "VIDEO_TS" };
        for (const auto& [name, path] : files.files()) {
            if (name.size() < 4 || name.compare(name.size() - 4, 4, ".IFO") != 0)
                continue;
            const std::vector<std::uint8_t> bytes = fileBytes(path);
            const bool manager = name == "VIDEO_TS.IFO";
            for (std::size_t length = 0; length < bytes.size(); length += length < 4096 ? 7 : 509) {
                const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
                const disc::InfoFileRead read = disc::readInfoFile(name, cut,
                    manager ? disc::FileKind::VideoManager : disc::FileKind::TitleSet, manager ? 0 : 1);
                if (!read.file) {
                    EXPECT_EQ(read.error.rfind(name + ": ", 0), 0u) << read.error;
                } else {
                    EXPECT_GE(length, 0x1FEu) << name << " cut at " << length;
                }
            }
        }
    }
}

TEST(HostileDisc, WrongFoldersSayWhatTheyAre)
{
    const std::filesystem::path scratch = scratchFolder("wrong-folders");
    std::filesystem::create_directories(scratch / "empty");
    std::ofstream(scratch / "a-file") << "not a folder";
    std::filesystem::create_directories(scratch / "other" / "VIDEO_TS");
    std::ofstream(scratch / "other" / "VIDEO_TS" / "README") << "no IFO here";
    const struct {
        std::filesystem::path folder;
        std::string message;
    } cases[] = {
        { scratch / "missing", "no such folder" },
        { scratch / "a-file", "not a folder" },
        { scratch / "empty", "holds neither VIDEO_TS.IFO nor a VIDEO_TS folder, so it is not a DVD-Video folder" },
        { scratch / "other", "holds no VIDEO_TS.IFO, so it is not a DVD-Video folder" },
    };
    for (const auto& wrong : cases) {
        const disc::DiscRead read = disc::readDisc(wrong.folder);
        EXPECT_FALSE(read.disc);
        EXPECT_NE(read.error.find(wrong.message), std::string::npos) << read.error;
    }
}

TEST(HostileDisc, AFolderHoldingVideoTsAndVideoTsItselfReadAlike)
{
    const std::filesystem::path folder = testDiscs().front();
    const disc::DiscRead outer = disc::readDisc(folder);
    const disc::DiscRead inner = disc::readDisc(folder / "VIDEO_TS");
    ASSERT_TRUE(outer.disc && inner.disc);
    EXPECT_EQ(outer.disc->folder, inner.disc->folder);
    EXPECT_EQ(outer.disc->manager.bytes, inner.disc->manager.bytes);
}

}
}
