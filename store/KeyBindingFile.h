#pragma once

#include <string>

#include "store/Binding.h"

// The 64-byte file of one player's eight bindings: the eight keys first,
// then the eight devices, each a 32-bit little-endian integer.
class KeyBindingFile {
  public:
    static constexpr int kBindingCount = 8;
    static constexpr int kFileBytes = kBindingCount * 2 * 4;

    explicit KeyBindingFile(std::string fileName) : fileName(std::move(fileName)) {}

    // Fills all eight bindings from the file. False, with the bindings left
    // as they were, when the file is missing or shorter than 64 bytes: a
    // part of a file says nothing trustworthy about the rest.
    bool read(Binding* bindings) const;
    // Writes the eight bindings; the old file stays whole if that fails.
    bool write(const Binding* bindings) const;

  private:
    std::string fileName;
};
