#include "gfx/FaderItem.h"

FaderItem::~FaderItem() = default;

void FaderItem::setLayout(int32_t snapshotPitch, int32_t screenPitch, int32_t width,
                          int32_t height) {
    this->snapshotPitch = snapshotPitch;
    this->screenPitch = screenPitch;
    this->width = width;
    this->height = height;
}
