// Two pads and nothing else, through the whole program: the title, the
// menus, the setup and key screens, a two-player game with a pause, a pad
// pulled out mid-game, the name entry, the game's replay and the way out.
// The second pad is plugged in during the title, so the main menu must find
// it.
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/Game.h"
#include "app/GameSession.h"
#include "gfx/SteppedClock.h"
#include "input/GuideKeys.h"
#include "support/AppFixture.h"
#include "support/StoreFixture.h"
#include "support/VirtualPads.h"
#include "ui/HighScoreTable.h"

namespace {

// Made in the child, which leaves without destroying it.
VirtualPads* pads = nullptr;

constexpr uint32_t kHold = 3 * kFrameMs;
constexpr int16_t kFull = 32767;

// Held for three frames, then let go.
void tapButton(std::vector<Step>& steps, uint32_t at, int pad, int button) {
    steps.push_back({at, [=] { pads->button(pad, button, true); }});
    steps.push_back({at + kHold, [=] { pads->button(pad, button, false); }});
}
void tapStick(std::vector<Step>& steps, uint32_t at, int pad, int16_t x, int16_t y) {
    steps.push_back({at, [=] { pads->stick(pad, x, y); }});
    steps.push_back({at + kHold, [=] { pads->stick(pad, 0, 0); }});
}

// Looks once a frame; on the first frame the condition holds, schedules the
// steps, their times counted from then.
std::function<void()> once(std::function<bool()> condition, std::vector<Step> steps) {
    return [=] {
        auto& clock = *static_cast<SteppedClock*>(WholeRun::running->clock);
        if (!condition()) {
            clock.at(clock.now() + kFrameMs, once(condition, steps));
            return;
        }
        for (const Step& step : steps) {
            clock.at(clock.now() + step.at, step.act);
        }
    };
}

std::string actionsHeld(const GuideKeys& keys) {
    std::string held;
    for (int32_t a = GuideKeys::kLeft; a <= GuideKeys::kFire; ++a) {
        held += keys.isActionDown(a) ? '1' : '0';
    }
    return held;
}

// A game is on (its arrivals are scheduled), played or watched.
bool inPlay() {
    return WholeRun::running->session().scheduler() != nullptr;
}

// The entry of a key file, little-endian as the game's own machines are.
int32_t entry(const std::vector<unsigned char>& bytes, size_t index) {
    int32_t value = 0;
    std::memcpy(&value, bytes.data() + 4 * index, sizeof value);
    return value;
}

std::vector<Step> script() {
    std::vector<Step> s;
    s.push_back({50, [] { pads->plugIn(); }});
    tapButton(s, 100, 0, 2);       // any button ends the title
    tapStick(s, 800, 1, 0, kFull); // "Two players": the second pad steers too
    s.push_back({1000, [] { pads->dpad(0, SDL_HAT_DOWN); }}); // "Setup", by d-pad
    s.push_back({1100, [] { pads->dpad(0, SDL_HAT_CENTERED); }});
    tapButton(s, 1300, 0, 0);
    for (uint32_t at = 1700; at < 2500; at += 200) {
        tapStick(s, at, 0, 0, kFull); // down to "Set keys"
    }
    tapButton(s, 2500, 0, 0);
    for (uint32_t at = 2900; at < 3700; at += 200) {
        tapStick(s, at, 0, 0, kFull); // down to "Player 1 fire"
    }
    tapButton(s, 3700, 0, 0); // it waits
    tapButton(s, 3900, 0, 3); // "pad 1 button 4"
    for (uint32_t at = 4100; at < 5100; at += 200) {
        tapStick(s, at, 1, 0, kFull); // down to "Player 2 fire"
    }
    tapButton(s, 5100, 1, 0);
    tapButton(s, 5300, 0, 3);        // taken from player 1, who gets Left Ctrl
    tapButton(s, 5500, 0, 1);        // leaves the keys
    tapButton(s, 5900, 1, 1);        // leaves the setup
    tapStick(s, 6300, 0, 0, -kFull); // up to "Two players"
    tapButton(s, 6500, 0, 0);
    // Both turn and fire with the default pad controls.
    s.push_back({7000, [] {
                     pads->stick(0, kFull, 0);
                     pads->button(0, 0, true);
                     pads->stick(1, -kFull, 0);
                     pads->button(1, 0, true);
                 }});
    tapButton(s, 8000, 0, 1); // Escape in the menus, nothing in play
    s.push_back({9000, [] { pushKey(SDL_KEYDOWN, SDLK_F1); }});
    s.push_back({9100, [] { pushKey(SDL_KEYUP, SDLK_F1); }});
    tapButton(s, 9600, 1, 2); // ends the pause
    s.push_back({10500, [] {
                     note("before.txt", actionsHeld(WholeRun::running->getKeys(1)));
                     pads->pullOut(1);
                 }});
    s.push_back({10700, [] {
                     note("after.txt", actionsHeld(WholeRun::running->getKeys(0)) + " " +
                                           actionsHeld(WholeRun::running->getKeys(1)) + " " +
                                           (inPlay() ? "on" : "over"));
                 }});
    s.push_back({15000, [] { pads->release(0); }}); // both stand until the aliens win
    std::vector<Step> after;
    tapButton(after, 100, 0, 0); // Return ends the name
    for (uint32_t at = 600; at < 1200; at += 200) {
        tapStick(after, at, 0, 0, kFull); // down to "Replays"
    }
    tapButton(after, 1200, 0, 0);
    tapButton(after, 1600, 0, 0); // watches the game just played
    after.push_back({2600, [] { note("watching.txt", inPlay() ? "yes" : "no"); }});
    tapButton(after, 2800, 0, 1); // back to the list
    after.push_back({3400, [] { note("watched.txt", inPlay() ? "yes" : "no"); }});
    tapButton(after, 3600, 0, 1);       // back to the menu
    tapStick(after, 4000, 0, 0, kFull); // "Exit game"
    tapButton(after, 4200, 0, 0);
    s.push_back({15000, once([] { return WholeRun::running->getHighScores().isEntering(); }, after)});
    return s;
}

TEST_F(WholeRun, TwoPadsAloneSetTheKeysPlayAGameAndLeave) {
    const std::string output = run({"--window"}, script(), "dummy", [] {
        pads = new VirtualPads(1);
        // Whatever went wrong with the pads themselves, said on the way out.
        std::atexit([] { note("pads.txt", pads->error()); });
        if (!pads->ok()) {
            std::exit(1);
        }
    });
    ASSERT_EQ(text("pads.txt"), "");
    ASSERT_NE(output.find("You played for "), std::string::npos) << output << errors();
    EXPECT_EQ(text("before.txt"), "10001");
    EXPECT_EQ(text("after.txt"), "01001 00000 on")
        << "player 1 turns right and fires; player 2, pulled out, stands; the game goes on";
    const std::vector<unsigned char> one = work.read("dat/pl1key_sdl.dat");
    const std::vector<unsigned char> two = work.read("dat/pl2key_sdl.dat");
    ASSERT_EQ(one.size(), 64u);
    ASSERT_EQ(two.size(), 64u);
    // Eight keys, then the devices they are on.
    EXPECT_EQ(entry(one, GuideKeys::kFire), SDLK_LCTRL);
    EXPECT_EQ(entry(one, 8 + GuideKeys::kFire), 0);
    EXPECT_EQ(entry(two, GuideKeys::kFire), 7) << "button 4 is pad state 7";
    EXPECT_EQ(entry(two, 8 + GuideKeys::kFire), 1) << "of the first pad";
    const std::string table = readEnciphered(work, "dat/hiscore_2.dat");
    EXPECT_NE(table.rfind("0\n", 0), 0u) << "the pads scored: " << table;
    EXPECT_EQ(text("watching.txt") + " " + text("watched.txt"), "yes no");
    // The replay, played back without any pad, reaches the same end.
    const auto [status, said] = prove("dat/replays/last.rpl");
    EXPECT_EQ(status, 0) << said;
}

} // namespace
