#pragma once

// A menu as the game runs it: the generated gold font, cursor and menu
// sounds from the data folder, a 16-bit dummy display, the mixer under the
// dummy audio driver, and the keyboard, joystick and focus in their globals
// with the menu holding the focus.
#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <memory>
#include <vector>

#include "audio/Sound.h"
#include "audio/Sounds.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "input/InputDevices.h"
#include "support/TempDir.h"
#include "ui/Menu.h"

class MenuScreen : public testing::Test {
  protected:
    static constexpr int kMenuSounds = 3;

    void SetUp() override {
        ASSERT_TRUE(devices.ok) << SDL_GetError();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
        Mix_AllocateChannels(Sound::kChannels);
        audioOpen = 1;
        audioEnabled = 1;
        sfxVolume = 255;
        screen = new Buffer(640, 480, 16, kWindowModeWindow);
        ASSERT_TRUE(screen->isReady()) << SDL_GetError();
        font = std::make_unique<Font>("pics/font_gold", 502, 200);
        cursor = std::make_unique<Bob>("pics/cursor", 40, 32);
        ASSERT_NE(cursor->getSurface(), nullptr);
        sounds = std::make_unique<Sounds>(kMenuSounds);
        ASSERT_TRUE(sounds->load("sounds/menu"));
        Menu::setFont(font.get());
    }

    void TearDown() override {
        inputFocus->current = nullptr;
        menu.reset();
        Menu::setFont(nullptr);
        Menu::setSounds(nullptr);
        sounds.reset();
        Mix_CloseAudio();
        audioOpen = 0;
        audioEnabled = 0;
        delete screen;
        screen = nullptr;
    }

    // A menu holding the focus, told the sounds after it was made, as the
    // game must.
    Menu& makeMenu(int32_t x, int32_t y, int32_t valueColumn, int32_t spacing) {
        menu = std::make_unique<Menu>(x, y, valueColumn, spacing, cursor.get());
        Menu::setSounds(sounds.get());
        inputFocus->current = menu.get();
        return *menu;
    }

    // The menu sounds started while f ran, by index.
    template <typename F> std::vector<int> soundsOf(F&& f) {
        for (int i = 0; i < kMenuSounds; ++i) {
            sounds->stop(i);
        }
        f();
        std::vector<int> played;
        for (int i = 0; i < kMenuSounds; ++i) {
            if (sounds->get(i)->getChannel() != -1) {
                played.push_back(i);
            }
        }
        return played;
    }

    static void clearScreen() { SDL_FillRect(screen->getSurface(), nullptr, 0); }
    static std::vector<uint32_t> screenPixels() {
        std::vector<uint32_t> pixels;
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                pixels.push_back(screen->getPixel(x, y));
            }
        }
        return pixels;
    }

    WorkingDir dataDir{KRAVEX_DATA_DIR};
    InputDevices devices;
    std::unique_ptr<Font> font;
    std::unique_ptr<Bob> cursor;
    std::unique_ptr<Sounds> sounds;
    std::unique_ptr<Menu> menu;
};
