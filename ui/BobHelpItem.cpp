#include "ui/BobHelpItem.h"

#include "gfx/Bob.h"

BobHelpItem::BobHelpItem(const char* name, int32_t width, int32_t height)
    : picture(std::make_unique<Bob>(name, width, height)) {
    picture->keyFromCorner();
}

BobHelpItem::~BobHelpItem() = default;

int32_t BobHelpItem::getWidth() const {
    return picture->getWidth();
}

int32_t BobHelpItem::getHeight() const {
    return picture->getHeight();
}
