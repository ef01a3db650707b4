#include "input/Keyboard.h"

#include <gtest/gtest.h>

#include "support/InputFixture.h"

namespace {

TEST(KeyboardEvents, EscapeAndF1AreEachTakenOnceAPressEvenWhileHeld) {
    SdlInput input;
    ASSERT_TRUE(input.ok) << SDL_GetError();
    Keyboard& keys = input.keyboard();
    const auto take = [&keys](int32_t key) {
        return key == SDLK_ESCAPE ? keys.consumeEscape() : keys.consumeF1();
    };
    for (int32_t key : {SDLK_ESCAPE, SDLK_F1}) {
        input.press(key);
        EXPECT_FALSE(take(key == SDLK_ESCAPE ? SDLK_F1 : SDLK_ESCAPE)) << key;
        EXPECT_TRUE(take(key)) << key;
        input.devices().pump();
        EXPECT_FALSE(take(key)) << "held, not pressed again: " << key;
        input.release(key);
        input.tap(key);
        EXPECT_TRUE(take(key)) << key;
    }
}

TEST(KeyboardEvents, TheFocusedReceiverGetsKeysInOrderAndOtherEventsAreDropped) {
    SdlInput input;
    ASSERT_TRUE(input.ok) << SDL_GetError();
    Receiver receiver;
    input.focus().current = &receiver;
    SDL_Event other{};
    other.type = SDL_MOUSEMOTION;
    SDL_PushEvent(&other);
    pushKey(SDL_KEYDOWN, SDLK_b);
    pushKey(SDL_KEYDOWN, SDLK_UP);
    pushKey(SDL_KEYUP, SDLK_b);
    input.devices().pump();
    EXPECT_EQ(receiver.keys, (std::vector<int32_t>{SDLK_b, SDLK_UP, -SDLK_b}));
    EXPECT_EQ(SDL_PollEvent(&other), 0) << "the queue is drained";
    input.focus().current = nullptr;
    input.tap(SDLK_c);
    EXPECT_EQ(receiver.keys.size(), 3u) << "nothing reaches a receiver that lost the focus";
}

} // namespace
