#include "gfx/Light.h"
#include "world/Collision.h"
#include "world/GLinkedList.h"
#include "world/Move.h"
#include "world/ObjectKinds.h"

#include <gtest/gtest.h>

// The base behaviour every game object gets from Move before its own Part
// gives it more: registering its box, testing its centre, colliding harmlessly.
namespace {

class Counter : public Move {
  public:
    Counter(int32_t x, int32_t y) : Move(x, y, 0, 0) {}
    bool collide(Move&) override {
        ++met;
        return false;
    }
    int met = 0;
};

TEST(MoveBase, RegisterInPaintsTheBoxCentredOnTheObject) {
    Collision map(640, 480, 2);
    Move alien(100, 200, 0, 0);
    alien.setHalfSize(17, 22);
    alien.registerIn(map);
    ASSERT_EQ(map.getCount(), 1);
    // Box (83, 178, 34, 44): cells 20..27 across, 44..54 down.
    EXPECT_EQ(map.cellAt(80, 176), 0);
    EXPECT_EQ(map.cellAt(79, 176), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(111, 219), 0);
    EXPECT_EQ(map.cellAt(112, 219), Collision::kEmpty);
    EXPECT_EQ(map.cellAt(111, 220), Collision::kEmpty);
}

TEST(MoveBase, ActTestsTheCentrePointAndBaseCollideIsHarmless) {
    Collision map(640, 480, 2);
    Counter alien(100, 100);
    alien.setHalfSize(10, 10);
    alien.registerIn(map);
    Move flame(100, 100, 0, 0);
    flame.act(map);
    EXPECT_EQ(alien.met, 1);
    flame.act(map);
    EXPECT_EQ(alien.met, 2) << "a base object is never used up";
    Move away(200, 100, 0, 0);
    away.act(map);
    EXPECT_EQ(alien.met, 2);
    EXPECT_FALSE(flame.collide(alien));
}

TEST(MoveBase, ListPassesRegisterAndActEveryObject) {
    Collision map(640, 480, 2);
    GLinkedList aliens;
    auto* a = new Counter(100, 100);
    auto* b = new Counter(300, 100);
    a->setHalfSize(10, 10);
    b->setHalfSize(10, 10);
    aliens.append(a, kKindAlien);
    aliens.append(b, kKindAlien);
    aliens.forEachRegister(map);
    EXPECT_EQ(map.getCount(), 2);
    GLinkedList shots;
    shots.append(new Move(100, 100, 0, 0), kKindFlame);
    shots.append(new Move(300, 100, 0, 0), kKindFlame);
    shots.append(new Move(300, 100, 0, 0), kKindFlame);
    shots.forEachAct(map);
    EXPECT_EQ(a->met, 1);
    EXPECT_EQ(b->met, 2);
}

TEST(LightSwitch, StartsOnAndTogglesAsTheMenusSwitch) {
    Light light;
    EXPECT_TRUE(light.isOn());
    EXPECT_EQ(light.getLevel(), 0);
    // The setup menu steps it through its Switchable side.
    Switchable& highDetail = light;
    highDetail.toggle();
    EXPECT_FALSE(light.isOn());
    highDetail.toggle();
    EXPECT_TRUE(light.isOn());
}

} // namespace
