#include "files/replace_file.h"

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace trelvo {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    // Only a regular file that could be opened for writing in place is replaced; one that
    // nobody may write is left alone even where the system would let us (as root).
    if (exists && (!S_ISREG(target.st_mode) || ::access(path.c_str(), W_OK) != 0 ||
                   (target.st_mode & 0222) == 0))
        return false;
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    // A replaced file keeps its permissions; a new one gets what the umask allows.
    ::fchmod(fd, exists ? (target.st_mode & 07777) : (0666 & ~CurrentUmask()));
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace trelvo
