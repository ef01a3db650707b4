#pragma once

#include <cstdint>

#include "world/DirectionTable.h"
#include "world/LinkablePoint.h"

class Bobs;

// The base of every object that moves on the playfield: troopers, aliens,
// power-ups, projectiles and particles. It moves either by a heading (one of
// the 32 table directions) and a speed, or by a velocity slowed by friction.
//
// The frame loop drives game objects through Linkable's operations, the
// world's changes first, then the pictures:
//   readControls  troopers only, before anything acts
//   registerIn    aliens and power-ups, right after the map is cleared
//   act           troopers, and guns for their projectiles, after registering
//   collide       the collision map, when a lookup meets another object
//   afterAct      troopers and aliens after acting, and tossers: leave marks
//   updateLights  troopers and their projectiles, after afterAct: what the
//                 light pass shows
//   update        power-ups, troopers with their projectiles, then aliens:
//                 what the sprite pass shows
//   addLights     the light passes, after the background; change nothing
//   draw          the sprite passes, after the lights; change nothing
class Move : public LinkablePoint {
  public:
    // Heading mode.
    Move(int32_t x, int32_t y, int32_t direction, int32_t speed);
    // Velocity mode.
    Move(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t friction);

    // Draws the current frame of the sprite set centred on the object.
    void draw(Buffer& screen) const override;
    // Stamps the current frame into the playfield picture.
    void afterAct(Image& playfield) override;
    // Paints the object's box into the map.
    void registerIn(Collision& map) override;
    // Meets whatever is registered under the object's centre.
    void act(Collision& map) override;
    bool collide(Move& other) override;

    // The lookups in the map; each meeting calls both sides' collide, the
    // searching object's first unless the text says otherwise, and forgets
    // a registered object its collide used up.
    // Meets whatever is registered under the point.
    void testPoint(Collision& map, int32_t x, int32_t y);
    // Meets the first object scanning the rectangle (Collision::firstInRect).
    void testRect(Collision& map, int32_t x, int32_t y, int32_t w, int32_t h);
    // Steps along the path until an occupied cell is reached (ending one step
    // beyond it) or the screen is left; the hit object's collide first.
    void sweep(Collision& map);
    // A white spark at the centre while "High detail" is on.
    void addLights(Light& lights) const override;

    // Takes the sprite set (not owned) and the half sizes from its frame 0.
    void setSprites(Bobs* set);
    void setHalfSize(int32_t halfW, int32_t halfH);

    void step();
    // Pulls the object back inside the screen; true if it had to.
    bool keepOnScreen();
    void stepClamped();
    void stepBackClamped();
    // Steps, and reverses each velocity component that hit a screen edge.
    void stepAndBounce();

    void turnLeft(int32_t k);
    void turnRight(int32_t k);
    // Ignores anything but a table direction.
    void setDirection(int32_t d);
    int32_t getDirection() const { return direction; }

    void setVelocity(int32_t d, int32_t s);
    void copyVelocity(const Move& other);
    // Adds -k to k - 1 at random to each velocity component.
    void jitter(int32_t k);
    bool isStill() const { return vx == 0 && vy == 0; }
    int32_t getVx() const { return vx; }
    int32_t getVy() const { return vy; }

    // The table direction pointing toward target, finest near the vertical.
    int32_t directionTo(const LinkablePoint& target) const;
    // Turns one step toward direction d, the shorter way round.
    void turnToward(int32_t d);
    void steerToTarget();

    // Just outside the left or right edge, very rarely the top or bottom.
    void placeAtRandomEdge();
    // Anywhere wholly on the screen.
    void placeAtRandom();

    // The one direction table of the game: 32 directions, step length 16.
    static const DirectionTable& directions();
    static constexpr int32_t kDirections = 32;
    static constexpr int32_t kStepLength = 16;
    static constexpr int32_t kPlayfieldWidth = 640;
    static constexpr int32_t kPlayfieldHeight = 480;

  protected:
    // Frame n of the sprite set centred on the object.
    void drawFrame(Buffer& screen, int32_t n) const;

    int32_t speed = 0;
    int32_t friction = 0;
    int32_t halfWidth = 0;
    int32_t halfHeight = 0;
    int32_t vx = 0;
    int32_t vy = 0;
    Move* target = nullptr;
    int32_t direction = 0;
    int32_t headingMode = 0;
    Bobs* sprites = nullptr;

  private:
    // Both sides' collide, this one first.
    void meet(Collision& map, int32_t index);
    // Clamps one coordinate into [half, size - half); true if it moved.
    static bool clampAxis(int32_t& v, int32_t half, int32_t size);
};
