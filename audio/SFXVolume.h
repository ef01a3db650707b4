#pragma once

#include "audio/Switchable.h"

// The sound-effect volume switch of the setup menu; its level mirrors the
// global sfxVolume, which every sound applies the next time it plays.
class SFXVolume : public Switchable {
  public:
    SFXVolume();

    void increase() override;
    void decrease() override;
};
