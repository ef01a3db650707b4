#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// The one way the game opens a file it reads, and replaces a small file it
// saves. Anything but a regular file (a FIFO that would block the game for
// ever, a device, a folder) is refused at once, so every loader fails with
// its message instead of hanging.
class GameFile {
  public:
    // A stream reading the file, or null with errno telling why (EINVAL for a
    // file that is not regular) and, when why is given, the reason in words.
    static std::FILE* openForReading(const char* path, std::string* why = nullptr);
    // Writes the bytes to a temporary file beside path and renames it over
    // path; false, with the old file whole and no temporary left, when any
    // step fails.
    static bool replace(const std::string& path, const unsigned char* bytes, size_t size);
    // Opens the temporary file a save is written to, created or emptied;
    // -1 when a link, a FIFO or anything but a regular file stands at the
    // name, so a save never writes through what someone planted there.
    static int openTemporary(const std::string& path);
    // The size of an open file in bytes, or -1 when the system cannot tell.
    static long long sizeOf(std::FILE* file);
};
