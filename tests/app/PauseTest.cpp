// The pause screen: what resumes the game, what the game gets back, the
// remarks across pauses and the text's path.
#include "app/Pause.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/TestPictures.h"
#include "gfx/SteppedClock.h"
#include "input/InputDevices.h"

namespace {

using Step = std::function<void()>;
using Pixels = std::vector<uint8_t>;

// A frame lasts strictly more than 50 ms on a clock that moves only by sleeps.
constexpr uint32_t kFrame = 51;
const char* const kFirstRemark = "Hey! don't leave!!";

Step keyDown(int32_t key) {
    return [key] { pushKey(SDL_KEYDOWN, key); };
}

void setButton(uint8_t on) {
    joystick->pad(0).record(0, 0, 1, &on);
}

class PauseScreen : public DisplayTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(devices.ok) << SDL_GetError();
        openDisplay(16);
        font = std::make_unique<Font>("pics/font_gold", 502, 200);
        pause = std::make_unique<Pause>(screen, font.get(), Pause::kRemarks, clock);
        paintGame(0);
    }
    void TearDown() override {
        pause.reset();
        font.reset();
        DisplayTest::TearDown();
    }

    // Half black, so that a snapshot keyed on black would leave trails, with
    // boxes that differ from one variant to the next.
    Pixels paintGame(int variant) {
        SDL_Surface* s = screen->getSurface();
        SDL_FillRect(s, nullptr, 0);
        for (int16_t x = 0; x < 320; x += 40) {
            SDL_Rect box{x, int16_t(100 + variant * 7), 40, 200};
            SDL_FillRect(s, &box, SDL_MapRGB(s->format, uint8_t(x), uint8_t(90 + variant * 40), 200));
        }
        return capture();
    }
    Pixels capture() const {
        const SDL_Surface* s = screen->getSurface();
        const auto* pixels = static_cast<const uint8_t*>(s->pixels);
        return Pixels(pixels, pixels + s->pitch * s->h);
    }
    // What a pause frame at (x, y) over game picture `variant` leaves on screen.
    Pixels frame(int variant, int32_t x, int32_t y, const char* remark) {
        paintGame(variant);
        font->drawString("Game Paused", x, y);
        font->drawString(remark, x, y + 40);
        return capture();
    }

    // Runs the step while the pause shows frame n (from 1).
    void duringFrame(int n, Step step) {
        clock.at(clock.now() + kFrame * uint32_t(n - 1) + 1, std::move(step));
    }
    // A pause ended by a joystick button during its given frame.
    uint32_t pauseFor(int frames) {
        duringFrame(frames, [] { setButton(1); });
        const uint32_t lasted = pause->run();
        setButton(0);
        return lasted;
    }
    void letGoOfEverything() {
        delete keyboard;
        keyboard = new Keyboard();
        setButton(0);
        clock.clearSteps();
    }
    WorkingDir data{KRAVEX_DATA_DIR};
    InputDevices devices;
    SteppedClock clock{1000};
    std::unique_ptr<Font> font;
    std::unique_ptr<Pause> pause;
};

// The returned time shows the frame that ended the pause: the one the tried
// input came in, or the later one in which a letter came.
TEST_F(PauseScreen, KeysFrom256UpAndStickMovesDoNotResumeOtherKeysAndButtonsDo) {
    std::vector<std::pair<Step, bool>> cases;
    for (int32_t key : {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_LSHIFT, SDLK_RSHIFT,
                        SDLK_LCTRL, SDLK_RCTRL, SDLK_F1, SDLK_F2, SDLK_F12}) {
        cases.emplace_back(keyDown(key), false);
    }
    for (int32_t key : {SDLK_a, SDLK_z, SDLK_0, SDLK_SPACE, SDLK_RETURN, SDLK_ESCAPE}) {
        cases.emplace_back(keyDown(key), true);
    }
    cases.emplace_back([] { joystick->pad(0).record(-20000, 0, 0, nullptr); }, false);
    cases.emplace_back([] { joystick->pad(0).record(0, 20000, 0, nullptr); }, false);
    cases.emplace_back([] { setButton(1); }, true);
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        letGoOfEverything();
        duringFrame(2, cases[i].first);
        duringFrame(4, keyDown(SDLK_q));
        EXPECT_EQ(pause->run(), kFrame * (cases[i].second ? 2 : 4));
    }
}

