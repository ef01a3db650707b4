#pragma once

#include <cstdint>

#include "world/LinkedList.h"

class Bobs;
class Buffer;
class Image;
class Light;
class LinkablePoint;
class Move;

// Debris thrown by hits and deaths: blood, body parts, slime, sparks. The
// particles fly, slow down and bounce off the screen edges; sprite particles
// that have stopped are painted into the background as lasting stains, light
// particles simply go out.
class Tosser : public LinkedList {
  public:
    // Sprite debris that lands looking as it flew.
    Tosser(int32_t spread, int32_t friction, Bobs* set);
    // Sprite debris with a separate look (not owned) for the stain.
    Tosser(int32_t spread, int32_t friction, Bobs* flying, Bobs* landed);
    // Glowing debris drawn as sparks of the given colour.
    Tosser(int32_t spread, int32_t friction, int32_t red, int32_t green, int32_t blue);

    // Throws count particles from the source's position in random directions.
    void toss(const LinkablePoint& source, int32_t count);
    // As toss, but the particles carry on with the mover's own velocity.
    void tossAlong(const LinkablePoint& source, const Move& mover, int32_t count);
    // Throws count frameless particles from (x, y) along a table direction.
    void tossInDirection(int32_t x, int32_t y, int32_t direction, int32_t speed, int32_t count);

    // Moves every flying particle one step; the stopped ones wait for settle.
    void update();
    // For glowing debris: drops the particles that had stopped and moves the
    // rest one step.
    void updateSparks();
    // Draws every particle on the screen.
    void draw(Buffer& screen) const;
    // Lights up every particle of glowing debris.
    void addLights(Light& light) const;
    // Turns stopped particles into stains; true once no particle is left.
    bool settle(Image& playfield);

    // A death throws wider than a wound.
    void setSpread(int32_t s) { spread = s; }
    // From now on throws set (not owned) with the given spread and friction
    // and leaves no marks: a burning alien's slime turns to fire.
    void throwInstead(Bobs* set, int32_t newSpread, int32_t newFriction);

  private:
    // The next frame of the flying set, wrapping round.
    int32_t nextFrame();
    // A random velocity component in [-range, range).
    static int32_t randomAround(int32_t range);
    // Draws the particle's frame of set centred on it on the screen.
    static void drawCentred(const Bobs& set, const Move& particle, Buffer& screen);
    // The same frame, placed alike, as a stain in the playfield picture.
    static void stampCentred(const Bobs& set, const Move& particle, Image& playfield);
    // The top-left corner that centres set's frames on the particle; false
    // when the set has no frame 0 to measure.
    static bool centredCorner(const Bobs& set, const Move& particle, int32_t& left, int32_t& top);
    void throwParticle(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t frame, Bobs* set);

    int32_t frameCounter = 0;
    int32_t spread;
    int32_t friction;
    bool leavesMarks;
    Bobs* flying = nullptr;
    Bobs* landed = nullptr;
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};
