#include "input/Keyboard.h"

#include <gtest/gtest.h>
#include <vector>

#include "input/InputDevices.h"
#include "input/QuitRequest.h"

namespace {

// Records what reaches it through the focus.
class Recorder : public Focusable {
  public:
    void keyDown(int32_t key) override { events.push_back(key); }
    void keyUp(int32_t key) override { events.push_back(-key); }
    std::vector<int32_t> events;
};

class KeyboardEvents : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(devices.ok) << SDL_GetError(); }
    InputDevices devices;
};

TEST_F(KeyboardEvents, EscapeAndF1LatchesAreEachConsumedOnceEvenWhileHeld) {
    const struct {
        int32_t key;
        bool (Keyboard::*consume)();
        bool (Keyboard::*other)();
    } latches[] = {{SDLK_ESCAPE, &Keyboard::consumeEscape, &Keyboard::consumeF1},
                   {SDLK_F1, &Keyboard::consumeF1, &Keyboard::consumeEscape}};
    for (const auto& l : latches) {
        EXPECT_FALSE((keyboard->*l.consume)());
        press(l.key);
        EXPECT_TRUE(keyboard->isDown(l.key));
        EXPECT_FALSE((keyboard->*l.other)()) << "the latches are independent";
        EXPECT_TRUE((keyboard->*l.consume)());
        EXPECT_FALSE(keyboard->isDown(l.key)) << "consuming clears the held state too";
        pumpEvents();
        EXPECT_FALSE((keyboard->*l.consume)()) << "no new press, no new latch";
        release(l.key);
        press(l.key);
        EXPECT_TRUE((keyboard->*l.consume)());
        keyboard->setPressed(l.key);
        EXPECT_TRUE((keyboard->*l.consume)());
        release(l.key);
    }
}

TEST_F(KeyboardEvents, ReleaseKeepsTheLatchUntilCleared) {
    EXPECT_FALSE(keyboard->anyPressed());
    tap(SDLK_q);
    EXPECT_FALSE(keyboard->isDown(SDLK_q));
    EXPECT_TRUE(keyboard->wasPressed(SDLK_q));
    tap(SDLK_0);
    keyboard->clearPressed(SDLK_q);
    EXPECT_TRUE(keyboard->anyPressed()) << "the 0 key is still latched";
    keyboard->clearPressed(SDLK_0);
    EXPECT_FALSE(keyboard->anyPressed());
}

TEST_F(KeyboardEvents, ScansSeeOnlyKeyCodesBelow256AndForgettingKeepsKeysHeld) {
    // 256 (keypad 0), the first code past the scanned range, is latched but
    // never scanned.
    for (int32_t key : {SDLK_KP0, SDLK_UP, SDLK_LEFT, SDLK_F1, SDLK_RSHIFT, SDLK_LSHIFT, SDLK_RCTRL}) {
        press(key);
        EXPECT_TRUE(keyboard->isDown(key)) << key;
        EXPECT_FALSE(keyboard->anyPressed()) << key;
    }
    press(255);
    EXPECT_TRUE(keyboard->anyPressed()) << "the last code scanned";
    press(SDLK_ESCAPE);
    keyboard->forgetScreenKeys();
    EXPECT_TRUE(keyboard->wasPressed(255) && keyboard->isDown(SDLK_ESCAPE));
    EXPECT_FALSE(keyboard->wasPressed(SDLK_ESCAPE) || keyboard->wasPressed(SDLK_F1));
    keyboard->forgetPresses();
    EXPECT_FALSE(keyboard->anyPressed() || keyboard->wasPressed(SDLK_KP0));
    EXPECT_TRUE(keyboard->isDown(255) && keyboard->isDown(SDLK_KP0));
    for (int32_t key : {255, int(SDLK_ESCAPE), int(SDLK_KP0), int(SDLK_UP), int(SDLK_LEFT),
                        int(SDLK_F1), int(SDLK_RSHIFT), int(SDLK_LSHIFT), int(SDLK_RCTRL)}) {
        release(key);
    }
}

TEST_F(KeyboardEvents, TheFocusedReceiverGetsKeysInOrderQuitIsRaisedAndOtherEventsAreDropped) {
    press(SDLK_x);
    EXPECT_TRUE(keyboard->isDown(SDLK_x)) << "without focus keys still reach the keyboard";
    Recorder recorder;
    inputFocus->current = &recorder;
    SDL_Event other{};
    for (uint8_t type : {SDL_QUIT, SDL_MOUSEMOTION}) {
        other.type = type;
        SDL_PushEvent(&other);
    }
    pushKey(SDL_KEYDOWN, SDLK_b);
    pushKey(SDL_KEYDOWN, SDLK_UP);
    pushKey(SDL_KEYUP, SDLK_b);
    pumpEvents();
    EXPECT_EQ(recorder.events, (std::vector<int32_t>{SDLK_b, SDLK_UP, -SDLK_b}));
    EXPECT_TRUE(QuitRequest::isRaised()) << "the window's close button asks to quit";
    QuitRequest::clear();
    EXPECT_TRUE(keyboard->isDown(SDLK_UP));
    EXPECT_FALSE(keyboard->isDown(SDLK_b));
    EXPECT_EQ(SDL_PollEvent(&other), 0) << "the queue is drained";

    inputFocus->current = nullptr;
    tap(SDLK_c);
    EXPECT_EQ(recorder.events.size(), 3u) << "nothing reaches a receiver that lost the focus";
}

TEST(Keyboard, OutOfRangeCodesAreIgnored) {
    Keyboard board;
    for (int32_t key : {-1, -1000, Keyboard::kKeyCount, Keyboard::kKeyCount + 1, INT32_MAX}) {
        board.keyDown(key);
        board.setPressed(key);
        EXPECT_FALSE(board.isDown(key) || board.wasPressed(key)) << key;
        board.keyUp(key);
        board.clearPressed(key);
    }
    EXPECT_FALSE(board.anyPressed());
    board.keyDown(Keyboard::kKeyCount - 1);
    EXPECT_TRUE(board.isDown(Keyboard::kKeyCount - 1));
    EXPECT_TRUE(board.wasPressed(Keyboard::kKeyCount - 1));
}

} // namespace
