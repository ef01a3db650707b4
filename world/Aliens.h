#pragma once

#include "world/AlienKit.h"
#include "world/GLinkedList.h"
#include "world/NumberDisplay.h"

class Bobs;
class DigitFont;
class LevelTable;
class Soldiers;

// The aliens in play, at most 200. It also shows the score and the level
// tag, and loads and owns the pictures and sounds aliens share.
class Aliens : public GLinkedList {
  public:
    // Loads the shared pictures, the digit font and the level tags; the
    // score starts at 0. troopers and levels are not owned; levels may be
    // null, which shows level 0.
    Aliens(const Soldiers& troopers, LevelTable* levels);
    // Leaves every picture and sound out: aliens then draw nothing.
    Aliens(const Soldiers& troopers, LevelTable* levels, bool loadKit);
    ~Aliens() override;

    // One more alien at a screen edge, unless 200 are alive.
    void spawn();
    // Every alien draws itself; then the score and the level tag.
    void drawFrame(Buffer& screen) const;

    static constexpr int32_t kMaxAliens = 200;
    static constexpr int32_t kLastLevel = 25;

  private:
    const Soldiers& troopers;
    NumberDisplay scoreDisplay;
    LevelTable* levels;
    Bobs* levelTags = nullptr;
    // The score digits.
    DigitFont* ownFont = nullptr;
    AlienKit kit;
};
