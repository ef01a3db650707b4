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

TEST(KeyboardEvents, EscapeLatchIsConsumedOnceEvenWhileHeld) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    EXPECT_FALSE(keyboard->consumeEscape());
    press(SDLK_ESCAPE);
    EXPECT_TRUE(keyboard->isDown(SDLK_ESCAPE));
    EXPECT_TRUE(keyboard->consumeEscape());
    EXPECT_FALSE(keyboard->isDown(SDLK_ESCAPE)) << "consuming clears the held state too";
    EXPECT_FALSE(keyboard->consumeEscape());
    pumpEvents();
    EXPECT_FALSE(keyboard->consumeEscape()) << "no new press, no new latch";
    release(SDLK_ESCAPE);
    press(SDLK_ESCAPE);
    EXPECT_TRUE(keyboard->consumeEscape());
}

TEST(KeyboardEvents, F1LatchWorksLikeEscapeAndTheyAreIndependent) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    tap(SDLK_F1);
    EXPECT_FALSE(keyboard->consumeEscape());
    EXPECT_TRUE(keyboard->consumeF1());
    EXPECT_FALSE(keyboard->consumeF1());
    keyboard->setPressed(SDLK_F1);
    EXPECT_TRUE(keyboard->consumeF1());
}

TEST(KeyboardEvents, ReleaseKeepsTheLatchUntilCleared) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    EXPECT_FALSE(keyboard->anyPressed());
    tap(SDLK_q);
    EXPECT_FALSE(keyboard->isDown(SDLK_q));
    EXPECT_TRUE(keyboard->wasPressed(SDLK_q));
    EXPECT_TRUE(keyboard->anyPressed());
    tap(SDLK_0);
    keyboard->clearPressed(SDLK_q);
    EXPECT_TRUE(keyboard->anyPressed()) << "the 0 key is still latched";
    keyboard->clearPressed(SDLK_0);
    EXPECT_FALSE(keyboard->anyPressed());
}

TEST(KeyboardEvents, ScansSeeOnlyKeyCodesBelow256) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    for (int32_t key : {SDLK_UP, SDLK_LEFT, SDLK_F1, SDLK_RSHIFT, SDLK_LSHIFT, SDLK_RCTRL}) {
        press(key);
        EXPECT_TRUE(keyboard->isDown(key)) << key;
        EXPECT_FALSE(keyboard->anyDown()) << key;
        EXPECT_EQ(keyboard->lastDown(), -1) << key;
        EXPECT_FALSE(keyboard->anyPressed()) << key;
    }
    press(SDLK_a);
    EXPECT_TRUE(keyboard->anyDown());
    EXPECT_EQ(keyboard->lastDown(), SDLK_a);
    press(SDLK_DELETE);
    EXPECT_EQ(keyboard->lastDown(), SDLK_DELETE) << "127 is the highest code held below 256";
    release(SDLK_DELETE);
    release(SDLK_a);
    EXPECT_FALSE(keyboard->anyDown());
}

TEST(KeyboardEvents, WithoutFocusKeysStillReachTheKeyboard) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    ASSERT_EQ(inputFocus->current, nullptr);
    press(SDLK_x);
    EXPECT_TRUE(keyboard->isDown(SDLK_x));
}

TEST(KeyboardEvents, FocusedReceiverGetsPressesAndReleasesInOrder) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    Recorder recorder;
    inputFocus->current = &recorder;
    pushKey(SDL_KEYDOWN, SDLK_b);
    pushKey(SDL_KEYDOWN, SDLK_UP);
    pushKey(SDL_KEYUP, SDLK_b);
    pumpEvents();
    EXPECT_EQ(recorder.events, (std::vector<int32_t>{SDLK_b, SDLK_UP, -SDLK_b}));
    EXPECT_TRUE(keyboard->isDown(SDLK_UP));
    EXPECT_FALSE(keyboard->isDown(SDLK_b));

    inputFocus->current = nullptr;
    tap(SDLK_c);
    EXPECT_EQ(recorder.events.size(), 3u) << "nothing reaches a receiver that lost the focus";
}

TEST(KeyboardEvents, OtherEventsAndTheCloseRequestAreDropped) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    Recorder recorder;
    inputFocus->current = &recorder;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    SDL_PushEvent(&motion);
    pushKey(SDL_KEYDOWN, SDLK_z);
    pumpEvents();
    EXPECT_EQ(recorder.events, std::vector<int32_t>{SDLK_z});
    SDL_Event left{};
    EXPECT_EQ(SDL_PollEvent(&left), 0) << "the queue is drained";
}

TEST(Keyboard, OutOfRangeCodesAreIgnored) {
    Keyboard board;
    for (int32_t key : {-1, -1000, Keyboard::kKeyCount, Keyboard::kKeyCount + 1, INT32_MAX}) {
        board.keyDown(key);
        board.setPressed(key);
        EXPECT_FALSE(board.isDown(key)) << key;
        EXPECT_FALSE(board.wasPressed(key)) << key;
        board.keyUp(key);
        board.clearPressed(key);
    }
    EXPECT_FALSE(board.anyPressed());
    EXPECT_FALSE(board.anyDown());
    board.keyDown(Keyboard::kKeyCount - 1);
    EXPECT_TRUE(board.isDown(Keyboard::kKeyCount - 1));
    EXPECT_TRUE(board.wasPressed(Keyboard::kKeyCount - 1));
}

TEST(Keyboard, AttachedToSdlStateStaysWithinSdlsTable) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    int count = 0;
    uint8_t* state = SDL_GetKeyState(&count);
    ASSERT_NE(state, nullptr);
    ASSERT_LT(count, Keyboard::kKeyCount) << "SDL's table is the shorter one";
    keyboard->attachPlatformState();
    keyboard->keyDown(SDLK_m);
    EXPECT_EQ(state[SDLK_m], 1) << "presses now write into SDL's table";
    EXPECT_TRUE(keyboard->isDown(SDLK_m));
    EXPECT_EQ(keyboard->lastDown(), SDLK_m);
    keyboard->keyUp(SDLK_m);
    EXPECT_EQ(state[SDLK_m], 0);
    // Codes past SDL's table are neither written nor read.
    keyboard->keyDown(count);
    keyboard->keyDown(Keyboard::kKeyCount - 1);
    EXPECT_FALSE(keyboard->isDown(count));
    EXPECT_FALSE(keyboard->isDown(Keyboard::kKeyCount - 1));
    EXPECT_TRUE(keyboard->wasPressed(count)) << "the latch is ours and still full size";
}

} // namespace
