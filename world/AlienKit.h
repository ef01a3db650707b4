#pragma once

#include <cstdint>

#include "core/GBase.h"

class Bobs;
class Sounds;
struct AudioSettings;

// The pictures and sounds every alien shares, loaded once by the aliens'
// list. A piece that is missing stays null and is then not drawn or heard.
class AlienKit : public GBase {
  public:
    static constexpr int32_t kSteps = 4;
    static constexpr int32_t kPartVariants = 3;
    static constexpr int32_t kSoundCount = 5;

    AlienKit() = default;
    ~AlienKit() override;
    AlienKit(const AlienKit&) = delete;
    AlienKit& operator=(const AlienKit&) = delete;

    // Loads every set and sound from the data folders; the sounds play at
    // the effects volume of audio, which must outlive the kit.
    void load(const AudioSettings& audio);

    // The four animation steps, 32 directions each.
    Bobs* steps[kSteps] = {};
    Bobs* slime = nullptr;
    Bobs* slimeMarks = nullptr;
    Bobs* parts[kPartVariants] = {};
    Bobs* partMarks[kPartVariants] = {};
    Bobs* burn = nullptr;
    Sounds* sounds = nullptr;
};
