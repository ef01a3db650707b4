#include "ui/Help.h"

#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "audio/Sounds.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/FrameTimer.h"
#include "gfx/Image.h"
#include "input/Focus.h"
#include "input/InputDevices.h"
#include "input/Keyboard.h"
#include "input/QuitRequest.h"
#include "store/EncipheredFile.h"
#include "store/TextLines.h"
#include "ui/BobHelpItem.h"
#include "ui/ScreenFrame.h"
#include "ui/TextHelpItem.h"

namespace {

constexpr uint32_t kFrameMs = 50;
constexpr int32_t kSoundCount = 2;
constexpr int32_t kLeftMargin = 20;
// Room above the first line, below its capitals.
constexpr int32_t kTopGap = 10;
// Between lines, and between a picture and what follows it on its row.
constexpr int32_t kGap = 5;
constexpr int kOpaque = 255;
// Text fades three steps for every four pixels away from the middle.
constexpr int kTextFadeSteps = 3;
constexpr int kTextFadePixels = 4;
// A page longer than this is cut: nobody reads further, and the layout
// arithmetic stays far from overflowing.
constexpr int32_t kMaxLines = 10000;

// A picture line: '|', 'P', any character, then the name, the width and the
// height, each ended by '|'.
constexpr char kMark = '|';
constexpr char kPictureTag = 'P';
constexpr size_t kFieldsStart = 3;
constexpr size_t kMaxSizeDigits = 4;

struct PictureLine {
    std::string name;
    int32_t width = 0;
    int32_t height = 0;
};

// A whole decimal number from 1 to limit, nothing else.
bool parseSize(const std::string& text, int32_t limit, int32_t& value) {
    if (text.empty() || text.size() > kMaxSizeDigits) {
        return false;
    }
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= limit;
}

// False unless every field ends with its '|' inside the line, so a cut or
// mangled line never borrows from whatever follows it.
bool parsePictureLine(const std::string& line, int32_t maxWidth, int32_t maxHeight,
                      PictureLine& picture) {
    std::string fields[3];
    size_t at = kFieldsStart;
    for (std::string& field : fields) {
        const size_t end = at < line.size() ? line.find(kMark, at) : std::string::npos;
        if (end == std::string::npos) {
            return false;
        }
        field = line.substr(at, end - at);
        at = end + 1;
    }
    picture.name = fields[0];
    return !picture.name.empty() && parseSize(fields[1], maxWidth, picture.width) &&
           parseSize(fields[2], maxHeight, picture.height);
}

// Far from the middle a line stays invisible instead of wrapping round to
// opaque again.
uint8_t alphaFor(int fade) {
    return static_cast<uint8_t>(std::clamp(kOpaque - fade, 0, kOpaque));
}

} // namespace

Help::Help(Buffer& screen, int32_t pageCount, const char* baseName, Font* font, Image* background,
           int32_t speed)
    : pageCount(pageCount), speed(speed), baseName(baseName != nullptr ? baseName : ""),
      screen(screen), font(font), background(background),
      timer(std::make_unique<FrameTimer>(kFrameMs)) {}

Help::Help(Buffer& screen, int32_t pageCount, const char* baseName, Font* font, Image* background,
           int32_t speed, FrameClock& clock)
    : pageCount(pageCount), speed(speed), baseName(baseName != nullptr ? baseName : ""),
      screen(screen), font(font), background(background),
      timer(std::make_unique<FrameTimer>(kFrameMs, clock)) {}

Help::~Help() = default;

void Help::setSounds(const char* soundsBaseName, const AudioSettings& audio) {
    sounds = std::make_unique<Sounds>(audio, kSoundCount);
    sounds->load(soundsBaseName);
}

void Help::setInteractive(uint8_t flag) {
    interactive = flag;
    if (!interactive) {
        scroll = screenHeight();
    }
}

void Help::run(InputDevices& devices) {
    loadPage();
    devices.pump();
    devices.keyboard().forgetScreenKeys();
    devices.focus().current = this;
    while (!devices.keyboard().consumeEscape() && !finished && !QuitRequest::isRaised()) {
        runScreenFrame(screen, devices, *timer, [this] { frame(); });
    }
    devices.pump();
    devices.focus().current = nullptr;
}

void Help::keyDown(int32_t key) {
    if (!interactive) {
        return;
    }
    if (uint8_t* held = heldFlag(key)) {
        *held = 1;
    } else if (key == SDLK_LEFT && page > 0) {
        turnTo(page - 1);
    } else if (key == SDLK_RIGHT && page < pageCount - 1) {
        turnTo(page + 1);
    }
}

void Help::keyUp(int32_t key) {
    if (!interactive) {
        return;
    }
    if (uint8_t* held = heldFlag(key)) {
        *held = 0;
        if (sounds) {
            sounds->stop(kScrollSound);
        }
    }
}

uint8_t* Help::heldFlag(int32_t key) {
    switch (key) {
    case SDLK_UP:
        return &upHeld;
    case SDLK_DOWN:
        return &downHeld;
    case SDLK_PAGEUP:
        return &pageUpHeld;
    case SDLK_PAGEDOWN:
        return &pageDownHeld;
    default:
        return nullptr;
    }
}

void Help::turnTo(int32_t newPage) {
    page = newPage;
    loadPage();
    scroll = 0;
    playSound(kPageSound);
}

void Help::playSound(int32_t index) {
    if (sounds) {
        sounds->play(index);
    }
}

