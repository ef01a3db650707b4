// Light added into the 16-bit frame: where it may land, how requests out of
// range are drawn, and when nothing is drawn at all. Shades and the shapes of
// cones and rings are pinned by the recorded games.
#include <SDL.h>
#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "gfx/Buffer.h"
#include "gfx/Light.h"
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
        light = std::make_unique<Light>(screen.get(), Light::kGameSize);
        ASSERT_EQ(screen->getSurface()->pitch, kCols * 4);
    }
    void clear(Uint32 value = 0) const { SDL_FillRect(screen->getSurface(), nullptr, value); }
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
// at the edge may face away from the screen, and light nothing. Radii,
// directions and widths out of range are drawn as the nearest valid ones.
TEST_F(LightTest, EveryLitCellLiesWithinTheRadiusEvenAtTheScreensEdgesAndForWildRequests) {
    for (const Request& q : {Request{Kind::Round, 100, 0, 0},
                             {Kind::Cone, 100, 8, 31},
                             {Kind::Ring, 100, 0, 20},
                             {Kind::Round, INT_MAX, 0, 0},
                             {Kind::Round, INT_MIN, 0, 0},
                             {Kind::Cone, 300, 40, 8},
                             {Kind::Cone, 64, INT_MIN, 99},
                             {Kind::Cone, 64, INT_MAX, -4},
                             {Kind::Ring, 500, 0, 15}}) {
        const int r = std::clamp(q.r, 0, 127);
        for (const auto& [x, y] : kPlaces) {
            clear();
            const std::vector<uint8_t> shown = screenBytes([&] { draw(*light, q, x, y); });
            int lit = 0;
            for (size_t at = 0; at + 4 <= shown.size(); at += 4) {
                if (shown[at] | shown[at + 1] | shown[at + 2] | shown[at + 3]) {
                    const int dx = int(at / 4 % kCols) - x, dy = int(at / 4 / kCols) / 2 - y;
                    EXPECT_LE(dx * dx + dy * dy, (r + 1) * (r + 1))
                        << q.r << " at " << x << "," << y;
                    ++lit;
                }
            }
            const bool near = x > -r && y > -r && x < kCols + r && y < kRows + r;
            EXPECT_TRUE(lit > 0 ? near : !near || q.kind == Kind::Cone || q.r != r)
                << q.r << " at " << x << "," << y;
        }
    }
}

TEST_F(LightTest, NothingIsAddedWhenSwitchedOffOrWithoutADisplay) {
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
}

// A spark is a plus two cells across: drawn only where all of it fits.
TEST_F(LightTest, ASparkShowsOnlyWhereItFitsOnTheScreen) {
    const int cases[][3] = {{1, 1, true},    {319, 238, true}, {0, 5, false},  {5, 0, false},
                            {320, 5, false}, {5, 239, false},  {-3, 7, false}, {900, 900, false}};
    const auto blank = screenBytes();
    for (const auto& [x, y, shown] : cases) {
        EXPECT_EQ(screenBytes([&] { light->spark(x, y, 200, 100, 40); }) != blank, shown != 0)
            << x << "," << y;
        clear();
    }
}

} // namespace
