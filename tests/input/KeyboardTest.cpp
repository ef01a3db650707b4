#include "input/Keyboard.h"

#include <gtest/gtest.h>
#include <vector>

#include "input/InputDevices.h"

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

TEST_F(KeyboardEvents, ScansSeeOnlyKeyCodesBelow256) {
    // 256 (keypad 0), the first code past the scanned range, is held but never
    // scanned.
    for (int32_t key : {SDLK_KP0, SDLK_UP, SDLK_LEFT, SDLK_F1, SDLK_RSHIFT, SDLK_LSHIFT, SDLK_RCTRL}) {
        press(key);
        EXPECT_TRUE(keyboard->isDown(key)) << key;
        EXPECT_FALSE(keyboard->anyDown() || keyboard->anyPressed()) << key;
        EXPECT_EQ(keyboard->lastDown(), -1) << key;
    }
    press(255);
    EXPECT_EQ(keyboard->lastDown(), 255) << "the last code scanned";
    release(255);
    press(SDLK_a);
    EXPECT_EQ(keyboard->lastDown(), SDLK_a);
    press(SDLK_DELETE);
    EXPECT_EQ(keyboard->lastDown(), SDLK_DELETE) << "127 is the highest code held below 256";
    release(SDLK_DELETE);
    release(SDLK_a);
    EXPECT_FALSE(keyboard->anyDown());
}

TEST_F(KeyboardEvents, TheFocusedReceiverGetsKeysInOrderAndOtherEventsAreDropped) {
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
    EXPECT_FALSE(board.anyPressed() || board.anyDown());
    board.keyDown(Keyboard::kKeyCount - 1);
    EXPECT_TRUE(board.isDown(Keyboard::kKeyCount - 1));
    EXPECT_TRUE(board.wasPressed(Keyboard::kKeyCount - 1));
}

TEST_F(KeyboardEvents, AttachedToSdlStateStaysWithinSdlsTable) {
    int count = 0;
    uint8_t* state = SDL_GetKeyState(&count);
    ASSERT_NE(state, nullptr);
    ASSERT_LT(count, Keyboard::kKeyCount) << "SDL's table is the shorter one";
    keyboard->attachPlatformState();
    keyboard->keyDown(SDLK_m);
    EXPECT_EQ(state[SDLK_m], 1) << "presses now write into SDL's table";
    EXPECT_EQ(keyboard->lastDown(), SDLK_m);
    keyboard->keyUp(SDLK_m);
    EXPECT_EQ(state[SDLK_m], 0);
    // Codes past SDL's table are neither written nor read.
    keyboard->keyDown(count);
    keyboard->keyDown(Keyboard::kKeyCount - 1);
    EXPECT_FALSE(keyboard->isDown(count) || keyboard->isDown(Keyboard::kKeyCount - 1));
    EXPECT_TRUE(keyboard->wasPressed(count)) << "the latch is ours and still full size";
}

} // namespace
