// Light added into the 16-bit frame, compared with the whole screen as worked
// out here from the geometry: distance by sqrt, fall-off by its formula.
#include <SDL.h>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Light.h"
#include "gfx/TestPictures.h"

namespace {

constexpr int kWidth = 640, kHeight = 480, kCols = kWidth / 2, kRows = kHeight / 2;

// One 32-bit word per light cell of every screen row, as the screen holds them.
using Words = std::vector<uint32_t>;

enum class Kind { Round, Cone, Ring };
struct Request {
    Kind kind;
    int x, y, r;
    int direction = 0, width = 0, thickness = 0;
    int red = 255, green = 255, blue = 255;
};

void draw(Light& light, const Request& q) {
    if (q.kind == Kind::Round) {
        light.roundLight(q.x, q.y, q.r, q.red, q.green, q.blue);
    } else if (q.kind == Kind::Cone) {
        light.coneLight(q.x, q.y, q.r, q.direction, q.width, q.red, q.green, q.blue);
    } else {
        light.ringLight(q.x, q.y, q.r, q.thickness, q.red, q.green, q.blue);
    }
}

int falloff(int r, int j) {
    return 16 - 14 * j / r;
}

uint16_t mapped(int red, int green, int blue) {
    return uint16_t(
        SDL_MapRGB(screen->getSurface()->format, Uint8(red), Uint8(green), Uint8(blue)));
}

Words blank() {
    return Words(size_t(kCols) * kHeight, 0);
}

// The words the requests leave on a black screen, straight from the rules;
// screen row s shows light row (s + 1) / 2.
Words expected(const std::vector<Request>& requests, const LightTables& tables) {
    Words out = blank();
    for (const Request& q : requests) {
        const int dir = q.direction;
        const bool cone = q.kind == Kind::Cone;
        const int x0 = cone && dir >= 5 && dir <= 11 ? std::max(q.x, 0) : std::max(q.x - q.r, 0);
        int x1 = std::min(q.x + q.r, kCols), y1 = q.y + q.r > kRows ? kRows - 1 : q.y + q.r;
        x1 = cone && dir >= 21 && dir <= 27 ? std::min(q.x, x1) : x1;
        y1 = cone && (dir < 4 || dir > 28) ? std::min(q.y, y1) : y1;
        const int y0 = cone && dir >= 13 && dir <= 19 ? std::max(q.y, 0) : std::max(q.y - q.r, 0);
        for (int s = 2 * y0; s < 2 * y1; ++s) {
            for (int i = x0; i < x1; ++i) {
                const int dx = i - q.x, dy = (s + 1) / 2 - q.y;
                const int d = int(std::sqrt(double(dx * dx + dy * dy)));
                int k = d < q.r ? falloff(q.r, d) : -1, shift = 6;
                if (k >= 0 && cone) {
                    int e = std::abs(tables.direction(tables.centre() + dx, tables.centre() + dy) -
                                     dir);
                    e = e >= 17 ? 32 - e : e;
                    k = e < q.width >> 1 && 2 * e <= k ? k - 2 * e : -1;
                } else if (k >= 0 && q.kind == Kind::Ring) {
                    const int m = 2 * (q.r - q.thickness) - d;
                    k = m >= q.r ? -1 : d < q.r - q.thickness ? falloff(q.r, m) : k;
                    shift = 5;
                }
                if (k >= 0) {
                    const uint32_t p =
                        mapped((k * q.red) >> shift, (k * q.green) >> shift, (k * q.blue) >> shift);
                    out[size_t(s) * kCols + size_t(i)] += p | p << 16;
                }
            }
        }
    }
    return out;
}

void addPixel(Words& words, int x, int y, uint16_t value) {
    uint32_t& w = words[size_t(y) * kCols + size_t(x / 2)];
    const int shift = x % 2 == 0 ? 0 : 16;
    w = (w & ~(0xFFFFu << shift)) | uint32_t(uint16_t((w >> shift) + value)) << shift;
}

// "" when equal, else where and how the first cell differs.
std::string firstDifference(const Words& got, const Words& want) {
    const auto at = size_t(std::mismatch(got.begin(), got.end(), want.begin()).first - got.begin());
    return at == got.size()
               ? ""
               : "row " + std::to_string(at / kCols) + " cell " + std::to_string(at % kCols) +
                     ": got " + std::to_string(got[at]) + ", want " + std::to_string(want[at]);
}

void drawEveryKind(Light& light) {
    light.roundLight(100, 100, 30);
    light.coneLight(200, 80, 40, 12, 10, 255, 200, 100);
    light.ringLight(60, 200, 50, 10, 200, 50, 50);
    light.spark(150, 150, 255, 255, 255);
}

class LightTest : public DisplayTest {
  protected:
    void SetUp() override {
        openDisplay(16);
        light = std::make_unique<Light>(screen, Light::kGameSize);
        ASSERT_EQ(screen->getSurface()->pitch, kWidth * 2);
    }
    static std::vector<uint8_t> raw() {
        const SDL_Surface* s = screen->getSurface();
        const auto* bytes = static_cast<const uint8_t*>(s->pixels);
        return std::vector<uint8_t>(bytes, bytes + size_t(s->pitch) * size_t(s->h));
    }
    static Words words() {
        Words out = blank();
        std::memcpy(out.data(), screen->getSurface()->pixels, out.size() * 4);
        return out;
    }
    static void clear(Uint32 value = 0) { SDL_FillRect(screen->getSurface(), nullptr, value); }
    std::unique_ptr<Light> light;
};

TEST_F(LightTest, RequestsLightExactlyTheCellsTheirShapeGivesAndAddUp) {
    // The quarter disc inside the screen, a light past the bottom (whose box
    // drops the last rows), one off the left and the bottom; cones every way,
    // one too narrow to light a cell; rings, one thicker than wide (a disc),
    // one of no thickness (dark). Each alone, then all adding up.
    std::vector<Request> all = {{Kind::Round, 0, 0, 40},
                                {Kind::Round, 0, 0, 127, 0, 0, 0, 30, 60, 90},
                                {Kind::Round, 319, 239, 20},
                                {Kind::Round, -10, 250, 50, 0, 0, 0, 200, 100, 50},
                                {Kind::Cone, 160, 120, 64, 8, 8, 0, 155, 155, 155},
                                {Kind::Cone, 160, 120, 127, 3, 31, 0, 50, 40, 30},
                                {Kind::Cone, 20, 230, 90, 20, 12, 0, 200, 100, 0},
                                {Kind::Cone, 300, 10, 50, 27, 5},
                                {Kind::Cone, 0, 0, 127, 12, 31, 0, 20, 20, 20},
                                {Kind::Cone, 160, 120, 60, 8, 1},
                                {Kind::Ring, 160, 120, 75, 0, 0, 15, 200, 50, 50},
                                {Kind::Ring, 100, 235, 20, 0, 0, 3},
                                {Kind::Ring, 100, 60, 20, 0, 0, 200},
                                {Kind::Ring, 100, 60, 20, 0, 0, 0}};
    for (size_t i = 0; i <= all.size(); ++i) {
        SCOPED_TRACE(i);
        const std::vector<Request> requests = i < all.size() ? std::vector<Request>{all[i]} : all;
        clear();
        for (const Request& q : requests) {
            draw(*light, q);
        }
        EXPECT_EQ(firstDifference(words(), expected(requests, light->getTables())), "");
    }
}

TEST_F(LightTest, SmallestRoundLightFillsItsCentreCellInTwoRowsOnly) {
    const struct {
        int x, y, firstRow, lastRow;
    } cases[] = {{50, 60, 119, 120}, {0, 0, 0, 0}, {319, 239, 477, 478}, {7, 240, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        clear();
        light->roundLight(c.x, c.y, 1, 100, 200, 40);
        Words want = blank();
        for (int row = c.firstRow; row <= c.lastRow; ++row) {
            addPixel(want, 2 * c.x, row, mapped(25, 50, 10)); // 16 * colour / 64
            addPixel(want, 2 * c.x + 1, row, mapped(25, 50, 10));
        }
        EXPECT_EQ(firstDifference(words(), want), "");
    }
}

TEST_F(LightTest, TwoLightsAddAndAFullChannelCarriesIntoTheNext) {
    ASSERT_EQ(screen->getSurface()->format->Rmask, 0xF800u);
    ASSERT_EQ(screen->getSurface()->format->Bmask, 0x001Fu);
    // Full colour at brightness 16 is 63, which keeps 7 in a 5-bit channel.
    const struct {
        uint16_t left, right;
        int red, blue, lights;
        uint16_t leftAfter, rightAfter;
    } cases[] = {{0, 0, 0, 255, 2, 14, 14},
                 {0x0005, 0x0800, 255, 255, 2, 0x7013, 0x780E},
                 {0x001F, 0, 0, 255, 1, 0x0026, 0x0007},  // blue carries into green
                 {0xF800, 0, 255, 0, 1, 0x3000, 0x3801},  // red into the right pixel's blue
                 {0, 0xF800, 255, 0, 1, 0x3800, 0x3000}}; // and off the cell's end
    for (const auto& c : cases) {
        SCOPED_TRACE(c.leftAfter);
        clear();
        screen->putPixel(40, 20, c.left);
        screen->putPixel(41, 20, c.right);
        for (int i = 0; i < c.lights; ++i) {
            light->roundLight(20, 10, 1, c.red, 0, c.blue);
        }
        EXPECT_EQ(screen->getPixel(40, 20), c.leftAfter);
        EXPECT_EQ(screen->getPixel(41, 20), c.rightAfter);
        EXPECT_EQ(screen->getPixel(42, 20), 0u);
    }
}

TEST_F(LightTest, ConeLightsNothingBehindTheLineItFacesAwayFrom) {
    const int x = 160, y = 120;
    for (int dir = 0; dir < 32; ++dir) {
        SCOPED_TRACE(dir);
        clear();
        light->coneLight(x, y, 127, dir, 31, 255, 255, 255);
        const Words got = words();
        int lit = 0, behind = 0;
        for (size_t at = 0; at < got.size(); ++at) {
            const int cell = int(at % kCols), row = int(at / kCols);
            lit += got[at] != 0 ? 1 : 0;
            behind += got[at] != 0 && ((dir >= 5 && dir <= 11 && cell < x) ||
                                       (dir >= 21 && dir <= 27 && cell >= x) ||
                                       (dir >= 13 && dir <= 19 && row < 2 * y) ||
                                       ((dir < 4 || dir > 28) && row >= 2 * y));
        }
        EXPECT_EQ(behind, 0);
        EXPECT_GT(lit, 1000);
    }
}

TEST_F(LightTest, SparkIsAPlusWhereItFitsOnScreenAndNothingElsewhere) {
    const struct {
        int x, y;
        bool shown;
    } cases[] = {{1, 1, true},   {160, 120, true}, {319, 238, true}, {0, 5, false},
                 {5, 0, false},  {320, 5, false},  {5, 239, false},  {-3, 7, false},
                 {7, -3, false}, {900, 900, false}};
    const struct {
        int dx, dy, times;
    } plus[] = {{0, 0, 2}, {0, 1, 2},  {0, -2, 1}, {0, -1, 1}, {-1, 0, 1},
                {1, 0, 1}, {-1, 1, 1}, {1, 1, 1},  {0, 2, 1},  {0, 3, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        clear();
        Words want = blank();
        for (int sparks = 0; sparks < 2; ++sparks) { // the second adds onto the first
            light->spark(c.x, c.y, 200, 100, 40);
            for (const auto& dot : plus) {
                if (c.shown) {
                    addPixel(want, 2 * c.x + dot.dx, 2 * c.y + dot.dy,
                             uint16_t(mapped(50, 25, 10) * dot.times)); // a quarter of the colour
                }
            }
        }
        EXPECT_EQ(firstDifference(words(), want), "");
    }
}

TEST_F(LightTest, TablesHoldDistanceDirectionAndFalloff) {
    const LightTables& t = light->getTables();
    const int c = t.centre();
    ASSERT_EQ(c, 128);
    ASSERT_EQ(light->maxRadius(), 127);
    const struct {
        int x, y, distance, direction;
    } cells[] = {{c, c - 5, 5, 0},          {c + 5, c, 5, 8},          {c, c + 5, 5, 16},
                 {c - 5, c, 5, 23},         {c + 3, c - 4, 5, 2},      {c - 1, c - 1, 1, 28},
                 {c + 1, c - 100, 100, 0},  {c + 100, c - 1, 100, 7},  {c + 100, c + 1, 100, 8},
                 {c + 1, c + 100, 100, 15}, {c - 1, c + 100, 100, 16}, {c - 100, c + 1, 100, 23},
                 {c - 100, c - 1, 100, 24}, {c - 1, c - 100, 100, 31}, {0, 0, 181, 28},
                 {255, 255, 179, 12}};
    for (const auto& cell : cells) {
        SCOPED_TRACE(std::to_string(cell.x) + "," + std::to_string(cell.y));
        EXPECT_EQ(t.distance(cell.x, cell.y), cell.distance);
        EXPECT_EQ(t.direction(cell.x, cell.y), cell.direction);
    }
    EXPECT_EQ(t.falloff(0, 0), 0);
    for (int r : {1, 2, 7, 64, 127, 255}) {
        SCOPED_TRACE(r);
        EXPECT_EQ(t.falloff(r, 0), 16);
        EXPECT_EQ(t.falloff(r, r), 2);
    }
    EXPECT_EQ(t.falloff(3, 1), 12);
    EXPECT_EQ(t.falloff(64, 63), 3);
}

TEST_F(LightTest, NothingIsAddedWhenSwitchedOffOnOtherDepthsOrWithoutADisplay) {
    clear(0x1234);
    const auto before = raw();
    light->setOn(0);
    drawEveryKind(*light);
    EXPECT_EQ(raw(), before);
    light->setOn(1);
    drawEveryKind(*light);
    EXPECT_NE(raw(), before);

    clear(0x1234);
    Light detached;
    Light nowhere(nullptr, Light::kGameSize);
    for (Light* none : {&detached, &nowhere}) {
        EXPECT_EQ(none->isOn(), 1);
        drawEveryKind(*none);
        EXPECT_EQ(raw(), before);
    }
    for (int depth : {8, 24}) {
        SCOPED_TRACE(depth);
        openDisplay(depth);
        Light other(screen, Light::kGameSize);
        clear(0x21);
        const auto still = raw();
        drawEveryKind(other);
        EXPECT_EQ(raw(), still);
    }
}

TEST_F(LightTest, OutOfRangeRequestsDrawAsTheNearestValidOnesInsideTheScreen) {
    const struct {
        Request given, drawnAs;
    } cases[] = {{{Kind::Round, 0, 0, 1000}, {Kind::Round, 0, 0, 127}},
                 {{Kind::Round, 0, 0, INT_MAX}, {Kind::Round, 0, 0, 127}},
                 {{Kind::Round, 0, 0, -5}, {Kind::Round, 0, 0, 0}},
                 {{Kind::Round, 0, 0, INT_MIN}, {Kind::Round, 0, 0, 0}},
                 {{Kind::Cone, 0, 0, 300, 8, 8}, {Kind::Cone, 0, 0, 127, 8, 8}},
                 {{Kind::Cone, 0, 0, 64, 40, 8}, {Kind::Cone, 0, 0, 64, 8, 8}},
                 {{Kind::Cone, 0, 0, 64, INT_MIN, 8}, {Kind::Cone, 0, 0, 64, 0, 8}},
                 {{Kind::Cone, 0, 0, 64, INT_MAX, 8}, {Kind::Cone, 0, 0, 64, 31, 8}},
                 {{Kind::Cone, 0, 0, 64, 20, 99}, {Kind::Cone, 0, 0, 64, 20, 31}},
                 {{Kind::Cone, 0, 0, 64, 20, -4}, {Kind::Cone, 0, 0, 64, 20, 0}},
                 {{Kind::Ring, 0, 0, 500, 0, 0, 15}, {Kind::Ring, 0, 0, 127, 0, 0, 15}}};
    const int places[][2] = {{0, 0}, {319, 239}, {-100, 300}, {330, 245}};
    for (const auto& c : cases) {
        for (const auto& at : places) {
            SCOPED_TRACE(std::to_string(int(&c - cases)) + " at " + std::to_string(at[0]) + "," +
                         std::to_string(at[1]));
            Request given = c.given, drawnAs = c.drawnAs;
            given.x = drawnAs.x = at[0];
            given.y = drawnAs.y = at[1];
            clear();
            draw(*light, given);
            EXPECT_EQ(firstDifference(words(), expected({drawnAs}, light->getTables())), "");
        }
    }
}

} // namespace
