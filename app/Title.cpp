#include "app/Title.h"

#include "audio/Sound.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/FrameTimer.h"
#include "gfx/Image.h"
#include "input/Focus.h"
#include "input/InputDevices.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "input/QuitRequest.h"
#include "ui/ScreenFrame.h"

namespace {
constexpr uint32_t kTickMs = 50;
constexpr int32_t kVersionX = 10;
constexpr int32_t kVersionY = 479;
} // namespace

Title::Title(Buffer& screen, Font* font, FrameClock& clock, const AudioSettings& audio)
    : picture(new Image("pics/title", screen.getWidth(), screen.getHeight())),
      startSound(new Sound(audio, "sounds/start")), font(font), clock(clock), screen(screen) {}

Title::~Title() {
    delete picture;
    delete startSound;
}

void Title::run(InputDevices& devices) {
    screen.attachBlitter();
    devices.pump();
    devices.keyboard().forgetScreenKeys();
    startSound->play();
    timer = std::make_unique<FrameTimer>(kTickMs, clock);
    while (!devices.keyboard().consumeEscape() && !devices.joystick().anyButtonPressedNow() &&
           ticks < kTicks && !QuitRequest::isRaised()) {
        runScreenFrame(screen, devices, *timer, [this] {
            picture->draw(screen);
            if (font != nullptr) {
                font->drawString(screen, "Version 1.1L", kVersionX, kVersionY);
            }
        });
        // A slow frame counts for every tick it took.
        ticks += static_cast<int32_t>(timer->lastInterval() / kTickMs);
    }
    devices.pump();
    devices.focus().current = nullptr;
    screen.attachBlitter();
}
