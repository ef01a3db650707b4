#include "input/Input.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "audio/MixerFixture.h"
#include "audio/Sound.h"
#include "input/InputDevices.h"
#include "support/TempDir.h"

namespace {

// Feeds a field through SDL's queue. Most characters are tapped as the key of
// the same code; '<' is Backspace, '\n' Return, '[' and ']' hold and let go
// of Left Shift, '{' and '}' of Right Shift, and '*' is one drawn frame.
void play(Input& field, const std::string& script) {
    for (char c : script) {
        switch (c) {
        case '<':
            tap(SDLK_BACKSPACE);
            break;
        case '\n':
            tap(SDLK_RETURN);
            break;
        case '[':
            press(SDLK_LSHIFT);
            break;
        case ']':
            release(SDLK_LSHIFT);
            break;
        case '{':
            press(SDLK_RSHIFT);
            break;
        case '}':
            release(SDLK_RSHIFT);
            break;
        case '*':
            field.blinkCursor();
            break;
        default:
            tap(c);
        }
    }
}

TEST(InputEditing, KeysAndFramesGiveTheTextAndPosition) {
    InputDevices devices;
    ASSERT_TRUE(devices.ok) << SDL_GetError();
    const struct {
        const char* script;
        const char* text;
        int32_t position;
    } cases[] = {
        {"", "          ", 0},
        {"abcdefghijk", "abcdefghi ", 9}, // the last place is the cursor's
        {"a b         ", "a b       ", 9},
        {"<", "          ", 0},
        {"ab*", "ab*       ", 2},
        {"ab**", "ab        ", 2},
        {"ab***", "ab*       ", 2},
        {"ab*<c", "ac        ", 2}, // Backspace takes the cursor with the letter
        {"abcdefghijk**", "abcdefghi ", 9},
        {"abcdefghijk*", "abcdefghi*", 9},
        {"[a]b{cz}d", "AbCZd     ", 5},
        {"09.-\t", "          ", 0},
        // Return wipes the cursor, and nothing after it counts.
        {"tom*\n", "tom       ", 3},
        {"tom*\n[xy<\n**", "tom       ", 3},
    };
    for (const auto& c : cases) {
        Input field(10);
        inputFocus->current = &field;
        play(field, c.script);
        EXPECT_EQ(field.getText(), c.text) << c.script;
        EXPECT_EQ(field.getPosition(), c.position) << c.script;
        EXPECT_EQ(field.isDone(), std::string(c.script).find('\n') != std::string::npos);
    }
    Input field(10);
    inputFocus->current = &field;
    for (int32_t key : {SDLK_LEFT, SDLK_F1}) {
        tap(key);
    }
    EXPECT_EQ(field.getText(), std::string(10, ' ')) << "keys that type nothing";
    inputFocus->current = nullptr;
}

TEST(InputEditing, TinyFieldsTakeNoLettersButStayValid) {
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

// The field with the typing sound loaded.
class InputClicks : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        ASSERT_TRUE(devices.ok) << SDL_GetError();
        dir.write("sounds/menu01.sl", toneWav(40));
        typingSound = new Sound(dir.file("sounds/menu01").c_str());
        ASSERT_TRUE(typingSound->isLoaded());
        inputFocus->current = &field;
    }
    void TearDown() override {
        delete typingSound;
        typingSound = nullptr;
        MixerFixture::TearDown();
    }

    InputDevices devices;
    Input field{10};
};

TEST_F(InputClicks, EveryPressClicksEvenAfterReturnButNoRelease) {
    for (int32_t key :
         {SDLK_a, SDLK_F1, SDLK_LSHIFT, SDLK_BACKSPACE, SDLK_b, SDLK_RETURN, SDLK_c, SDLK_RETURN}) {
        ASSERT_TRUE(waitUntilChannelIdle(-1));
        // The mixer is held still between the press and the look, so a busy
        // machine cannot play the whole short click in between.
        SDL_LockAudio();
        press(key);
        EXPECT_TRUE(typingSound->isPlaying()) << key;
        SDL_UnlockAudio();
        ASSERT_TRUE(waitUntilChannelIdle(-1));
        release(key);
        EXPECT_FALSE(typingSound->isPlaying()) << key;
    }
    EXPECT_TRUE(field.isDone());
    EXPECT_EQ(field.getText(), "b         ");
}

} // namespace
