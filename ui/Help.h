#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "world/LinkedList.h"

class BobHelpItem;
class Buffer;
class Font;
class FrameClock;
class FrameTimer;
class Image;
class InputDevices;
class Sounds;
struct AudioSettings;
class TextHelpItem;

// Numbered pages of text and pictures over a full-screen backdrop: the help
// screen, which the player scrolls and turns, and the credits, which roll up
// by themselves. The list holds the lines of the page on show, in file order.
class Help : public LinkedList {
  public:
    // Item kinds in the list.
    static constexpr int32_t kTextKind = 0;
    static constexpr int32_t kPictureKind = 1;
    // Sounds of the set given to setSounds.
    static constexpr int32_t kScrollSound = 0;
    static constexpr int32_t kPageSound = 1;
    // Page Up and Page Down scroll this many times faster than the arrows.
    static constexpr int32_t kPageKeyFactor = 4;

    // Page n (from 0) is the scrambled file "<baseName>0<n + 1>.dat"; nothing
    // is read yet. The screen, the font and the backdrop are not owned;
    // without a backdrop the page is drawn over whatever the screen holds.
    // Frames are paced by SDL's clock, or by the given one, which must
    // outlive the help.
    Help(Buffer& screen, int32_t pageCount, const char* baseName, Font* font, Image* background,
         int32_t speed);
    Help(Buffer& screen, int32_t pageCount, const char* baseName, Font* font, Image* background,
         int32_t speed, FrameClock& clock);
    ~Help() override;
    Help(const Help&) = delete;
    Help& operator=(const Help&) = delete;

    // Loads the two-sound set "<baseName>01" and "<baseName>02": the first
    // plays while a page scrolls, the second when a page is turned; at the
    // effects volume of audio, which must outlive the help.
    void setSounds(const char* soundsBaseName, const AudioSettings& audio);
    // 1 (the start): the player scrolls and turns pages. 0: the pages roll up
    // by themselves from below the screen and run() ends after the last one.
    void setInteractive(uint8_t flag);
    // 1: lines fade out away from the screen's middle, as the credits do.
    void setFading(uint8_t flag) { fading = flag; }

    // Shows the pages until Escape is pressed or the last page has rolled by,
    // holding the devices' focus meanwhile.
    void run(InputDevices& devices);

    // From the event pump while the help holds the focus; only an
    // interactive help listens.
    void keyDown(int32_t key) override;
    void keyUp(int32_t key) override;

    // Replaces the lines on show with those of the current page. A page that
    // cannot be read is empty; bad lines are left out, each with a message.
    void loadPage();
    // One frame's work without waiting or showing it: drawPage, then
    // scrollPage.
    void frame();
    // Draws the backdrop and the page at its scroll offset, and notes where
    // the page's content ends.
    void drawPage();
    // Moves the page as the held keys, or in automatic mode time, ask.
    void scrollPage();

    int32_t getPage() const { return page; }
    // 0 shows the page's top; below 0 it has moved up by that many pixels.
    int32_t getScroll() const { return scroll; }
    // The bottom of the page's content on the screen at the last drawPage.
    int32_t getContentBottom() const { return contentBottom; }
    bool isFinished() const { return finished != 0; }

  private:
    // Where the next item of the page goes: its left edge and bottom line.
    struct Cursor {
        int32_t x;
        int32_t y;
    };

    void placeText(const TextHelpItem& item, bool lineBreak, Cursor& at);
    void placePicture(const BobHelpItem& item, bool lineBreak, Cursor& at);
    void scrollByKeys();
    void scrollByItself();
    void turnTo(int32_t newPage);
    void playSound(int32_t index);
    uint8_t* heldFlag(int32_t key);
    int32_t lineHeight() const;
    int32_t screenWidth() const;
    int32_t screenHeight() const;
    std::string pageFileName() const;
    void addLine(const std::string& line, const std::string& fileName);
    void addPicture(const std::string& line, const std::string& fileName);

    int32_t pageCount;
    int32_t page = 0;
    int32_t speed;
    int32_t scroll = 0;
    std::string baseName;
    Buffer& screen;
    Font* font;
    Image* background;
    std::unique_ptr<FrameTimer> timer;
    std::unique_ptr<Sounds> sounds;
    uint8_t upHeld = 0;
    uint8_t downHeld = 0;
    uint8_t pageUpHeld = 0;
    uint8_t pageDownHeld = 0;
    uint8_t interactive = 1;
    uint8_t fading = 0;
    uint8_t finished = 0;
    int32_t contentBottom = 0;
};
