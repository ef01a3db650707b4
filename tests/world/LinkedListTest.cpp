#include "world/Collision.h"
#include "world/GLinkedList.h"
#include "world/LinkablePoint.h"
#include "world/Move.h"
#include "world/ObjectKinds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A game object that writes its name into a log when visited and can be told
// to remove itself or to put a new object before itself when it acts.
class Probe : public Move {
  public:
    Probe(std::string name, std::vector<std::string>& log, int* alive, int32_t x = 0, int32_t y = 0)
        : Move(x, y, 0, 0), name(std::move(name)), log(log), alive(alive) {
        if (alive != nullptr) {
            ++*alive;
        }
    }
    ~Probe() override {
        if (alive != nullptr) {
            --*alive;
        }
    }

    void act(Collision&) override { visit("act"); }
    void afterAct() override { visit("after"); }
    void draw() override { log.push_back(name); }
    void readControls() override { log.push_back(name); }
    void keyDown(int32_t key) override { log.push_back(name + " down " + std::to_string(key)); }
    void keyUp(int32_t key) override { log.push_back(name + " up " + std::to_string(key)); }

    bool removeWhenVisited = false;
    LinkedList* insertInto = nullptr;

  private:
    void visit(const char*) {
        log.push_back(name);
        if (insertInto != nullptr) {
            insertInto->insertBefore(getNode(), new Probe(name + "'", log, alive), kKindGrenade);
            insertInto = nullptr;
        }
        if (removeWhenVisited) {
            removeSelf();
        }
    }

    std::string name;
    std::vector<std::string>& log;
    int* alive;
};

struct ListFixture : ::testing::Test {
    std::vector<std::string> log;
    int alive = 0;
    GLinkedList list;
    Collision map{640, 480, 2};

    Probe* add(const std::string& name, int32_t kind = kKindAlien) {
        auto* probe = new Probe(name, log, &alive);
        list.append(probe, kind);
        return probe;
    }

    std::vector<std::string> drawOrder() {
        log.clear();
        list.forEachDraw();
        return log;
    }
};

using Names = std::vector<std::string>;

TEST_F(ListFixture, NewListIsEmptyAndCountsItsItems) {
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(list.isEmpty());
    add("a");
    Probe* b = add("b");
    add("c");
    EXPECT_EQ(list.count(), 3);
    list.removeNode(b->getNode());
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(alive, 2);
    EXPECT_EQ(drawOrder(), (Names{"a", "c"}));
}

TEST_F(ListFixture, AppendKeepsInsertionOrderAndSetsNodeAndKind) {
    Probe* a = add("a", kKindTrooper);
    Probe* b = add("b", kKindFlame);
    EXPECT_EQ(drawOrder(), (Names{"a", "b"}));
    EXPECT_EQ(a->getKind(), kKindTrooper);
    EXPECT_EQ(b->getKind(), kKindFlame);
    ASSERT_NE(a->getNode(), nullptr);
    EXPECT_EQ(a->getNode()->item, a);
    EXPECT_EQ(a->getNode()->next, b->getNode());
    EXPECT_EQ(b->getNode()->prev, a->getNode());
    EXPECT_EQ(a->getNode()->prev->prev, nullptr) << "the head sentinel starts the chain";
    EXPECT_EQ(b->getNode()->next->next, nullptr) << "the tail sentinel ends the chain";
    EXPECT_EQ(a->getNode()->prev->item, nullptr);
    EXPECT_EQ(b->getNode()->next->item, nullptr);
}

TEST_F(ListFixture, RemovingTheFirstLastAndOnlyItemsRelinksTheSentinels) {
    Probe* a = add("a");
    add("b");
    Probe* c = add("c");
    list.removeNode(a->getNode());
    EXPECT_EQ(drawOrder(), (Names{"b", "c"}));
    list.removeNode(c->getNode());
    EXPECT_EQ(drawOrder(), (Names{"b"}));
    list.forEachItemRemovalSafe([](Linkable& item) { item.removeSelf(); });
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(alive, 0);
    add("d");
    EXPECT_EQ(drawOrder(), (Names{"d"}));
}

TEST_F(ListFixture, RemovingSentinelsOrNullIsIgnored) {
    Probe* a = add("a");
    list.removeNode(nullptr);
    list.removeNode(a->getNode()->prev);
    list.removeNode(a->getNode()->next);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(alive, 1);
}

TEST_F(ListFixture, ClearDeletesEverythingAndLeavesAUsableList) {
    add("a");
    add("b");
    add("c");
    list.clear();
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(list.count(), 0);
    list.clear();
    add("d");
    EXPECT_EQ(drawOrder(), (Names{"d"}));
}

TEST(LinkedListLifetime, DeletingAListDeletesEveryObjectItHolds) {
    std::vector<std::string> log;
    int alive = 0;
    {
        GLinkedList list;
        for (int i = 0; i < 5; ++i) {
            list.append(new Probe("p", log, &alive), kKindAlien);
        }
        EXPECT_EQ(alive, 5);
    }
    EXPECT_EQ(alive, 0);
}

