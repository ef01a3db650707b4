#pragma once

#include <cstdint>
#include <string>

#include "core/GBase.h"
#include "input/ActionSource.h"
#include "store/Binding.h"

class Joystick;
class Keyboard;

// One player's controls: a binding per action, kept in the file
// "<name>_sdl.dat", and beside them the player's own pad (player 1 the
// first, player 2 the second) with its defaults: stick or d-pad left and
// right turn, up and down walk, the first button fires. Troopers ask it
// whether an action is held.
class GuideKeys : public GBase, public ActionSource {
  public:
    enum Action : int32_t { kLeft = 0, kRight, kForward, kBackward, kFire };
    static constexpr int32_t kActionCount = 8;

    // Starts from the player's default bindings (player 1 the arrows and
    // Right Ctrl, any other player A, D, W, S and Left Ctrl), then loads the
    // file "<name>_sdl.dat" over them when it is whole. The keyboard and the
    // pads are read for held actions; both must outlive the keys.
    GuideKeys(const char* name, int32_t player, const Keyboard& keyboard, const Joystick& pads);

    // The action's binding is held, or its pad default is, unless a binding
    // of this player or the partner names that pad input for itself.
    bool isActionDown(int32_t action) const override;
    // The other player's keys, whose bindings also take pad inputs away from
    // the defaults; not owned, and must outlive these.
    void setPartner(const GuideKeys* other) { partner = other; }

    // The key menu edits bindings in place through these.
    Binding* binding(int32_t action);
    const Binding* binding(int32_t action) const;

    std::string fileName() const;
    // True when the file was whole and read.
    bool load();
    // True when the file was written.
    bool save() const;

    static void defaultsFor(int32_t player, Binding* bindings);

  private:
    bool held(const Binding& b) const;
    bool padDefaultHeld(int32_t action) const;
    bool names(const Binding& b) const;

    std::string name;
    Binding bindings[kActionCount];
    int32_t padDevice;
    const GuideKeys* partner = nullptr;
    const Keyboard& keyboard;
    const Joystick& pads;
};
