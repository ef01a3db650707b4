#include "store/ScoreComment.h"

#include <cstdio>

#include "store/EncipheredFile.h"
#include "store/TextLines.h"

ScoreComment::ScoreComment(const char* fileName, int32_t divisor)
    : divisor(divisor), fileName(fileName != nullptr ? fileName : "") {}

void ScoreComment::load(int32_t value) {
    loaded = false;
    line.clear();
    // Scores below zero, or a divisor that cannot divide, take the first line.
    const int32_t wanted = divisor > 0 && value > 0 ? value / divisor : 0;

    EncipheredFile crypt;
    crypt.setWriteBack(0);
    std::FILE* plain = std::fopen(crypt.open(fileName.c_str()), "r");
    if (plain == nullptr) {
        crypt.close();
        return;
    }
    std::string read;
    for (int32_t number = 0; number <= wanted && readLine(plain, kMaxLineChars, read); ++number) {
        line = read;
        loaded = true;
    }
    std::fclose(plain);
    crypt.close();

    const size_t mark = line.find('%');
    if (loaded && mark != std::string::npos) {
        line.replace(mark, 1, std::to_string(value));
        // The score is longer than the mark it replaces; the shown text
        // keeps to the same length as any line read.
        if (line.size() > kMaxLineChars) {
            line.resize(kMaxLineChars);
        }
    }
}
