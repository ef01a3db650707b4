#include "app/ReplayViewer.h"

#include <SDL.h>

#include "app/Pause.h"
#include "gfx/Font.h"
#include "input/InputDevices.h"

namespace {
constexpr int32_t kScreenWidth = 640;
constexpr const char* kMark = "REPLAY";
constexpr const char* kFastMark = "REPLAY x4";
// Centred near the top, clear of both players' gauges.
constexpr int32_t kMarkY = 64;
} // namespace

ReplayViewer::ReplayViewer(Style style, Pause* pause, Font* font, InputDevices& devices)
    : style(style), pause(pause), font(font), devices(devices),
      pressesAtStart(devices.keyboard().presses()) {}

bool ReplayViewer::carriesOn() {
    ++frame;
    switch (style) {
    case kWatch:
        return watcherCarriesOn();
    case kAttract:
        return attractCarriesOn();
    default:
        return true;
    }
}

bool ReplayViewer::watcherCarriesOn() {
    Keyboard& keyboard = devices.keyboard();
    if (keyboard.consumeEscape()) {
        return false;
    }
    if (keyboard.wasPressed(SDLK_SPACE)) {
        keyboard.clearPressed(SDLK_SPACE);
        fast = !fast;
    }
    if (keyboard.consumeF1() && pause != nullptr) {
        pause->run(devices);
    }
    return true;
}

// Whatever is pressed only ends the show: the menu forgets it on its return.
bool ReplayViewer::attractCarriesOn() const {
    return devices.keyboard().presses() == pressesAtStart &&
           !devices.joystick().anyButtonPressedNow();
}

bool ReplayViewer::waits() const {
    return style != kProof && (!fast || frame % kFastFactor == 0);
}

void ReplayViewer::drawMark(Buffer& screen) const {
    if (style != kProof && font != nullptr) {
        const char* mark = fast ? kFastMark : kMark;
        font->drawString(screen, mark, (kScreenWidth - font->width(mark)) / 2, kMarkY);
    }
}
