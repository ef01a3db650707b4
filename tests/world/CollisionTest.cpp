#include "world/Collision.h"
#include "world/GLinkedList.h"
#include "world/Move.h"
#include "world/ObjectKinds.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// An object that logs every collide call and can be set to be used up by it.
class Contact : public Move {
  public:
    Contact(std::string name, Log& log, const Move& motion)
        : Move(motion), name(std::move(name)), log(log) {}

    bool collide(Move& other) override {
        log.push_back(name + " meets " + static_cast<Contact&>(other).name);
        return usedUp;
    }

    std::string name;
    Log& log;
    bool usedUp = false;
};

struct Collisions : ::testing::Test {
    Collision map{640, 480, 2};
    Log log;

    Contact* make(const std::string& name, int32_t x = 0, int32_t y = 0) {
        owned.push_back(std::make_unique<Contact>(name, log, Move(x, y, 0, 0)));
        return owned.back().get();
    }
    void add(const std::string& name, int32_t x, int32_t y, int32_t w, int32_t h) {
        map.add(x, y, w, h, make(name));
    }
    Log met() { return std::exchange(log, {}); }

    // How many cells of the grid hold index, reading each cell's pixel.
    int paintedCells(int32_t index) const {
        int n = 0;
        for (int32_t row = 0; row < map.getRows(); ++row) {
            for (int32_t col = 0; col < map.getCols(); ++col) {
                n += map.cellAt(col * 4, row * 4) == index;
            }
        }
        return n;
    }

    std::vector<std::unique_ptr<Contact>> owned;
};

TEST(CollisionShape, GridsOfEverySizeAndShift) {
    struct Case {
        int32_t width, height, shift, cols, rows;
    };
    for (const Case& c : {Case{640, 480, 2, 160, 120}, Case{640, 480, 4, 40, 30},
                          Case{0, 0, 2, 1, 1}, Case{64, 48, 0, 64, 48}}) {
        Collision map(c.width, c.height, c.shift);
        EXPECT_EQ(map.getCols(), c.cols);
        EXPECT_EQ(map.getRows(), c.rows);
        EXPECT_EQ(map.cellAt(100, 100), Collision::kEmpty);
    }
}

TEST_F(Collisions, BoxesOffTheGridNeverTouchCellsOutsideIt) {
    struct Case {
        int32_t x, y, w, h;
        int32_t recorded, painted;
    };
    const Case cases[] = {
        {10, 20, 35, 44, 1, 8 * 11}, // whole cells from the corner: 35 >> 2 by 44 >> 2
        {-100, 50, 60, 40, 0, 0},    // wholly left or above: not recorded
        {50, -100, 40, 60, 0, 0},
        {-100, 50, 120, 40, 1, 30 * 10}, // the part off the grid does not cut the width
        {600, 440, 400, 400, 1, 9 * 9},  // the last column and row stay unpainted
        {600, 440, INT32_MAX, INT32_MAX, 1, 9 * 9},
        {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 1, 0},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0},
        {INT32_MIN, 0, INT32_MAX, 10, 0, 0},
        {700, 100, 40, 40, 1, 0},
        {100, 500, 40, 40, 1, 0},
        {639, 479, 40, 40, 1, 0},
        {INT32_MAX - 4, 0, 8, 480, 1, 0},
        {100, 100, -40, -40, 1, 0}, // negative sizes
        {-8, -8, -40, 100, 0, 0},
        {10, 10, INT32_MIN, INT32_MIN, 0, 0},
    };
    for (const Case& c : cases) {
        map.clear();
        add("stray", c.x, c.y, c.w, c.h);
        EXPECT_EQ(map.getCount(), c.recorded) << c.x << "," << c.y << " " << c.w << "x" << c.h;
        EXPECT_EQ(paintedCells(0), c.painted) << c.x << "," << c.y << " " << c.w << "x" << c.h;
        EXPECT_EQ(paintedCells(Collision::kEmpty), 160 * 120 - c.painted);
    }
}

TEST_F(Collisions, LookupsOffTheGridReadTheNearestBorderCell) {
    add("topLeft", 0, 0, 8, 8);
    add("rightEdge", 600, 400, 40, 80);
    EXPECT_EQ(map.cellAt(-1000, -1000), 0);
    EXPECT_EQ(map.cellAt(INT32_MIN, 0), 0);
    EXPECT_EQ(map.cellAt(0, INT32_MIN), 0);
    EXPECT_EQ(map.cellAt(INT32_MAX, INT32_MAX), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(635, INT32_MAX), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(635, 470), 1);
}

