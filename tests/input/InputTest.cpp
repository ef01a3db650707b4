#include "input/Input.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "audio/MixerFixture.h"
#include "audio/Sound.h"
#include "input/InputDevices.h"
#include "support/TempDir.h"

namespace {

// An input field holding the focus, fed through SDL's queue.
class InputEditing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(devices.ok) << SDL_GetError();
        inputFocus->current = &field;
    }
    void type(const char* letters) {
        for (const char* c = letters; *c != '\0'; ++c) {
            tap(*c);
        }
    }

    InputDevices devices;
    Input field{10};
};

TEST_F(InputEditing, StartsAsTenSpaces) {
    EXPECT_EQ(field.getText(), std::string(10, ' '));
    EXPECT_EQ(field.getPosition(), 0);
    EXPECT_FALSE(field.isDone());
}

TEST_F(InputEditing, ElevenLettersStoreNine) {
    type("abcdefghijk");
    EXPECT_EQ(field.getText(), "abcdefghi ");
    EXPECT_EQ(field.getPosition(), 9);
}

TEST_F(InputEditing, SpacesCountLikeLetters) {
    type("a b");
    EXPECT_EQ(field.getText(), "a b       ");
    type("         ");
    EXPECT_EQ(field.getPosition(), 9);
}

TEST_F(InputEditing, BackspaceAtTheStartChangesNothing) {
    tap(SDLK_BACKSPACE);
    EXPECT_EQ(field.getPosition(), 0);
    EXPECT_EQ(field.getText(), std::string(10, ' '));
}

TEST_F(InputEditing, BackspaceRemovesTheLetterAndTheCursor) {
    type("ab");
    field.blinkCursor();
    ASSERT_EQ(field.getText(), "ab*       ");
    tap(SDLK_BACKSPACE);
    EXPECT_EQ(field.getText(), "a         ");
    EXPECT_EQ(field.getPosition(), 1);
    type("c");
    EXPECT_EQ(field.getText(), "ac        ");
}

TEST_F(InputEditing, EitherShiftGivesCapitalsWhileHeld) {
    press(SDLK_LSHIFT);
    type("a");
    release(SDLK_LSHIFT);
    type("b");
    press(SDLK_RSHIFT);
    type("cz");
    release(SDLK_RSHIFT);
    type("d");
    EXPECT_EQ(field.getText(), "AbCZd     ");
}

TEST_F(InputEditing, DigitsPunctuationAndArrowsCannotBeTyped) {
    for (int32_t key : {SDLK_0, SDLK_9, SDLK_PERIOD, SDLK_MINUS, SDLK_LEFT, SDLK_TAB, SDLK_F1}) {
        tap(key);
    }
    EXPECT_EQ(field.getPosition(), 0);
    EXPECT_EQ(field.getText(), std::string(10, ' '));
}

TEST_F(InputEditing, ReturnFinishesAndLaterKeysChangeNothing) {
    type("tom");
    field.blinkCursor();
    ASSERT_EQ(field.getText(), "tom*      ");
    tap(SDLK_RETURN);
    EXPECT_TRUE(field.isDone());
    EXPECT_EQ(field.getText(), "tom       ") << "Return wipes the cursor";
    EXPECT_EQ(field.getPosition(), 3);
    press(SDLK_LSHIFT);
    type("xy");
    tap(SDLK_BACKSPACE);
    tap(SDLK_RETURN);
    EXPECT_EQ(field.getText(), "tom       ");
    EXPECT_EQ(field.getPosition(), 3);
    field.blinkCursor();
    field.blinkCursor();
    EXPECT_EQ(field.getText(), "tom       ") << "no cursor comes back after Return";
}

TEST_F(InputEditing, CursorBlinksEveryOtherFrameAtThePosition) {
    type("ab");
    field.blinkCursor();
    EXPECT_EQ(field.getText()[2], '*');
    field.blinkCursor();
    EXPECT_EQ(field.getText()[2], ' ');
    field.blinkCursor();
    EXPECT_EQ(field.getText()[2], '*');
    type("cdefghijk");
    field.blinkCursor();
    EXPECT_EQ(field.getText(), "abcdefghi ") << "the last place only shows the cursor";
    field.blinkCursor();
    EXPECT_EQ(field.getText(), "abcdefghi*");
}

TEST(Input, TinyFieldsTakeNoLettersButStayValid) {
    for (int32_t length : {-5, 0, 1}) {
        Input field(length);
        field.keyDown(SDLK_a);
        field.blinkCursor();
        EXPECT_EQ(field.getText(), "*") << length;
        field.keyDown(SDLK_BACKSPACE);
        field.keyDown(SDLK_RETURN);
        EXPECT_EQ(field.getText(), " ") << length;
    }
}

// The field with the typing sound loaded, fed through SDL's queue.
class InputClicks : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        ASSERT_TRUE(devices.ok) << SDL_GetError();
        dir.write("sounds/menu01.sl", toneWav(kClickMs));
        typingSound = new Sound(dir.file("sounds/menu01").c_str());
        ASSERT_TRUE(typingSound->isLoaded());
        inputFocus->current = &field;
    }
    void TearDown() override {
        delete typingSound;
        typingSound = nullptr;
        MixerFixture::TearDown();
    }
    // Presses the key once the click before it has died away, and tells
    // whether this press clicked.
    bool clicks(int32_t key) {
        EXPECT_TRUE(waitUntilChannelIdle(-1));
        EXPECT_FALSE(typingSound->isPlaying());
        press(key);
        const bool clicked = typingSound->isPlaying();
        release(key);
        return clicked;
    }

    static constexpr int kClickMs = 40;
    InputDevices devices;
    TempDir dir;
    Input field{10};
};

TEST_F(InputClicks, EveryPressClicksEvenKeysThatTypeNothing) {
    EXPECT_TRUE(clicks(SDLK_a));
    EXPECT_TRUE(clicks(SDLK_F1));
    EXPECT_TRUE(clicks(SDLK_LSHIFT));
    EXPECT_TRUE(clicks(SDLK_BACKSPACE));
    EXPECT_EQ(field.getText(), std::string(10, ' '));
}

TEST_F(InputClicks, AfterReturnKeysStillClickButChangeNothing) {
    EXPECT_TRUE(clicks(SDLK_b));
    EXPECT_TRUE(clicks(SDLK_RETURN));
    ASSERT_TRUE(field.isDone());
    EXPECT_TRUE(clicks(SDLK_c));
    EXPECT_TRUE(clicks(SDLK_RETURN));
    EXPECT_EQ(field.getText(), "b         ");
}

TEST_F(InputClicks, ReleasesDoNotClick) {
    press(SDLK_d);
    ASSERT_TRUE(waitUntilChannelIdle(-1));
    release(SDLK_d);
    EXPECT_FALSE(typingSound->isPlaying());
}

} // namespace
