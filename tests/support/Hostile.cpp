#include "support/Hostile.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <linux/capability.h>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr rlim_t kCeiling = 512;
constexpr unsigned kOverrides =
    1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH | 1u << CAP_FOWNER;

bool changeOverrides(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    data[0].effective =
        on ? data[0].effective | (data[0].permitted & kOverrides) : data[0].effective & ~kOverrides;
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

PermissionsBind::PermissionsBind()
    : root(geteuid() == 0), dropped(root && changeOverrides(false)) {}

PermissionsBind::~PermissionsBind() {
    if (dropped) {
        changeOverrides(true);
    }
}

NoFreeDescriptors::NoFreeDescriptors() {
    // A lower ceiling keeps the count small where the system allows millions.
    getrlimit(RLIMIT_NOFILE, &saved);
    rlimit lower = saved;
    lower.rlim_cur = std::min<rlim_t>(saved.rlim_cur, kCeiling);
    setrlimit(RLIMIT_NOFILE, &lower);
    for (int fd; (fd = ::dup(STDERR_FILENO)) >= 0;) {
        taken.push_back(fd);
    }
}

NoFreeDescriptors::~NoFreeDescriptors() {
    for (int fd : taken) {
        ::close(fd);
    }
    setrlimit(RLIMIT_NOFILE, &saved);
}

FileSizeCap::FileSizeCap(rlim_t bytes) : oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit capped = saved;
    capped.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &capped);
}

FileSizeCap::~FileSizeCap() {
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

void makeFifo(const std::string& path) {
    if (mkfifo(path.c_str(), 0644) != 0) {
        throw std::runtime_error("cannot make FIFO " + path);
    }
}

void pointAtFullDevice(const std::string& path) {
    if (symlink("/dev/full", path.c_str()) != 0) {
        throw std::runtime_error("cannot link " + path);
    }
}

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return "<none>";
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
