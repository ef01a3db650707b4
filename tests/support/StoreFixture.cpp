#include "support/StoreFixture.h"

#include <algorithm>
#include <filesystem>

#include "store/EncipheredFile.h"
#include "support/Hostile.h"

namespace fs = std::filesystem;

void writeEnciphered(const TempDir& dir, const std::string& name, const std::string& plain) {
    std::vector<unsigned char> bytes;
    for (size_t i = 0; i < plain.size(); ++i) {
        bytes.push_back(EncipheredFile::encipher(static_cast<uint8_t>(plain[i]), i));
    }
    dir.write(name, bytes);
}

std::string readEnciphered(const TempDir& dir, const std::string& name) {
    std::string plain;
    const std::vector<unsigned char> bytes = dir.read(name);
    for (size_t i = 0; i < bytes.size(); ++i) {
        plain.push_back(static_cast<char>(EncipheredFile::decipher(bytes[i], i)));
    }
    return plain;
}

std::vector<std::string> filesIn(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string stateOf(const std::string& path) {
    std::error_code error;
    switch (fs::symlink_status(path, error).type()) {
    case fs::file_type::regular:
        return "file " + contentsOf(path);
    case fs::file_type::symlink:
        return "link to " + fs::read_symlink(path, error).string();
    case fs::file_type::directory:
        return "folder";
    case fs::file_type::fifo:
        return "fifo";
    case fs::file_type::not_found:
        return "missing";
    default:
        return "other";
    }
}
