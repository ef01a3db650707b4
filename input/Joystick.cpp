#include "input/Joystick.h"

#include <algorithm>
#include <iterator>

#include "gfx/FrameClock.h"
#include "store/Binding.h"

Joystick::Joystick() {
    const bool running = SDL_WasInit(SDL_INIT_JOYSTICK) != 0;
    // Asked even when it runs: SDL 1.2 over SDL 2 reports SDL 2's joysticks
    // as running once anybody started them, but lists pads of its own only
    // after its own start.
    const bool started = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    ownsSubsystem = started && !running;
    open();
}

Joystick::~Joystick() {
    // After SDL_Quit the handles are already freed; closing them again would
    // touch released memory.
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) {
        return;
    }
    close();
    if (ownsSubsystem) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
}

void Joystick::reopen() {
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) {
        return;
    }
    close();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    open();
}

void Joystick::open() {
    for (PadState& p : pads) {
        p = PadState();
    }
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) {
        return;
    }
    const int32_t found = std::min(SDL_NumJoysticks(), kMaxPads);
    for (int32_t i = 0; i < found; ++i) {
        devices[i] = SDL_JoystickOpen(i);
    }
    // Read twice, so whatever is held as the pads open counts as held from
    // before and not as a new press.
    poll();
    poll();
}

void Joystick::close() {
    for (SDL_Joystick*& device : devices) {
        if (device != nullptr) {
            SDL_JoystickClose(device);
            device = nullptr;
        }
    }
}

int32_t Joystick::padCount() const {
    return static_cast<int32_t>(std::count_if(std::begin(devices), std::end(devices),
                                              [](SDL_Joystick* d) { return d != nullptr; }));
}

void Joystick::poll() {
    if (padCount() == 0) {
        return;
    }
    // SDL refreshes joystick values only while its joystick events are on;
    // updating here keeps the reading live either way. A pad pulled out
    // reads as centred with nothing pressed.
    SDL_JoystickUpdate();
    for (int32_t i = 0; i < kMaxPads; ++i) {
        SDL_Joystick* device = devices[i];
        if (device == nullptr) {
            continue;
        }
        const int32_t count =
            std::min<int32_t>(SDL_JoystickNumButtons(device), PadState::kButtonsRead);
        uint8_t buttons[PadState::kButtonsRead] = {};
        for (int32_t b = 0; b < count; ++b) {
            buttons[b] = SDL_JoystickGetButton(device, b);
        }
        const uint8_t hat = SDL_JoystickNumHats(device) > 0 ? SDL_JoystickGetHat(device, 0) : 0;
        pads[i].record(SDL_JoystickGetAxis(device, 0), SDL_JoystickGetAxis(device, 1), count,
                       buttons, hat);
    }
}

bool Joystick::pollIfDue(uint32_t nowMs) {
    // Unsigned difference, so the tick counter wrapping round is harmless.
    if (everPolled && nowMs - lastPollMs < kPollGapMs) {
        return false;
    }
    everPolled = true;
    lastPollMs = nowMs;
    poll();
    return true;
}

bool Joystick::pollIfDue() {
    // The screens' own clock: under a test's stepped clock a frame takes its
    // 50 ms whatever the wall clock says.
    return pollIfDue(clock != nullptr ? clock->now() : SDL_GetTicks());
}

const PadState* Joystick::forDevice(int32_t device) const {
    // A device read from a damaged key file may hold any value, so it is
    // checked before any arithmetic.
    if (device < Binding::kFirstPad || device >= Binding::kFirstPad + kMaxPads) {
        return nullptr;
    }
    return &pads[device - Binding::kFirstPad];
}

bool Joystick::anyButtonOn() const {
    return std::any_of(std::begin(pads), std::end(pads),
                       [](const PadState& p) { return p.anyButtonOn(); });
}

bool Joystick::anyButtonPressedNow() const {
    return std::any_of(std::begin(pads), std::end(pads),
                       [](const PadState& p) { return p.anyButtonPressedNow(); });
}
