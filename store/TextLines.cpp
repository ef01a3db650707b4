#include "store/TextLines.h"

bool readLine(std::FILE* file, size_t limit, std::string& line) {
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF) {
        return false;
    }
    while (c != EOF && c != '\n') {
        if (line.size() < limit) {
            line.push_back(static_cast<char>(c));
        }
        c = std::fgetc(file);
    }
    return true;
}
