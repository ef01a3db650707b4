#include "world/Aliens.h"

#include "gfx/Bobs.h"
#include "gfx/DigitFont.h"
#include "world/Alien.h"
#include "world/LevelTable.h"
#include "world/ObjectKinds.h"

namespace {
constexpr int32_t kScoreRight = 620;
constexpr int32_t kScoreBottom = 65;
// The tag sits in the lower right corner of the screen.
constexpr int32_t kTagX = 519;
constexpr int32_t kTagY = 419;
constexpr int32_t kTagWidth = 120;
constexpr int32_t kTagHeight = 60;
// Where the new alien is made does not matter: it is placed at an edge.
constexpr int32_t kMadeAt = 200;
} // namespace

Aliens::Aliens(const Soldiers& troopers, LevelTable* levels, const AudioSettings& audio)
    : Aliens(troopers, levels, &audio) {}

Aliens::Aliens(const Soldiers& troopers, LevelTable* levels)
    : Aliens(troopers, levels, nullptr) {}

Aliens::Aliens(const Soldiers& troopers, LevelTable* levels, const AudioSettings* audio)
    : troopers(troopers), scoreDisplay(kScoreRight, kScoreBottom), levels(levels) {
    if (audio != nullptr) {
        kit.load(*audio);
        ownFont = new DigitFont("pics/digit_kravex", 470, 55);
        levelTags = Bobs::loadNew("pics/tag", kLastLevel + 1, kTagWidth, kTagHeight);
    }
    if (levels != nullptr) {
        levels->maxLevel = kLastLevel;
    }
}

Aliens::~Aliens() {
    // The aliens go before the pictures they draw with.
    clear();
    delete levelTags;
    delete ownFont;
}

void Aliens::spawn() {
    if (count() >= kMaxAliens) {
        return;
    }
    append(new Alien(kMadeAt, kMadeAt, troopers, kit, score), kKindAlien);
}

void Aliens::drawFrame(Buffer& screen) const {
    forEachDraw(screen);
    scoreDisplay.draw(screen, score, ownFont);
    if (levelTags != nullptr) {
        levelTags->drawFrameAt(screen, levels != nullptr ? levels->levelFor(score) : 0, kTagX,
                               kTagY);
    }
}
