#pragma once

#include <SDL_mixer.h>
#include <atomic>
#include <cstdint>
#include <memory>

#include "audio/AudioSettings.h"
#include "audio/Switchable.h"
#include "core/GBase.h"

// One piece of streamed OGG music. Held by value it is also the setup menu's
// music switch: toggling starts and stops the music, stepping changes the
// music volume of the settings.
class ModMusic : public GBase, public Switchable {
  public:
    // What follows a piece that has played to its end.
    static constexpr int32_t kContinueNothing = 1;
    static constexpr int32_t kContinueLoop = 2;
    // Played in games when the music directory holds no file.
    static constexpr const char* kFallbackName = "sounds/om.ogg";

    // The switch form: names no piece. Switched on with nothing played yet,
    // it starts the piece `screenPiece` holds then, if any. Both arguments
    // must outlive the switch.
    ModMusic(AudioSettings& audio, const std::unique_ptr<ModMusic>& screenPiece);
    // "<name>.ogg", or with a null name a random file of "music/"; audio
    // must outlive the piece.
    ModMusic(AudioSettings& audio, const char* name);
    ~ModMusic() override;
    ModMusic(const ModMusic&) = delete;
    ModMusic& operator=(const ModMusic&) = delete;

    void play();
    void stop();
    void setVolume(int32_t v);
    void toggle() override;
    void increase() override;
    void decrease() override;

    const char* getFileName() const { return fileName; }
    bool isLoaded() const { return music != nullptr; }

    static void setContinuation(int32_t mode) { continuation = mode; }
    static ModMusic* getNowPlaying() { return nowPlaying; }
    // Called by the event pump on the main thread: carries out what the
    // end-of-music hook asked for since the last call, on the piece that was
    // playing.
    static void serviceFinished();

  private:
    // Runs on the mixer's thread, so it only raises a flag.
    static void onMusicFinished();
    void chooseRandomFile();
    void halt();
    void applyVolumeStep();
    bool ownsFileName() const { return fileName != nullptr && fileName != kFallbackName; }

    AudioSettings& audio;
    const std::unique_ptr<ModMusic>* screenPiece = nullptr;
    const char* fileName = nullptr;
    Mix_Music* music = nullptr;

    static ModMusic* nowPlaying;
    static int32_t continuation;
    static std::atomic<bool> finished;
};
