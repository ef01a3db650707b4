#include "app/GameInputs.h"

#include <ctime>

#include "input/Keyboard.h"
#include "input/QuitRequest.h"

GameInputs::GameInputs() : players{PlayerActions(*this, 0), PlayerActions(*this, 1)} {}

void GameInputs::record(int32_t playerCount, uint32_t seed, const ActionSource* first,
                        const ActionSource* second) {
    recorded = Replay();
    recorded.header.formatVersion = Replay::kFormatVersion;
    recorded.header.gameVersion = Replay::kGameVersion;
    recorded.header.players = playerCount;
    recorded.header.seed = seed;
    live[0] = first;
    live[1] = playerCount > 1 ? second : nullptr;
    playing = nullptr;
    current = 0;
    frame = 0;
}

void GameInputs::playBack(const Replay* replay) {
    playing = replay;
    live[0] = live[1] = nullptr;
    current = 0;
    frame = 0;
}

void GameInputs::finishRecording(int32_t score, int32_t level) {
    recorded.header.frames = uint32_t(recorded.inputs.size());
    recorded.header.score = score;
    recorded.header.level = level;
    recorded.header.date = int64_t(std::time(nullptr));
}

ReplayInput GameInputs::next(Keyboard& keyboard) {
    if (playing != nullptr) {
        const std::vector<ReplayInput>& inputs = playing->inputs;
        current = frame < inputs.size() ? inputs[frame] : Replay::kEscapeBit;
    } else {
        current = readLive(keyboard);
        recorded.inputs.push_back(current);
    }
    ++frame;
    return current;
}

// The held actions are taken once a frame, so that what the troopers act on
// and what is recorded are the same thing.
ReplayInput GameInputs::readLive(Keyboard& keyboard) const {
    ReplayInput input = 0;
    for (int32_t p = 0; p < 2; ++p) {
        for (int32_t a = 0; live[p] != nullptr && a < Replay::kActionsPerPlayer; ++a) {
            if (live[p]->isActionDown(a)) {
                input |= Replay::actionBit(p, a);
            }
        }
    }
    // A request to quit gives the game up, and is recorded as Escape.
    if (keyboard.consumeEscape() || QuitRequest::isRaised()) {
        input |= Replay::kEscapeBit;
    }
    if (keyboard.consumeF1()) {
        input |= Replay::kF1Bit;
    }
    return input;
}

bool GameInputs::PlayerActions::isActionDown(int32_t action) const {
    return action >= 0 && action < Replay::kActionsPerPlayer &&
           (inputs.current & Replay::actionBit(index, action)) != 0;
}