TEST_F(Collisions, RegistrationStopsAt256Objects) {
    for (int i = 0; i < 300; ++i) {
        add("alien", i % 150 * 4, 8, 4, 4);
    }
    EXPECT_EQ(map.getCount(), Collision::kMaxObjects);
    EXPECT_EQ(map.cellAt(149 * 4, 8), 149);
    EXPECT_EQ(map.cellAt(0, 8), 150);
    EXPECT_EQ(map.cellAt(105 * 4, 8), 255);
    EXPECT_EQ(map.cellAt(106 * 4, 8), 106) << "the 257th box is ignored";
}

TEST_F(Collisions, TheLaterOfTwoOverlappingBoxesOwnsTheOverlapAndTheTesterMeetsFirst) {
    add("first", 100, 100, 40, 40);
    add("second", 120, 120, 40, 40);
    EXPECT_EQ(map.cellAt(130, 130), 1);
    EXPECT_EQ(map.cellAt(110, 110), 0);
    make("flame")->testPoint(map, 130, 130);
    EXPECT_EQ(met(), (Log{"flame meets second", "second meets flame"}));
}

TEST_F(Collisions, AUsedUpObjectIsSkippedAndAUsedUpTesterStops) {
    Contact* powerUp = make("powerUp");
    powerUp->usedUp = true;
    map.add(200, 200, 32, 32, powerUp);
    add("alien", 240, 200, 32, 32);
    Contact* trooper = make("trooper");
    trooper->testPoint(map, 210, 210);
    EXPECT_EQ(met(), (Log{"trooper meets powerUp", "powerUp meets trooper"}));
    trooper->testPoint(map, 210, 210);
    EXPECT_TRUE(met().empty()) << "a used-up object meets nothing again this frame";
    trooper->testRect(map, 200, 200, 60, 20);
    EXPECT_EQ(met(), (Log{"trooper meets alien", "alien meets trooper"})) << "scanning goes on";
    trooper->usedUp = true;
    trooper->testPoint(map, 250, 210);
    EXPECT_EQ(met(), (Log{"trooper meets alien"}));
}

TEST_F(Collisions, TestRectMeetsOnlyTheFirstObjectFromTheTopLeft) {
    add("right", 140, 100, 40, 40);
    add("lowerLeft", 100, 112, 20, 20);
    Contact* trooper = make("trooper");
    // Rows from y = 100 down: the upper right box is met first.
    trooper->testRect(map, 100, 100, 60, 30);
    EXPECT_EQ(met(), (Log{"trooper meets right", "right meets trooper"}));
    trooper->testRect(map, 100, 112, 60, 10);
    EXPECT_EQ(met(), (Log{"trooper meets lowerLeft", "lowerLeft meets trooper"}));
}