std::string Help::pageFileName() const {
    // The 0 is always there, so a tenth page would be "010".
    return baseName + "0" + std::to_string(page + 1) + ".dat";
}

void Help::loadPage() {
    clear();
    const std::string fileName = pageFileName();
    EncipheredFile crypt;
    crypt.setWriteBack(0);
    std::FILE* plain = std::fopen(crypt.open(fileName.c_str()), "r");
    if (plain == nullptr) {
        crypt.close();
        GBase::error(("Help page " + fileName + " cannot be read; it is left empty\n").c_str());
        return;
    }
    std::string line;
    int32_t lines = 0;
    while (readLine(plain, TextHelpItem::kMaxChars, line)) {
        if (lines++ == kMaxLines) {
            GBase::error(("Help page " + fileName + " has more than " + std::to_string(kMaxLines) +
                          " lines; the rest is left out\n")
                             .c_str());
            break;
        }
        addLine(line, fileName);
    }
    std::fclose(plain);
    crypt.close();
}

void Help::addLine(const std::string& line, const std::string& fileName) {
    if (line.empty() || line[0] != kMark) {
        append(new TextHelpItem(line), kTextKind);
    } else if (line.size() > 1 && line[1] == kPictureTag) {
        addPicture(line, fileName);
    }
    // Any other line starting with '|' is a note for whoever edits the page.
}

void Help::addPicture(const std::string& line, const std::string& fileName) {
    PictureLine picture;
    if (!parsePictureLine(line, screenWidth(), screenHeight(), picture)) {
        GBase::error(("Help page " + fileName + ": \"" + line +
                      "\" is not a picture line |P|name|width|height|; it is left out\n")
                         .c_str());
        return;
    }
    append(new BobHelpItem(picture.name.c_str(), picture.width, picture.height), kPictureKind);
}

void Help::frame() {
    drawPage();
    scrollPage();
}

void Help::drawPage() {
    if (background != nullptr) {
        background->draw(screen);
    }
    Cursor at{kLeftMargin, scroll + lineHeight() + kTopGap};
    for (ListNode* node = head->next; node != tail; node = node->next) {
        const bool picture = node->item->getKind() == kPictureKind;
        // A picture shares its row with the item before or after it.
        const bool lineBreak =
            node->next == tail || !(picture || node->next->item->getKind() == kPictureKind);
        if (picture) {
            placePicture(static_cast<const BobHelpItem&>(*node->item), lineBreak, at);
        } else {
            placeText(static_cast<const TextHelpItem&>(*node->item), lineBreak, at);
        }
    }
    contentBottom = at.y;
}

void Help::placeText(const TextHelpItem& item, bool lineBreak, Cursor& at) {
    const int32_t height = lineHeight();
    if (font != nullptr && at.y > 0 && at.y < screenHeight() + height + kGap &&
        at.x < screenWidth()) {
        if (fading) {
            const int distance = std::abs(screenHeight() / 2 - at.y);
            const int fade = kTextFadeSteps * (distance / kTextFadePixels);
            font->drawStringAlpha(screen, item.getText(), at.x, at.y, alphaFor(fade));
        } else {
            font->drawString(screen, item.getText(), at.x, at.y);
        }
    }
    if (lineBreak) {
        at = Cursor{kLeftMargin, at.y + height + kGap};
    } else {
        // A picture after a text stands on the text's top, just after it.
        at.x += font != nullptr ? font->width(item.getText()) : 0;
        at.y -= height;
    }
}

void Help::placePicture(const BobHelpItem& item, bool lineBreak, Cursor& at) {
    const int32_t width = item.getWidth();
    const int32_t height = item.getHeight();
    if (at.y > 0 && at.y < screenHeight() + height && at.x < screenWidth()) {
        Bob& picture = item.getPicture();
        if (fading) {
            // Drawn as a part of itself: the whole-picture alpha draw would
            // ignore the alpha and leave the picture opaque.
            const uint8_t alpha = alphaFor(std::abs(screenHeight() / 2 - at.y));
            screen.blitPartAlpha(&picture, at.x, at.y - height, 0, 0, width, height, alpha);
        } else {
            picture.drawAt(screen, at.x, at.y - height);
        }
    }
    if (lineBreak) {
        at = Cursor{kLeftMargin, at.y + height + kGap};
    } else {
        at.x += width + kGap;
    }
}

void Help::scrollPage() {
    if (interactive) {
        scrollByKeys();
    } else {
        scrollByItself();
    }
}

void Help::scrollByKeys() {
    if (scroll < 0 && (upHeld || pageUpHeld)) {
        // Never above the page's top, however long the step.
        scroll = std::min(0, scroll + (pageUpHeld ? kPageKeyFactor * speed : speed));
        playSound(kScrollSound);
        return;
    }
    // Nor further down than puts the content's end at the screen's bottom.
    const int32_t stillBelow = contentBottom - screenHeight();
    if (stillBelow > 0 && (downHeld || pageDownHeld)) {
        scroll -= std::min(stillBelow, pageDownHeld ? kPageKeyFactor * speed : speed);
        playSound(kScrollSound);
    }
}

void Help::scrollByItself() {
    if (contentBottom >= 1) {
        scroll -= speed;
    } else if (page >= pageCount - 1) {
        finished = 1;
    } else {
        ++page;
        loadPage();
        scroll = screenHeight();
    }
}

int32_t Help::lineHeight() const {
    return font != nullptr ? font->lineHeight() : 0;
}

int32_t Help::screenWidth() const {
    return screen.getWidth();
}

int32_t Help::screenHeight() const {
    return screen.getHeight();
}
