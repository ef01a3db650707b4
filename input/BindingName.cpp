#include "input/BindingName.h"

#include <SDL.h>
#include <cstring>

#include "input/PadState.h"

namespace {
// What SDL answers for a key it has no name for.
constexpr const char* kSdlUnknownName = "unknown key";
constexpr const char* kDirections[] = {"stick left", "stick right", "stick up", "stick down"};
} // namespace

std::string BindingName::of(const Binding& binding) {
    if (binding.device == Binding::kKeyboard) {
        return ofKey(binding.key);
    }
    if (binding.device == Binding::kFirstPad || binding.device == Binding::kSecondPad) {
        return ofPadState(binding.device - Binding::kFirstPad + 1, binding.key);
    }
    return "";
}

std::string BindingName::ofKey(int32_t key) {
    // A code outside SDL's range (from a damaged key file) is no SDLKey at
    // all; it cannot even be converted to one.
    if (key < 0 || key >= SDLK_LAST) {
        return "";
    }
    const char* name = SDL_GetKeyName(static_cast<SDLKey>(key));
    if (name == nullptr || std::strcmp(name, kSdlUnknownName) == 0) {
        return "";
    }
    return name;
}

std::string BindingName::ofPadState(int32_t pad, int32_t state) {
    const std::string prefix = "pad " + std::to_string(pad) + " ";
    if (state >= PadState::kStickLeft && state <= PadState::kStickDown) {
        return prefix + kDirections[state];
    }
    // Only the buttons a pad reading can set have names. The state is
    // checked before any arithmetic: a damaged key file may hold any value.
    if (state >= PadState::kFirstButtonState &&
        state < PadState::kFirstButtonState + PadState::kButtonsRead) {
        return prefix + "button " + std::to_string(state - PadState::kFirstButtonState + 1);
    }
    return "";
}