TEST(LinkableRemoveSelf, AnItemInNoListIsLeftAlone) {
    std::vector<std::string> log;
    int alive = 0;
    Probe loose("loose", log, &alive);
    loose.removeSelf();
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(loose.getNode(), nullptr);
}

TEST_F(ListFixture, InsertBeforePutsTheItemAheadOfTheNode) {
    Probe* a = add("a");
    Probe* c = add("c");
    list.insertBefore(c->getNode(), new Probe("b", log, &alive), kKindGrenade);
    list.insertBefore(a->getNode(), new Probe("first", log, &alive), kKindGrenade);
    EXPECT_EQ(drawOrder(), (Names{"first", "a", "b", "c"}));
    EXPECT_EQ(c->getNode()->prev->item->getKind(), kKindGrenade);
}

TEST_F(ListFixture, InsertBeforeNullAppendsAndBeforeTheHeadPutsFirst) {
    Probe* a = add("a");
    list.insertBefore(nullptr, new Probe("last", log, &alive), kKindAlien);
    list.insertBefore(a->getNode()->prev, new Probe("first", log, &alive), kKindAlien);
    EXPECT_EQ(drawOrder(), (Names{"first", "a", "last"}));
    list.insertBefore(a->getNode(), nullptr, kKindAlien);
    EXPECT_EQ(list.count(), 3);
}

TEST_F(ListFixture, ItemsRemovingThemselvesDuringActDoNotStopTheWalk) {
    for (int removed = 0; removed < 4; ++removed) {
        list.clear();
        Probe* items[4] = {add("a"), add("b"), add("c"), add("d")};
        items[removed]->removeWhenVisited = true;
        log.clear();
        list.forEachAct(map);
        EXPECT_EQ(log, (Names{"a", "b", "c", "d"})) << "removing item " << removed;
        EXPECT_EQ(list.count(), 3);
        EXPECT_EQ(alive, 3);
    }
}

TEST_F(ListFixture, EveryItemMayRemoveItselfDuringAfterAct) {
    for (const char* name : {"a", "b", "c"}) {
        add(name)->removeWhenVisited = true;
    }
    log.clear();
    list.forEachAfterAct();
    EXPECT_EQ(log, (Names{"a", "b", "c"}));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(alive, 0);
}

TEST_F(ListFixture, ItemsInsertedBeforeTheVisitedNodeWaitForTheNextPass) {
    add("a");
    Probe* b = add("b");
    add("c");
    b->insertInto = &list;
    log.clear();
    list.forEachAct(map);
    EXPECT_EQ(log, (Names{"a", "b", "c"}));
    log.clear();
    list.forEachAct(map);
    EXPECT_EQ(log, (Names{"a", "b'", "b", "c"}));
}

TEST_F(ListFixture, AGrenadeMayPutFragmentsAheadAndThenRemoveItself) {
    add("a");
    Probe* g = add("g");
    add("c");
    g->insertInto = &list;
    g->removeWhenVisited = true;
    log.clear();
    list.forEachAct(map);
    EXPECT_EQ(log, (Names{"a", "g", "c"}));
    EXPECT_EQ(drawOrder(), (Names{"a", "g'", "c"}));
}

TEST_F(ListFixture, KeyEventsAndPlainPassesReachEveryItemInOrder) {
    add("a");
    add("b");
    log.clear();
    list.keyDown(32);
    list.keyUp(13);
    list.forEachReadControls();
    EXPECT_EQ(log, (Names{"a down 32", "b down 32", "a up 13", "b up 13", "a", "b"}));
}

TEST_F(ListFixture, AListIsAFocusReceiver) {
    add("a");
    Focusable& receiver = list;
    log.clear();
    receiver.keyDown(97);
    EXPECT_EQ(log, (Names{"a down 97"}));
    LinkedList plain;
    plain.keyDown(97);
    EXPECT_EQ(plain.count(), 0);
}

// A list whose links a test may walk, to check them against the items.
class OpenList : public GLinkedList {
  public:
    // The items from head to tail, after checking every link both ways.
    std::vector<Linkable*> checkedItems() const {
        std::vector<Linkable*> items;
        EXPECT_EQ(head->prev, nullptr);
        EXPECT_EQ(tail->next, nullptr);
        EXPECT_EQ(head->item, nullptr);
        EXPECT_EQ(tail->item, nullptr);
        for (ListNode* node = head; node != tail; node = node->next) {
            EXPECT_EQ(node->next->prev, node);
            if (node != head) {
                EXPECT_NE(node->item, nullptr);
                EXPECT_EQ(node->item->getNode(), node);
                items.push_back(node->item);
            }
        }
        EXPECT_EQ(int32_t(items.size()), count());
        EXPECT_EQ(isEmpty(), items.empty());
        return items;
    }
};

// An object that, when it acts, does what a script says: nothing, remove
// itself, put a fragment ahead of itself, or both.
class Actor : public Move {
  public:
    Actor(int id, std::vector<int>& visits, OpenList& list, int& alive)
        : Move(0, 0, 0, 0), id(id), visits(visits), list(list), alive(alive) {
        ++alive;
    }
    ~Actor() override { --alive; }

