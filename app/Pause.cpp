#include "app/Pause.h"

#include <cmath>

#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/FrameTimer.h"
#include "gfx/SurfaceHolder.h"
#include "input/InputDevices.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "input/QuitRequest.h"

namespace {

constexpr uint32_t kFrameMs = 50;
constexpr const char* kTitle = "Game Paused";
constexpr int32_t kRemarkDrop = 40;
// The remark counter runs once round its 8 bits for all eight remarks.
constexpr uint8_t kCounterPerRemark = 256 / Pause::kRemarkCount;

// The path is a sideways swing of 128 frames with a bob of 32 frames on top.
// A turn is 6.28 rather than two pi and the offsets are cut toward zero; both
// move the text by a pixel here and there, and this is the path as it is meant.
constexpr double kTurn = 6.28;
constexpr int32_t kCentreX = 80;
constexpr int32_t kCentreY = 200;
constexpr double kSwing = 50;
constexpr double kBob = 30;
constexpr double kSwingFrames = 128;
constexpr double kBobFrames = 32;

} // namespace

const char* const Pause::kRemarks[kRemarkCount] = {
    "Hey! don't leave!!",
    "Come back! I want to kill you with my aliens!",
    "OK, i'll let you shoot few aliens if you come back.",
    "I'm so bored. Please continue.",
    "Come to this side of the screen. Its nice in here.",
    "Hey! I'm trying to run game here, please co-operate!",
    "You're not getting any points for eating, you know...",
    "I'm running out of these stupid comments.",
};

Pause::Pause(Buffer* screen, Font* font, const char* const* remarks)
    : Pause(screen, font, remarks, sdlClock) {}

Pause::Pause(Buffer* screen, Font* font, const char* const* remarks, FrameClock& clock)
    : snapshot(new SurfaceHolder(screen->getWidth(), screen->getHeight())), screen(screen),
      font(font), remarks(remarks), clock(&clock) {
    snapshot->createSurface();
    snapshot->attachBlitter();
}

Pause::~Pause() {
    delete snapshot;
}

uint32_t Pause::run(InputDevices& devices) {
    const uint32_t start = clock->now();
    FrameTimer timer(kFrameMs, *clock);
    snapshot->blit(screen);
    // Only a press made from here on resumes: a movement letter or a fire
    // key a player was holding when F1 came must not end the pause unseen.
    // A tap, however short, stays latched until the pause looks.
    devices.keyboard().forgetPresses();
    devices.pump();
    while (!resumeRequested(devices)) {
        showFrame(timer);
        devices.pump();
    }
    leave(devices.keyboard());
    return clock->now() - start;
}

// F1 and every other key from code 256 up (arrows, Shift, Ctrl) are left out,
// so that letting go of F1 or steadying a hand on the controls does not resume.
bool Pause::resumeRequested(const InputDevices& devices) {
    return devices.keyboard().anyPressed() || devices.joystick().anyButtonPressedNow() ||
           QuitRequest::isRaised();
}

void Pause::showFrame(FrameTimer& timer) {
    screen->blit(snapshot);
    advance();
    const TextSpot spot = textSpot(phase);
    font->drawString(*screen, kTitle, spot.x, spot.y);
    font->drawString(*screen, remarks[remarkCounter / kCounterPerRemark], spot.x,
                     spot.y + kRemarkDrop);
    while (!timer.tick()) {
    }
    screen->flip();
}

void Pause::advance() {
    // Both wrap on purpose: the path repeats and the remarks come round again.
    phase = static_cast<int8_t>(static_cast<uint8_t>(phase) + 1);
    if (phase == 0) {
        remarkCounter = static_cast<uint8_t>(remarkCounter + kCounterPerRemark);
    }
}

Pause::TextSpot Pause::textSpot(int8_t phase) {
    const double swing = kSwing * std::sin(phase * kTurn / kSwingFrames);
    const double bob = kBob * std::cos(phase * kTurn / kBobFrames);
    return {kCentreX + static_cast<int32_t>(swing), kCentreY + static_cast<int32_t>(bob)};
}

void Pause::leave(Keyboard& keyboard) {
    // The press that ended the pause was latched like any other; left there,
    // an Escape would give up the game in its next frame.
    keyboard.forgetScreenKeys();
}
