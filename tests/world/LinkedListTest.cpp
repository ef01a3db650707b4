// Game lists: a pass in which items leave and put fragments ahead of
// themselves keeps every link whole and frees every item.
#include "world/Collision.h"
#include "world/GLinkedList.h"
#include "world/Move.h"
#include "world/ObjectKinds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// A game object that logs its name when a pass visits it. It may put a
// fragment ahead of itself and then leave, as a grenade does.
class Item : public Move {
  public:
    Item(std::string name, Names& log, int& alive)
        : Move(0, 0, 0, 0), name(std::move(name)), log(log), alive(alive) {
        ++alive;
    }
    ~Item() override { --alive; }

    void act(Collision&) override { afterAct(); }
    void afterAct() override {
        log.push_back(name);
        if (!fragment.empty()) {
            LinkedList::linkBefore(getNode(), new Item(fragment, log, alive), kKindGrenade);
            fragment.clear();
        }
        if (leave) {
            removeSelf();
        }
    }

    const std::string name;
    std::string fragment; // put ahead at the next visit, if not empty
    bool leave = false;
    Names& log;
    int& alive;
};

// A list whose links a test may walk.
class OpenList : public GLinkedList {
  public:
    // The items' names from head to tail, after checking every link both ways.
    Names checkedNames() const {
        Names names;
        for (ListNode* node = head; node != tail; node = node->next) {
            EXPECT_EQ(node->next->prev, node);
            if (node != head) {
                EXPECT_EQ(node->item->getNode(), node);
                names.push_back(static_cast<Item*>(node->item)->name);
            }
        }
        EXPECT_EQ(int32_t(names.size()), count());
        return names;
    }
};

TEST(Lists, PassesWhereItemsLeaveAndPutFragmentsAheadKeepTheListWhole) {
    Names log;
    int alive = 0;
    OpenList list;
    Collision map{640, 480, 2};
    std::srand(31);
    int ids = 0;
    for (; ids < 20; ++ids) {
        list.append(new Item(std::to_string(ids), log, alive), kKindAlien);
    }
    for (int pass = 0; pass < 30; ++pass) {
        // Script the pass, and work out who must be visited and who must stay.
        Names expectedVisits, expectedAfter;
        list.forEachItem([&](Linkable& linkable) {
            auto& item = static_cast<Item&>(linkable);
            expectedVisits.push_back(item.name);
            const int roll = std::rand() % 6;
            if (roll == 0 || roll == 2) {
                item.fragment = std::to_string(ids++);
                expectedAfter.push_back(item.fragment);
            }
            item.leave = roll == 1 || roll == 2 || pass == 29;
            if (!item.leave) {
                expectedAfter.push_back(item.name);
            }
        });
        log.clear();
        pass % 2 == 0 ? list.forEachAct(map) : list.forEachAfterAct();
        EXPECT_EQ(log, expectedVisits) << "pass " << pass << ": fragments wait a pass";
        ASSERT_EQ(list.checkedNames(), expectedAfter) << "pass " << pass;
        EXPECT_EQ(alive, int(expectedAfter.size()));
    }
    list.clear();
    EXPECT_EQ(alive, 0);
    EXPECT_TRUE(list.checkedNames().empty());
}

} // namespace
