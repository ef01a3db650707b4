// The help viewer with a test font whose glyphs are solid boxes, on a black
// screen, so every painted pixel belongs to the page: where lines and
// pictures land, how keys scroll and turn pages, how the credits roll and
// fade, and what hostile page files do.
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/SteppedClock.h"
#include "gfx/TestPictures.h"
#include "input/InputDevices.h"
#include "store/CipherFiles.h"
#include "ui/BobHelpItem.h"
#include "ui/Help.h"
#include "ui/TextHelpItem.h"

namespace {

constexpr uint32_t kBoxColour = 0x30C040;
constexpr int kBoxWidth = 32;
constexpr int kBoxHeight = 20;
const char* const kBoxLine = "|P|pics/box|32|20|\n";
// The first line's bottom with the test font: its height 10, then 10 more.
constexpr int kFirstBottom = 20;

struct Box {
    int left = 640, top = 480, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};

std::string lines(int count, const std::string& line = "A") {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line + "\n";
    }
    return text;
}

class HelpTest : public FolderTest {
  protected:
    void SetUp() override {
        openDisplay(16);
        std::filesystem::create_directory(folder.path() / "dat");
        std::filesystem::create_directory(folder.path() / "pics");
        folder.write("font.pl", rawTga(fontSheet().picture, 24));
        // The corner's colour is transparent, and only that pixel has it.
        Picture box(kBoxWidth, kBoxHeight, kBoxColour);
        box.at(0, 0) = 0x0000FF;
        folder.write("pics/box.bl", rawTga(box, 24));
        font = std::make_unique<Font>("font", 300, 80);
        keyboard = new Keyboard();
        inputFocus = new Focus();
    }
    void TearDown() override {
        help.reset();
        font.reset();
        delete keyboard;
        delete inputFocus;
        keyboard = nullptr;
        inputFocus = nullptr;
        FolderTest::TearDown();
    }

    // Pages without a backdrop: each frame would cost a full-screen copy, and
    // the tests that look at the screen clear it themselves.
    Help& makeHelp(const std::vector<std::string>& pages, int32_t speed = 6) {
        for (size_t i = 0; i < pages.size(); ++i) {
            writeEnciphered(folder, "dat/page0" + std::to_string(i + 1) + ".dat", pages[i]);
        }
        help = std::make_unique<Help>(int32_t(pages.size()), "dat/page", font.get(), nullptr, speed,
                                      clock);
        help->loadPage();
        return *help;
    }

    void drawOnBlack() const {
        SDL_FillRect(screen->getSurface(), nullptr, 0);
        help->drawPage();
    }

    // Where pixels differ from black within columns [from, to).
    static Box painted(int from = 0, int to = 640) {
        Box box;
        for (int y = 0; y < 480; ++y) {
            for (int x = from; x < to; ++x) {
                if (screen->getPixel(x, y) != 0) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                           std::max(box.bottom, y)};
                }
            }
        }
        return box;
    }

    static std::string screenBytes() {
        const SDL_Surface* surface = screen->getSurface();
        return std::string(static_cast<const char*>(surface->pixels), surface->pitch * surface->h);
    }

    // Holds each key for its number of frames, one after the other.
    void hold(const std::vector<std::pair<int32_t, int>>& steps) {
        for (const auto& [key, frames] : steps) {
            help->keyDown(key);
            for (int i = 0; i < frames; ++i) {
                help->frame();
            }
            help->keyUp(key);
        }
    }

    int countKind(int32_t kind) const {
        int count = 0;
        help->forEachItem([&](Linkable& item) { count += item.getKind() == kind ? 1 : 0; });
        return count;
    }

    SteppedClock clock;
    std::unique_ptr<Font> font;
    std::unique_ptr<Help> help;
};

TEST_F(HelpTest, PictureThenTextShareTheirBottomLineFivePixelsApart) {
    makeHelp({std::string(kBoxLine) + "A\n"}).drawPage();
    const Box picture = painted(0, 55);
    const Box text = painted(52, 640);
    EXPECT_EQ(picture.left, 20);
    EXPECT_EQ(picture.right, 20 + kBoxWidth - 1);
    EXPECT_EQ(text.left, picture.right + 1 + 5);
    EXPECT_EQ(text.bottom, picture.bottom);
    EXPECT_EQ(text.bottom, kFirstBottom - 1);
}

TEST_F(HelpTest, TextThenPictureStandsOnTheTextsTopRightAfterIt) {
    makeHelp({"\n\nAA\n" + std::string(kBoxLine)}).drawPage();
    const int textEnd = 20 + font->width("AA");
    const Box text = painted(0, textEnd);
    const Box picture = painted(textEnd, 640);
    EXPECT_EQ(picture.left, textEnd);
    EXPECT_EQ(picture.bottom + 1, text.top);
    EXPECT_EQ(picture.bottom - picture.top + 1, kBoxHeight);
}

