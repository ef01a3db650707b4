// Help pages as fuzz inputs, shown through the help viewer with a small
// font and one picture a page can name.
#include <SDL.h>
#include <vector>

#include "fuzz/FuzzEntries.h"
#include "fuzz/FuzzFolder.h"
#include "gfx/Font.h"
#include "support/TempDir.h"
#include "ui/Help.h"

namespace {

constexpr int kSheetWidth = 80;
constexpr int kSheetHeight = 40;
// The picture a page may name as |P|box|8|6|.
constexpr int kBoxWidth = 8;
constexpr int kBoxHeight = 6;
constexpr int32_t kSpeed = 40;
// Rolling pages start below the screen; at this speed the first frame
// brings the page's top onto it and the second draws it, fading.
constexpr int32_t kRollSpeed = 480;

// One frame with the key held. Frames are few: each draws every line in
// sight, and that drawing is most of a run's time.
void press(Help& help, int32_t key) {
    help.keyDown(key);
    help.frame();
    help.keyUp(key);
}

} // namespace

void fuzzHelpPage(Buffer& screen, const uint8_t* data, size_t size) {
    // Pages name their pictures relative to the game's folder.
    WorkingDir here(fuzzfolder::path("."));
    const std::vector<uint8_t> sheet = fuzzfolder::fontSheet(kSheetWidth, kSheetHeight);
    fuzzfolder::writeGreyTga("helpfont.pl", kSheetWidth, kSheetHeight, sheet.data(), sheet.size());
    fuzzfolder::writeGreyTga("box.bl", kBoxWidth, kBoxHeight, sheet.data(), sheet.size());
    // The input is the page as written, before it is scrambled.
    fuzzfolder::writeScrambled("page01.dat", data, size);
    Font font("helpfont", kSheetWidth, kSheetHeight);

    Help browsed(screen, 1, "page", &font, nullptr, kSpeed);
    browsed.loadPage();
    press(browsed, SDLK_PAGEDOWN);
    press(browsed, SDLK_DOWN);
    press(browsed, SDLK_PAGEUP);
    fuzzCheck(browsed.getScroll() <= 0, "a page never scrolls below its top");

    Help rolled(screen, 1, "page", &font, nullptr, kRollSpeed);
    rolled.setInteractive(0);
    rolled.setFading(1);
    rolled.loadPage();
    rolled.frame();
    rolled.frame();
}
