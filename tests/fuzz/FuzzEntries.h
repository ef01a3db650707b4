#pragma once

// The loaders as fuzzing sees them: each entry hands one input to a loader
// the way the game would meet it on disk and uses what comes back. The
// libFuzzer targets and the replay of kept regression inputs both call these,
// so a fault found by one is checked by the other.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Buffer;

// The screen is the open dummy display; pictures are made in its depth.
using FuzzRun = void (*)(Buffer& screen, const uint8_t* data, size_t size);

struct FuzzEntry {
    const char* name;
    FuzzRun run;
};

// Every entry, in a fixed order; the names are also the folder names of the
// seed corpora and of the regression inputs.
const std::vector<FuzzEntry>& fuzzEntries();
const FuzzEntry* findFuzzEntry(const std::string& name);

void fuzzTgaPicture(Buffer& screen, const uint8_t* data, size_t size);
void fuzzSpriteLibrary(Buffer& screen, const uint8_t* data, size_t size);
void fuzzFontSheet(Buffer& screen, const uint8_t* data, size_t size);
void fuzzKeyBindings(Buffer& screen, const uint8_t* data, size_t size);
void fuzzScrambledTexts(Buffer& screen, const uint8_t* data, size_t size);
void fuzzHelpPage(Buffer& screen, const uint8_t* data, size_t size);
void fuzzReplay(Buffer& screen, const uint8_t* data, size_t size);

// A fact an entry checks about what a loader gave back; a false one is a
// fault as surely as a sanitizer report, so it stops the run the same way.
void fuzzCheck(bool fact, const char* what);
