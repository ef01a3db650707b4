#include "app/ReplayListScreen.h"

#include <SDL.h>
#include <algorithm>
#include <iterator>

#include "app/Game.h"
#include "app/ReplayViewer.h"
#include "audio/Sounds.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/FlowFader.h"
#include "gfx/Font.h"
#include "gfx/FrameTimer.h"
#include "gfx/Image.h"
#include "input/Focus.h"
#include "input/InputDevices.h"
#include "input/Keyboard.h"
#include "input/QuitRequest.h"
#include "ui/Menu.h"
#include "ui/ScreenFrame.h"

namespace {
constexpr int32_t kHeadingX = 50;
constexpr int32_t kHeadingY = 40;
constexpr int32_t kCursorX = 30;
constexpr int32_t kLineX = 72;
constexpr int32_t kFirstLineY = 90;
constexpr int32_t kLinePitch = 24;
// Name, score, level, players, the last game's mark.
constexpr int32_t kColumnX[] = {0, 200, 270, 380, 430};
constexpr int32_t kHintY = 460;
constexpr const char* kHeading = "Replays";
constexpr const char* kEmpty = "No game has been kept yet.";
constexpr const char* kHint = "Return watches, Escape leaves";
} // namespace

void Game::replaysScreen() {
    ReplayListScreen list(*this);
    list.run();
}

ReplayListScreen::ReplayListScreen(Game& game)
    : game(game), devices(*game.devices), entries(game.replays->list()) {}

std::vector<std::string> ReplayListScreen::columnsFor(const ReplayStore::Entry& entry) {
    const std::string file = entry.path.substr(entry.path.find_last_of('/') + 1);
    if (!entry.playable) {
        return {file + "  cannot be played"};
    }
    const ReplayHeader& h = entry.header;
    return {h.name.empty() ? "-" : h.name.substr(0, kNameChars), std::to_string(h.score),
            "level " + std::to_string(h.level), h.players > 1 ? "2P" : "1P",
            entry.last ? "last game" : ""};
}

void ReplayListScreen::run() {
    FrameTimer timer(Game::kFrameMs, *game.clock);
    devices.pump();
    // The Return that chose "Replays" in the menu is still latched here.
    devices.keyboard().forgetPresses();
    devices.focus().current = &devices.keyboard();
    while (!leaving && !QuitRequest::isRaised()) {
        runScreenFrame(*game.display, devices, timer, [this] {
            readKeys();
            draw();
        });
    }
    devices.focus().current = nullptr;
}

void ReplayListScreen::readKeys() {
    Keyboard& keyboard = devices.keyboard();
    if (keyboard.consumeEscape()) {
        leaving = true;
        game.menuSounds->play(Menu::kSoundLeave);
        return;
    }
    const int32_t moves[][2] = {{SDLK_UP, -1}, {SDLK_DOWN, 1}, {SDLK_PAGEUP, -kVisibleRows},
                                {SDLK_PAGEDOWN, kVisibleRows}};
    for (const auto& m : moves) {
        if (keyboard.wasPressed(m[0])) {
            keyboard.clearPressed(m[0]);
            move(m[1]);
        }
    }
    for (const int32_t key : {SDLK_RETURN, SDLK_KP_ENTER}) {
        if (keyboard.wasPressed(key)) {
            keyboard.clearPressed(key);
            watchChosen();
        }
    }
}

void ReplayListScreen::move(int32_t rows) {
    if (entries.empty()) {
        return;
    }
    chosen = std::clamp(chosen + rows, 0, int32_t(entries.size()) - 1);
    top = std::clamp(top, chosen - kVisibleRows + 1, chosen);
    game.menuSounds->play(Menu::kSoundMove);
}

// Over the playfield, as the main menu is.
void ReplayListScreen::draw() const {
    Buffer& screen = *game.display;
    if (game.playfield != nullptr) {
        game.playfield->draw(screen);
    }
    Font& font = *game.goldFont;
    font.drawString(screen, kHeading, kHeadingX, kHeadingY);
    if (entries.empty()) {
        font.drawString(screen, kEmpty, kLineX, kFirstLineY);
    }
    const int32_t end = std::min(int32_t(entries.size()), top + kVisibleRows);
    for (int32_t row = top; row < end; ++row) {
        const int32_t y = kFirstLineY + (row - top) * kLinePitch;
        const std::vector<std::string> columns = columnsFor(entries[size_t(row)]);
        for (size_t c = 0; c < columns.size() && c < std::size(kColumnX); ++c) {
            font.drawString(screen, columns[c].c_str(), kLineX + kColumnX[c], y);
        }
        if (row == chosen && game.cursor != nullptr) {
            game.cursor->drawAt(screen, kCursorX, y - game.cursor->getHeight());
        }
    }
    font.drawString(screen, kHint, kHeadingX, kHintY);
    if (!game.fader->isFinished()) {
        game.fader->step();
    }
}

// The list stays as it was: watching keeps and deletes nothing.
void ReplayListScreen::watchChosen() {
    if (entries.empty()) {
        return;
    }
    const ReplayStore::Entry& entry = entries[size_t(chosen)];
    Replay replay;
    std::string why;
    if (!entry.playable || !Replay::load(entry.path, replay, &why)) {
        game.menuSounds->play(Menu::kSoundLeave);
        return;
    }
    ReplayViewer shown(ReplayViewer::kWatch, game.pause.get(), game.goldFont.get(), devices);
    game.showFromMenu(replay, shown);
    game.playMenuMusic();
    devices.pump();
    devices.keyboard().forgetScreenKeys();
    devices.focus().current = &devices.keyboard();
}
