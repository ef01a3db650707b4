#include "world/Bullet.h"

#include "world/Collision.h"

void Bullet::act(Collision& map) {
    sweep(map);
    removeSelf();
}
