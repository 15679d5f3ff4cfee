#pragma once

// Where the reader gets a disc's files from: a VIDEO_TS folder on disk, or
// memory (the fuzz targets and tests). Names are the upper-case names of a
// VIDEO_TS folder ("VTS_01_0.IFO"); a folder's own may be in any case.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::disc {

class DiscFiles {
public:
    virtual ~DiscFiles() = default;
    virtual bool has(const std::string& name) const = 0;
    // The whole file, or nothing when it is missing, unreadable or larger
    // than limit bytes (then too_large is set).
    virtual std::optional<std::vector<std::uint8_t>> readWhole(const std::string& name, std::uint64_t limit,
        bool& too_large) const
        = 0;
    // count 2048-byte sectors from the given one; fewer where the file ends.
    virtual std::vector<std::uint8_t> readSectors(const std::string& name, std::uint64_t sector, std::uint32_t count) const = 0;
};

class FolderFiles final : public DiscFiles {
public:
    explicit FolderFiles(std::filesystem::path folder);

    bool has(const std::string& name) const override;
    std::optional<std::vector<std::uint8_t>> readWhole(const std::string& name, std::uint64_t limit,
        bool& too_large) const override;
    std::vector<std::uint8_t> readSectors(const std::string& name, std::uint64_t sector, std::uint32_t count) const override;
    // The file's path, as the folder spells it; empty when it has no such file.
    std::filesystem::path path(const std::string& name) const;
    // Every file of the folder, by upper-case name.
    const std::map<std::string, std::filesystem::path>& files() const { return m_files; }

private:
    std::map<std::string, std::filesystem::path> m_files;
};

class MemoryFiles final : public DiscFiles {
public:
    std::map<std::string, std::vector<std::uint8_t>> files;

    bool has(const std::string& name) const override;
    std::optional<std::vector<std::uint8_t>> readWhole(const std::string& name, std::uint64_t limit,
        bool& too_large) const override;
    std::vector<std::uint8_t> readSectors(const std::string& name, std::uint64_t sector, std::uint32_t count) const override;
};

}
