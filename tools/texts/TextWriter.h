#pragma once

#include <string>

#include "TextFile.h"

// Writes text files below the data folder, scrambled as the game stores them.
class TextWriter {
  public:
    // Makes the "dat" folder when it is missing, so a fresh folder will do.
    explicit TextWriter(std::string dataDir);

    // False, with the reason on standard error, when the file was not written.
    bool write(const TextFile& file);

    int filesWritten() const { return files; }

  private:
    std::string dataDir;
    int files = 0;
};
