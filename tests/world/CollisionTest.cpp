// The collision grid: boxes and lookups far off the playfield stay inside it
// and it holds at most 256 objects. Who meets whom on the playfield is pinned
// by the recorded games.
#include "world/Collision.h"
#include "world/Move.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

// An object that logs whom it meets.
struct Contact : Move {
    Contact(std::string name, std::vector<std::string>& log)
        : Move(0, 0, 0, 0), name(std::move(name)), log(log) {}
    bool collide(Move& other) override {
        log.push_back(static_cast<Contact&>(other).name);
        return false;
    }
    std::string name;
    std::vector<std::string>& log;
};

struct Collisions : ::testing::Test {
    void add(const std::string& name, int32_t x, int32_t y, int32_t w, int32_t h) {
        owned.push_back(std::make_unique<Contact>(name, log));
        map.add(x, y, w, h, owned.back().get());
    }
    Collision map{640, 480, 2}; // 160 x 120 cells of 4 pixels
    std::vector<std::string> log;
    std::vector<std::unique_ptr<Contact>> owned;
};

TEST_F(Collisions, BoxesOffTheGridNeverTouchCellsOutsideIt) {
    const int32_t cases[][6] = {
        // x, y, w, h, recorded, cells painted
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
    for (const auto& [x, y, w, h, recorded, painted] : cases) {
        map.clear();
        add("stray", x, y, w, h);
        int cells = 0;
        for (int32_t at = 0; at < 160 * 120; ++at) {
            cells += map.cellAt(at % 160 * 4, at / 160 * 4) == 0;
        }
        EXPECT_EQ(map.getCount(), recorded) << x << "," << y << " " << w << "x" << h;
        EXPECT_EQ(cells, painted) << x << "," << y << " " << w << "x" << h;
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

// A rectangle read at the ends of the range is clamped to the grid; one
// wholly off it reads the border, as a point would.
TEST_F(Collisions, TestRectAtTheEndsOfTheRangeReadsOnlyTheGrid) {
    add("corner", 0, 0, 8, 8);
    Contact trooper("trooper", log);
    const int32_t cases[][5] = {
        // x, y, w, h, meets the corner
        {100, 96, -24, 40, 0},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 1},
        {INT32_MAX - 10, 0, INT32_MAX, 100, 0},
        {-50, -50, 10, 10, 1},
        {-20, 2, 0, 1, 0},
    };
    for (const auto& [x, y, w, h, meets] : cases) {
        log.clear();
        trooper.testRect(map, x, y, w, h);
        EXPECT_EQ(log.size(), meets ? 2u : 0u) // each side's collide
            << x << "," << y << " " << w << "x" << h;
    }
}

} // namespace
