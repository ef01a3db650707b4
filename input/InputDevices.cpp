#include "input/InputDevices.h"

#include <SDL.h>

#include "audio/ModMusic.h"
#include "core/GBase.h"
#include "input/PadNavigation.h"
#include "input/QuitRequest.h"

InputDevices::InputDevices() {
    if (!keys.isOk()) {
        GBase::error("Keyboard interface creation failed.");
    }
}

void InputDevices::pump() {
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
        Focusable* target = receiver.current;
        if (event.type == SDL_KEYDOWN) {
            keys.keyDown(key);
            if (target != nullptr) {
                target->keyDown(key);
            }
        } else {
            keys.keyUp(key);
            if (target != nullptr) {
                target->keyUp(key);
            }
        }
    }
    // SDL's joystick events stay off, so the pads are read here, once per
    // frame: troopers and screens then see states and edges that move on at
    // the frame rate, even on screens that pump twice in a frame.
    if (pads.pollIfDue() && pads.steersScreens()) {
        PadNavigation::deliver(pads, &keys, &receiver);
    }
    // The mixer's thread only flags a finished piece; replaying it here keeps
    // every change of the music on the main thread.
    ModMusic::serviceFinished();
}
