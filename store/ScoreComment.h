#pragma once

#include <cstdint>
#include <string>

// The one-line remark shown under the high scores: line score / divisor of a
// scrambled file, with its '%' replaced by the score.
class ScoreComment {
  public:
    static constexpr size_t kMaxLineChars = 255;

    ScoreComment(const int32_t* score, const char* fileName, int32_t divisor);

    // Picks the line for the current score; a score beyond the last line
    // takes the last one. No text when the file is missing or empty.
    void load();
    // The remark to show, or null.
    const char* text() const { return loaded ? line.c_str() : nullptr; }

  private:
    const int32_t* score;
    int32_t divisor;
    std::string fileName;
    std::string line;
    bool loaded = false;
};
