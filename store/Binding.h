#pragma once

#include <cstdint>

// One action's control: a key code on the keyboard, or a pad state index
// (PadState) on the first or second pad. Any other device never reads as
// held.
struct Binding {
    static constexpr int32_t kKeyboard = 0;
    static constexpr int32_t kFirstPad = 1;
    static constexpr int32_t kSecondPad = 2;

    int32_t key = 0;
    int32_t device = kKeyboard;
};

inline bool operator==(const Binding& a, const Binding& b) {
    return a.key == b.key && a.device == b.device;
}