    void act(Collision&) override { perform(); }
    void afterAct() override { perform(); }

    const int id;
    int nextId = -1; // the fragment's id, or -1 for none
    bool leave = false;

  private:
    void perform() {
        visits.push_back(id);
        if (nextId >= 0) {
            list.insertBefore(getNode(), new Actor(nextId, visits, list, alive), kKindGrenade);
            nextId = -1;
        }
        if (leave) {
            removeSelf();
        }
    }

    std::vector<int>& visits;
    OpenList& list;
    int& alive;
};

TEST(ListInvariants, HoldThroughPassesWhereItemsLeaveAndPutFragmentsAhead) {
    std::srand(31);
    std::vector<int> visits;
    int alive = 0;
    OpenList list;
    int ids = 0;
    for (int i = 0; i < 20; ++i) {
        list.append(new Actor(ids++, visits, list, alive), kKindAlien);
    }
    Collision map(640, 480, 2);
    for (int pass = 0; pass < 30; ++pass) {
        // Script the pass, and work out who must be visited and who must stay.
        std::vector<int> expectedVisits, expectedAfter;
        for (Linkable* item : list.checkedItems()) {
            auto& actor = static_cast<Actor&>(*item);
            expectedVisits.push_back(actor.id);
            const int roll = std::rand() % 6;
            if (roll == 0 || roll == 2) {
                actor.nextId = ids++;
                expectedAfter.push_back(actor.nextId);
            }
            actor.leave = roll == 1 || roll == 2;
            if (!actor.leave) {
                expectedAfter.push_back(actor.id);
            }
        }
        visits.clear();
        if (pass % 2 == 0) {
            list.forEachAct(map);
        } else {
            list.forEachAfterAct();
        }
        EXPECT_EQ(visits, expectedVisits) << "pass " << pass << ": fragments wait a pass";
        std::vector<int> after;
        for (Linkable* item : list.checkedItems()) {
            after.push_back(static_cast<Actor&>(*item).id);
        }
        ASSERT_EQ(after, expectedAfter) << "pass " << pass;
        EXPECT_EQ(alive, int(after.size()));
    }
    list.clear();
    EXPECT_TRUE(list.checkedItems().empty());
    EXPECT_EQ(alive, 0);
}

struct NearestFixture : ::testing::Test {
    std::vector<std::string> log;
    GLinkedList list;
    Probe* at(const char* name, int32_t x, int32_t y) {
        auto* probe = new Probe(name, log, nullptr, x, y);
        list.append(probe, kKindTrooper);
        return probe;
    }
};

TEST_F(NearestFixture, EmptyListHasNoNearest) {
    EXPECT_EQ(list.nearestTo(LinkablePoint(10, 10)), nullptr);
}

TEST_F(NearestFixture, NearestUsesManhattanDistance) {
    at("diagonal", 107, 107);                   // 14 away
    Probe* straight = at("straight", 100, 113); // 13 away
    EXPECT_EQ(list.nearestTo(LinkablePoint(100, 100)), straight);
}

TEST_F(NearestFixture, EqualDistancesGoToTheItemNearerTheHead) {
    Probe* first = at("first", 110, 100);
    at("second", 90, 100);
    at("third", 100, 110);
    EXPECT_EQ(list.nearestTo(LinkablePoint(100, 100)), first);
}

TEST_F(NearestFixture, ItemsTenThousandOrMoreAwayAreNeverFound) {
    at("far", 9000, 1000); // exactly 10000
    EXPECT_EQ(list.nearestTo(LinkablePoint(0, 0)), nullptr);
    Probe* near = at("near", 9000, 999);
    EXPECT_EQ(list.nearestTo(LinkablePoint(0, 0)), near);
}

TEST_F(NearestFixture, AnItemOnTheSamePointIsAtDistanceZero) {
    at("beside", 51, 50);
    Probe* same = at("same", 50, 50);
    EXPECT_EQ(list.nearestTo(LinkablePoint(50, 50)), same);
    EXPECT_EQ(list.nearestTo(*same), same);
}

TEST_F(NearestFixture, ExtremeCoordinatesDoNotOverflow) {
    at("far", INT32_MIN, INT32_MIN);
    Probe* near = at("near", 0, 0);
    EXPECT_EQ(list.nearestTo(LinkablePoint(INT32_MAX, INT32_MAX)), nullptr);
    EXPECT_EQ(list.nearestTo(LinkablePoint(3, -4)), near);
}

TEST(ObjectKinds, CodesMatchTheGameWorld) {
    const int32_t codes[] = {
        kKindTrooper,        kKindAlien,        kKindFirstAid, kKindExplodingGunPowerUp,
        kKindGrenadePowerUp, kKindFlamePowerUp, kKindBullet,   kKindExplodingBullet,
        kKindFlame,          kKindGrenade};
    for (int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(codes[i], i);
    }
    EXPECT_EQ(kKindParticle, kKindTrooper);
}

} // namespace
