#include "world/Collision.h"
#include "world/GLinkedList.h"
#include "world/LinkablePoint.h"
#include "world/Move.h"
#include "world/ObjectKinds.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// A game object that logs its name when a pass visits it. When it acts it may
// put a fragment ahead of itself and then leave, as a grenade does.
class Item : public Move {
  public:
    Item(std::string name, Names& log, int& alive, LinkedList* list = nullptr, int32_t x = 0,
         int32_t y = 0)
        : Move(x, y, 0, 0), name(std::move(name)), log(log), alive(alive), list(list) {
        ++alive;
    }
    ~Item() override { --alive; }

    void act(Collision&) override { perform(); }
    void afterAct() override { perform(); }
    void draw() const override { log.push_back(name); }
    void readControls() override { log.push_back(name); }
    void keyDown(int32_t key) override { log.push_back(name + " down " + std::to_string(key)); }
    void keyUp(int32_t key) override { log.push_back(name + " up " + std::to_string(key)); }

    const std::string name;
    std::string fragment; // put ahead at the next visit, if not empty
    bool leave = false;

  private:
    void perform() {
        log.push_back(name);
        if (!fragment.empty()) {
            list->insertBefore(getNode(), new Item(fragment, log, alive, list), kKindGrenade);
            fragment.clear();
        }
        if (leave) {
            removeSelf();
        }
    }

    Names& log;
    int& alive;
    LinkedList* list;
};

// A list whose links a test may walk, to check them against the items.
class OpenList : public GLinkedList {
  public:
    ListNode* headSentinel() const { return head; }

    // The items' names from head to tail, after checking every link both ways.
    Names checkedNames() const {
        Names names;
        EXPECT_EQ(head->prev, nullptr);
        EXPECT_EQ(tail->next, nullptr);
        EXPECT_EQ(head->item, nullptr);
        EXPECT_EQ(tail->item, nullptr);
        for (ListNode* node = head; node != tail; node = node->next) {
            EXPECT_EQ(node->next->prev, node);
            if (node != head) {
                EXPECT_EQ(node->item->getNode(), node);
                names.push_back(static_cast<Item*>(node->item)->name);
            }
        }
        EXPECT_EQ(int32_t(names.size()), count());
        EXPECT_EQ(isEmpty(), names.empty());
        return names;
    }
};

struct Lists : ::testing::Test {
    Names log;
    int alive = 0;
    OpenList list;
    Collision map{640, 480, 2};

    Item* add(const std::string& name, int32_t kind = kKindAlien) {
        auto* item = new Item(name, log, alive, &list);
        list.append(item, kind);
        return item;
    }
    Item* loose(const std::string& name) { return new Item(name, log, alive, &list); }
};

TEST_F(Lists, AppendInsertAndRemoveKeepOrderKindsAndLinks) {
    EXPECT_TRUE(list.checkedNames().empty());
    Item* a = add("a", kKindTrooper);
    Item* c = add("c", kKindFlame);
    list.insertBefore(c->getNode(), loose("b"), kKindGrenade);
    list.insertBefore(list.headSentinel(), loose("first"), kKindAlien);
    list.insertBefore(nullptr, loose("last"), kKindAlien);
    list.insertBefore(a->getNode(), nullptr, kKindAlien);
    EXPECT_EQ(list.checkedNames(), (Names{"first", "a", "b", "c", "last"}));
    EXPECT_EQ(a->getKind(), kKindTrooper);
    EXPECT_EQ(c->getKind(), kKindFlame);
    EXPECT_EQ(c->getNode()->prev->item->getKind(), kKindGrenade);

    // Sentinels and null are never unlinked; real nodes go with their items.
    list.removeNode(nullptr);
    list.removeNode(list.headSentinel());
    list.removeNode(list.headSentinel()->next->next);
    list.removeNode(list.headSentinel()->next);
    list.removeNode(c->getNode()->next);
    list.removeNode(c->getNode()->next); // now the tail
    EXPECT_EQ(list.checkedNames(), (Names{"b", "c"}));
    EXPECT_EQ(alive, 2);
}