// Keys held when F1 came (player 2 walking and firing) are no press after
// the pause began; a tap inside one frame is, and so is one during the first
// frame.
TEST_F(PauseScreen, OnlyAPressAfterThePauseBeganResumesHoweverShort) {
    press(SDLK_w);
    press(SDLK_LCTRL);
    press(SDLK_F1);
    ASSERT_TRUE(keyboard->consumeF1());
    duringFrame(3, [] {
        pushKey(SDL_KEYDOWN, SDLK_q);
        pushKey(SDL_KEYUP, SDLK_q);
    });
    duringFrame(6, keyDown(SDLK_x));
    EXPECT_EQ(pause->run(), kFrame * 3);
    EXPECT_TRUE(keyboard->isDown(SDLK_w)) << "still walking after the pause";

    letGoOfEverything();
    duringFrame(1, keyDown(SDLK_z));
    EXPECT_EQ(pause->run(), kFrame);
}

// Escape or F1 pressed in the pause stay there: the game is neither given up
// nor paused again in its next frame.
TEST_F(PauseScreen, EscapeAndF1FromThePauseDoNotReachTheGame) {
    duringFrame(2, keyDown(SDLK_F1));
    duringFrame(3, keyDown(SDLK_ESCAPE));
    EXPECT_EQ(pause->run(), kFrame * 3);
    EXPECT_EQ(SDL_PollEvent(nullptr), 0) << "the queue is left empty";
    EXPECT_FALSE(keyboard->consumeEscape()) << "the game would be given up";
    EXPECT_FALSE(keyboard->consumeF1()) << "the game would pause again";
    EXPECT_TRUE(keyboard->isDown(SDLK_ESCAPE));
}

// Each pause leaves its last frame on the screen: the picture frozen at its
// start with the title and that frame's remark at that frame's spot.
TEST_F(PauseScreen, RemarksFollowTheTableAcrossPausesOverAFreshSnapshotEachTime) {
    const struct {
        int frames;
        int32_t x, y;
        const char* remark;
    } pauses[] = {
        {1, 80, 230, kFirstRemark},
        {255, 78, 229, kFirstRemark}, // 256 frames in all, the last at phase -1
        {1, 80, 230, "Come back! I want to kill you with my aliens!"},
        {256 * 6, 80, 230, "I'm running out of these stupid comments."},
        {256, 80, 230, kFirstRemark},
    };
    int variant = 0;
    for (const auto& p : pauses) {
        SCOPED_TRACE(p.frames);
        paintGame(++variant);
        EXPECT_EQ(pauseFor(p.frames), kFrame * uint32_t(p.frames));
        const Pixels shown = capture();
        EXPECT_TRUE(shown == frame(variant, p.x, p.y, p.remark));
    }
}

// A turn of 6.28 and offsets cut toward zero keep x a pixel short of 30 and 130.
TEST(Pause, TheTextLoopsInsideItsBox) {
    const struct {
        int8_t phase;
        int32_t x, y;
    } spots[] = {{0, 80, 230},   {1, 82, 229},  {8, 99, 200},   {16, 115, 171},
                 {32, 129, 229}, {-1, 78, 229}, {-32, 31, 229}, {-128, 80, 229}};
    for (const auto& s : spots) {
        const Pause::TextSpot at = Pause::textSpot(s.phase);
        EXPECT_EQ(std::make_pair(at.x, at.y), std::make_pair(s.x, s.y)) << int(s.phase);
    }
    for (int phase = -128; phase < 128; ++phase) {
        const Pause::TextSpot at = Pause::textSpot(int8_t(phase));
        EXPECT_TRUE(at.x >= 30 && at.x <= 130 && at.y >= 170 && at.y <= 230) << phase;
    }
}

} // namespace
