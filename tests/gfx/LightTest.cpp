// Light added into the 16-bit frame: where it may land, how requests out of
// range are drawn, and when nothing is drawn at all. Shades and the shapes of
// cones and rings are pinned by the recorded games.
#include <SDL.h>
#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Light.h"
#include "gfx/LightTables.h"
#include "support/GfxFixture.h"

namespace {

constexpr int kCols = 320, kRows = 240; // light cells: two screen pixels a side

enum class Kind { Round, Cone, Ring };
struct Request {
    Kind kind;
    int r, direction, widthOrThickness;
};

void draw(Light& light, const Request& q, int x, int y) {
    if (q.kind == Kind::Round) {
        light.roundLight(x, y, q.r, 200, 150, 100);
    } else if (q.kind == Kind::Cone) {
        light.coneLight(x, y, q.r, q.direction, q.widthOrThickness, 200, 150, 100);
    } else {
        light.ringLight(x, y, q.r, q.widthOrThickness, 200, 150, 100);
    }
}

class LightTest : public DisplayTest {
  protected:
    void SetUp() override {
        openDisplay(16);
        light = std::make_unique<Light>(screen, Light::kGameSize);
        ASSERT_EQ(screen->getSurface()->pitch, kCols * 4);
    }
    static void clear(Uint32 value = 0) { SDL_FillRect(screen->getSurface(), nullptr, value); }
    // The screen a request leaves on a black one.
    std::vector<uint8_t> drawn(const Request& q, int x, int y) {
        clear();
        return screenBytes([&] { draw(*light, q, x, y); });
    }
    void drawEveryKind(Light& to) {
        to.roundLight(100, 100, 30);
        to.coneLight(200, 80, 40, 12, 10, 255, 200, 100);
        to.ringLight(60, 200, 50, 10, 200, 50, 50);
        to.spark(150, 150, 255, 255, 255);
    }
    std::unique_ptr<Light> light;
};

// Every corner, and beyond every edge.
const std::pair<int, int> kPlaces[] = {{0, 0},     {319, 239}, {0, 239},   {319, 0},    {-40, 120},
                                       {360, 120}, {160, -40}, {160, 280}, {-100, -100}};

// A light that wrapped round a screen edge would show on the far side. A cone
// at the edge may face away from the screen, and light nothing.
TEST_F(LightTest, EveryLitCellLiesWithinTheRadiusEvenAtTheScreensEdges) {
    for (const Request& q :
         {Request{Kind::Round, 100, 0, 0}, {Kind::Cone, 100, 8, 31}, {Kind::Ring, 100, 0, 20}}) {
        for (const auto& [x, y] : kPlaces) {
            const std::vector<uint8_t> shown = drawn(q, x, y);
            int lit = 0;
            for (size_t at = 0; at + 4 <= shown.size(); at += 4) {
                if (shown[at] | shown[at + 1] | shown[at + 2] | shown[at + 3]) {
                    const int dx = int(at / 4 % kCols) - x, dy = int(at / 4 / kCols) / 2 - y;
                    EXPECT_LE(dx * dx + dy * dy, (q.r + 1) * (q.r + 1)) << x << "," << y;
                    ++lit;
                }
            }
            const bool near = x > -q.r && y > -q.r && x < kCols + q.r && y < kRows + q.r;
            EXPECT_TRUE(lit > 0 ? near : !near || q.kind == Kind::Cone) << x << "," << y;
        }
    }
}

TEST(LightTables, DirectionsRunClockwiseFromUpAndDistancesAreWholeCells) {
    const LightTables t(256);
    const int c = t.centre();
    const int cells[][4] = {{c, c - 5, 5, 0},         {c + 5, c, 5, 8},     {c, c + 5, 5, 16},
                            {c - 5, c, 5, 23},        {c + 3, c - 4, 5, 2}, {0, 0, 181, 28},
                            {c - 1, c - 100, 100, 31}};
    for (const auto& [x, y, distance, direction] : cells) {
        EXPECT_EQ(t.distance(x, y), distance) << x << "," << y;
        EXPECT_EQ(t.direction(x, y), direction) << x << "," << y;
    }
}

TEST_F(LightTest, OutOfRangeRequestsDrawAsTheNearestValidOnes) {
    const std::pair<Request, Request> cases[] = {
        {{Kind::Round, INT_MAX, 0, 0}, {Kind::Round, 127, 0, 0}},
        {{Kind::Round, INT_MIN, 0, 0}, {Kind::Round, 0, 0, 0}},
        {{Kind::Cone, 300, 40, 8}, {Kind::Cone, 127, 8, 8}},
        {{Kind::Cone, 64, INT_MIN, 99}, {Kind::Cone, 64, 0, 31}},
        {{Kind::Cone, 64, INT_MAX, -4}, {Kind::Cone, 64, 31, 0}},
        {{Kind::Ring, 500, 0, 15}, {Kind::Ring, 127, 0, 15}}};
    for (const auto& [given, drawnAs] : cases) {
        for (auto [x, y] : {std::pair{0, 0}, {319, 239}, {-100, 300}}) {
            EXPECT_EQ(drawn(given, x, y), drawn(drawnAs, x, y))
                << given.r << " at " << x << "," << y;
        }
    }
}

TEST_F(LightTest, NothingIsAddedWhenSwitchedOffOnOtherDepthsOrWithoutADisplay) {
    clear(0x1234);
    const auto before = screenBytes();
    light->setOn(0);
    EXPECT_EQ(screenBytes([&] { drawEveryKind(*light); }), before);
    light->setOn(1);
    EXPECT_NE(screenBytes([&] { drawEveryKind(*light); }), before);
    clear(0x1234);
    Light detached;
    Light nowhere(nullptr, Light::kGameSize);
    for (Light* none : {&detached, &nowhere}) {
        EXPECT_EQ(screenBytes([&] { drawEveryKind(*none); }), before);
    }
    for (int depth : {8, 24}) {
        openDisplay(depth);
        Light other(screen, Light::kGameSize);
        clear(0x21);
        const auto still = screenBytes();
        EXPECT_EQ(screenBytes([&] { drawEveryKind(other); }), still) << depth;
    }
}

// A spark is a plus two cells across: drawn only where all of it fits.
TEST_F(LightTest, ASparkShowsOnlyWhereItFitsOnTheScreen) {
    const int cases[][3] = {{1, 1, true},    {319, 238, true}, {0, 5, false},  {5, 0, false},
                            {320, 5, false}, {5, 239, false},  {-3, 7, false}, {900, 900, false}};
    for (const auto& [x, y, shown] : cases) {
        clear();
        const auto blank = screenBytes();
        EXPECT_EQ(screenBytes([&] { light->spark(x, y, 200, 100, 40); }) != blank, shown != 0)
            << x << "," << y;
    }
}

} // namespace
