#include "app/GBase.h"

#include <cstdio>

// The console arrives with the graphics; until then nothing is shown.
void GBase::print(const char*) {}

void GBase::printAppend(const char*) {}

void GBase::error(const char* text) {
    std::fprintf(stderr, "%s", text);
}
