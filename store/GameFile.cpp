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

// Fails for the reason the last system call gave.
std::FILE* failFromErrno(int fd, std::string* why) {
    const int error = errno;
    return fail(fd, why, error, std::strerror(error));
}

constexpr mode_t kFileMode = 0664;

} // namespace

std::FILE* GameFile::openForReading(const char* path, std::string* why) {
    // Without O_NONBLOCK opening a FIFO waits for a writer, which never comes.
    const int fd = ::open(path != nullptr ? path : "", O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return failFromErrno(fd, why);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return failFromErrno(fd, why);
    }
    if (!S_ISREG(info.st_mode)) {
        return fail(fd, why, EINVAL, "not a regular file");
    }
    // Reads from a regular file never block anyway; the flag goes so the
    // stream behaves exactly as one opened the ordinary way.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return failFromErrno(fd, why);
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        return failFromErrno(fd, why);
    }
    tell(why, "");
    return file;
}

int GameFile::openTemporary(const std::string& path) {
    // Truncated, so a longer file a crash left at the name cannot lend its
    // tail to this one. Not blocking, so a FIFO without a reader fails at
    // once instead of holding the game for ever.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
               kFileMode);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool GameFile::replace(const std::string& path, const unsigned char* bytes, size_t size) {
    const std::string temporary = path + ".new";
    const int fd = openTemporary(temporary);
    const bool written = fd >= 0 && ::write(fd, bytes, size) == ssize_t(size);
    const bool closed = fd >= 0 && ::close(fd) == 0;
    if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0) {
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}

long long GameFile::sizeOf(std::FILE* file) {
    struct stat info {};
    if (file == nullptr || ::fstat(::fileno(file), &info) != 0) {
        return -1;
    }
    return static_cast<long long>(info.st_size);
}
