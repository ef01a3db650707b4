#pragma once

#include <cstdint>
#include <string>

#include "app/GBase.h"

// The player's setup choices kept between runs: a fixed number of 32-bit
// little-endian entries, -1 meaning "unset". Every access opens the file anew.
class SettingsFile : public GBase {
public:
    static constexpr int32_t kUnset = -1;

    SettingsFile(const char* fileName, int32_t count);

    // The entry, or -1 when it is unset, unreadable or out of range. A missing
    // file is created with every entry unset.
    int32_t get(int32_t index) const;
    // Rewrites the file with one entry changed; out-of-range indexes do nothing.
    void set(int32_t index, int32_t value) const;
    // Writes a fresh file of unset entries.
    void writeDefaults() const;

private:
    // Replaces the file with these entries by way of a temporary file, so a
    // failed write leaves the old file whole.
    void writeAll(const int32_t* values) const;

    std::string fileName;
    int32_t count;
};
