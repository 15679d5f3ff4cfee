#pragma once

// A copy-on-write clone of a file (a reflink), where the file system makes
// one: the copy costs no time and no space until either file changes, and
// unlike a hard link, writing one never changes the other. Where the file
// system cannot (or on systems without the call), it says so and writes
// nothing; the caller then copies the bytes.

#include <filesystem>

namespace trevalo::disc {

enum class Cloned {
    Yes,
    No, // nothing was written; copy instead
};

Cloned cloneFile(const std::filesystem::path& source, const std::filesystem::path& destination);

}
