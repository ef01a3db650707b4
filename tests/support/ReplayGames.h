#pragma once

#include <random>
#include <string>

#include "store/Replay.h"

// Replays of plausible games for the tests and the fuzz seeds: each player
// holds a key for a while and taps others, changing something every few
// frames on average, as a busy player does.
inline Replay plausibleGame(int32_t players, uint32_t frames, int32_t score = 100,
                            const std::string& name = "ANN", int64_t date = 1700000000) {
    constexpr unsigned kChangeOneIn = 6; // about three changes a second per player
    Replay game;
    game.header = {Replay::kFormatVersion,
                   Replay::kGameVersion,
                   players,
                   frames * 7919u,
                   frames,
                   score,
                   score / 50,
                   name,
                   date};
    std::mt19937 random(frames + unsigned(players));
    ReplayInput held = 0;
    for (uint32_t frame = 0; frame < frames; ++frame) {
        for (int32_t player = 0; player < players; ++player) {
            if (random() % kChangeOneIn == 0) {
                held ^= Replay::actionBit(player, int32_t(random() % Replay::kActionsPerPlayer));
            }
        }
        // Paused halfway, given up on the last frame.
        game.inputs.push_back(held | (frame == frames / 2 ? Replay::kF1Bit : 0) |
                              (frame + 1 == frames ? Replay::kEscapeBit : 0));
    }
    return game;
}
