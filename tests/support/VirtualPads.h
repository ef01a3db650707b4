#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Pads for tests on a machine without any. SDL 1.2 here runs over SDL 2
// (sdl12-compat), and SDL 2 can make virtual joysticks, which SDL 1.2 then
// lists as pads: two axes, four buttons and a d-pad each. Make them before
// the game starts SDL; move them through SDL 2 at any time. Whatever SDL 1.2
// reads from them takes its next joystick update. They are read even while
// no window has the focus, which under the dummy video driver is always.
class VirtualPads {
  public:
    // Loads SDL 2, starts its joystick support and plugs in `count` pads.
    explicit VirtualPads(int count);
    // Pulls out the pads still in and stops SDL 2's joystick support.
    ~VirtualPads();
    VirtualPads(const VirtualPads&) = delete;
    VirtualPads& operator=(const VirtualPads&) = delete;

    // False, with the reason in error(), when SDL 2 could not make or move
    // them.
    bool ok() const { return error().empty(); }
    const std::string& error() const { return why; }

    // Pad numbers count from 0 in the order the pads were plugged in.
    void plugIn();
    void pullOut(int pad);
    void stick(int pad, int16_t x, int16_t y);
    void button(int pad, int button, bool down);
    void dpad(int pad, uint8_t hatBits);
    // Lets go of every stick, d-pad and button.
    void release(int pad);

  private:
    // Calls SDL 2's function by name; SDL 1.2's headers do not declare them,
    // and its library has functions of the same names.
    template <typename R = int, typename... A> R call(const char* name, A... args);
    // The pad's joystick; moving a pad that is not plugged in is a fault of
    // the test.
    void* joystick(int pad);
    // Keeps the first failure, with SDL 2's reason.
    void fail(const std::string& what);
    void check(int result) {
        if (result != 0) {
            fail("virtual pad");
        }
    }

    void* library = nullptr;
    std::vector<void*> pads;
    std::string why;
};
