#pragma once

// The generated data folder as the working folder, a dummy display and the
// playfield ground as the background: for the game objects whose debris only
// flies and lands with the real pictures loaded.
#include "app/Globals.h"
#include "gfx/Image.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"

class GameData : public DisplayTest {
  protected:
    void SetUp() override {
        openDisplay(16);
        background = new Image("pics/tausta2", 640, 480);
    }
    void TearDown() override {
        delete background;
        background = nullptr;
        DisplayTest::TearDown();
    }

    WorkingDir dataDir{KRAVEX_DATA_DIR};
};