TEST_F(HelpTest, KeysScrollBySpeedOrFourTimesItNeverAboveTheTop) {
    struct Case {
        std::vector<std::pair<int32_t, int>> steps;
        int32_t scroll;
    };
    const Case cases[] = {
        {{{SDLK_DOWN, 1}}, -6},
        {{{SDLK_PAGEDOWN, 1}}, -24},
        {{{SDLK_PAGEDOWN, 3}, {SDLK_UP, 2}}, -60},
        {{{SDLK_PAGEDOWN, 3}, {SDLK_PAGEUP, 1}}, -48},
        {{{SDLK_UP, 3}, {SDLK_PAGEUP, 3}}, 0},
        // A long step up stops at the top instead of leaving a gap above it.
        {{{SDLK_DOWN, 1}, {SDLK_PAGEUP, 1}}, 0},
        {{{SDLK_LEFT, 1}, {SDLK_RIGHT, 1}, {SDLK_a, 1}}, 0},
    };
    for (const Case& c : cases) {
        makeHelp({lines(60)});
        hold(c.steps);
        EXPECT_EQ(help->getScroll(), c.scroll) << "after " << c.steps.size() << " steps";
    }
}

TEST_F(HelpTest, ScrollingDownStopsWithTheLastLineOnTheScreen) {
    makeHelp({lines(3)});
    hold({{SDLK_PAGEDOWN, 5}});
    EXPECT_EQ(help->getScroll(), 0) << "a page that fits does not move";

    // However long the page, its end can be reached, and no further.
    const std::string last(30, 'A');
    makeHelp({lines(3000) + last + "\n"}, 40);
    hold({{SDLK_PAGEDOWN, 400}});
    drawOnBlack();
    EXPECT_EQ(help->getContentBottom(), 480);
    // Only the last line reaches this far right.
    const Box lastLine = painted(20 + font->width(std::string(29, 'A').c_str()), 640);
    EXPECT_EQ(lastLine.bottom, 480 - 5 - font->lineHeight() - 1);
}

TEST_F(HelpTest, PagesTurnWithinTheRangeAndSoundOnlyWhenTheyDo) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
    audioEnabled = 1;
    std::filesystem::create_directory_symlink(std::filesystem::path(KRAVEX_DATA_DIR) / "sounds",
                                              folder.path() / "sounds");
    makeHelp({lines(60), lines(61), lines(62)});
    help->setSounds("sounds/help");
    help->keyDown(SDLK_DOWN);
    help->frame();
    EXPECT_GT(Mix_Playing(-1), 0) << "scrolling sounds";
    help->keyUp(SDLK_DOWN);
    EXPECT_EQ(Mix_Playing(-1), 0) << "and stops when the key is let go";
    struct Turn {
        int32_t key;
        int32_t page;
        bool sounds;
    };
    const Turn turns[] = {{SDLK_LEFT, 0, false},
                          {SDLK_RIGHT, 1, true},
                          {SDLK_RIGHT, 2, true},
                          {SDLK_RIGHT, 2, false},
                          {SDLK_LEFT, 1, true}};
    for (const Turn& turn : turns) {
        hold({{SDLK_DOWN, 2}});
        const int32_t scrolled = help->getScroll();
        help->keyDown(turn.key);
        EXPECT_EQ(help->getPage(), turn.page);
        EXPECT_EQ(Mix_Playing(-1) > 0, turn.sounds) << "to page " << turn.page;
        EXPECT_EQ(countKind(Help::kTextKind), 60 + turn.page) << "the page's own lines";
        EXPECT_EQ(help->getScroll(), turn.sounds ? 0 : scrolled);
        Mix_HaltChannel(-1);
    }
    help.reset();
    Mix_CloseAudio();
    audioEnabled = 0;
}

TEST_F(HelpTest, CreditsRollUpWholePagesThenFinish) {
    makeHelp({lines(300), lines(1)}, 4);
    help->setInteractive(0);
    EXPECT_EQ(help->getScroll(), 480);
    help->keyDown(SDLK_RIGHT);
    EXPECT_EQ(help->getPage(), 0) << "the credits ignore keys";

    int32_t before = 480;
    int32_t bottom = 480;
    for (int frame = 0; frame < 2000 && help->getPage() == 0; ++frame) {
        before = bottom;
        help->frame();
        bottom = help->getContentBottom();
    }
    // Turned only once the very end of the long page had gone above the top.
    EXPECT_LT(bottom, 1);
    EXPECT_GE(before, 1);
    EXPECT_EQ(help->getScroll(), 480);
    for (int frame = 0; frame < 200 && !help->isFinished(); ++frame) {
        help->frame();
    }
    EXPECT_TRUE(help->isFinished());
    EXPECT_EQ(help->getPage(), 1);
}

