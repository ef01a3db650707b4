#include "world/GLinkedList.h"

#include <cstdlib>

#include "world/Move.h"

void GLinkedList::keyDown(int32_t key) {
    forEachItem([key](Linkable& item) { item.keyDown(key); });
}

void GLinkedList::keyUp(int32_t key) {
    forEachItem([key](Linkable& item) { item.keyUp(key); });
}

void GLinkedList::forEachReadControls() {
    forEachItem([](Linkable& item) { item.readControls(); });
}


void GLinkedList::forEachAfterAct(Image& playfield) {
    forEachItemRemovalSafe([&playfield](Linkable& item) { item.afterAct(playfield); });
}

void GLinkedList::forEachRegister(Collision& map) {
    forEachItem([&map](Linkable& item) { item.registerIn(map); });
}

void GLinkedList::forEachAct(Collision& map) {
    forEachItemRemovalSafe([&map](Linkable& item) { item.act(map); });
}

void GLinkedList::forEachUpdateLights() {
    forEachItem([](Linkable& item) { item.updateLights(); });
}

void GLinkedList::forEachUpdate() {
    forEachItem([](Linkable& item) { item.update(); });
}

void GLinkedList::forEachDraw(Buffer& screen) const {
    forEachItem([&screen](const Linkable& item) { item.draw(screen); });
}

void GLinkedList::forEachAddLights(Light& lights) const {
    forEachItem([&lights](const Linkable& item) { item.addLights(lights); });
}

Move* GLinkedList::nearestTo(const LinkablePoint& object) const {
    Move* nearest = nullptr;
    // 64 bits, so objects far off the playfield cannot overflow the sum.
    int64_t best = kNearestLimit;
    forEachItem([&](Linkable& item) {
        Move* candidate = dynamic_cast<Move*>(&item);
        if (candidate == nullptr) {
            return;
        }
        const int64_t distance = std::llabs(int64_t{candidate->x} - object.x) +
                                 std::llabs(int64_t{candidate->y} - object.y);
        if (distance < best) {
            best = distance;
            nearest = candidate;
        }
    });
    return nearest;
}
