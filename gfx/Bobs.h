#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/GBase.h"

class Bob;
class Buffer;
class Image;

// Sprite sets are read from one ".lib" library each; with this off every
// frame is read from its own numbered ".bl" picture instead.
constexpr bool kLoadSpriteLibraries = true;
// Turns the game into a library builder: every set writes its frames back
// out as a library when it is destroyed (on a 24-bit display only).
constexpr bool kWriteSpriteLibraries = false;

// A sprite set: a fixed number of equally sized frames and a current frame.
class Bobs : public GBase {
  public:
    explicit Bobs(int32_t count);
    ~Bobs() override;
    Bobs(const Bobs&) = delete;
    Bobs& operator=(const Bobs&) = delete;

    // Loads the frames, numbered from 1 when read one file each.
    bool load(const char* name, int32_t width, int32_t height);
    // True when every frame got a surface.
    bool load(const char* name, int32_t width, int32_t height, int32_t firstNumber);
    // From "<name>.lib"; the library's own frame size replaces the caller's.
    bool loadLibrary(const char* name);
    // From "<name>NN.bl" for NN = firstNumber onwards, two digits at least.
    bool loadFiles(const char* name, int32_t width, int32_t height, int32_t firstNumber);
    // Writes the frames to "<base name>.lib"; only a 24-bit display can.
    bool writeLibrary() const;

    // The caller keeps n within 0 to count - 1; other frames draw nothing.
    void setFrame(int32_t n) { current = n; }
    int32_t getFrame() const { return current; }
    int32_t getCount() const { return count; }
    // Frame i, or null when it is outside the set or was never loaded.
    Bob* frameAt(int32_t i) const;

    // The current frame with its top-left corner at (x, y).
    void drawAt(Buffer& screen, int32_t x, int32_t y) const;
    void drawOnBackground(Image& playfield, int32_t x, int32_t y) const;
    // Frame n instead, leaving the current frame as it is: sprites that share
    // a set draw their own frames without changing it.
    void drawFrameAt(Buffer& screen, int32_t n, int32_t x, int32_t y) const;
    void drawFrameOnBackground(Image& playfield, int32_t n, int32_t x, int32_t y) const;
    // Every frame takes its transparent colour from its own top-left pixel.
    void keyFromCorner();
    void keyFromColor(uint8_t r, uint8_t g, uint8_t b);

    // A loaded set of count frames, or null (after the loader's message)
    // when it could not be read whole.
    static Bobs* loadNew(const std::string& name, int32_t count, int32_t width, int32_t height,
                         int32_t firstNumber = 1);

    // "pics/blood" and 3 give "pics/blood03"; 12 gives "pics/blood12".
    static std::string frameName(const std::string& base, long long number);

  private:
    void clearFrames();

    int32_t current = 0;
    std::vector<Bob*> frames;
    int32_t count;
    std::string baseName;
};
