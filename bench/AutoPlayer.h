#pragma once

#include <cstdint>
#include <functional>

#include "input/GuideKeys.h"

class Game;
class Move;
class Soldier;

// A bot that plays whole seeded games through the real game: it holds the
// players' keys down and lets them go as SDL key events from the game's frame
// hook, which the frame loop's own event pump then reads. The autoplay
// benchmark and the recorded-games test play through it.
class AutoPlayer {
  public:
    struct Setup {
        int32_t players = 1;
        // Turns toward the nearest alien and keeps firing; without it the bot
        // presses nothing.
        bool aim = true;
        // Aiming, but walks over the nearest power-up while no alien is near.
        bool fetch = false;
        // Troopers are handed the special weapons in turn, as if they picked
        // up a power-up whenever they ran dry.
        bool armed = false;
        // Escape is pressed in the frame after this many.
        int32_t frameLimit = 6000;
    };

    AutoPlayer(Game& game, const Setup& setup);

    // Seeds the random numbers, plays one game until no trooper is left and
    // lets go of every key. The game's frame hook is the bot's meanwhile.
    void play(unsigned seed);

    int32_t frames() const { return frame; }
    bool gaveUp() const { return stopped; }

    // Sends a key press or release as the keyboard would, an SDL key symbol.
    static void pushKey(int32_t key, bool down);

    // Run in every frame's hook with the number of frames before it, ahead
    // of the bot's presses, and after them: what a caller measures or saves.
    std::function<void(int32_t)> beforeBot;
    std::function<void()> afterBot;

  private:
    static constexpr int32_t kSides = 2;
    static constexpr int32_t kActions = GuideKeys::kFire + 1;

    void onFrame();
    void steer();
    void rearm();
    // Turns toward the power-up and walks to it, holding fire.
    void fetch(int32_t side, const Soldier& trooper, const Move& powerUp);
    // Presses or lets go of one player's action, sending only a change.
    void want(int32_t side, int32_t action, bool down);
    void releaseAll();

    Game& game;
    Setup setup;
    int32_t frame = 0;
    bool stopped = false;
    int32_t nextWeapon = 0;
    bool held[kSides][kActions] = {};
};
