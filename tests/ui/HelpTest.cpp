// The help viewer with a test font whose glyphs are solid boxes: how the
// screen ends, and what hostile page files do.
#include <SDL.h>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Font.h"
#include "gfx/SteppedClock.h"
#include "input/InputDevices.h"
#include "support/GfxFixture.h"
#include "support/InputFixture.h"
#include "support/StoreFixture.h"
#include "ui/Help.h"
#include "ui/TextHelpItem.h"

namespace {

std::string lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "A\n";
    }
    return text;
}

class HelpTest : public FolderTest {
  protected:
    void SetUp() override {
        openDisplay(16);
        std::filesystem::create_directory(folder.path() / "dat");
        folder.write("font.pl", rawTga(fontSheet().picture, 24));
        folder.write("pics/box.bl", rawTga(Picture(32, 20, 0x30C040), 24));
        font = std::make_unique<Font>("font", 300, 80);
        devices = std::make_unique<InputDevices>();
    }
    void TearDown() override {
        help.reset();
        font.reset();
        devices.reset();
        FolderTest::TearDown();
    }

    // Pages without a backdrop, which would cost a full-screen copy a frame.
    Help& makeHelp(const std::vector<std::string>& pages, int32_t speed = 6) {
        for (size_t i = 0; i < pages.size(); ++i) {
            writeEnciphered(folder, "dat/page0" + std::to_string(i + 1) + ".dat", pages[i]);
        }
        help = std::make_unique<Help>(*screen, int32_t(pages.size()), "dat/page", font.get(),
                                      nullptr, speed, clock);
        help->loadPage();
        return *help;
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
    std::unique_ptr<InputDevices> devices;
    std::unique_ptr<Help> help;
};

// The help ends on an Escape pressed while it shows, not one left over from
// the screen before; the credits end by themselves. Either lets go of the
// focus.
TEST_F(HelpTest, RunEndsOnEscapeOrAfterTheLastCreditsAndLetsGoOfTheFocus) {
    constexpr uint32_t kEscapeAfterMs = 500;
    for (uint8_t interactive : {1, 0}) {
        makeHelp({lines(2)}, 4);
        help->setInteractive(interactive);
        const uint32_t escapeAt = clock.now() + kEscapeAfterMs;
        if (interactive) {
            pushKey(SDL_KEYDOWN, SDLK_ESCAPE);
            clock.at(escapeAt, [] { pushKey(SDL_KEYDOWN, SDLK_ESCAPE); });
        }
        help->run(*devices);
        EXPECT_EQ(help->isFinished(), !interactive);
        EXPECT_GE(clock.now(), interactive ? escapeAt : 0);
        EXPECT_EQ(devices->focus().current, nullptr);
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
        // Scrolling and drawing what was read stays inside the screen.
        hold({{SDLK_PAGEDOWN, 3}, {SDLK_PAGEUP, 1}});
        help->setInteractive(0);
        hold({{SDLK_DOWN, 3}});
        help->drawPage();
    }
}

} // namespace
