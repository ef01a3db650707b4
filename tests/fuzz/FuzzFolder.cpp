#include "fuzz/FuzzFolder.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "store/EncipheredFile.h"
#include "support/TempDir.h"

namespace {

const TempDir& folder() {
    static const std::unique_ptr<TempDir> made = std::make_unique<TempDir>();
    return *made;
}

} // namespace

namespace fuzzfolder {

std::string path(const std::string& name) {
    return folder().file(name);
}

std::string write(const std::string& name, const uint8_t* data, size_t size) {
    folder().write(name, std::vector<unsigned char>(data, data + size));
    return path(name);
}

std::string writeScrambled(const std::string& name, const uint8_t* data, size_t size) {
    std::vector<unsigned char> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = EncipheredFile::encipher(data[i], i);
    }
    folder().write(name, bytes);
    return path(name);
}

void remove(const std::string& name) {
    std::remove(path(name).c_str());
}

} // namespace fuzzfolder
