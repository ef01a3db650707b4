#pragma once

// A 24-bit dummy display, a black background picture and sprite sets of
// plain-coloured frames, for the tests of what game objects draw.
#include <memory>
#include <string>
#include <vector>

#include "gfx/Bobs.h"
#include "gfx/TestPictures.h"
#include "support/TempDir.h"

class WorldPictures : public DisplayTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A set of one plain colour (0xRRGGBB) per frame, loaded from a library.
    Bobs* makeSet(const std::string& name, int width, int height,
                  const std::vector<uint32_t>& colours);

    uint32_t screenAt(int x, int y) const;
    uint32_t backgroundAt(int x, int y) const;
    // Pixels of the screen that are not black.
    int litScreenPixels() const;
    int litBackgroundPixels() const;

    TempDir folder;
    std::unique_ptr<WorkingDir> here;
    std::vector<std::unique_ptr<Bobs>> sets;
};
