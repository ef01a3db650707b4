#pragma once

#include <cstdio>
#include <string>

// Reads one line without its newline, keeping at most `limit` characters and
// skipping the rest of a longer line, so the next read starts on the next
// line. False at the end of the file when nothing was left to read.
bool readLine(std::FILE* file, size_t limit, std::string& line);
