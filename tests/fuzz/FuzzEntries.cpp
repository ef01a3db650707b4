#include "fuzz/FuzzEntries.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

const std::vector<FuzzEntry>& fuzzEntries() {
    static const std::vector<FuzzEntry> entries = {
        {"tga", fuzzTgaPicture},   {"sprites", fuzzSpriteLibrary},    {"font", fuzzFontSheet},
        {"keys", fuzzKeyBindings}, {"scrambled", fuzzScrambledTexts}, {"help", fuzzHelpPage},
        {"replay", fuzzReplay},
    };
    return entries;
}

const FuzzEntry* findFuzzEntry(const std::string& name) {
    const auto& all = fuzzEntries();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](auto& e) { return name == e.name; });
    return found == all.end() ? nullptr : &*found;
}

void fuzzCheck(bool fact, const char* what) {
    if (!fact) {
        std::fprintf(stderr, "Fuzz check failed: %s\n", what);
        std::abort();
    }
}
