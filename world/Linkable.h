#pragma once

#include <cstdint>

#include "core/GBase.h"

class Buffer;
class Collision;
class Image;
class Light;
class Move;
struct ListNode;

// Anything a LinkedList can hold. The list tells the item which node holds
// it, so the item can take itself out while the list is being walked.
// Every operation does nothing here; Move gives them their game meaning and
// says when the frame loop calls each one.
class Linkable : public GBase {
  public:
    ~Linkable() override = default;

    virtual void readControls() {}
    virtual void keyDown(int32_t) {}
    virtual void keyUp(int32_t) {}
    // Draws and changes nothing but pixels.
    virtual void draw(Buffer&) const {}
    // Lasting marks go into the playfield picture.
    virtual void afterAct(Image&) {}
    virtual void registerIn(Collision&) {}
    virtual void act(Collision&) {}
    // True when the contact uses this object up.
    virtual bool collide(Move&) { return false; }
    // Adds light and changes nothing but pixels.
    virtual void addLights(Light&) const {}
    // The rest of the frame's change: what the light pass will show, then
    // what the sprites will.
    virtual void updateLights() {}
    virtual void update() {}

    // Takes the item out of its list and deletes it: the object no longer
    // exists afterwards. An item that is in no list is left alone.
    void removeSelf();

    ListNode* getNode() const { return node; }
    int32_t getKind() const { return kind; }

  private:
    friend class LinkedList;

    ListNode* node = nullptr;
    int32_t kind = 0;
};
