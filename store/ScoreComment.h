#pragma once

#include <cstdint>
#include <string>

// The one-line remark shown under the high scores: line score / divisor of a
// scrambled file, with its '%' replaced by the score.
class ScoreComment {
  public:
    static constexpr size_t kMaxLineChars = 255;

    ScoreComment(const char* fileName, int32_t divisor);

    // Picks the line for the score; a score beyond the last line takes the
    // last one. No text when the file is missing or empty.
    void load(int32_t score);
    // The remark to show, or null.
    const char* text() const { return loaded ? line.c_str() : nullptr; }

  private:
    int32_t divisor;
    std::string fileName;
    std::string line;
    bool loaded = false;
};
