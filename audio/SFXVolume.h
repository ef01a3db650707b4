#pragma once

#include "audio/AudioSettings.h"
#include "audio/Switchable.h"

// The sound-effect volume switch of the setup menu; its level mirrors the
// effects volume of the settings, which every sound applies the next time
// it plays.
class SFXVolume : public Switchable {
  public:
    // audio must outlive the switch.
    explicit SFXVolume(AudioSettings& audio);

    void increase() override;
    void decrease() override;

  private:
    AudioSettings& audio;
};
