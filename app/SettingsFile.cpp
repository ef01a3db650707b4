#include "app/SettingsFile.h"

#include <cerrno>
#include <cstdio>

#include "store/GameFile.h"

namespace {

constexpr int kEntryBytes = 4;

// Reads one little-endian entry; false at the end of the file.
bool readEntry(std::FILE* file, int32_t& value) {
    unsigned char bytes[kEntryBytes];
    if (std::fread(bytes, 1, kEntryBytes, file) != kEntryBytes) {
        return false;
    }
    value = static_cast<int32_t>(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 |
                                 uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
    return true;
}

void encodeEntry(int32_t value, unsigned char* out) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < kEntryBytes; ++i) {
        out[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

} // namespace

SettingsFile::SettingsFile(const char* fileName, int32_t count)
    : fileName(fileName), count(count) {}

int32_t SettingsFile::get(int32_t index) const {
    if (index < 0 || index >= count) {
        return kUnset;
    }
    if (!memory.empty()) {
        return memory[size_t(index)];
    }
    std::string why;
    std::FILE* file = GameFile::openForReading(fileName.c_str(), &why);
    if (file == nullptr) {
        // Only a file that is not there is ours to create. One that is there
        // but cannot be read now (no permission, a folder, too many open
        // files) may hold the player's choices: it must survive this run.
        if (errno == ENOENT) {
            writeDefaults();
        } else {
            keepInMemory(why);
        }
        return kUnset;
    }
    int32_t value = kUnset;
    for (int32_t i = 0; i <= index; ++i) {
        if (!readEntry(file, value)) {
            value = kUnset;
            break;
        }
    }
    std::fclose(file);
    return value;
}

void SettingsFile::set(int32_t index, int32_t value) const {
    if (index < 0 || index >= count) {
        return;
    }
    std::vector<int32_t> values(count);
    for (int32_t i = 0; i < count; ++i) {
        values[i] = get(i);
    }
    if (!memory.empty()) {
        memory[size_t(index)] = value;
        return;
    }
    values[index] = value;
    writeAll(values.data());
}

void SettingsFile::keepInMemory(const std::string& why) const {
    error(("Settings file " + fileName + " cannot be read (" + why +
           "); it is left alone and the game goes on with default settings\n")
              .c_str());
    memory.assign(size_t(count), kUnset);
}

void SettingsFile::writeDefaults() const {
    if (!memory.empty()) {
        memory.assign(size_t(count), kUnset);
        return;
    }
    std::vector<int32_t> values(count, kUnset);
    writeAll(values.data());
}

void SettingsFile::writeAll(const int32_t* values) const {
    std::vector<unsigned char> bytes(size_t(count) * kEntryBytes);
    for (int32_t i = 0; i < count; ++i) {
        encodeEntry(values[i], &bytes[size_t(i) * kEntryBytes]);
    }
    if (GameFile::replace(fileName, bytes.data(), bytes.size())) {
        return;
    }
    // Several entries are written at the end of a run; one word is enough.
    if (!saveReported) {
        error(("Settings could not be saved to " + fileName + "; the old file is kept\n")
                  .c_str());
        saveReported = true;
    }
}
