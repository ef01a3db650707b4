#include "store/GameFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void tell(std::string* why, const char* reason) {
    if (why != nullptr) {
        *why = reason;
    }
}

// Fails with errno kept for the caller.
std::FILE* fail(int fd, std::string* why, int error, const char* reason) {
    if (fd >= 0) {
        ::close(fd);
    }
    tell(why, reason);
    errno = error;
    return nullptr;
}

} // namespace

std::FILE* GameFile::openForReading(const char* path, std::string* why) {
    // Without O_NONBLOCK opening a FIFO waits for a writer, which never comes.
    const int fd = ::open(path != nullptr ? path : "", O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return fail(fd, why, error, std::strerror(error));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        return fail(fd, why, error, std::strerror(error));
    }
    if (!S_ISREG(info.st_mode)) {
        return fail(fd, why, EINVAL, "not a regular file");
    }
    // Reads from a regular file never block anyway; the flag goes so the
    // stream behaves exactly as one opened the ordinary way.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        return fail(fd, why, error, std::strerror(error));
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        const int error = errno;
        return fail(fd, why, error, std::strerror(error));
    }
    tell(why, "");
    return file;
}

long long GameFile::sizeOf(std::FILE* file) {
    struct stat info {};
    if (file == nullptr || ::fstat(::fileno(file), &info) != 0) {
        return -1;
    }
    return static_cast<long long>(info.st_size);
}
