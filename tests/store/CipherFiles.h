#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "store/EncipheredFile.h"
#include "support/TempDir.h"

// Writes plain text as the game stores it, scrambled, into dir/name.
inline void writeEnciphered(const TempDir& dir, const std::string& name, const std::string& plain) {
    std::vector<unsigned char> bytes;
    for (size_t i = 0; i < plain.size(); ++i) {
        bytes.push_back(EncipheredFile::encipher(static_cast<uint8_t>(plain[i]), i));
    }
    dir.write(name, bytes);
}

// The plain text of a scrambled file in dir/name.
inline std::string readEnciphered(const TempDir& dir, const std::string& name) {
    std::string plain;
    const std::vector<unsigned char> bytes = dir.read(name);
    for (size_t i = 0; i < bytes.size(); ++i) {
        plain.push_back(static_cast<char>(EncipheredFile::decipher(bytes[i], i)));
    }
    return plain;
}

// Nothing but the given files in the directory.
inline std::vector<std::string> filesIn(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
