#include "world/Linkable.h"

#include "world/LinkedList.h"

void Linkable::removeSelf() {
    if (node != nullptr) {
        LinkedList::unlinkAndDelete(node);
    }
}
