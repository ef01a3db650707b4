#pragma once

// The loaders as fuzzing sees them: each entry hands one input to a loader
// the way the game would meet it on disk and uses what comes back. The
// libFuzzer targets and the replay of kept regression inputs both call these,
// so a fault found by one is checked by the other.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using FuzzRun = void (*)(const uint8_t* data, size_t size);

struct FuzzEntry {
    const char* name;
    FuzzRun run;
};

// Every entry, in a fixed order; the names are also the folder names of the
// seed corpora and of the regression inputs.
const std::vector<FuzzEntry>& fuzzEntries();
const FuzzEntry* findFuzzEntry(const std::string& name);

// The entries expect the dummy display to be open (as `screen`), since
// pictures are made in its depth.
void fuzzTgaPicture(const uint8_t* data, size_t size);
void fuzzSpriteLibrary(const uint8_t* data, size_t size);
void fuzzFontSheet(const uint8_t* data, size_t size);
void fuzzKeyBindings(const uint8_t* data, size_t size);
void fuzzScrambledTexts(const uint8_t* data, size_t size);
void fuzzHelpPage(const uint8_t* data, size_t size);
void fuzzReplay(const uint8_t* data, size_t size);

// A fact an entry checks about what a loader gave back; a false one is a
// fault as surely as a sanitizer report, so it stops the run the same way.
void fuzzCheck(bool fact, const char* what);
