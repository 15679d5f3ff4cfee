#pragma once

// Writes a disc model as a new DVD-Video folder: its IFOs written from the
// model, each with an identical BUP, and the VOBs cloned copy-on-write from
// the folder the disc was read from where the file system can, else copied;
// never hard-linked, since a tool that reworks a VOB in place would then
// change the author's as well. The source is only ever opened for reading. The work goes in steps of a bounded size, so a window
// can show progress and offer Cancel between them.
//
// The author's folder is never written to: a destination that is the source
// folder, lies inside it or holds it is refused, as is one that exists and
// is not empty. Everything is written into a hidden folder beside the
// destination and renamed to it only when complete; a failure or a cancel
// removes it, so nothing is left behind.

#include "disc/Disc.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace trevalo::disc {

class FolderCopy {
public:
    enum class State {
        Working,
        Done,
        Failed, // error() says why; nothing is left behind
        Cancelled,
    };

    static constexpr std::uint64_t default_step_bytes = 8ull << 20;

    // destination receives VIDEO_TS (and AUDIO_TS where the source has one).
    FolderCopy(const Disc& disc, std::filesystem::path destination, std::uint64_t step_bytes = default_step_bytes);
    ~FolderCopy();
    FolderCopy(const FolderCopy&) = delete;
    FolderCopy& operator=(const FolderCopy&) = delete;

    // Does about step_bytes of work; true while there is more.
    bool step();
    void cancel();

    State state() const { return m_state; }
    const std::string& error() const { return m_error; }
    std::uint64_t bytesDone() const { return m_done; }
    std::uint64_t bytesTotal() const { return m_total; }
    // The file being written, for a progress line.
    const std::string& currentFile() const { return m_current; }
    // How many VOBs were cloned copy-on-write rather than copied.
    int vobsCloned() const { return m_cloned; }

private:
    struct Job {
        std::string name; // in VIDEO_TS
        std::vector<std::uint8_t> bytes; // written as they are, or
        std::filesystem::path source; // copied from here
        std::uint64_t size = 0;
    };

    void fail(std::string error);
    void removeWork();

    std::filesystem::path m_destination;
    std::uint64_t m_step_bytes;
    std::filesystem::path m_work;
    std::vector<Job> m_jobs;
    std::size_t m_job = 0;
    std::uint64_t m_job_done = 0;
    std::ifstream m_in;
    std::ofstream m_out;
    bool m_audio_ts = false;
    bool m_started = false;
    State m_state = State::Working;
    std::string m_error;
    std::string m_current;
    std::uint64_t m_done = 0;
    int m_cloned = 0;
    std::uint64_t m_total = 0;
};

// The whole copy at once; an empty text when done, else why not.
std::string writeFolderCopy(const Disc& disc, const std::filesystem::path& destination);

}
