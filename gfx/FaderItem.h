#pragma once

#include <cstdint>

// Copies the falling columns of a fader's snapshot onto the screen, one kind
// for each pixel size. The flow fader calls setLayout() and then flow() once
// per step, with both surfaces locked.
class FaderItem {
  public:
    virtual ~FaderItem();

    // Pitches in bytes; width and height in pixels, within both surfaces.
    void setLayout(int32_t snapshotPitch, int32_t screenPitch, int32_t width, int32_t height);

    // Column i of the snapshot, from its top row, goes onto the screen from
    // row offsets[i] down, never onto the last row; rows above keep the
    // frame. offsets holds at least width entries. True when no column had
    // a pixel left to copy.
    virtual bool flow(const uint8_t* snapshot, uint8_t* screen, const uint16_t* offsets) = 0;

  protected:
    // Calls copy(column, firstScreenRow, rows) for every column still showing;
    // true when there was none.
    template <typename CopyColumn> bool eachColumn(const uint16_t* offsets, CopyColumn copy) const {
        bool none = true;
        for (int32_t column = 0; column < width; ++column) {
            const int32_t top = offsets[column];
            const int32_t rows = height - top - 1;
            if (rows > 0) {
                copy(column, top, rows);
                none = false;
            }
        }
        return none;
    }

    int32_t snapshotPitch = 0;
    int32_t screenPitch = 0;
    int32_t width = 0;
    int32_t height = 0;
};
