#include "audio/Sounds.h"

#include <cstdio>

#include "audio/Sound.h"

namespace {
constexpr size_t kNameSize = 36;
constexpr size_t kLineSize = 128;
constexpr int32_t kLastOneDigitNumber = 9;
} // namespace

Sounds::Sounds(const AudioSettings& audio, int32_t count, int32_t copy)
    : audio(audio), copy(copy), sounds(new Sound*[count > 0 ? count : 0]()),
      count(count > 0 ? count : 0) {}

Sounds::~Sounds() {
    clear();
    delete[] sounds;
}

bool Sounds::load(const char* baseName) {
    char line[kLineSize];
    std::snprintf(line, sizeof line, "Loading sounds \"%s\"...", baseName);
    print(line);
    // Loading twice must not leak the first set.
    clear();
    bool allLoaded = true;
    for (int32_t i = 0; i < count; i++) {
        const int32_t number = i + 1;
        char name[kNameSize];
        std::snprintf(name, sizeof name, number <= kLastOneDigitNumber ? "%s0%i" : "%s%i", baseName,
                      number);
        sounds[i] = new Sound(audio, name);
        if (!sounds[i]->isLoaded()) {
            char message[kLineSize];
            std::snprintf(message, sizeof message, "Error: %s, i: %d, copy: %d\n", name, i, copy);
            error(message);
            allLoaded = false;
        }
    }
    printAppend(allLoaded ? "OK" : "ERROR!");
    return allLoaded;
}

void Sounds::play(int32_t i) {
    if (sounds[i] != nullptr) {
        sounds[i]->play();
    }
}

void Sounds::play(int32_t i, int32_t x) {
    if (sounds[i] != nullptr) {
        sounds[i]->play(Panning::atX(x));
    }
}

void Sounds::stop(int32_t i) {
    if (sounds[i] != nullptr) {
        sounds[i]->stop();
    }
}

bool Sounds::anyPlaying() {
    for (int32_t i = 0; i < count; i++) {
        if (sounds[i] != nullptr && sounds[i]->isPlaying()) {
            return true;
        }
    }
    return false;
}

void Sounds::clear() {
    for (int32_t i = 0; i < count; i++) {
        delete sounds[i];
        sounds[i] = nullptr;
    }
}