TEST_F(Collisions, TestRectReadsEverySecondPixelStopsBeforeTheFarEdgeAndClampsToTheGrid) {
    add("alien", 120, 100, 4, 4);
    add("corner", 0, 0, 8, 8);
    Contact* trooper = make("trooper");
    struct Case {
        int32_t x, y, w, h;
        const char* meets; // empty for nothing
    };
    const Case cases[] = {
        {100, 100, 20, 4, ""}, // px runs to 118 only
        {101, 100, 20, 4, ""}, // px runs to 119 only
        {102, 100, 20, 4, "alien"},
        {100, 96, 24, 4, ""}, // py runs to 98 only
        {100, 96, 24, 0, ""},
        {100, 96, -24, 40, ""},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, "corner"},
        {INT32_MAX - 10, 0, INT32_MAX, 100, ""},
        {1000, 1000, INT32_MAX, INT32_MAX, ""},
        // Wholly left of or above the grid: the points read the border
        // cells, as a point test there would.
        {-20, 2, 10, 2, "corner"},
        {2, -30, 4, 10, "corner"},
        {-50, -50, 10, 10, "corner"},
        {-20, 2, 1, 1, "corner"},
        {-20, 2, 0, 1, ""},
    };
    for (const Case& c : cases) {
        trooper->testRect(map, c.x, c.y, c.w, c.h);
        const std::string other = c.meets;
        EXPECT_EQ(met(),
                  other.empty() ? Log{} : (Log{"trooper meets " + other, other + " meets trooper"}))
            << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

TEST_F(Collisions, ASweepStopsOneStepBeyondTheFirstOccupiedCellOrJustOffTheScreen) {
    struct Case {
        int32_t boxX, boxY, boxW, boxH;
        int32_t x, y, direction, speed;
        int32_t wantX, wantY;
        bool meets;
    };
    const Case cases[] = {
        // x: 100, 115, ..., 295 (empty), 310 (occupied, read), then one step to 325.
        {300, 0, 36, 480, 100, 200, 8, 10, 325, 200, true},
        {300, 180, 40, 40, 310, 200, 8, 10, 310, 200, true}, // starts on it: does not move
        {300, 300, 40, 40, 100, 200, 0, 10, 100, -8, false},
        {300, 300, 40, 40, 100, 200, 24, 10, -5, 200, false},
        {0, 100, 40, 40, -20, 110, 8, 10, -20, 110, true}, // off the screen: meets its border cell
        {300, 300, 40, 40, 100, 200, 8, 0, 100, 200, false}, // cannot move: no endless sweep
        // The screen's first column is off it; the second is on it.
        {300, 0, 36, 480, 0, 200, 8, 10, 0, 200, false},
        {300, 0, 36, 480, 1, 200, 8, 10, 316, 200, true},
    };
    for (const Case& c : cases) {
        map.clear();
        add("alien", c.boxX, c.boxY, c.boxW, c.boxH);
        Contact shot("shot", log, Move(c.x, c.y, c.direction, c.speed));
        shot.sweep(map);
        EXPECT_EQ(shot.x, c.wantX) << c.x << "," << c.y << " along " << c.direction;
        EXPECT_EQ(shot.y, c.wantY) << c.x << "," << c.y << " along " << c.direction;
        EXPECT_EQ(met(), c.meets ? (Log{"alien meets shot", "shot meets alien"}) : Log{});
    }
    Contact slowed("slowed", log, Move(100, 200, 3, 0, 1));
    slowed.sweep(map);
    EXPECT_EQ(slowed.x, 106) << "3, 2 and 1 pixels, then it stops";
}

TEST_F(Collisions, ASweepMeetsTheRegisteredSideFirstAndStopsThereIfUsedUp) {
    Contact* alien = make("alien");
    alien->usedUp = true;
    map.add(300, 0, 36, 480, alien);
    Contact bullet("bullet", log, Move(100, 200, 8, 10));
    bullet.sweep(map);
    EXPECT_EQ(met(), (Log{"alien meets bullet"}));
    Contact second("second", log, Move(100, 200, 8, 10));
    second.sweep(map);
    EXPECT_TRUE(log.empty()) << "the used-up alien's cells lead nowhere";
    EXPECT_EQ(second.x, 325) << "it still stops at the occupied cells";
}

// What every game object gets from Move, through a frame's list passes:
// registering its box centred on itself, meeting what lies under its centre,
// and colliding harmlessly.
TEST_F(Collisions, ListPassesRegisterCentredBoxesAndActOnCentres) {
    GLinkedList aliens, shots;
    for (int32_t x : {100, 300}) {
        auto* alien = new Contact("alien" + std::to_string(x), log, Move(x, 200, 0, 0));
        alien->setHalfSize(17, 22);
        aliens.append(alien, kKindAlien);
    }
    aliens.forEachRegister(map);
    EXPECT_EQ(map.getCount(), 2);
    // Box (83, 178, 34, 44): cells 20..27 across, 44..54 down.
    EXPECT_EQ(paintedCells(0), 8 * 11);
    EXPECT_EQ(map.cellAt(80, 176), 0);
    EXPECT_EQ(map.cellAt(79, 176), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(80, 175), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(111, 219), 0);
    EXPECT_EQ(map.cellAt(112, 219), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(111, 220), Collision::kEmpty);
    for (int32_t x : {100, 200, 300, 300}) {
        shots.append(new Contact("shot", log, Move(x, 200, 0, 0)), kKindFlame);
    }
    shots.forEachAct(map);
    EXPECT_EQ(met(), (Log{"shot meets alien100", "alien100 meets shot", "shot meets alien300",
                          "alien300 meets shot", "shot meets alien300", "alien300 meets shot"}));
    Move plain(100, 200, 0, 0);
    EXPECT_FALSE(plain.collide(plain)) << "a base object is never used up";
}

} // namespace
