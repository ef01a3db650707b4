#pragma once

#include <cstdint>

#include "input/ActionSource.h"
#include "store/Replay.h"

class Keyboard;

// What a game reads from its players, one frame at a time: live from their
// bindings and the keyboard, recorded into a replay as it goes; or played
// back from a replay, where nobody's keys play a part.
class GameInputs {
  public:
    GameInputs();
    GameInputs(const GameInputs&) = delete;
    GameInputs& operator=(const GameInputs&) = delete;

    // A new recording of a game from this seed; the players' actions (not
    // owned) are read each frame.
    void record(int32_t players, uint32_t seed, const ActionSource* first,
                const ActionSource* second);
    // Plays the replay (not owned, outliving the game) back.
    void playBack(const Replay* replay);
    // Fills in the recording's header once its game is over.
    void finishRecording(int32_t score, int32_t level);

    // This frame's input; the players' sources answer from it until the
    // next call. Past the end of a replay the game is given up, as Escape
    // does. A live game takes Escape and F1 from the keyboard.
    ReplayInput next(Keyboard& keyboard);
    // The source the trooper of player 0 or 1 reads.
    const ActionSource* player(int32_t index) const { return &players[index & 1]; }
    const Replay& recording() const { return recorded; }
    bool isPlayingBack() const { return playing != nullptr; }
    // Frames read since the game began.
    uint32_t frames() const { return frame; }

  private:
    class PlayerActions : public ActionSource {
      public:
        PlayerActions(const GameInputs& inputs, int32_t index) : inputs(inputs), index(index) {}
        bool isActionDown(int32_t action) const override;

      private:
        const GameInputs& inputs;
        int32_t index;
    };

    ReplayInput readLive(Keyboard& keyboard) const;

    PlayerActions players[2];
    const ActionSource* live[2] = {};
    Replay recorded;
    const Replay* playing = nullptr;
    ReplayInput current = 0;
    uint32_t frame = 0;
};
