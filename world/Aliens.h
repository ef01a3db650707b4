#pragma once

#include "world/AlienKit.h"
#include "world/GLinkedList.h"
#include "world/NumberDisplay.h"

class Bobs;
class DigitFont;
class LevelTable;
class Soldiers;
struct AudioSettings;

// The aliens in play, at most 200. It also shows the score and the level
// tag, and loads and owns the pictures and sounds aliens share.
class Aliens : public GLinkedList {
  public:
    // Loads the shared pictures and sounds, the digit font and the level
    // tags; the score starts at 0. troopers, levels and audio are not owned;
    // levels may be null, which shows level 0.
    Aliens(const Soldiers& troopers, LevelTable* levels, const AudioSettings& audio);
    // Leaves every picture and sound out: aliens then draw nothing.
    Aliens(const Soldiers& troopers, LevelTable* levels);
    ~Aliens() override;

    // One more alien at a screen edge, unless 200 are alive.
    void spawn();
    // Every alien draws itself; then the score and the level tag.
    void drawFrame(Buffer& screen) const;
    // One point for every alien that has died in this game.
    int32_t getScore() const { return score; }
    void setScore(int32_t points) { score = points; }

    static constexpr int32_t kMaxAliens = 200;
    static constexpr int32_t kLastLevel = 25;

  private:
    // With null audio, the kit is left out.
    Aliens(const Soldiers& troopers, LevelTable* levels, const AudioSettings* audio);

    const Soldiers& troopers;
    int32_t score = 0;
    NumberDisplay scoreDisplay;
    LevelTable* levels;
    Bobs* levelTags = nullptr;
    // The score digits.
    DigitFont* ownFont = nullptr;
    AlienKit kit;
};
