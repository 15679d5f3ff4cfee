// The disc reader on any bytes, from memory: an IFO of either kind, a
// navigation pack, or a whole disc of two IFOs. Besides what the sanitizers
// catch: a read either gives a message naming its file or a model, and a
// model written back gives exactly the bytes it was read from, whatever
// they were, since every field goes back where it came from.

#include "DiscInput.h"

#include "disc/DiscReader.h"
#include "disc/IfoReader.h"
#include "disc/IfoWriter.h"
#include "disc/NavPack.h"
#include "disc/Scan.h"

#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

void fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

void checkWriteBack(const trevalo::disc::InfoFile& file, const std::vector<std::uint8_t>& bytes)
{
    const trevalo::disc::InfoFileWrite written = trevalo::disc::writeInfoFile(file);
    if (!written.error.empty())
        fail("a model read from bytes does not write", written.error);
    if (written.bytes != bytes)
        fail("a model read from bytes writes other bytes", file.name);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace trevalo::disc;
    if (size < 1)
        return 0;
    const int mode = data[0] % 4;
    const std::vector<std::uint8_t> rest(data + 1, data + size);
    if (mode == 0 || mode == 1) {
        const bool manager = mode == 0;
        const char* name = manager ? "VIDEO_TS.IFO" : "VTS_01_0.IFO";
        const InfoFileRead read = readInfoFile(name, rest, manager ? FileKind::VideoManager : FileKind::TitleSet, mode);
        if (!read.file) {
            if (read.error.rfind(std::string(name) + ": ", 0) != 0)
                fail("a message does not name its file", read.error);
            return 0;
        }
        checkWriteBack(*read.file, rest);
    } else if (mode == 2) {
        const NavPackRead nav = readNavPack(rest);
        if (nav.highlight && nav.highlight->buttons.size() > 36)
            fail("more buttons than a pack holds", std::to_string(nav.highlight->buttons.size()));
    } else {
        const MemoryFiles files = trevalo::testing::discFromInput(data + 1, size - 1);
        const DiscRead read = readDisc(files, "fuzz");
        if (!read.disc) {
            if (read.error.empty())
                fail("a refusal without a message", "");
            return 0;
        }
        checkWriteBack(read.disc->manager, files.files.at("VIDEO_TS.IFO"));
        for (const InfoFile& set : read.disc->title_sets)
            checkWriteBack(set, files.files.at("VTS_01_0.IFO"));
        scanDisc(*read.disc);
    }
    return 0;
}
