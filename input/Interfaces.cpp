#include "input/Interfaces.h"

#include <SDL.h>

#include "app/Detector.h"
#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "input/Focus.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"

namespace {
constexpr uint8_t kFullVolume = 255;
} // namespace

bool createInterfaces() {
    inputFocus = new Focus();
    detector = new Detector();
    keyboard = new Keyboard();
    joystick = new Joystick();
    if (!keyboard->isOk()) {
        GBase::error("Keyboard interface creation failed.");
        return false;
    }
    audioEnabled = 1;
    sfxVolume = kFullVolume;
    musicVolume = kFullVolume;
    return true;
}

void pumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) {
            continue;
        }
        const int32_t key = event.key.keysym.sym;
        Focusable* receiver = inputFocus != nullptr ? inputFocus->current : nullptr;
        if (event.type == SDL_KEYDOWN) {
            if (keyboard != nullptr) {
                keyboard->keyDown(key);
            }
            if (receiver != nullptr) {
                receiver->keyDown(key);
            }
        } else {
            if (keyboard != nullptr) {
                keyboard->keyUp(key);
            }
            if (receiver != nullptr) {
                receiver->keyUp(key);
            }
        }
    }
    if (joystick != nullptr) {
        joystick->poll();
    }
}

void destroyInterfaces() {
    // The console is added by the graphics; it goes first once it exists.
    delete screen;
    screen = nullptr;
    delete keyboard;
    keyboard = nullptr;
    delete detector;
    detector = nullptr;
    // Not in the original teardown list, but nothing outlives them and a
    // clean exit should leave nothing behind.
    delete joystick;
    joystick = nullptr;
    delete inputFocus;
    inputFocus = nullptr;
}
