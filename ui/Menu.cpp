#include "ui/Menu.h"

#include <SDL.h>
#include <algorithm>
#include <utility>

#include "audio/Sounds.h"
#include "gfx/Bob.h"
#include "gfx/Font.h"
#include "gfx/Light.h"
#include "input/InputDevices.h"
#include "ui/MenuItem.h"

namespace {
// Items need no kind of their own; nothing sorts or collides them.
constexpr int32_t kItemKind = 0;
// The least space between a label and its value.
constexpr int32_t kLabelGap = 12;

// The glow's phase climbs by a step a frame and starts again after the top,
// so the glow swells and shrinks over 17 frames.
constexpr int32_t kGlowStep = 4;
constexpr int32_t kGlowLastPhase = 63;
constexpr int32_t kGlowSwellingUntil = 31;
constexpr int32_t kGlowSmallest = 32;
constexpr int32_t kGlowShrinkFrom = 96;
// The light works in cells of half a screen pixel; a quarter of the screen
// radius keeps the glow around the cursor rather than over the whole menu.
constexpr int32_t kGlowRadiusDivisor = 4;
constexpr int32_t kGlowRed = 255;
constexpr int32_t kGlowGreen = 255;
constexpr int32_t kGlowBlue = 100;
} // namespace

Menu::Menu(int32_t x, int32_t y, int32_t valueColumn, int32_t spacing, Bob* cursor, Font* font,
           Sounds* sounds, InputDevices& devices)
    : x(x), y(y), valueColumn(valueColumn), spacing(spacing), cursor(cursor), font(font),
      sounds(sounds), devices(devices) {}

void Menu::add(MenuItem* item) {
    append(item, kItemKind);
    // The values move right as far as it takes for the longest label, in
    // the font it is drawn with, to end before them.
    if (font != nullptr) {
        const int32_t labelEnd =
            font->width(item->getLabel().c_str()) + kLabelGap + item->roomBeforeValue();
        valueColumn = std::max(valueColumn, labelEnd);
    }
}

void Menu::keyDown(int32_t key) {
    MenuItem* item = currentItem();
    if (item == nullptr) {
        return;
    }
    if (capturing != 0) {
        item->keyDown(key);
        return;
    }
    switch (key) {
    case SDLK_DOWN:
        moveDown();
        break;
    case SDLK_UP:
        moveUp();
        break;
    case SDLK_RETURN:
    case SDLK_RIGHT:
        item->increase();
        playSound(kSoundChange);
        break;
    case SDLK_LEFT:
        item->decrease();
        playSound(kSoundChange);
        break;
    default:
        break;
    }
}

bool Menu::padPressed(int32_t device, int32_t state) {
    MenuItem* item = currentItem();
    return capturing != 0 && item != nullptr && item->capturePad(Binding{state, device});
}

void Menu::draw(Buffer& screen) {
    if (capturing == 0) {
        readEscape();
    }
    const int32_t itemX = x + cursorWidth();
    int32_t lineY = y;
    int32_t index = 1;
    forEachItem([&](Linkable& item) {
        static_cast<MenuItem&>(item).drawItem(screen, font, itemX, lineY);
        // While a key item waits it draws the cursor beside its value itself.
        if (capturing == 0 && index == current && cursor != nullptr) {
            cursor->drawAt(screen, x, lineY - cursorHeight());
        }
        lineY += linePitch();
        ++index;
    });
}

void Menu::drawGlow(Light& light) {
    // Shifts halve toward minus infinity, as the glow's position needs.
    const int32_t gx = x + (cursorWidth() >> 1);
    const int32_t gy = (current - 1) * linePitch() + y - (cursorHeight() >> 1);
    glowPhase = glowPhase <= kGlowLastPhase ? glowPhase + kGlowStep : 0;
    if (light.isOn() != 0) {
        light.roundLight(gx >> 1, gy >> 1, glowRadius() / kGlowRadiusDivisor, kGlowRed, kGlowGreen,
                         kGlowBlue);
    }
}

void Menu::runPendingAction() {
    // Cleared first: the action may run a screen that uses this menu again.
    MenuAction action = std::move(pendingAction);
    pendingAction = nullptr;
    if (action) {
        action();
    }
}

void Menu::captureNext() {
    moveDown();
    MenuItem* item = currentItem();
    if (item != nullptr) {
        item->increase();
    }
}

void Menu::handOverBinding(const MenuItem& taker, const Binding& taken, const Binding& given) {
    forEachItem([&](Linkable& item) {
        if (&item != &taker) {
            static_cast<MenuItem&>(item).giveUpBinding(taken, given);
        }
    });
}

void Menu::playSound(int32_t index) {
    if (sounds != nullptr && index < sounds->getCount()) {
        sounds->play(index);
    }
}

MenuItem* Menu::currentItem() const {
    return itemAt(current);
}

MenuItem* Menu::itemAt(int32_t index) const {
    ListNode* node = head->next;
    for (int32_t step = 1; step < index && node != tail; ++step) {
        node = node->next;
    }
    return node != tail ? static_cast<MenuItem*>(node->item) : nullptr;
}

void Menu::moveDown() {
    current = current >= count() ? 1 : current + 1;
    playSound(kSoundMove);
}

void Menu::moveUp() {
    current = current <= 1 ? count() : current - 1;
    playSound(kSoundMove);
}

void Menu::readEscape() {
    if (devices.keyboard().consumeEscape()) {
        playSound(kSoundLeave);
        escaped = 1;
    }
}

int32_t Menu::linePitch() const {
    return spacing + (font != nullptr ? font->lineHeight() : 0);
}

int32_t Menu::cursorWidth() const {
    return cursor != nullptr ? cursor->getWidth() : 0;
}

int32_t Menu::cursorHeight() const {
    return cursor != nullptr ? cursor->getHeight() : 0;
}

int32_t Menu::glowRadius() const {
    return glowPhase <= kGlowSwellingUntil ? glowPhase + kGlowSmallest
                                           : kGlowShrinkFrom - glowPhase;
}
