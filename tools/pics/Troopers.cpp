#include <cmath>

#include "Art.h"
#include "Canvas.h"

namespace {
constexpr int kSize = 45;
constexpr int kCentre = 22;  // the game draws a trooper at (x - 22, y - 22)
constexpr int kDirections = 32;
constexpr int kMuzzleReach = 12;
constexpr int kGunTurn = 4;     // the gun points this many steps counter-clockwise
constexpr int kMuzzleTurn = 3;  // the muzzle point lies this many steps counter-clockwise
constexpr double kBodyScale = 1.45;  // the figure, not the gun, whose muzzle point is fixed

// Gear both players share, so only the armour tells them apart.
const Rgb kBoot{40, 36, 32}, kGun{30, 32, 36}, kGunLight{96, 100, 108}, kVisor{90, 220, 255};

// The game's own direction table vector, scaled as its step does.
int tableStep(int d, int length, bool wantX) {
  const double a = ((d % kDirections + kDirections) % kDirections) * 6.28 / kDirections;
  const int v = wantX ? int(16 * std::sin(a)) : int(-16 * std::cos(a));
  return v * length / 10;
}

struct Vec {
  double x, y;
};

Vec along(double localDirection, double length) {
  const double a = directionAngle(localDirection);
  return {std::sin(a) * length, -std::cos(a) * length};
}

void line(Canvas& c, Vec a, Vec b, double width, const Rgb& colour) {
  cairo_t* cr = c.cr();
  c.colour(colour);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  cairo_stroke(cr);
}

void shadedBlob(Canvas& c, double x, double y, double rx, double ry, const Rgb& light, const Rgb& dark) {
  cairo_t* cr = c.cr();
  cairo_pattern_t* p = cairo_pattern_create_radial(x - rx * 0.3, y - ry * 0.4, 0, x, y, std::max(rx, ry));
  cairo_pattern_add_color_stop_rgb(p, 0, light.r / 255, light.g / 255, light.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 1, dark.r / 255, dark.g / 255, dark.b / 255);
  c.ellipse(x, y, rx, ry);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  c.colour({20, 22, 26}, 0.8);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void legs(Canvas& c, const TrooperLook& look, int pose) {
  const double stride = pose == 0 ? 7 : -7;
  for (int side = -1; side <= 1; side += 2) {
    const double y = side * stride;
    line(c, {side * 3.5, 0}, {side * 4.0, y}, 4.2, look.cloth);
    shadedBlob(c, side * 4.0, y + (y < 0 ? -1.0 : 1.0), 2.4, 3.4, {110, 100, 86}, kBoot);
  }
}

void gunAndArms(Canvas& c, const TrooperLook& look, Vec muzzle, bool flash) {
  // Local frame: the trooper faces up; the gun points kGunTurn steps to the left.
  const Vec back = along(-kGunTurn, -1);
  auto from = [&](double k) { return Vec{muzzle.x + back.x * k, muzzle.y + back.y * k}; };
  const Vec grip = from(11), foreHand = from(5.5), stock = from(17);
  line(c, {-7 * kBodyScale, -1}, foreHand, 3.6, look.armourDark);  // left arm reaches to the barrel
  line(c, {-7 * kBodyScale, -1}, foreHand, 2.4, look.armour);
  line(c, {7 * kBodyScale, 0}, grip, 3.6, look.armourDark);
  line(c, {7 * kBodyScale, 0}, grip, 2.4, look.armour);
  line(c, stock, from(2.5), 4.4, {14, 14, 16});
  line(c, stock, from(3), 3.0, kGun);
  line(c, from(3.5), muzzle, 2.0, {14, 14, 16});
  line(c, from(3.5), muzzle, 1.2, kGunLight);
  line(c, from(15), from(5), 0.9, kGunLight);
  shadedBlob(c, foreHand.x, foreHand.y, 1.8, 1.8, {120, 110, 90}, {60, 52, 40});
  shadedBlob(c, grip.x, grip.y, 1.8, 1.8, {120, 110, 90}, {60, 52, 40});
  if (!flash) return;
  cairo_t* cr = c.cr();
  const Vec dir = along(-kGunTurn, 1), side = along(-kGunTurn + 8, 1);
  c.glow(muzzle.x + dir.x * 2, muzzle.y + dir.y * 2, 7, {255, 200, 80}, 0.9);
  c.colour({255, 250, 200});
  cairo_move_to(cr, muzzle.x, muzzle.y);
  const double spikes[][2] = {{8, 0}, {3.5, 2.8}, {5, -2.5}};
  for (const auto& s : spikes) {
    cairo_move_to(cr, muzzle.x + side.x * 1.3, muzzle.y + side.y * 1.3);
    cairo_line_to(cr, muzzle.x + dir.x * s[0] + side.x * s[1], muzzle.y + dir.y * s[0] + side.y * s[1]);
    cairo_line_to(cr, muzzle.x - side.x * 1.3, muzzle.y - side.y * 1.3);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  c.glow(muzzle.x, muzzle.y, 2.5, {255, 255, 240});
}

void body(Canvas& c, const TrooperLook& look) {
  cairo_t* cr = c.cr();
  // backpack, torso plate with a stripe, shoulder pads
  cairo_rectangle(cr, -5, 2.5, 10, 5);
  c.colour(look.armourDark);
  cairo_fill(cr);
  cairo_rectangle(cr, -3.5, 4, 7, 2);
  c.colour(look.pack);
  cairo_fill(cr);
  shadedBlob(c, 0, 0, 8, 4.8, look.armourLight, look.armourDark);
  line(c, {-5, -2.6}, {5, -2.6}, 0.9, look.stripe);
  shadedBlob(c, -7, 0, 2.6, 2.9, look.armourLight, look.armourDark);
  shadedBlob(c, 7, 0, 2.6, 2.9, look.armourLight, look.armourDark);
}

void head(Canvas& c, const TrooperLook& look) {
  cairo_t* cr = c.cr();
  shadedBlob(c, 0, 0.3, 3.3, 3.5, look.helmetLight, look.helmetDark);
  // The visor looks along the gun.
  cairo_save(cr);
  cairo_rotate(cr, directionAngle(-kGunTurn));
  cairo_set_line_width(cr, 1.2);
  c.colour(kVisor);
  cairo_arc(cr, 0, 0.3, 2.4, directionAngle(-13), directionAngle(-3));
  cairo_stroke(cr);
  cairo_restore(cr);
}

// The muzzle point exactly where the game fires from (its truncated direction
// table), turned back into the trooper's own upright frame.
Vec muzzleInLocal(int d) {
  const double sx = tableStep(d - kMuzzleTurn, kMuzzleReach, true);
  const double sy = tableStep(d - kMuzzleTurn, kMuzzleReach, false);
  const double a = -directionAngle(d);
  return {sx * std::cos(a) - sy * std::sin(a), sx * std::sin(a) + sy * std::cos(a)};
}

Frame trooper(const TrooperLook& look, int direction, int pose, bool flash) {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  c.glow(kCentre + 2.0, kCentre + 3.0, 14, {0, 0, 0}, 0.55);
  cairo_save(cr);
  c.turnTo(kCentre + 0.5, kCentre + 0.5, direction);
  cairo_save(cr);
  cairo_scale(cr, kBodyScale, kBodyScale);
  legs(c, look, pose);
  body(c, look);
  head(c, look);
  cairo_restore(cr);
  // The rifle is held up at the cheek, so it lies over the helmet.
  gunAndArms(c, look, muzzleInLocal(direction), flash);
  cairo_restore(cr);
  return c.keyed();
}
}  // namespace

// Player one wears cool grey-blue steel with an orange band.
const TrooperLook kPlayerOneLook{{104, 118, 126}, {52, 60, 68},  {172, 188, 196}, {230, 150, 40},
                                 {150, 160, 120}, {52, 58, 40},  {70, 78, 52},    {80, 90, 60}};
// Player two must be told apart at a glance on the dark steel ground, so warm
// where player one is cool: rust-red plate, sand helmet, a pale gold band.
const TrooperLook kPlayerTwoLook{{164, 82, 50},   {76, 32, 20},  {234, 152, 108}, {255, 226, 120},
                                 {200, 174, 120}, {84, 64, 36},  {96, 70, 46},    {126, 88, 52}};

std::vector<Frame> trooperWalk(const TrooperLook& look, int pose) {
  std::vector<Frame> frames;
  for (int d = 0; d < kDirections; ++d) frames.push_back(trooper(look, d, pose, false));
  return frames;
}

std::vector<Frame> trooperFiring(const TrooperLook& look, int pose, bool flash) {
  std::vector<Frame> frames;
  for (int d = 0; d < kDirections; ++d) frames.push_back(trooper(look, d, pose, flash));
  return frames;
}
