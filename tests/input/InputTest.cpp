#include "input/Input.h"

#include <gtest/gtest.h>

#include "support/InputFixture.h"

namespace {

// Feeds a field through SDL's queue: characters are tapped as the key of the
// same code; '<' is Backspace, '\n' Return, '[' and ']' hold and let go of
// Shift, and '*' is one drawn frame.
void play(SdlInput& input, Input& field, const std::string& script) {
    for (char c : script) {
        if (c == '*') {
            field.blinkCursor();
        } else if (c == '[' || c == ']') {
            c == '[' ? input.press(SDLK_LSHIFT) : input.release(SDLK_LSHIFT);
        } else {
            input.tap(c == '<'    ? int32_t(SDLK_BACKSPACE)
                      : c == '\n' ? int32_t(SDLK_RETURN)
                                  : int32_t(c));
        }
    }
}

TEST(InputEditing, KeysAndFramesGiveTheTextAndPosition) {
    SdlInput input;
    ASSERT_TRUE(input.ok) << SDL_GetError();
    const struct {
        const char* script;
        const char* text;
        int32_t position;
    } cases[] = {
        {"abcdefghijk", "abcdefghi ", 9}, // the last place is the cursor's
        {"<", "          ", 0},
        {"ab*", "ab*       ", 2},
        {"ab*<c", "ac        ", 2}, // Backspace takes the cursor with the letter
        {"abcdefghijk*", "abcdefghi*", 9},
        {"[a]b[cz]d", "AbCZd     ", 5},
        {"09.-\t", "          ", 0}, // keys that type nothing
        // Return wipes the cursor, and nothing after it counts.
        {"tom*\n[xy<\n**", "tom       ", 3},
    };
    for (const auto& c : cases) {
        Input field(10);
        input.focus().current = &field;
        play(input, field, c.script);
        EXPECT_EQ(field.getText(), c.text) << c.script;
        EXPECT_EQ(field.getPosition(), c.position) << c.script;
        EXPECT_EQ(field.isDone(), std::string(c.script).find('\n') != std::string::npos);
    }
    input.focus().current = nullptr;
}

} // namespace
