#pragma once

#include <cstdint>

class Buffer;
class Image;

// The display every sprite and picture draws onto, and the playfield picture
// stains are stamped into. Both start null; the game sets them as it opens
// the display and loads a playfield.
extern Buffer* screen;
extern Image* background;

// How the display opens; chosen by the command line or by the Detector.
constexpr int32_t kWindowModeUnset = 0;
constexpr int32_t kWindowModeFullScreen = 1;
constexpr int32_t kWindowModeWindow = 2;
