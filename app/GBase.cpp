#include "app/GBase.h"

#include <cstdio>

#include "app/Console.h"
#include "app/Globals.h"

void GBase::print(const char* text) {
    if (console != nullptr) {
        console->addLine(text);
    }
}

void GBase::printAppend(const char* text) {
    if (console != nullptr) {
        console->appendToLast(text);
    }
}

void GBase::error(const char* text) {
    std::fprintf(stderr, "%s", text);
}
