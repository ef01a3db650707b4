#pragma once

#include <cstddef>
#include <string>

#include "world/Linkable.h"

// One text line of a help page, kept as read; the help draws it in its font.
class TextHelpItem : public Linkable {
  public:
    // The longest line a page may hold; the rest of a longer one is cut.
    static constexpr std::size_t kMaxChars = 255;

    explicit TextHelpItem(const std::string& line);

    const char* getText() const { return text.c_str(); }

  private:
    std::string text;
};
