#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/GBase.h"

// The player's setup choices kept between runs: a fixed number of 32-bit
// little-endian entries, -1 meaning "unset". Every access opens the file anew,
// until the file turns out to exist but cannot be read: from then on the
// entries live in memory only, so the player's file is never written over.
class SettingsFile : public GBase {
public:
    static constexpr int32_t kUnset = -1;

    SettingsFile(const char* fileName, int32_t count);

    // The entry, or -1 when it is unset, unreadable or out of range. A missing
    // file is created with every entry unset; one that cannot be opened for
    // any other reason is reported once and left alone.
    int32_t get(int32_t index) const;
    // Rewrites the file with one entry changed (or only the copy in memory,
    // see above); out-of-range indexes do nothing. A failed write keeps the
    // old file and is reported once.
    void set(int32_t index, int32_t value) const;
    // Writes a fresh file of unset entries.
    void writeDefaults() const;

private:
    // Replaces the file with these entries by way of a temporary file, so a
    // failed write leaves the old file whole.
    void writeAll(const int32_t* values) const;
    // Stops touching the file for the rest of the run.
    void keepInMemory(const std::string& why) const;

    std::string fileName;
    int32_t count;
    // Entries of a file that exists but cannot be read; empty while the file
    // itself is used.
    mutable std::vector<int32_t> memory;
    mutable bool saveReported = false;
};
