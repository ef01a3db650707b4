#pragma once

class Linkable;

// One link of a LinkedList. The list owns the node and the item in it; the two
// sentinels at the ends hold no item.
struct ListNode {
    ListNode* prev = nullptr;
    ListNode* next = nullptr;
    Linkable* item = nullptr;
};
