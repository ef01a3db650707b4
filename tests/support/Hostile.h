#pragma once

#include <string>
#include <sys/resource.h>
#include <vector>

// Ways to make the surroundings hostile for a test, also when it runs as root.

// While it lives, permission bits bind this process even when it is root, so
// a read-only folder or an unreadable file refuses it as it would a player.
class PermissionsBind {
  public:
    PermissionsBind();
    ~PermissionsBind();
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

    // False for root when its overrides could not be given up.
    bool binds() const { return dropped || !root; }

  private:
    bool root = false;
    bool dropped = false;
};

// While it lives, every free file descriptor is taken, so the next open fails
// with "too many open files".
class NoFreeDescriptors {
  public:
    NoFreeDescriptors();
    ~NoFreeDescriptors();
    NoFreeDescriptors(const NoFreeDescriptors&) = delete;
    NoFreeDescriptors& operator=(const NoFreeDescriptors&) = delete;

  private:
    std::vector<int> taken;
    rlimit saved{};
};

// While it lives, no file of the process may grow past the given size: a
// write then stops part of the way through, as on a disk that fills up.
class FileSizeCap {
  public:
    explicit FileSizeCap(rlim_t bytes);
    ~FileSizeCap();
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;

  private:
    rlimit saved{};
    void (*oldHandler)(int);
};

// Makes path a FIFO; opening it for reading the ordinary way would wait for
// a writer for ever.
void makeFifo(const std::string& path);
// Makes path a link to /dev/full, where every write fails for want of space.
void pointAtFullDevice(const std::string& path);
// The bytes of a file, or "<none>" when it cannot be read.
std::string contentsOf(const std::string& path);
