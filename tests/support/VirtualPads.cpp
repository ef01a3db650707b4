#include "support/VirtualPads.h"

#include <cstdlib>
#include <dlfcn.h>

namespace {
// SDL 2's values, which SDL 1.2's headers do not have.
constexpr uint32_t kSdl2InitJoystick = 0x200;
constexpr int kJoystickTypeGamecontroller = 1;
constexpr int kAxes = 2;
constexpr int kButtons = 4;
constexpr int kHats = 1;
} // namespace

template <typename R, typename... A> R VirtualPads::call(const char* name, A... args) {
    // Never a null handle: dlsym would then find SDL 1.2's function.
    void* function = library != nullptr ? dlsym(library, name) : nullptr;
    if (function == nullptr) {
        why = why.empty() ? std::string("SDL 2 lacks ") + name : why;
        return R();
    }
    return reinterpret_cast<R (*)(A...)>(function)(args...);
}

VirtualPads::VirtualPads(int count) {
    // SDL 2 drops pad input while none of its windows has the focus, and a
    // window of the dummy video driver never gets it.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        why = std::string("cannot load SDL 2: ") + dlerror();
    } else if (call("SDL_InitSubSystem", kSdl2InitJoystick) != 0) {
        fail("SDL 2 joysticks");
    }
    for (int i = 0; i < count && ok(); ++i) {
        plugIn();
    }
}

VirtualPads::~VirtualPads() {
    if (library == nullptr) {
        return;
    }
    for (size_t i = 0; i < pads.size(); ++i) {
        if (pads[i] != nullptr) {
            pullOut(int(i));
        }
    }
    call<void>("SDL_QuitSubSystem", kSdl2InitJoystick);
    dlclose(library);
}

void VirtualPads::plugIn() {
    const int index =
        call("SDL_JoystickAttachVirtual", kJoystickTypeGamecontroller, kAxes, kButtons, kHats);
    pads.push_back(index >= 0 ? call<void*>("SDL_JoystickOpen", index) : nullptr);
    if (pads.back() == nullptr) {
        fail("no virtual pad");
    }
}

void VirtualPads::pullOut(int pad) {
    void* const joystick = this->joystick(pad);
    if (joystick == nullptr) {
        return;
    }
    // SDL 2 detaches by the place in its list, which changes as pads go.
    const int32_t id = call<int32_t>("SDL_JoystickInstanceID", joystick);
    for (int i = 0; i < call("SDL_NumJoysticks"); ++i) {
        if (call<int32_t>("SDL_JoystickGetDeviceInstanceID", i) == id) {
            check(call("SDL_JoystickDetachVirtual", i));
            break;
        }
    }
    call<void>("SDL_JoystickClose", joystick);
    pads[size_t(pad)] = nullptr;
}

void VirtualPads::stick(int pad, int16_t x, int16_t y) {
    if (void* const joystick = this->joystick(pad)) {
        check(call("SDL_JoystickSetVirtualAxis", joystick, 0, x));
        check(call("SDL_JoystickSetVirtualAxis", joystick, 1, y));
    }
}

void VirtualPads::button(int pad, int button, bool down) {
    if (void* const joystick = this->joystick(pad)) {
        check(call("SDL_JoystickSetVirtualButton", joystick, button, uint8_t(down ? 1 : 0)));
    }
}

void VirtualPads::dpad(int pad, uint8_t hatBits) {
    if (void* const joystick = this->joystick(pad)) {
        check(call("SDL_JoystickSetVirtualHat", joystick, 0, hatBits));
    }
}

void VirtualPads::release(int pad) {
    stick(pad, 0, 0);
    dpad(pad, 0);
    for (int b = 0; b < kButtons; ++b) {
        button(pad, b, false);
    }
}

void* VirtualPads::joystick(int pad) {
    if (pad >= 0 && size_t(pad) < pads.size() && pads[size_t(pad)] != nullptr) {
        return pads[size_t(pad)];
    }
    why = why.empty() ? "pad " + std::to_string(pad) + " is not plugged in" : why;
    return nullptr;
}

void VirtualPads::fail(const std::string& what) {
    const char* reason = call<const char*>("SDL_GetError");
    why = why.empty() ? what + ": " + (reason != nullptr ? reason : "") : why;
}
