#pragma once

// The world's tests on a dummy display: either the generated game data as the
// working folder (debris only flies and lands with the real pictures), or a
// fresh folder of plain-coloured sprite sets written by the test.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Bobs.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;

class WorldFixture : public DisplayTest {
  protected:
    void TearDown() override;

    // The generated data folder, with the playfield ground as the background.
    void useGameData();
    // A fresh folder and a black background on a 24-bit display.
    void useOwnPictures();
    // A set of one plain colour (0xRRGGBB) per frame, loaded from a library.
    Bobs* makeSet(const std::string& name, int width, int height,
                  const std::vector<uint32_t>& colours);

    static uint32_t screenAt(int x, int y);
    // Pixels that are not black.
    static int litScreenPixels();
    static int litBackgroundPixels();

  private:
    TempDir folder;
    std::optional<WorkingDir> here;
    std::vector<std::unique_ptr<Bobs>> sets;
};
