#include "world/Soldiers.h"

#include "world/ObjectKinds.h"
#include "world/Soldier.h"

Soldiers::Soldiers(const AudioSettings& audio) {
    kit.load(audio);
}

Soldiers::Soldiers() = default;

Soldiers::~Soldiers() {
    clear();
}

Soldier* Soldiers::addTrooper(const ActionSource* keys) {
    const bool first = isEmpty();
    Soldier* trooper = first ? new Soldier(kPlayer1X, kStartY, kPlayer1HudY, keys, 0, kit)
                             : new Soldier(kPlayer2X, kStartY, kPlayer2HudY, keys, 1, kit);
    append(trooper, kKindTrooper);
    return trooper;
}

void Soldiers::killAll() {
    forEachItem([](Linkable& item) {
        if (auto* trooper = dynamic_cast<Soldier*>(&item)) {
            trooper->kill();
        }
    });
}
