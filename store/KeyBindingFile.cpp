#include "store/KeyBindingFile.h"

#include <cerrno>
#include <cstdio>

#include "core/GBase.h"
#include "store/GameFile.h"

namespace {

constexpr int kValueBytes = 4;

int32_t decode(const unsigned char* bytes) {
    return static_cast<int32_t>(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 |
                                uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
}

void encode(int32_t value, unsigned char* out) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < kValueBytes; ++i) {
        out[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

// Offset of action i's key and of its device in the file.
constexpr int keyOffset(int i) {
    return i * kValueBytes;
}
constexpr int deviceOffset(int i) {
    return (KeyBindingFile::kBindingCount + i) * kValueBytes;
}

} // namespace

bool KeyBindingFile::read(Binding* bindings) const {
    std::string why;
    std::FILE* file = GameFile::openForReading(fileName.c_str(), &why);
    if (file == nullptr) {
        // No file yet is the usual first run; anything else is worth a word.
        if (errno != ENOENT) {
            GBase::error(("Key file " + fileName + " cannot be read (" + why +
                          "); the keys stay as they are\n")
                             .c_str());
        }
        return false;
    }
    unsigned char bytes[kFileBytes];
    const size_t got = std::fread(bytes, 1, kFileBytes, file);
    std::fclose(file);
    if (got != size_t(kFileBytes)) {
        return false;
    }
    for (int i = 0; i < kBindingCount; ++i) {
        bindings[i].key = decode(bytes + keyOffset(i));
        bindings[i].device = decode(bytes + deviceOffset(i));
    }
    return true;
}

bool KeyBindingFile::write(const Binding* bindings) const {
    unsigned char bytes[kFileBytes];
    for (int i = 0; i < kBindingCount; ++i) {
        encode(bindings[i].key, bytes + keyOffset(i));
        encode(bindings[i].device, bytes + deviceOffset(i));
    }
    if (!GameFile::replace(fileName, bytes, kFileBytes)) {
        GBase::error(("Key bindings could not be saved to " + fileName +
                      "; the old file is kept\n")
                         .c_str());
        return false;
    }
    return true;
}
