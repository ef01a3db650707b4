#include "input/Interfaces.h"

#include <SDL.h>

#include "audio/ModMusic.h"
#include "input/Devices.h"
#include "input/Focus.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "input/PadNavigation.h"
#include "input/QuitRequest.h"

bool createInterfaces() {
    inputFocus = new Focus();
    keyboard = new Keyboard();
    joystick = new Joystick();
    if (!keyboard->isOk()) {
        GBase::error("Keyboard interface creation failed.");
        return false;
    }
    return true;
}

void pumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            QuitRequest::raise();
            continue;
        }
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
    // SDL's joystick events stay off, so the pads are read here, once per
    // frame: troopers and screens then see states and edges that move on at
    // the frame rate, even on screens that pump twice in a frame.
    if (joystick != nullptr && joystick->pollIfDue() && joystick->steersScreens()) {
        PadNavigation::deliver(*joystick, keyboard, inputFocus);
    }
    // The mixer's thread only flags a finished piece; replaying it here keeps
    // every change of the music on the main thread.
    ModMusic::serviceFinished();
}

void destroyInterfaces() {
    delete keyboard;
    keyboard = nullptr;
    // Nothing reads the joystick or the focus once the keyboard is gone, and
    // a clean exit leaves nothing allocated behind.
    delete joystick;
    joystick = nullptr;
    delete inputFocus;
    inputFocus = nullptr;
}
