#pragma once

#include <cstdint>

// Type codes given to game objects when they join a list. Collision handlers
// read them to tell what they have met.
constexpr int32_t kKindTrooper = 0;
constexpr int32_t kKindAlien = 1;
constexpr int32_t kKindFirstAid = 2;
constexpr int32_t kKindExplodingGunPowerUp = 3;
constexpr int32_t kKindGrenadePowerUp = 4;
constexpr int32_t kKindFlamePowerUp = 5;
constexpr int32_t kKindBullet = 6;
constexpr int32_t kKindExplodingBullet = 7;
constexpr int32_t kKindFlame = 8;
constexpr int32_t kKindGrenade = 9;
// Particles share the trooper's code; they are never put into the collision
// map, so nothing can mistake one for a trooper.
constexpr int32_t kKindParticle = kKindTrooper;
