#include "world/Collision.h"
#include "world/Move.h"
#include "world/ObjectKinds.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// An object that logs every collide call and can be set to be used up by it.
class Contact : public Move {
  public:
    Contact(std::string name, Log& log, int32_t x = 0, int32_t y = 0)
        : Move(x, y, 0, 0), name(std::move(name)), log(log) {}
    Contact(std::string name, Log& log, int32_t x, int32_t y, int32_t direction, int32_t speed)
        : Move(x, y, direction, speed), name(std::move(name)), log(log) {}
    Contact(std::string name, Log& log, int32_t x, int32_t y, int32_t vx, int32_t vy,
            int32_t friction)
        : Move(x, y, vx, vy, friction), name(std::move(name)), log(log) {}

    bool collide(Move& other) override {
        log.push_back(name + " meets " + static_cast<Contact&>(other).name);
        return usedUp;
    }

    std::string name;
    Log& log;
    bool usedUp = false;
};

struct CollisionFixture : ::testing::Test {
    Collision map{640, 480, 2};
    Log log;

    Contact* make(const std::string& name, int32_t x = 0, int32_t y = 0) {
        owned.emplace_back(std::make_unique<Contact>(name, log, x, y));
        return owned.back().get();
    }

    // Every cell index painted in the grid, by reading each cell's pixel.
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

TEST_F(CollisionFixture, GridOfTheGameIs160By120) {
    EXPECT_EQ(map.getCols(), 160);
    EXPECT_EQ(map.getRows(), 120);
    EXPECT_EQ(map.getCount(), 0);
}

TEST_F(CollisionFixture, AfterClearEveryLookupFindsNothing) {
    Contact* alien = make("alien");
    map.add(0, 0, 640, 480, alien);
    EXPECT_EQ(map.cellAt(100, 100), 0);
    map.clear();
    EXPECT_EQ(map.getCount(), 0);
    EXPECT_EQ(paintedCells(Collision::kEmpty), 160 * 120);
    Contact* shot = make("shot", 100, 100);
    map.testPoint(100, 100, *shot);
    map.testRect(0, 0, 640, 480, *shot);
    map.sweep(*shot);
    EXPECT_TRUE(log.empty());
}

TEST_F(CollisionFixture, ABoxPaintsWholeCellsFromItsCorner) {
    map.add(10, 20, 35, 44, make("alien"));
    // Cells 2..9 across (35 >> 2 = 8 wide) and 5..15 down (44 >> 2 = 11 high).
    EXPECT_EQ(paintedCells(0), 8 * 11);
    EXPECT_EQ(map.cellAt(8, 20), 0);
    EXPECT_EQ(map.cellAt(7, 20), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(39, 63), 0);
    EXPECT_EQ(map.cellAt(40, 63), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(39, 64), Collision::kEmpty);
    EXPECT_EQ(map.getCount(), 1);
}

TEST_F(CollisionFixture, TheLaterOfTwoOverlappingBoxesOwnsTheOverlap) {
    Contact* first = make("first");
    Contact* second = make("second");
    map.add(100, 100, 40, 40, first);
    map.add(120, 120, 40, 40, second);
    EXPECT_EQ(map.cellAt(130, 130), 1);
    EXPECT_EQ(map.cellAt(110, 110), 0);
    Contact* flame = make("flame");
    map.testPoint(130, 130, *flame);
    EXPECT_EQ(log, (Log{"flame meets second", "second meets flame"}));
}

TEST_F(CollisionFixture, BoxesWhollyLeftOrAboveAreNotRecorded) {
    map.add(-100, 50, 60, 40, make("left"));
    map.add(50, -100, 40, 60, make("above"));
    EXPECT_EQ(map.getCount(), 0);
    EXPECT_EQ(paintedCells(Collision::kEmpty), 160 * 120);
}

TEST_F(CollisionFixture, ABoxReachingInFromTheLeftIsPaintedWithItsFullWidth) {
    map.add(-100, 50, 120, 40, make("alien"));
    ASSERT_EQ(map.getCount(), 1);
    // Column 0 to 29: the width is not cut by the part that was off the grid.
    EXPECT_EQ(map.cellAt(0, 60), 0);
    EXPECT_EQ(map.cellAt(29 * 4, 60), 0);
    EXPECT_EQ(map.cellAt(30 * 4, 60), Collision::kEmpty);
    EXPECT_EQ(paintedCells(0), 30 * 10);
}

TEST_F(CollisionFixture, TheLastColumnAndRowAreNeverPainted) {
    map.add(600, 440, 400, 400, make("corner"));
    EXPECT_EQ(map.cellAt(635, 470), 0);
    EXPECT_EQ(map.cellAt(636, 470), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(630, 476), Collision::kEmpty);
    EXPECT_EQ(paintedCells(0), 9 * 9);
}

TEST_F(CollisionFixture, BoxesFarOffTheGridNeverTouchCellsOutsideIt) {
    const int32_t far[][4] = {
        {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
        {INT32_MIN, 0, INT32_MAX, 10},
        {700, 100, 40, 40},
        {100, 500, 40, 40},
        {639, 479, 40, 40},
        {100, 100, -40, -40},
        {-8, -8, -40, 100},
        {10, 10, INT32_MIN, INT32_MIN},
        {INT32_MAX - 4, 0, 8, 480},
        {600, 440, INT32_MAX, INT32_MAX},
    };
    for (const auto& box : far) {
        map.add(box[0], box[1], box[2], box[3], make("stray"));
    }
    // Four boxes lie wholly left of or above the grid and are not recorded;
    // the others are, but only the last one reaches onto the grid, and it is
    // cut at the last unpainted column and row.
    EXPECT_EQ(map.getCount(), 7);
    EXPECT_EQ(paintedCells(6), 9 * 9);
    EXPECT_EQ(paintedCells(Collision::kEmpty), 160 * 120 - 9 * 9);
}

TEST_F(CollisionFixture, LookupsOffTheGridReadTheNearestBorderCell) {
    map.add(0, 0, 8, 8, make("topLeft"));
    map.add(600, 400, 40, 80, make("rightEdge"));
    EXPECT_EQ(map.cellAt(-1000, -1000), 0);
    EXPECT_EQ(map.cellAt(INT32_MIN, 0), 0);
    EXPECT_EQ(map.cellAt(0, INT32_MIN), 0);
    EXPECT_EQ(map.cellAt(INT32_MAX, INT32_MAX), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(635, INT32_MAX), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(635, 470), 1);
}

TEST_F(CollisionFixture, RegistrationStopsAt256Objects) {
    for (int i = 0; i < 300; ++i) {
        map.add(i % 150 * 4, 8, 4, 4, make("alien"));
    }
    EXPECT_EQ(map.getCount(), Collision::kMaxObjects);
    EXPECT_EQ(map.cellAt(149 * 4, 8), 149);
    EXPECT_EQ(map.cellAt(0, 8), 150);
    EXPECT_EQ(map.cellAt(105 * 4, 8), 255);
    EXPECT_EQ(map.cellAt(106 * 4, 8), 106) << "the 257th box is ignored";
}

TEST_F(CollisionFixture, TestPointMeetsWithTheTesterFirstAndForgetsAUsedUpObject) {
    Contact* powerUp = make("powerUp");
    powerUp->usedUp = true;
    map.add(200, 200, 32, 32, powerUp);
    Contact* trooper = make("trooper");
    map.testPoint(210, 210, *trooper);
    EXPECT_EQ(log, (Log{"trooper meets powerUp", "powerUp meets trooper"}));
    log.clear();
    map.testPoint(210, 210, *trooper);
    EXPECT_TRUE(log.empty()) << "a used-up object meets nothing again this frame";
}

TEST_F(CollisionFixture, TestPointStopsWhenTheTesterIsUsedUp) {
    map.add(200, 200, 32, 32, make("alien"));
    Contact* flame = make("flame");
    flame->usedUp = true;
    map.testPoint(210, 210, *flame);
    EXPECT_EQ(log, (Log{"flame meets alien"}));
    log.clear();
    flame->usedUp = false;
    map.testPoint(210, 210, *flame);
    EXPECT_EQ(log, (Log{"flame meets alien", "alien meets flame"}));
    log.clear();
    map.testPoint(190, 210, *flame);
    EXPECT_TRUE(log.empty());
}

TEST_F(CollisionFixture, TestRectMeetsOnlyTheFirstObjectFromTheTopLeft) {
    map.add(140, 100, 40, 40, make("right"));
    map.add(100, 112, 20, 20, make("lowerLeft"));
    Contact* trooper = make("trooper");
    // Rows from y = 100 down: the upper right box is met first.
    map.testRect(100, 100, 60, 30, *trooper);
    EXPECT_EQ(log, (Log{"trooper meets right", "right meets trooper"}));
    log.clear();
    map.testRect(100, 112, 60, 10, *trooper);
    EXPECT_EQ(log, (Log{"trooper meets lowerLeft", "lowerLeft meets trooper"}));
}

TEST_F(CollisionFixture, TestRectReadsEverySecondPixelAndStopsBeforeTheFarEdge) {
    map.add(120, 100, 4, 4, make("alien"));
    Contact* trooper = make("trooper");
    map.testRect(100, 100, 20, 4, *trooper);
    EXPECT_TRUE(log.empty()) << "px runs to 118 only";
    map.testRect(101, 100, 20, 4, *trooper);
    EXPECT_TRUE(log.empty()) << "px runs to 119 only";
    map.testRect(102, 100, 20, 4, *trooper);
    EXPECT_EQ(log.size(), 2u);
    log.clear();
    map.testRect(100, 96, 24, 4, *trooper);
    EXPECT_TRUE(log.empty()) << "py runs to 98 only";
    map.testRect(100, 96, 24, 0, *trooper);
    map.testRect(100, 96, -24, 40, *trooper);
    EXPECT_TRUE(log.empty());
}

TEST_F(CollisionFixture, TestRectSkipsAUsedUpObjectAndGoesOnScanning) {
    Contact* gone = make("gone");
    gone->usedUp = true;
    map.add(100, 100, 20, 20, gone);
    map.add(140, 100, 20, 20, make("next"));
    Contact* blast = make("blast");
    map.testRect(100, 100, 60, 20, *blast);
    EXPECT_EQ(log, (Log{"blast meets gone", "gone meets blast"}));
    log.clear();
    map.testRect(100, 100, 60, 20, *blast);
    EXPECT_EQ(log, (Log{"blast meets next", "next meets blast"}));
    log.clear();
    map.testPoint(110, 110, *blast);
    EXPECT_TRUE(log.empty());
}

TEST_F(CollisionFixture, ATrooperTouchingTwoObjectsMeetsOnlyOne) {
    map.add(300, 200, 20, 20, make("powerUp"));
    map.add(300, 216, 40, 40, make("alien"));
    Contact* trooper = make("trooper");
    map.testRect(290, 205, 22, 22, *trooper);
    EXPECT_EQ(log, (Log{"trooper meets powerUp", "powerUp meets trooper"}));
}

TEST_F(CollisionFixture, TestRectFarOffTheGridStillFindsBorderObjects) {
    map.add(0, 0, 8, 8, make("corner"));
    Contact* blast = make("blast");
    map.testRect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, *blast);
    EXPECT_EQ(log, (Log{"blast meets corner", "corner meets blast"}));
    log.clear();
    map.testRect(INT32_MAX - 10, 0, INT32_MAX, 100, *blast);
    map.testRect(1000, 1000, INT32_MAX, INT32_MAX, *blast);
    EXPECT_TRUE(log.empty());
}

TEST_F(CollisionFixture, ASweepStopsOneStepBeyondTheFirstOccupiedCell) {
    map.add(300, 0, 36, 480, make("alien"));
    Contact bullet("bullet", log, 100, 200, 8, 10);
    map.sweep(bullet);
    // x: 100, 115, ..., 295 (empty), 310 (occupied, read), then one step to 325.
    EXPECT_EQ(bullet.x, 325);
    EXPECT_EQ(bullet.y, 200);
    EXPECT_EQ(log, (Log{"alien meets bullet", "bullet meets alien"}));
}

TEST_F(CollisionFixture, ASweepMeetsTheRegisteredSideFirstAndStopsThereIfUsedUp) {
    Contact* alien = make("alien");
    alien->usedUp = true;
    map.add(300, 0, 36, 480, alien);
    Contact bullet("bullet", log, 100, 200, 8, 10);
    map.sweep(bullet);
    EXPECT_EQ(log, (Log{"alien meets bullet"}));
    log.clear();
    Contact second("second", log, 100, 200, 8, 10);
    map.sweep(second);
    EXPECT_TRUE(log.empty()) << "the used-up alien's cells lead nowhere";
    EXPECT_EQ(second.x, 325) << "it still stops at the occupied cells";
}

TEST_F(CollisionFixture, ABulletStartingOnAnOccupiedCellMeetsItWithoutMoving) {
    map.add(300, 180, 40, 40, make("alien"));
    Contact bullet("bullet", log, 310, 200, 8, 10);
    map.sweep(bullet);
    EXPECT_EQ(bullet.x, 310);
    EXPECT_EQ(log, (Log{"alien meets bullet", "bullet meets alien"}));
}

TEST_F(CollisionFixture, ASweepThatMissesEndsJustOffTheScreen) {
    map.add(300, 300, 40, 40, make("alien"));
    Contact up("up", log, 100, 200, 0, 10);
    map.sweep(up);
    EXPECT_EQ(up.x, 100);
    EXPECT_EQ(up.y, -8);
    Contact left("left", log, 100, 200, 24, 10);
    map.sweep(left);
    EXPECT_EQ(left.x, -5);
    EXPECT_TRUE(log.empty());
}

TEST_F(CollisionFixture, AShotOffTheScreenDoesNotMoveButMeetsItsBorderCell) {
    map.add(0, 100, 40, 40, make("alien"));
    Contact shot("shot", log, -20, 110, 8, 10);
    map.sweep(shot);
    EXPECT_EQ(shot.x, -20);
    EXPECT_EQ(log, (Log{"alien meets shot", "shot meets alien"}));
}

TEST_F(CollisionFixture, AShotThatCannotMoveDoesNotSweepForever) {
    Contact still("still", log, 100, 200, 8, 0);
    map.sweep(still);
    EXPECT_EQ(still.x, 100);
    Contact slowed("slowed", log, 100, 200, 3, 0, 1);
    map.sweep(slowed);
    EXPECT_EQ(slowed.x, 106) << "3, 2 and 1 pixels, then it stops";
    EXPECT_TRUE(log.empty());
}

TEST(CollisionShape, OtherSizesAndShiftsGiveMatchingGrids) {
    Collision coarse(640, 480, 4);
    EXPECT_EQ(coarse.getCols(), 40);
    EXPECT_EQ(coarse.getRows(), 30);
    Collision tiny(0, 0, 2);
    EXPECT_EQ(tiny.getCols(), 1);
    EXPECT_EQ(tiny.getRows(), 1);
    EXPECT_EQ(tiny.cellAt(100, 100), Collision::kEmpty);
    Collision fine(64, 48, 0);
    fine.add(10, 10, 5, 5, nullptr);
    EXPECT_EQ(fine.cellAt(14, 14), 0);
    EXPECT_EQ(fine.cellAt(15, 14), Collision::kEmpty);
}

} // namespace
