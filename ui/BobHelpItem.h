#pragma once

#include <cstdint>
#include <memory>

#include "world/Linkable.h"

class Bob;

// One picture of a help page: a single sprite frame whose top-left pixel's
// colour is transparent, so pictures need no black background of their own.
class BobHelpItem : public Linkable {
  public:
    // Loads "<name>.bl" at width x height. A picture that cannot be read has
    // no pixels and is drawn as nothing, but still takes its room on the page.
    BobHelpItem(const char* name, int32_t width, int32_t height);
    ~BobHelpItem() override;
    BobHelpItem(const BobHelpItem&) = delete;
    BobHelpItem& operator=(const BobHelpItem&) = delete;

    Bob& getPicture() const { return *picture; }
    int32_t getWidth() const;
    int32_t getHeight() const;

  private:
    std::unique_ptr<Bob> picture;
};
