#include "DiscCopy.h"

#include "disc/DiscReader.h"
#include "disc/IfoWriter.h"

#include <fstream>

namespace trevalo::testing {

namespace {

std::string writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out ? std::string() : "cannot write " + path.string();
}

}

std::string writeLinkedCopy(const disc::Disc& disc, const std::filesystem::path& folder)
{
    const std::filesystem::path target = folder / "VIDEO_TS";
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    std::filesystem::create_directories(target, error);
    if (error)
        return "cannot make " + target.string() + ": " + error.message();
    const auto write = [&](const disc::InfoFile& file) -> std::string {
        const disc::InfoFileWrite written = disc::writeInfoFile(file);
        if (!written.error.empty())
            return written.error;
        const std::string stem = disc::infoFileStem(file.title_set);
        std::string failed = writeFile(target / (stem + ".IFO"), written.bytes);
        return failed.empty() ? writeFile(target / (stem + ".BUP"), written.bytes) : failed;
    };
    std::string failed = write(disc.manager);
    for (const disc::InfoFile& set : disc.title_sets) {
        if (failed.empty())
            failed = write(set);
    }
    if (!failed.empty())
        return failed;
    for (const auto& entry : std::filesystem::directory_iterator(disc.folder, error)) {
        if (entry.path().extension() == ".VOB")
            std::filesystem::create_symlink(std::filesystem::absolute(entry.path()), target / entry.path().filename(), error);
        if (error)
            return "cannot link " + entry.path().string() + ": " + error.message();
    }
    return error ? "cannot list " + disc.folder.string() + ": " + error.message() : std::string();
}

}
