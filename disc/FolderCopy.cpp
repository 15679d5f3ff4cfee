#include "disc/FolderCopy.h"

#include "disc/DiscFiles.h"
#include "disc/DiscReader.h"
#include "disc/FileClone.h"
#include "disc/IfoWriter.h"

#include <algorithm>
#include <random>
#include <system_error>

namespace trevalo::disc {

namespace {

namespace fs = std::filesystem;

// The DVD-Video files of a VIDEO_TS folder, by upper-case name.
bool isDiscFile(const std::string& name)
{
    if (name == "VIDEO_TS.IFO" || name == "VIDEO_TS.BUP" || name == "VIDEO_TS.VOB")
        return true;
    // VTS_nn_m.IFO / .BUP / .VOB
    if (name.size() != 12 || name.compare(0, 4, "VTS_") != 0 || name[6] != '_' || name[8] != '.')
        return false;
    const auto digit = [&](std::size_t i) { return name[i] >= '0' && name[i] <= '9'; };
    return digit(4) && digit(5) && digit(7) && (name.compare(9, 3, "VOB") == 0 || name.compare(9, 3, "IFO") == 0
        || name.compare(9, 3, "BUP") == 0);
}

fs::path canonicalOrAbsolute(const fs::path& path)
{
    std::error_code error;
    fs::path result = fs::weakly_canonical(path, error);
    if (error)
        result = fs::absolute(path, error);
    return result.lexically_normal();
}

// Whether inner is outer or lies inside it.
bool within(const fs::path& inner, const fs::path& outer)
{
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        if (o->empty())
            continue;
        if (i == inner.end() || *i != *o)
            return false;
    }
    return true;
}

}

FolderCopy::FolderCopy(const Disc& disc, fs::path destination, std::uint64_t step_bytes)
    : m_destination(std::move(destination))
    , m_step_bytes(std::max<std::uint64_t>(step_bytes, 1))
{
    const fs::path source = canonicalOrAbsolute(disc.folder);
    const fs::path target = canonicalOrAbsolute(m_destination);
    const fs::path source_parent = source.parent_path();
    if (within(target, source) || target == source_parent) {
        fail(m_destination.string() + ": lies inside the disc's own folder, which Trevalo never writes to");
        return;
    }
    if (within(source, target)) {
        fail(m_destination.string() + ": holds the disc's own folder, which Trevalo never writes to");
        return;
    }
    std::error_code error;
    if (fs::exists(target, error)) {
        if (!fs::is_directory(target, error)) {
            fail(m_destination.string() + ": exists and is not a folder");
            return;
        }
        if (!fs::is_empty(target, error)) {
            fail(m_destination.string() + ": exists and is not empty; choose a new or empty folder");
            return;
        }
    }
    const fs::path parent = target.parent_path();
    if (!fs::is_directory(parent, error)) {
        fail(parent.string() + ": no such folder to write the copy into");
        return;
    }

    // The IFOs from the model, each twice.
    std::vector<const InfoFile*> files { &disc.manager };
    for (const InfoFile& set : disc.title_sets)
        files.push_back(&set);
    for (const InfoFile* file : files) {
        InfoFileWrite written = writeInfoFile(*file);
        if (!written.error.empty()) {
            fail(written.error);
            return;
        }
        const std::string stem = infoFileStem(file->title_set);
        m_total += 2 * written.bytes.size();
        m_jobs.push_back({ stem + ".IFO", written.bytes, {}, written.bytes.size() });
        const std::uint64_t size = written.bytes.size();
        m_jobs.push_back({ stem + ".BUP", std::move(written.bytes), {}, size });
    }
    // The VOBs as they are.
    const FolderFiles source_files { disc.folder };
    for (const auto& [name, path] : source_files.files()) {
        if (!isDiscFile(name) || name.compare(name.size() - 3, 3, "VOB") != 0)
            continue;
        const std::uintmax_t size = fs::file_size(path, error);
        if (error) {
            fail(path.string() + ": cannot be read (" + error.message() + ")");
            return;
        }
        m_jobs.push_back({ name, {}, path, size });
        m_total += size;
    }
    std::sort(m_jobs.begin(), m_jobs.end(), [](const Job& a, const Job& b) { return a.name < b.name; });
    m_audio_ts = fs::is_directory(source_parent / "AUDIO_TS", error);

    // A hidden sibling of the destination, renamed to it at the end.
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path work = parent / ("." + target.filename().string() + ".trevalo-" + std::to_string(random() % 1000000));
        if (!fs::exists(work, error)) {
            m_work = work;
            break;
        }
    }
    if (m_work.empty())
        fail(parent.string() + ": no name free for the work folder");
}

