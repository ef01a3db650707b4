#include "audio/Sounds.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <memory>
#include <string>

#include "app/Console.h"
#include "app/Globals.h"
#include "audio/MixerFixture.h"
#include "audio/Sound.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/TestPictures.h"

namespace {

constexpr int kMs = 2000;

// With a start-up console, where a set reports how its loading went.
class SoundsTest : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        screen = new Buffer(640, 480, 24, kWindowModeWindow);
        ASSERT_TRUE(screen->isReady()) << SDL_GetError();
        dir.write("pics/font.pl", rawTga(fontSheet().picture, 24));
        dir.write("pics/console.pl", rawTga(Picture(64, 480), 24));
        font = std::make_unique<Font>("pics/font", 300, 80);
        console = new Console(64, 480, "pics/console", font.get());
        console->setVisible(false);
    }
    void TearDown() override {
        delete console;
        console = nullptr;
        font.reset();
        delete screen;
        screen = nullptr;
        MixerFixture::TearDown();
    }

    std::unique_ptr<Font> font;
};

TEST_F(SoundsTest, LoadsTheNumberedFilesAndReportsEachMissingOne) {
    struct Case {
        std::string base;
        // '1' where the file of that number exists.
        std::string present;
        int copy;
        std::string errors;
    };
    const std::string tooLong(60, 'x');
    const Case cases[] = {
        // From ten on the numbers have no leading zero.
        {"sounds/many", "111111111111", 1, ""},
        {"sounds/menu", "101", 1, "Error: sounds/menu02, i: 1, copy: 1\n"},
        {"sounds/none", "00", 2,
         "Error: sounds/none01, i: 0, copy: 2\nError: sounds/none02, i: 1, copy: 2\n"},
        {"sounds/nothing", "", 1, ""},
        // The name buffer holds 35 characters; a longer name is cut.
        {tooLong, "0", 1, "Error: " + std::string(35, 'x') + ", i: 0, copy: 1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        for (size_t i = 0; i < c.present.size(); i++) {
            if (c.present[i] == '1') {
                const int n = int(i) + 1;
                dir.write(c.base + (n < 10 ? "0" : "") + std::to_string(n) + ".sl", toneWav(kMs));
            }
        }
        Sounds set(int32_t(c.present.size()), c.copy);
        bool loaded = false;
        EXPECT_EQ(stderrOf([&] { loaded = set.load(c.base.c_str()); }), c.errors);
        EXPECT_EQ(loaded, c.errors.empty());
        EXPECT_EQ(console->line(console->getCount() - 1),
                  "Loading sounds \"" + c.base + "\"..." + (c.errors.empty() ? "OK" : "ERROR!"));
        EXPECT_EQ(set.getCount(), int32_t(c.present.size()));
        for (size_t i = 0; i < c.present.size(); i++) {
            EXPECT_EQ(set.get(int32_t(i))->isLoaded(), c.present[i] == '1') << i;
        }
        if (!c.present.empty()) {
            set.play(0);
            EXPECT_EQ(set.anyPlaying(), c.present[0] == '1');
            set.stop(0);
        }
    }
}

TEST_F(SoundsTest, PlayAndStopGoByIndexAndDoNothingBeforeLoading) {
    dir.write("sounds/gun01.sl", toneWav(kMs));
    dir.write("sounds/gun02.sl", toneWav(kMs));
    Sounds set(2);
    set.play(0);
    set.stop(1);
    EXPECT_FALSE(set.anyPlaying());
    // Loading twice must replace the first sounds, not leak them.
    ASSERT_TRUE(set.load("sounds/gun"));
    ASSERT_TRUE(set.load("sounds/gun"));
    set.play(1);
    EXPECT_FALSE(set.get(0)->isPlaying());
    EXPECT_TRUE(set.anyPlaying());
    // Stopping forgets the channel, so stopping again cannot reach another sound.
    for (int times = 0; times < 2; times++) {
        set.stop(1);
        EXPECT_EQ(Mix_Playing(-1), 0);
    }
    // Stop halts the channel even when another sound has taken it over since.
    set.play(0);
    const int channel = set.get(0)->getChannel();
    Mix_HaltChannel(channel);
    set.play(1);
    ASSERT_EQ(set.get(1)->getChannel(), channel);
    set.stop(0);
    EXPECT_EQ(Mix_Playing(channel), 0);
}

} // namespace
