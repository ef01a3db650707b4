#include "world/LinkedList.h"

LinkedList::LinkedList() : head(new ListNode), tail(new ListNode) {
    head->next = tail;
    tail->prev = head;
}

LinkedList::~LinkedList() {
    clear();
    delete head;
    delete tail;
}

void LinkedList::append(Linkable* item, int32_t kind) {
    if (item != nullptr) {
        link(tail, item, kind);
    }
}

bool LinkedList::linkBefore(ListNode* node, Linkable* item, int32_t kind) {
    // The head sentinel has nothing before it; only item nodes qualify. The
    // item is owned either way, so one that finds no list is deleted.
    if (node == nullptr || node->item == nullptr) {
        delete item;
        return false;
    }
    if (item != nullptr) {
        link(node, item, kind);
    }
    return true;
}

void LinkedList::link(ListNode* node, Linkable* item, int32_t kind) {
    ListNode* added = new ListNode;
    added->item = item;
    added->prev = node->prev;
    added->next = node;
    node->prev->next = added;
    node->prev = added;
    item->node = added;
    item->kind = kind;
}

void LinkedList::unlinkAndDelete(ListNode* node) {
    // Sentinels carry no item and are never unlinked.
    if (node == nullptr || node->item == nullptr) {
        return;
    }
    node->item->removeSelf();
}

void LinkedList::clear() {
    while (!isEmpty()) {
        unlinkAndDelete(head->next);
    }
}

int32_t LinkedList::count() const {
    int32_t n = 0;
    for (ListNode* node = head->next; node != tail; node = node->next) {
        ++n;
    }
    return n;
}
