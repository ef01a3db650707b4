#pragma once

#include <cstdint>

#include "input/Focusable.h"
#include "world/Linkable.h"
#include "world/ListNode.h"

// An intrusive list that owns its items: taking an item out deletes it.
// Two sentinel nodes bracket the items, so inserting and unlinking never
// special-case the ends.
class LinkedList : public Focusable {
  public:
    LinkedList();
    ~LinkedList() override;
    LinkedList(const LinkedList&) = delete;
    LinkedList& operator=(const LinkedList&) = delete;

    // Takes ownership of item and puts it last.
    void append(Linkable* item, int32_t kind);
    // Deletes every item, leaving the list empty.
    void clear();
    int32_t count() const;
    bool isEmpty() const { return head->next == tail; }

    // Unlinks and deletes a node of whatever list holds it.
    static void unlinkAndDelete(ListNode* node);
    // Takes ownership of item and links it in just before a node that holds
    // an item, in whatever list that is: how an object puts new objects into
    // its own list. Without such a node the item is deleted and false returned.
    static bool linkBefore(ListNode* node, Linkable* item, int32_t kind);

    // Calls visit(item) from head to tail. The item must stay in the list.
    template <typename Visit> void forEachItem(Visit visit) const {
        for (ListNode* node = head->next; node != tail; node = node->next) {
            visit(*node->item);
        }
    }

    // Calls visit(item) from head to tail, reading the successor before each
    // call: the item may remove itself and may insert items before its own
    // node; those are first visited in the next walk.
    template <typename Visit> void forEachItemRemovalSafe(Visit visit) const {
        ListNode* node = head->next;
        while (node != tail) {
            ListNode* next = node->next;
            visit(*node->item);
            node = next;
        }
    }

  protected:
    ListNode* head;
    ListNode* tail;

  private:
    // Puts item in a new node just before node, which has a predecessor.
    static void link(ListNode* node, Linkable* item, int32_t kind);
};
