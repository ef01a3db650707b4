#include "support/VirtualPads.h"

#include <cstdlib>
#include <dlfcn.h>
#include <string>

namespace {
// SDL 2's values, which SDL 1.2's headers do not have.
constexpr uint32_t kSdl2InitJoystick = 0x200;
constexpr int kJoystickTypeGamecontroller = 1;
constexpr int kAxes = 2;
constexpr int kButtons = 4;
constexpr int kHats = 1;
} // namespace

struct VirtualPads::Api {
    void* library = nullptr;
    int (*initSubSystem)(uint32_t) = nullptr;
    void (*quitSubSystem)(uint32_t) = nullptr;
    int (*attach)(int, int, int, int) = nullptr;
    int (*detach)(int) = nullptr;
    int (*numJoysticks)() = nullptr;
    int32_t (*deviceId)(int) = nullptr;
    int32_t (*instanceId)(void*) = nullptr;
    void* (*open)(int) = nullptr;
    void (*close)(void*) = nullptr;
    int (*setAxis)(void*, int, int16_t) = nullptr;
    int (*setButton)(void*, int, uint8_t) = nullptr;
    int (*setHat)(void*, int, uint8_t) = nullptr;
    const char* (*getError)() = nullptr;

    template <typename F> bool find(F& f, const char* name) {
        f = reinterpret_cast<F>(dlsym(library, name));
        return f != nullptr;
    }
    bool load() {
        return find(initSubSystem, "SDL_InitSubSystem") &&
               find(quitSubSystem, "SDL_QuitSubSystem") &&
               find(attach, "SDL_JoystickAttachVirtual") &&
               find(detach, "SDL_JoystickDetachVirtual") &&
               find(numJoysticks, "SDL_NumJoysticks") &&
               find(deviceId, "SDL_JoystickGetDeviceInstanceID") &&
               find(instanceId, "SDL_JoystickInstanceID") && find(open, "SDL_JoystickOpen") &&
               find(close, "SDL_JoystickClose") && find(setAxis, "SDL_JoystickSetVirtualAxis") &&
               find(setButton, "SDL_JoystickSetVirtualButton") &&
               find(setHat, "SDL_JoystickSetVirtualHat") && find(getError, "SDL_GetError");
    }
};

VirtualPads::VirtualPads(int count) : api(new Api) {
    // SDL 2 drops pad input while none of its windows has the focus, and a
    // window of the dummy video driver never gets it.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    api->library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (api->library == nullptr) {
        why = std::string("cannot load SDL 2: ") + dlerror();
        return;
    }
    if (!api->load()) {
        why = "SDL 2 lacks virtual joysticks";
        return;
    }
    if (api->initSubSystem(kSdl2InitJoystick) != 0) {
        why = std::string("SDL 2 joysticks: ") + api->getError();
        return;
    }
    for (int i = 0; i < count && ok(); ++i) {
        plugIn();
    }
}

VirtualPads::~VirtualPads() {
    if (api->quitSubSystem != nullptr) {
        for (size_t i = 0; i < pads.size(); ++i) {
            if (pads[i] != nullptr) {
                pullOut(int(i));
            }
        }
        api->quitSubSystem(kSdl2InitJoystick);
    }
    if (api->library != nullptr) {
        dlclose(api->library);
    }
    delete api;
}

void VirtualPads::plugIn() {
    const int index = api->attach(kJoystickTypeGamecontroller, kAxes, kButtons, kHats);
    void* pad = index >= 0 ? api->open(index) : nullptr;
    if (pad == nullptr) {
        why = std::string("no virtual pad: ") + api->getError();
    }
    pads.push_back(pad);
}

void VirtualPads::pullOut(int pad) {
    if (!valid(pad)) {
        return;
    }
    const int32_t id = api->instanceId(pads[size_t(pad)]);
    for (int i = 0; i < api->numJoysticks(); ++i) {
        if (api->deviceId(i) == id) {
            api->detach(i);
            break;
        }
    }
    api->close(pads[size_t(pad)]);
    pads[size_t(pad)] = nullptr;
}

void VirtualPads::stick(int pad, int16_t x, int16_t y) {
    if (valid(pad)) {
        check(api->setAxis(pads[size_t(pad)], 0, x));
        check(api->setAxis(pads[size_t(pad)], 1, y));
    }
}

void VirtualPads::button(int pad, int button, bool down) {
    if (valid(pad)) {
        check(api->setButton(pads[size_t(pad)], button, down ? 1 : 0));
    }
}

void VirtualPads::dpad(int pad, uint8_t hatBits) {
    if (valid(pad)) {
        check(api->setHat(pads[size_t(pad)], 0, hatBits));
    }
}

void VirtualPads::release(int pad) {
    stick(pad, 0, 0);
    dpad(pad, 0);
    for (int b = 0; b < kButtons; ++b) {
        button(pad, b, false);
    }
}

void VirtualPads::check(int result) {
    if (result != 0 && why.empty()) {
        why = std::string("virtual pad: ") + api->getError();
    }
}

bool VirtualPads::valid(int pad) {
    if (pad >= 0 && size_t(pad) < pads.size() && pads[size_t(pad)] != nullptr) {
        return true;
    }
    if (why.empty()) {
        why = "pad " + std::to_string(pad) + " is not plugged in";
    }
    return false;
}