TEST_F(HelpTest, RunEndsOnEscapeOrAfterTheLastCreditsAndLetsGoOfTheFocus) {
    constexpr uint32_t kEscapeAfterMs = 500;
    for (uint8_t interactive : {1, 0}) {
        makeHelp({lines(2)}, 4);
        help->setInteractive(interactive);
        const uint32_t escapeAt = clock.now() + kEscapeAfterMs;
        if (interactive) {
            // An Escape left from the screen before is forgotten; one pressed
            // while the help shows ends it.
            pushKey(SDL_KEYDOWN, SDLK_ESCAPE);
            clock.at(escapeAt, [] { pushKey(SDL_KEYDOWN, SDLK_ESCAPE); });
        }
        help->run();
        EXPECT_EQ(help->isFinished(), !interactive);
        EXPECT_GE(clock.now(), interactive ? escapeAt : 0);
        EXPECT_EQ(inputFocus->current, nullptr);
    }
}

TEST_F(HelpTest, FadingCreditsAreOpaqueAtTheCentreOnly) {
    struct Case {
        std::string page;
        int32_t bottom;
        bool opaque;
        bool visible;
    };
    const Case cases[] = {{"AAAA\n", 240, true, true},
                          {"AAAA\n", 242, true, true},
                          {"AAAA\n", 140, false, true},
                          {"AAAA\n", 360, false, true},
                          // Far enough from the centre, a picture must not wrap round to opaque.
                          {kBoxLine, 498, false, false}};
    for (const Case& c : cases) {
        makeHelp({c.page}, 2);
        help->setInteractive(0);
        for (int frame = 0; frame < 480 && help->getScroll() + kFirstBottom > c.bottom; ++frame) {
            help->frame();
        }
        ASSERT_EQ(help->getScroll() + kFirstBottom, c.bottom);
        help->setFading(1);
        drawOnBlack();
        const std::string faded = screenBytes();
        help->setFading(0);
        drawOnBlack();
        EXPECT_EQ(faded == screenBytes(), c.opaque) << "bottom line " << c.bottom;
        help->setFading(1);
        drawOnBlack();
        EXPECT_EQ(!painted().empty(), c.visible) << "bottom line " << c.bottom;
    }
}

TEST_F(HelpTest, HostilePageFilesGiveAMessageAndWhatCanBeShown) {
    struct Case {
        const char* what;
        std::optional<std::string> page;
        int texts;
        int pictures;
        bool message;
    };
    std::string garbage;
    for (uint32_t i = 0, r = 7; i < 5000; ++i, r = r * 1103515245 + 12345) {
        garbage.push_back(char(r >> 16));
    }
    const Case cases[] = {
        {"missing", std::nullopt, 0, 0, true},
        {"empty", "", 0, 0, false},
        {"one huge line", std::string(1 << 20, 'A'), 1, 0, false},
        {"too many lines", lines(12000), 10000, 0, true},
        {"a note", "|note for editors\n", 0, 0, false},
        {"missing picture file", "|P|pics/none|32|20|\n", 0, 1, false},
        {"third character is free", "|Pxpics/box|32|20|\n", 0, 1, false},
        {"height not ended", "|P|pics/box|32|20\nA\n", 1, 0, true},
        {"no height", "|P|pics/box|32|\n", 0, 0, true},
        {"no fields", "|P\n", 0, 0, true},
        {"no name", "|P||32|20|\n", 0, 0, true},
        {"zero width", "|P|pics/box|0|20|\n", 0, 0, true},
        {"huge height", "|P|pics/box|32|99999|\n", 0, 0, true},
        {"not a number", "|P|pics/box|3x|20|\n", 0, 0, true},
        {"fields cut at 255", "|P|" + std::string(250, 'x') + "|32|20|\n", 0, 0, true},
        {"garbage", garbage, -1, -1, false},
    };
    for (const Case& c : cases) {
        const std::string err = stderrOf([&] {
            makeHelp({c.page.value_or("")});
            if (!c.page) {
                std::filesystem::remove(folder.path() / "dat/page01.dat");
                help->loadPage();
            }
        });
        if (c.texts >= 0) {
            EXPECT_EQ(countKind(Help::kTextKind), c.texts) << c.what;
            EXPECT_EQ(countKind(Help::kPictureKind), c.pictures) << c.what;
            EXPECT_EQ(err.find("dat/page01.dat") != std::string::npos, c.message) << c.what;
        }
        help->forEachItem([&](Linkable& item) {
            const auto* text = dynamic_cast<const TextHelpItem*>(&item);
            EXPECT_LE(text != nullptr ? std::strlen(text->getText()) : 0, 255u) << c.what;
        });
        hold({{SDLK_PAGEDOWN, 3}, {SDLK_PAGEUP, 1}});
        help->setInteractive(0);
        hold({{SDLK_DOWN, 3}});
    }
}

} // namespace
