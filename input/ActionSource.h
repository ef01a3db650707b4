#pragma once

#include <cstdint>

// Where a trooper learns which of its player's actions are held: the
// player's bindings in a game, the recorded frames in a replay.
class ActionSource {
  public:
    virtual ~ActionSource() = default;
    // action is a GuideKeys action, kLeft to kFire.
    virtual bool isActionDown(int32_t action) const = 0;
};
