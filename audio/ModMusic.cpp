#include "audio/ModMusic.h"

#include <SDL.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <random>

#include "store/GameFile.h"

namespace {
constexpr size_t kFileNameSize = 256;
constexpr int32_t kVolumeStep = 8;
constexpr int32_t kLoudest = 255;
// From here one more step would pass the top, so it lands on the top.
constexpr int32_t kLastFullStep = 248;
constexpr int kPlayOnce = 1;
constexpr const char* kMusicDir = "music";

bool isMusicEntry(const dirent* entry) {
    return entry->d_type == DT_REG || entry->d_type == DT_LNK;
}

// Joins two texts into a new buffer of the fixed file-name size. A name
// that does not fit is cut; it then names no file and fails to load.
char* joinedName(const char* format, const char* first, const char* second) {
    char* text = new char[kFileNameSize];
    if (std::snprintf(text, kFileNameSize, format, first, second) < 0) {
        text[0] = '\0';
    }
    return text;
}

// The mixer opens the piece itself and would wait for ever on a FIFO, so
// anything but a regular file is refused first, as a missing piece is.
bool isRegularFile(const char* path) {
    std::FILE* file = GameFile::openForReading(path);
    if (file == nullptr) {
        SDL_SetError("%s", std::strerror(errno));
        return false;
    }
    std::fclose(file);
    return true;
}

int32_t countMusicEntries(DIR* dir) {
    int32_t count = 0;
    while (const dirent* entry = readdir(dir)) {
        if (isMusicEntry(entry)) {
            count++;
        }
    }
    return count;
}

} // namespace

ModMusic* ModMusic::nowPlaying = nullptr;
int32_t ModMusic::continuation = ModMusic::kContinueNothing;
std::atomic<bool> ModMusic::finished{false};

ModMusic::ModMusic(AudioSettings& audio, const std::unique_ptr<ModMusic>& screenPiece)
    : Switchable(audio.musicOn, 0), audio(audio), screenPiece(&screenPiece) {}

ModMusic::ModMusic(AudioSettings& audio, const char* name) : audio(audio) {
    if (audio.deviceOpen == 0) {
        on = 0;
        audio.musicOn = 0;
        return;
    }
    on = audio.musicOn;
    if (name == nullptr) {
        level = audio.musicVolume;
        chooseRandomFile();
        return;
    }
    fileName = joinedName("%s%s", name, ".ogg");
}

ModMusic::~ModMusic() {
    if (audio.deviceOpen) {
        // Only the piece of the moment may halt the mixer's music; any other
        // object going away must leave it playing.
        if (nowPlaying == this && audio.musicOn && on) {
            stop();
        }
        if (music != nullptr) {
            Mix_FreeMusic(music);
            music = nullptr;
        }
    }
    if (ownsFileName()) {
        delete[] fileName;
    }
    // Whatever goes, the piece of the moment is forgotten: the next piece
    // then starts without stopping an object that may be the setup menu's
    // switch, which would show "OFF" while its music plays.
    nowPlaying = nullptr;
}

// The pick draws from a generator of its own: whether a piece is chosen at
// all depends on the sound device, and how the pick goes on the folder, and
// neither may shift the game's random sequence.
void ModMusic::chooseRandomFile() {
    thread_local std::minstd_rand picks(std::random_device{}());
    const int r = int(picks() & 0x7fffffff);
    DIR* dir = opendir(kMusicDir);
    if (dir != nullptr) {
        const int32_t count = countMusicEntries(dir);
        if (count == 0) {
            std::printf("No music files found!\n");
        } else {
            const int32_t k = r % count;
            rewinddir(dir);
            int32_t left = count;
            while (const dirent* entry = readdir(dir)) {
                if (!isMusicEntry(entry)) {
                    continue;
                }
                left--;
                if (left == k) {
                    fileName = joinedName("%s/%s", kMusicDir, entry->d_name);
                    break;
                }
            }
        }
        closedir(dir);
    }
    if (fileName == nullptr) {
        fileName = kFallbackName;
    }
}

void ModMusic::play() {
    if (!audio.musicOn || !audio.deviceOpen || fileName == nullptr) {
        return;
    }
    if (nowPlaying != nullptr) {
        nowPlaying->stop();
    }
    nowPlaying = this;
    if (music == nullptr) {
        if (Mix_PlayingMusic()) {
            Mix_HaltMusic();
        }
        music = isRegularFile(fileName) ? Mix_LoadMUS(fileName) : nullptr;
        if (music == nullptr) {
            std::fprintf(stderr, "Couldn't load %s: %s\n", fileName, SDL_GetError());
            return;
        }
        Mix_HookMusicFinished(onMusicFinished);
    }
    // An end reported before this start belongs to the piece before.
    finished = false;
    Mix_PlayMusic(music, kPlayOnce);
    setVolume(audio.musicVolume);
    on = 1;
}

void ModMusic::stop() {
    if (audio.musicOn && on && audio.deviceOpen) {
        halt();
    }
}

void ModMusic::halt() {
    if (Mix_PlayingMusic()) {
        Mix_HaltMusic();
    }
    // A piece that ended on its own just before it was stopped on purpose
    // must not be started again by the event pump.
    finished = false;
    if (music != nullptr) {
        Mix_FreeMusic(music);
        music = nullptr;
    }
    on = 0;
}

void ModMusic::setVolume(int32_t v) {
    level = v;
    if (audio.musicOn && on && audio.deviceOpen) {
        Mix_VolumeMusic(v / 2);
    }
}

void ModMusic::toggle() {
    if (audio.musicOn) {
        std::fprintf(stderr, "Stopping modmusic\n");
        if (nowPlaying != nullptr && nowPlaying->on && audio.deviceOpen) {
            nowPlaying->halt();
        }
        audio.musicOn = 0;
        on = 0;
        return;
    }
    std::fprintf(stderr, "Starting modmusic\n");
    audio.musicOn = 1;
    on = 1;
    // With nothing played yet (music was off from the start), the piece of
    // the screen starts at once rather than at the next change of screen.
    if (nowPlaying == nullptr) {
        ModMusic* piece = screenPiece != nullptr ? screenPiece->get() : nullptr;
        nowPlaying = piece != nullptr ? piece : this;
    }
    nowPlaying->play();
}

void ModMusic::increase() {
    int32_t& volume = audio.musicVolume;
    volume = volume < kLastFullStep ? volume + kVolumeStep : kLoudest;
    applyVolumeStep();
}

void ModMusic::decrease() {
    int32_t& volume = audio.musicVolume;
    volume = volume >= kVolumeStep ? volume - kVolumeStep : 0;
    applyVolumeStep();
}

void ModMusic::applyVolumeStep() {
    if (nowPlaying != nullptr) {
        nowPlaying->level = audio.musicVolume;
        if (audio.musicOn && nowPlaying->on && audio.deviceOpen) {
            Mix_VolumeMusic(audio.musicVolume / 2);
        }
    }
    level = audio.musicVolume;
}

void ModMusic::onMusicFinished() {
    finished = true;
}

void ModMusic::serviceFinished() {
    if (!finished.exchange(false)) {
        return;
    }
    // The piece that ended is still the one playing: whatever replaced or
    // stopped it on purpose has also cleared the flag.
    if (continuation == kContinueLoop && nowPlaying != nullptr) {
        nowPlaying->play();
    }
}
