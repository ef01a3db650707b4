#pragma once

#include <cstdint>
#include <string>

#include "store/Binding.h"
#include "ui/MenuItem.h"

// A menu line showing the key or pad input bound to one player action.
// Choosing it makes it wait for the next key press or pad press, which
// becomes the binding; Escape gives up and keeps the old one.
class KeyMenuItem : public MenuItem {
  public:
    // Shown for a key that SDL has no name for.
    static constexpr const char* kUnknownKeyName = "Unknown key";

    // binding belongs to a player's GuideKeys and must outlive the item. With
    // advance, a captured key moves on to the next line and captures there
    // too, so a player's keys are set in one go. fileName is kept but unread.
    KeyMenuItem(Menu& menu, std::string label, std::string fileName, Binding& binding,
                bool advance);

    void drawItem(Buffer& screen, Font* font, int32_t x, int32_t y) override;
    // The cursor stands there while the item waits for a key.
    int32_t roomBeforeValue() const override;
    // Starts waiting for a key.
    void increase() override;
    // Called by the menu, while this item waits, with the key pressed.
    void keyDown(int32_t key) override;
    bool capturePad(const Binding& padInput) override;
    bool giveUpBinding(const Binding& taken, const Binding& given) override;

    const std::string& getKeyName() const { return keyName; }
    bool isWaiting() const { return waiting != 0; }
    const std::string& getFileName() const { return fileName; }

  private:
    static std::string shownNameOf(const Binding& binding);
    void capture(const Binding& input);
    void cancel();
    void stopWaiting();

    Binding& binding;
    std::string keyName;
    std::string fileName;
    uint8_t waiting = 0;
    bool advance;
    // What the binding was before waiting began, for Escape and for the
    // action that held the captured key.
    Binding saved;
    std::string savedName;
};
