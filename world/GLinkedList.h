#pragma once

#include "world/LinkedList.h"

class Buffer;
class Collision;
class Image;
class Light;
class LinkablePoint;
class Move;

// The list of game objects: passes key events on to its items and offers the
// whole-list passes the frame loop is built from. Only the afterAct and act
// passes let an item remove itself; the draw and light passes change nothing
// but pixels.
class GLinkedList : public LinkedList {
  public:
    void keyDown(int32_t key) override;
    void keyUp(int32_t key) override;

    void forEachReadControls();
    void forEachAfterAct(Image& playfield);
    void forEachRegister(Collision& map);
    void forEachAct(Collision& map);
    void forEachUpdateLights();
    void forEachUpdate();
    void forEachDraw(Buffer& screen) const;
    void forEachAddLights(Light& lights) const;

    // The moving object nearest to the given point by Manhattan distance, or
    // null when none lies closer than kNearestLimit. Ties go to the earlier one.
    Move* nearestTo(const LinkablePoint& object) const;

    static constexpr int32_t kNearestLimit = 10000;
};
