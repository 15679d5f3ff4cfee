#include "disc/DiscFiles.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace trevalo::disc {

namespace {

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}

FolderFiles::FolderFiles(std::filesystem::path folder)
{
    std::error_code error;
    for (std::filesystem::directory_iterator entry { folder, error }, end; !error && entry != end; entry.increment(error)) {
        std::error_code kind_error;
        if (!entry->is_regular_file(kind_error))
            continue;
        m_files.emplace(upper(entry->path().filename().string()), entry->path());
    }
}

std::filesystem::path FolderFiles::path(const std::string& name) const
{
    const auto found = m_files.find(name);
    return found == m_files.end() ? std::filesystem::path {} : found->second;
}

bool FolderFiles::has(const std::string& name) const
{
    return m_files.count(name) != 0;
}

std::optional<std::vector<std::uint8_t>> FolderFiles::readWhole(const std::string& name, std::uint64_t limit,
    bool& too_large) const
{
    too_large = false;
    const std::filesystem::path file = path(name);
    if (file.empty())
        return std::nullopt;
    std::ifstream in { file, std::ios::binary | std::ios::ate };
    if (!in)
        return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0)
        return std::nullopt;
    if (static_cast<std::uint64_t>(size) > limit) {
        too_large = true;
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!bytes.empty() && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        return std::nullopt;
    return bytes;
}

std::vector<std::uint8_t> FolderFiles::readSectors(const std::string& name, std::uint64_t sector, std::uint32_t count) const
{
    const std::filesystem::path file = path(name);
    std::vector<std::uint8_t> bytes;
    if (file.empty())
        return bytes;
    std::ifstream in { file, std::ios::binary };
    in.seekg(static_cast<std::streamoff>(sector * 2048));
    if (!in)
        return bytes;
    bytes.resize(std::size_t { count } * 2048);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

bool MemoryFiles::has(const std::string& name) const
{
    return files.count(name) != 0;
}

std::optional<std::vector<std::uint8_t>> MemoryFiles::readWhole(const std::string& name, std::uint64_t limit,
    bool& too_large) const
{
    too_large = false;
    const auto found = files.find(name);
    if (found == files.end())
        return std::nullopt;
    if (found->second.size() > limit) {
        too_large = true;
        return std::nullopt;
    }
    return found->second;
}

std::vector<std::uint8_t> MemoryFiles::readSectors(const std::string& name, std::uint64_t sector, std::uint32_t count) const
{
    const auto found = files.find(name);
    if (found == files.end() || sector > found->second.size() / 2048)
        return {};
    const std::size_t begin = static_cast<std::size_t>(sector * 2048);
    const std::size_t end = std::min(found->second.size(), begin + std::size_t { count } * 2048);
    return { found->second.begin() + static_cast<std::ptrdiff_t>(begin), found->second.begin() + static_cast<std::ptrdiff_t>(end) };
}

}
