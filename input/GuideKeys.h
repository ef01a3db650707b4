#pragma once

#include <cstdint>
#include <string>

#include "core/GBase.h"
#include "input/ActionSource.h"
#include "store/Binding.h"

// One player's controls: a binding per action, kept in the file
// "<name>_sdl.dat". Troopers ask it whether an action is held.
class GuideKeys : public GBase, public ActionSource {
  public:
    enum Action : int32_t { kLeft = 0, kRight, kForward, kBackward, kFire };
    static constexpr int32_t kActionCount = 8;

    // Starts from the player's default bindings (player 1 the arrows and
    // Right Ctrl, any other player A, D, W, S and Left Ctrl), then loads the
    // file "<name>_sdl.dat" over them when it is whole.
    GuideKeys(const char* name, int32_t player);

    bool isActionDown(int32_t action) const override;

    // The key menu edits bindings in place through these.
    Binding* binding(int32_t action);
    const Binding* binding(int32_t action) const;

    const char* getName() const { return name.c_str(); }
    std::string fileName() const;
    // True when the file was whole and read.
    bool load();
    // True when the file was written.
    bool save() const;

    static void defaultsFor(int32_t player, Binding* bindings);

  private:
    std::string name;
    Binding bindings[kActionCount];
};
