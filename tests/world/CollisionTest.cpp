// The collision grid: boxes and lookups far off the playfield stay inside it,
// it holds at most 256 objects, and what meets what in which order.
#include "world/Collision.h"
#include "world/Move.h"

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
    Collision map{640, 480, 2}; // 160 x 120 cells
    Log log;

    Contact* make(const std::string& name) {
        owned.push_back(std::make_unique<Contact>(name, log, Move(0, 0, 0, 0)));
        return owned.back().get();
    }
    void add(const std::string& name, int32_t x, int32_t y, int32_t w, int32_t h) {
        map.add(x, y, w, h, make(name));
    }
    Log met() { return std::exchange(log, {}); }
    // A meeting as testPoint and testRect make it: the tester's collide first.
    static Log meeting(const std::string& tester, const std::string& other) {
        return {tester + " meets " + other, other + " meets " + tester};
    }

    // How many cells of the grid hold index, reading each cell's pixel.
    int paintedCells(int32_t index) const {
        int n = 0;
        for (int32_t row = 0; row < 120; ++row) {
            for (int32_t col = 0; col < 160; ++col) {
                n += map.cellAt(col * 4, row * 4) == index;
            }
        }
        return n;
    }

    std::vector<std::unique_ptr<Contact>> owned;
};

TEST_F(Collisions, BoxesOffTheGridNeverTouchCellsOutsideIt) {
    const struct {
        int32_t x, y, w, h;
        int32_t recorded, painted;
    } cases[] = {
        {10, 20, 35, 44, 1, 8 * 11},                // whole cells from the corner
        {-100, 50, 60, 40, 0, 0},                   // wholly left or above: not recorded
        {-100, 50, 120, 40, 1, 30 * 10},            // the part off the grid does not cut the width
        {600, 440, INT32_MAX, INT32_MAX, 1, 9 * 9}, // the last column and row stay unpainted
        {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 1, 0},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0},
        {INT32_MAX - 4, 0, 8, 480, 1, 0},
        {100, 100, -40, -40, 1, 0},
        {10, 10, INT32_MIN, INT32_MIN, 0, 0},
    };
    for (const auto& c : cases) {
        map.clear();
        add("stray", c.x, c.y, c.w, c.h);
        EXPECT_EQ(map.getCount(), c.recorded) << c.x << "," << c.y << " " << c.w << "x" << c.h;
        EXPECT_EQ(paintedCells(0), c.painted) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
    // Lookups off the grid read the nearest border cell.
    map.clear();
    add("corner", 0, 0, 8, 8);
    EXPECT_EQ(map.cellAt(INT32_MIN, INT32_MIN), 0);
    EXPECT_EQ(map.cellAt(INT32_MAX, INT32_MAX), Collision::kEmpty);
}

TEST_F(Collisions, RegistrationStopsAt256Objects) {
    for (int i = 0; i < 300; ++i) {
        add("alien", i % 150 * 4, 8, 4, 4);
    }
    EXPECT_EQ(map.getCount(), 256);
    EXPECT_EQ(map.cellAt(105 * 4, 8), 255);
    EXPECT_EQ(map.cellAt(106 * 4, 8), 106) << "the 257th box is ignored";
}

TEST_F(Collisions, TheLaterBoxOwnsAnOverlapAndAUsedUpObjectMeetsNothingMoreThisFrame) {
    add("first", 100, 100, 40, 40);
    add("second", 120, 120, 40, 40);
    Contact* trooper = make("trooper");
    trooper->testPoint(map, 130, 130);
    EXPECT_EQ(met(), meeting("trooper", "second"));

    Contact* powerUp = make("powerUp");
    powerUp->usedUp = true;
    map.add(200, 200, 32, 32, powerUp);
    add("alien", 240, 200, 32, 32);
    trooper->testPoint(map, 210, 210);
    EXPECT_EQ(met(), meeting("trooper", "powerUp"));
    trooper->testPoint(map, 210, 210);
    EXPECT_TRUE(met().empty()) << "a used-up object meets nothing again this frame";
    trooper->testRect(map, 200, 200, 60, 20);
    EXPECT_EQ(met(), meeting("trooper", "alien")) << "scanning goes on";
}

TEST_F(Collisions, TestRectReadsEverySecondPixelStopsBeforeTheFarEdgeAndClampsToTheGrid) {
    add("alien", 120, 100, 4, 4);
    add("corner", 0, 0, 8, 8);
    Contact* trooper = make("trooper");
    const struct {
        int32_t x, y, w, h;
        const char* meets; // empty for nothing
    } cases[] = {
        {100, 100, 20, 4, ""}, // px runs to 118 only
        {102, 100, 20, 4, "alien"},
        {100, 96, 24, 4, ""}, // py runs to 98 only
        {100, 96, -24, 40, ""},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, "corner"},
        {INT32_MAX - 10, 0, INT32_MAX, 100, ""},
        {-50, -50, 10, 10, "corner"}, // wholly off: reads the border, as a point would
        {-20, 2, 0, 1, ""},
    };
    for (const auto& c : cases) {
        trooper->testRect(map, c.x, c.y, c.w, c.h);
        EXPECT_EQ(met(), *c.meets ? meeting("trooper", c.meets) : Log{})
            << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

} // namespace