TEST_F(Lists, ClearAndDestructionDeleteEveryItem) {
    add("a");
    add("b");
    list.clear();
    EXPECT_EQ(alive, 0);
    list.clear();
    add("c");
    EXPECT_EQ(list.checkedNames(), (Names{"c"}));
    {
        GLinkedList scoped;
        for (int i = 0; i < 5; ++i) {
            scoped.append(loose("p"), kKindAlien);
        }
        EXPECT_EQ(alive, 6);
    }
    EXPECT_EQ(alive, 1);
    Item alone("alone", log, alive);
    alone.removeSelf();
    EXPECT_EQ(alive, 2) << "an item in no list is left alone";
}

TEST_F(Lists, InvariantsHoldThroughPassesWhereItemsLeaveAndPutFragmentsAhead) {
    std::srand(31);
    int ids = 0;
    for (; ids < 20; ++ids) {
        add(std::to_string(ids));
    }
    for (int pass = 0; pass < 30; ++pass) {
        // Script the pass, and work out who must be visited and who must stay.
        Names expectedVisits, expectedAfter;
        for (ListNode* node = list.headSentinel()->next; node->item != nullptr; node = node->next) {
            auto& item = static_cast<Item&>(*node->item);
            expectedVisits.push_back(item.name);
            const int roll = std::rand() % 6;
            if (roll == 0 || roll == 2) {
                item.fragment = std::to_string(ids++);
                expectedAfter.push_back(item.fragment);
            }
            item.leave = roll == 1 || roll == 2;
            if (!item.leave) {
                expectedAfter.push_back(item.name);
            }
        }
        log.clear();
        if (pass % 2 == 0) {
            list.forEachAct(map);
        } else {
            list.forEachAfterAct();
        }
        EXPECT_EQ(log, expectedVisits) << "pass " << pass << ": fragments wait a pass";
        ASSERT_EQ(list.checkedNames(), expectedAfter) << "pass " << pass;
        EXPECT_EQ(alive, int(expectedAfter.size()));
    }
    // Last, every item leaves in one pass.
    for (ListNode* node = list.headSentinel()->next; node->item != nullptr; node = node->next) {
        static_cast<Item&>(*node->item).leave = true;
    }
    list.forEachAfterAct();
    EXPECT_TRUE(list.checkedNames().empty());
    EXPECT_EQ(alive, 0);
}

TEST_F(Lists, KeyEventsAndPlainPassesReachEveryItemInOrder) {
    add("a");
    add("b");
    Focusable& receiver = list;
    receiver.keyDown(32);
    receiver.keyUp(13);
    list.forEachReadControls();
    list.forEachDraw();
    EXPECT_EQ(log, (Names{"a down 32", "b down 32", "a up 13", "b up 13", "a", "b", "a", "b"}));
}

struct Point {
    int32_t x, y;
};

struct NearestCase {
    std::vector<Point> items;
    Point from;
    int want; // index of the nearest item, or -1 for none
};

TEST_F(Lists, NearestIsByManhattanDistanceBelowTheLimitAndTiesGoToTheHead) {
    const NearestCase cases[] = {
        {{}, {10, 10}, -1},
        {{{107, 107}, {100, 113}}, {100, 100}, 1},            // 14 against 13
        {{{110, 100}, {90, 100}, {100, 110}}, {100, 100}, 0}, // all 10
        {{{9000, 1000}}, {0, 0}, -1},                         // exactly the limit
        {{{9000, 1000}, {9000, 999}}, {0, 0}, 1},
        {{{51, 50}, {50, 50}}, {50, 50}, 1},
        {{{INT32_MIN, INT32_MIN}, {0, 0}}, {INT32_MAX, INT32_MAX}, -1}, // no overflow
        {{{INT32_MIN, INT32_MIN}, {0, 0}}, {3, -4}, 1},
    };
    for (const NearestCase& c : cases) {
        list.clear();
        std::vector<Move*> items;
        for (const Point& p : c.items) {
            items.push_back(new Item("", log, alive, &list, p.x, p.y));
            list.append(items.back(), kKindTrooper);
        }
        EXPECT_EQ(list.nearestTo(LinkablePoint(c.from.x, c.from.y)),
                  c.want < 0 ? nullptr : items[size_t(c.want)])
            << c.from.x << "," << c.from.y;
    }
}

} // namespace
