#include "disc/FileClone.h"

#if defined(__linux__)
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace trevalo::disc {

Cloned cloneFile(const std::filesystem::path& source, const std::filesystem::path& destination)
{
#if defined(__linux__) && defined(FICLONE)
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return Cloned::No;
    const int out = ::open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        return Cloned::No;
    }
    const bool cloned = ::ioctl(out, FICLONE, in) == 0;
    ::close(in);
    ::close(out);
    if (!cloned)
        ::unlink(destination.c_str());
    return cloned ? Cloned::Yes : Cloned::No;
#else
    (void)source;
    (void)destination;
    return Cloned::No;
#endif
}

}
