#pragma once
// The painters: each draws one group of the game's pictures.
#include <vector>

#include "Canvas.h"
#include "Frame.h"

// What tells two troopers apart: one figure, worn in each player's colours.
struct TrooperLook {
  Rgb armour, armourDark, armourLight;  // plate and shoulder pads, lit to shaded
  Rgb stripe;                           // the band across the chest plate
  Rgb helmetLight, helmetDark;
  Rgb cloth, pack;                      // trousers and the backpack's lid
};
extern const TrooperLook kPlayerOneLook, kPlayerTwoLook;

// Trooper sets. pose 0 or 1 is the walk step (leg position).
std::vector<Frame> trooperWalk(const TrooperLook& look, int pose);
std::vector<Frame> trooperFiring(const TrooperLook& look, int pose, bool flash);

// Alien crawl step 0..3, one frame per direction.
std::vector<Frame> alienStep(int step);

std::vector<Frame> explosion();
std::vector<Frame> fire();
std::vector<Frame> grenade();
std::vector<Frame> bloodDrops();
std::vector<Frame> bloodStains();
std::vector<Frame> trooperParts();
std::vector<Frame> slimeDrops();
std::vector<Frame> slimeStains();
std::vector<Frame> alienParts(int variant, bool stain);
std::vector<Frame> burn();

std::vector<Frame> firstAid();
std::vector<Frame> explodingBullets();
std::vector<Frame> flameThrower();
std::vector<Frame> grenades();

std::vector<Frame> healthBar();
std::vector<Frame> weaponBar();
std::vector<Frame> volumeBar();

std::vector<Frame> levelTags(int width, int height);

Frame cursor();
Frame makersMark();
// Weapon pictures for the help pages: 0 rifle, 1 exploding bullets,
// 2 flame thrower, 3 grenade launcher.
Frame weaponPicture(int kind);

Frame titlePicture();
Frame groundPicture();
Frame consolePicture();
Frame setupPicture();
Frame keysPicture();
Frame helpPicture();