FolderCopy::~FolderCopy()
{
    if (m_state == State::Working)
        cancel();
}

void FolderCopy::fail(std::string error)
{
    m_error = std::move(error);
    m_state = State::Failed;
    removeWork();
}

void FolderCopy::removeWork()
{
    m_in.close();
    m_out.close();
    if (!m_work.empty()) {
        std::error_code error;
        fs::remove_all(m_work, error);
    }
}

void FolderCopy::cancel()
{
    if (m_state != State::Working)
        return;
    m_state = State::Cancelled;
    removeWork();
}

bool FolderCopy::step()
{
    if (m_state != State::Working)
        return false;
    std::error_code error;
    if (!m_started) {
        m_started = true;
        if (!fs::create_directory(m_work, error) || !fs::create_directory(m_work / "VIDEO_TS", error)) {
            fail(m_work.parent_path().string() + ": cannot be written to (" + error.message() + ")");
            return false;
        }
        if (m_audio_ts)
            fs::create_directory(m_work / "AUDIO_TS", error);
    }
    std::uint64_t budget = m_step_bytes;
    std::vector<char> buffer;
    while (budget > 0 && m_job < m_jobs.size()) {
        Job& job = m_jobs[m_job];
        m_current = job.name;
        const fs::path out_path = m_work / "VIDEO_TS" / job.name;
        if (!m_out.is_open() && job.bytes.empty() && job.size != 0 && cloneFile(job.source, out_path) == Cloned::Yes) {
            // A VOB cloned copy-on-write: done at once, sharing the source's
            // blocks until either file changes.
            m_done += job.size;
            budget -= std::min(budget, job.size);
            ++m_cloned;
            ++m_job;
            continue;
        }
        if (!m_out.is_open()) {
            m_out.open(out_path, std::ios::binary | std::ios::trunc);
            if (!m_out) {
                fail(out_path.string() + ": cannot be written");
                return false;
            }
            if (job.bytes.empty() && job.size != 0) {
                m_in.open(job.source, std::ios::binary);
                if (!m_in) {
                    fail(job.source.string() + ": cannot be read");
                    return false;
                }
            }
            m_job_done = 0;
        }
        if (!job.bytes.empty()) {
            m_out.write(reinterpret_cast<const char*>(job.bytes.data()), static_cast<std::streamsize>(job.bytes.size()));
            m_job_done = job.size;
            budget -= std::min<std::uint64_t>(budget, job.size);
        } else if (m_job_done < job.size) {
            const std::uint64_t chunk = std::min<std::uint64_t>({ budget, job.size - m_job_done, 1ull << 20 });
            buffer.resize(static_cast<std::size_t>(chunk));
            m_in.read(buffer.data(), static_cast<std::streamsize>(chunk));
            if (static_cast<std::uint64_t>(m_in.gcount()) != chunk) {
                fail(job.source.string() + ": ended early or could not be read");
                return false;
            }
            m_out.write(buffer.data(), static_cast<std::streamsize>(chunk));
            m_job_done += chunk;
            budget -= chunk;
            m_done += chunk;
        }
        if (!m_out) {
            fail(out_path.string() + ": could not be written (is the disc full?)");
            return false;
        }
        if (m_job_done >= job.size) {
            if (!job.bytes.empty())
                m_done += job.size;
            m_out.close();
            m_in.close();
            if (m_out.fail()) {
                fail(out_path.string() + ": could not be written (is the disc full?)");
                return false;
            }
            ++m_job;
        }
    }
    if (m_job < m_jobs.size())
        return true;
    const fs::path target = canonicalOrAbsolute(m_destination);
    if (fs::exists(target, error))
        fs::remove(target, error); // empty, as checked at the start
    fs::rename(m_work, target, error);
    if (error) {
        fail(m_destination.string() + ": the finished copy could not be put in place (" + error.message() + ")");
        return false;
    }
    m_work.clear();
    m_current.clear();
    m_state = State::Done;
    return false;
}

std::string writeFolderCopy(const Disc& disc, const std::filesystem::path& destination)
{
    FolderCopy copy { disc, destination };
    while (copy.step()) {
    }
    return copy.state() == FolderCopy::State::Done ? std::string {} : copy.error();
}

}
