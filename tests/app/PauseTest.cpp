// The pause screen: what resumes the game and what the game gets back.
#include "app/Pause.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/SteppedClock.h"
#include "support/GfxFixture.h"
#include "support/InputFixture.h"

namespace {

using Step = std::function<void()>;

// A frame lasts strictly more than 50 ms on a clock that moves only by sleeps.
constexpr uint32_t kFrame = 51;

Step keyDown(int32_t key) {
    return [key] { pushKey(SDL_KEYDOWN, key); };
}

class PauseScreen : public DisplayTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(input.ok) << SDL_GetError();
        openDisplay(16);
        font = std::make_unique<Font>("pics/font_gold", 502, 200);
        pause = std::make_unique<Pause>(screen.get(), font.get(), Pause::kRemarks, clock);
    }
    void TearDown() override {
        pause.reset();
        font.reset();
        DisplayTest::TearDown();
    }

    // Runs the step while the pause shows frame n (from 1).
    void duringFrame(int n, Step step) {
        clock.at(clock.now() + kFrame * uint32_t(n - 1) + 1, std::move(step));
    }
    void letGoOfEverything() {
        input.renew();
        clock.clearSteps();
    }
    Step setButton(uint8_t on) {
        return [this, on] { input.joystick().pad(0).record(0, 0, 1, &on); };
    }
    uint32_t runPause() { return pause->run(input.devices()); }
    WorkingDir data{KRAVEX_DATA_DIR};
    SdlInput input;
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
    cases.emplace_back([this] { input.joystick().pad(0).record(-20000, 0, 0, nullptr); }, false);
    cases.emplace_back([this] { input.joystick().pad(0).record(0, 20000, 0, nullptr); }, false);
    cases.emplace_back(setButton(1), true);
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        letGoOfEverything();
        duringFrame(2, cases[i].first);
        duringFrame(4, keyDown(SDLK_q));
        EXPECT_EQ(runPause(), kFrame * (cases[i].second ? 2 : 4));
    }
}

// Keys held when F1 came (player 2 walking and firing) are no press after
// the pause began; a tap inside one frame is, and so is one during the first
// frame.
TEST_F(PauseScreen, OnlyAPressAfterThePauseBeganResumesHoweverShort) {
    input.press(SDLK_w);
    input.press(SDLK_LCTRL);
    input.press(SDLK_F1);
    ASSERT_TRUE(input.keyboard().consumeF1());
    duringFrame(3, [] {
        pushKey(SDL_KEYDOWN, SDLK_q);
        pushKey(SDL_KEYUP, SDLK_q);
    });
    duringFrame(6, keyDown(SDLK_x));
    EXPECT_EQ(runPause(), kFrame * 3);
    EXPECT_TRUE(input.keyboard().isDown(SDLK_w)) << "still walking after the pause";

    letGoOfEverything();
    duringFrame(1, keyDown(SDLK_z));
    EXPECT_EQ(runPause(), kFrame);
}

// Escape or F1 pressed in the pause stay there: the game is neither given up
// nor paused again in its next frame.
TEST_F(PauseScreen, EscapeAndF1FromThePauseDoNotReachTheGame) {
    duringFrame(2, keyDown(SDLK_F1));
    duringFrame(3, keyDown(SDLK_ESCAPE));
    EXPECT_EQ(runPause(), kFrame * 3);
    EXPECT_EQ(SDL_PollEvent(nullptr), 0) << "the queue is left empty";
    EXPECT_FALSE(input.keyboard().consumeEscape()) << "the game would be given up";
    EXPECT_FALSE(input.keyboard().consumeF1()) << "the game would pause again";
    EXPECT_TRUE(input.keyboard().isDown(SDLK_ESCAPE));
}

} // namespace
