#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/GBase.h"
#include "core/ReportSink.h"

class Buffer;
class Font;
class Image;

// The start-up console: a picture with the loading progress written over it
// line by line, newer lines more opaque than older ones. GBase's reports
// come here while it exists.
class Console : public GBase, public ReportSink {
  public:
    // Longest text a line keeps; longer texts are cut.
    static constexpr size_t kMaxLineLength = 255;

    // Loads the picture at width x height (the program ends if it cannot) and
    // writes with the font onto the screen, neither of which it owns; without
    // a screen it only keeps the lines. Starts empty and visible.
    Console(Buffer* screen, int32_t width, int32_t height, const char* picture, Font* font);
    ~Console() override;
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Adds a line at the bottom, dropping the top line when the console is full.
    void addLine(const char* text) override;
    // Appends to the last line; on an empty console the text becomes a line.
    void appendToLast(const char* text) override;
    // Shows or hides later changes; does not redraw by itself.
    void setVisible(bool flag);
    // Draws the picture and the lines onto the screen and flips it.
    void redraw();

    int32_t getCount() const { return int32_t(lines.size()); }
    const std::string& line(int32_t i) const { return lines[size_t(i)]; }
    // Alpha of row i: 64 for the top row, 6 more per row, never above 255.
    static uint8_t rowAlpha(int32_t i);
    // Base line of row i's text.
    int32_t rowBaseLine(int32_t i) const;

  private:
    std::vector<std::string> lines;
    int32_t rows;
    Buffer* screen;
    Font* font;
    Image* background;
    bool visible = true;
};
