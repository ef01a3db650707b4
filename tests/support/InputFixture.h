#pragma once

#include <SDL.h>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "input/InputDevices.h"

// Starts SDL's event queue and makes a fresh keyboard, joystick and focus for
// one test, stopping SDL once they are gone.
class SdlInput {
  public:
    SdlInput() : ok(SDL_Init(SDL_INIT_VIDEO) == 0), made(std::make_unique<InputDevices>()) {}
    ~SdlInput() {
        made.reset();
        SDL_Quit();
    }
    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    bool ok = false;

    InputDevices& devices() { return *made; }
    Keyboard& keyboard() { return made->keyboard(); }
    Joystick& joystick() { return made->joystick(); }
    Focus& focus() { return made->focus(); }
    // Lets go of every key and button: the devices are made afresh.
    void renew() {
        made.reset();
        made = std::make_unique<InputDevices>();
    }

    // Key events as the game's pump delivers them: down, up, or one of each.
    void press(int32_t key);
    void release(int32_t key);
    void tap(int32_t key);

  private:
    std::unique_ptr<InputDevices> made;
};

// Records what reaches it through the focus: keys down (as themselves) and
// up (negated), and the pad presses it takes while capturing.
class Receiver : public Focusable {
  public:
    void keyDown(int32_t key) override { keys.push_back(key); }
    void keyUp(int32_t key) override { keys.push_back(-key); }
    bool padPressed(int32_t device, int32_t state) override {
        if (capturing) {
            taken.emplace_back(device, state);
        }
        return capturing;
    }
    std::vector<int32_t> keys;
    std::vector<std::pair<int32_t, int32_t>> taken;
    bool capturing = false;
};

// Queues a real key event the way SDL would deliver it.
inline void pushKey(uint8_t type, int32_t key) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    SDL_PushEvent(&event);
}

inline void SdlInput::press(int32_t key) {
    pushKey(SDL_KEYDOWN, key);
    made->pump();
}
inline void SdlInput::release(int32_t key) {
    pushKey(SDL_KEYUP, key);
    made->pump();
}
inline void SdlInput::tap(int32_t key) {
    pushKey(SDL_KEYDOWN, key);
    release(key);
}
