// Draws every picture, sprite set and font sheet of the game into <datadir>/pics,
// and the desktop icon into <datadir>/icons.
// With "--contact <folder>" it also writes one contact-sheet PNG per group.
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>

#include "Art.h"
#include "ContactSheet.h"
#include "FontSheet.h"
#include "Icon.h"
#include "PictureWriter.h"
#include "Typeface.h"

namespace {
constexpr int kSheetWidth = 1180;

const FontStyle kGold{kSerifBold, 34, {255, 236, 160}, {190, 110, 20}, {50, 26, 6}, 1.2, {255, 255, 230}, 0.0};
const FontStyle kDeco{kGothicDemi, 17, {236, 242, 255}, {130, 170, 220}, {16, 22, 40}, 0.8, {255, 255, 255}, 0.0};
const FontStyle kDigits{kSansCondensedBold, 64, {230, 250, 255}, {60, 140, 220}, {8, 20, 40}, 2.0, {255, 255, 255}, 0.0};

struct Output {
  PictureWriter& writer;
  bool contact;
  std::string folder;
};

void sets(Output& out, const std::string& name, const std::vector<Frame>& frames, int first, ContactSheet* sheet) {
  out.writer.spriteSet("pics/" + name, frames, first);
  if (sheet) sheet->addRow(name, frames);
}

bool fonts(Output& out) {
  const FontSheet gold = renderTextFont(502, 200, kGold);
  const FontSheet deco = renderTextFont(610, 122, kDeco);
  const FontSheet digits = renderDigitFont(470, 55, kDigits);
  for (const FontSheet* f : {&gold, &deco, &digits})
    if (!f->ok) {
      std::fprintf(stderr, "Font sheet failed: %s\n", f->error.c_str());
      return false;
    }
  out.writer.fullPicture("pics/font_gold", gold.frame);
  out.writer.fullPicture("pics/font_babylon_deco", deco.frame);
  out.writer.fullPicture("pics/digit_kravex", digits.frame);
  if (out.contact) {
    ContactSheet sheet(kSheetWidth);
    sheet.addFont("font_gold", gold, {"Start game  Setup  Help  Exit", "The Quick Brown Fox: 12,345 (x?) @ 100% #1!"});
    sheet.addFont("font_babylon_deco", deco, {"Loading images \"pics/alien100\"... OK", "TOMBRIX  Mister X  4711 ; <=> [ok]"});
    sheet.addFont("digit_kravex", digits, {"0123456789", "1 024 4711"});
    sheet.write(out.folder + "/fonts.png");
  }
  return true;
}

// Player two's sets carry a prefix; both players share one sheet to be compared.
void troopers(Output& out) {
  ContactSheet sheet(kSheetWidth, 2);
  ContactSheet* s = out.contact ? &sheet : nullptr;
  const std::pair<const char*, const TrooperLook*> players[] = {{"", &kPlayerOneLook},
                                                                {"p2_", &kPlayerTwoLook}};
  for (const auto& [prefix, look] : players)
    for (int pose = 0; pose < 2; ++pose) {
      const std::string n = prefix + std::string("trooper") + std::to_string(pose + 1);
      sets(out, n + "k", trooperWalk(*look, pose), 0, s);
      sets(out, n + "ka", trooperFiring(*look, pose, true), 0, s);
      sets(out, n + "kas", trooperFiring(*look, pose, false), 0, s);
    }
  if (s) sheet.write(out.folder + "/troopers.png");
}

void aliens(Output& out) {
  ContactSheet sheet(kSheetWidth * 2);
  ContactSheet* s = out.contact ? &sheet : nullptr;
  for (int step = 0; step < 4; ++step) sets(out, "alien" + std::to_string(step + 1) + "00", alienStep(step), 1, s);
  if (s) sheet.write(out.folder + "/aliens.png");
}

void effects(Output& out) {
  ContactSheet sheet(kSheetWidth, 2);
  ContactSheet* s = out.contact ? &sheet : nullptr;
  sets(out, "exp_", explosion(), 1, s);
  sets(out, "fire", fire(), 1, s);
  sets(out, "gran", grenade(), 1, s);
  sets(out, "blood", bloodDrops(), 1, s);
  sets(out, "bloodbg", bloodStains(), 1, s);
  sets(out, "trooperpart", trooperParts(), 1, s);
  sets(out, "slime", slimeDrops(), 1, s);
  sets(out, "slimebg", slimeStains(), 1, s);
  for (int v = 0; v < 3; ++v) {
    sets(out, "alienp" + std::to_string(v + 1), alienParts(v, false), 1, s);
    sets(out, "alienpb" + std::to_string(v + 1), alienParts(v, true), 1, s);
  }
  sets(out, "burn", burn(), 1, s);
  sets(out, "fa_", firstAid(), 1, s);
  sets(out, "bb_", explodingBullets(), 1, s);
  sets(out, "fla_", flameThrower(), 1, s);
  sets(out, "cc_", grenades(), 1, s);
  sets(out, "power", healthBar(), 1, s);
  sets(out, "wbar", weaponBar(), 1, s);
  sets(out, "volume", volumeBar(), 1, s);
  const Frame single[] = {cursor(), makersMark(), weaponPicture(0), weaponPicture(1), weaponPicture(2),
                          weaponPicture(3)};
  const char* names[] = {"cursor", "qsvlogo", "weapon_rifle", "weapon_bullets", "weapon_flamer", "weapon_grenade"};
  for (int i = 0; i < 6; ++i) out.writer.singleFrame(std::string("pics/") + names[i], single[i]);
  if (s) sheet.addRow("cursor, qsvlogo, weapons for the help pages", std::vector<Frame>(single, single + 6));
  if (s) sheet.write(out.folder + "/effects.png");
}

void tags(Output& out) {
  ContactSheet sheet(kSheetWidth);
  ContactSheet* s = out.contact ? &sheet : nullptr;
  sets(out, "tag", levelTags(120, 60), 1, s);
  sets(out, "tagsm", levelTags(40, 20), 1, s);
  if (s) sheet.write(out.folder + "/tags.png");
}

// Copies a keyed frame onto a picture, leaving its transparent pixels out.
void stamp(Frame& onto, const Frame& f, int x, int y) {
  for (int sy = 0; sy < f.height; ++sy)
    for (int sx = 0; sx < f.width; ++sx) {
      const uint8_t* p = f.at(sx, sy);
      const int dx = x + sx, dy = y + sy;
      if (mapsToKey(p[0], p[1], p[2]) || dx < 0 || dy < 0 || dx >= onto.width || dy >= onto.height) continue;
      onto.set(dx, dy, p[0], p[1], p[2]);
    }
}

// A made-up moment of play on the ground, to judge whether the pieces belong
// together.
void scene(Output& out, const Frame& ground) {
  Frame view = ground;
  const auto stains = bloodStains(), slime = slimeStains(), marks = alienParts(0, true);
  for (int i = 0; i < 14; ++i) stamp(view, slime[i % 8], 300 + (i * 53) % 260, 120 + (i * 97) % 260);
  for (int i = 0; i < 8; ++i) stamp(view, stains[i % 4], 130 + (i * 37) % 90, 200 + (i * 61) % 90);
  stamp(view, marks[1], 420, 300);
  const auto walk = trooperWalk(kPlayerOneLook, 0), shot = trooperFiring(kPlayerOneLook, 1, true);
  stamp(view, walk[6], 160 - 22, 240 - 22);
  stamp(view, shot[12], 260 - 22, 300 - 22);
  // Player two beside them, so the two looks are judged on the same ground.
  stamp(view, trooperFiring(kPlayerTwoLook, 0, false)[10], 210 - 22, 370 - 22);
  for (int i = 0; i < 4; ++i) {
    const auto step = alienStep(i);
    stamp(view, step[(20 + i * 3) % 32], 380 + i * 60 - 35, 150 + i * 50 - 35);
  }
  stamp(view, explosion()[3], 330, 60);
  stamp(view, fire()[2], 250, 330);
  stamp(view, bloodDrops()[2], 180, 220);
  stamp(view, firstAid()[0], 80, 380);
  stamp(view, explodingBullets()[0], 560, 80);
  for (int x = 0; x < 300; x += 10) stamp(view, healthBar()[x < 100 ? 0 : x < 200 ? 1 : 2], 10 + x, 440);
  stamp(view, levelTags(120, 60)[7], 519, 419);
  ContactSheet sheet(660);
  sheet.addRow("a moment of play", {view}, false);
  sheet.write(out.folder + "/scene.png");
}

void screens(Output& out) {
  const Frame pictures[] = {titlePicture(), groundPicture(), consolePicture(),
                            setupPicture(), keysPicture(),  helpPicture()};
  const char* names[] = {"title", "tausta2", "console", "setup", "keyset", "gunpic"};
  for (int i = 0; i < 6; ++i) out.writer.fullPicture(std::string("pics/") + names[i], pictures[i]);
  if (!out.contact) return;
  scene(out, pictures[1]);
  ContactSheet sheet(1300);
  sheet.addRow("title, tausta2, console, setup, keyset, gunpic", std::vector<Frame>(pictures, pictures + 6), false);
  sheet.write(out.folder + "/pictures.png");
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--contact")) {
    std::fprintf(stderr, "usage: %s <datadir> [--contact <folder>]\n", argv[0]);
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  PictureWriter writer(argv[1]);
  Output out{writer, argc == 4, argc == 4 ? argv[3] : ""};
  if (!fonts(out)) return 1;
  troopers(out);
  aliens(out);
  effects(out);
  tags(out);
  screens(out);
  const bool iconsOk = writeIcons(std::string(argv[1]) + "/icons");
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("Pictures: %d files, %.1f MB in %.2f s\n", writer.filesWritten(), writer.bytesWritten() / 1e6, seconds);
  return writer.ok() && iconsOk ? 0 : 1;
}
