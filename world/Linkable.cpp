#include "world/Linkable.h"

#include "world/ListNode.h"

void Linkable::removeSelf() {
    if (node == nullptr) {
        return;
    }
    node->prev->next = node->next;
    node->next->prev = node->prev;
    delete node;
    // The node is gone before the destructor runs, so nothing the item does
    // while dying can reach a half-unlinked node.
    node = nullptr;
    delete this;
}
