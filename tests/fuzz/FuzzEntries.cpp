#include "fuzz/FuzzEntries.h"

#include <cstdio>
#include <cstdlib>

const std::vector<FuzzEntry>& fuzzEntries() {
    static const std::vector<FuzzEntry> entries = {
        {"tga", fuzzTgaPicture},    {"sprites", fuzzSpriteLibrary},
        {"font", fuzzFontSheet},    {"keys", fuzzKeyBindings},
        {"settings", fuzzSettings}, {"scrambled", fuzzScrambledTexts},
        {"help", fuzzHelpPage},     {"replay", fuzzReplay},
    };
    return entries;
}

const FuzzEntry* findFuzzEntry(const std::string& name) {
    for (const FuzzEntry& entry : fuzzEntries()) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}

void fuzzCheck(bool fact, const char* what) {
    if (!fact) {
        std::fprintf(stderr, "Fuzz check failed: %s\n", what);
        std::abort();
    }
}
