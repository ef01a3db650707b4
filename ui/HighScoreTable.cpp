#include "ui/HighScoreTable.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "core/GBase.h"
#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Font.h"
#include "input/Focus.h"
#include "input/Input.h"
#include "store/EncipheredFile.h"
#include "store/TextLines.h"
#include "world/LevelTable.h"

HighScoreTable::HighScoreTable(int32_t count, const char* fileName, Font* font, const char* tagName,
                               int32_t tagCount, LevelTable& levels)
    : entries(size_t(count > 0 ? count : 0)), levels(levels),
      fileName(fileName != nullptr ? fileName : ""), font(font) {
    if (tagName == nullptr || tagCount <= 0) {
        return;
    }
    tags = std::make_unique<Bobs>(tagCount);
    tags->load(tagName, kTagWidth, kTagHeight);
    tags->keyFromCorner();
    // The library's own frame size wins; a set that did not load keeps
    // the names where the tags would have been.
    const Bob* first = tags->frameAt(0);
    tagWidth = first != nullptr && first->getSurface() != nullptr ? first->getWidth() : kTagWidth;
    levels.maxLevel = tagCount - 1;
}

HighScoreTable::~HighScoreTable() {
    dropInput();
}

void HighScoreTable::dropInput() {
    // The focus may still name the field; it must not outlive it there.
    if (input != nullptr && focus != nullptr && focus->current == input.get()) {
        focus->current = nullptr;
    }
    input.reset();
    entering = 0;
}

int32_t HighScoreTable::parseScore(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT32_MAX) {
        return INT32_MAX;
    }
    if (value < INT32_MIN) {
        return INT32_MIN;
    }
    return int32_t(value);
}

bool HighScoreTable::loadFrom(const char* name) {
    fileName = name != nullptr ? name : "";
    return load();
}

bool HighScoreTable::load() {
    EncipheredFile crypt;
    crypt.setWriteBack(0);
    std::FILE* plain = std::fopen(crypt.open(fileName.c_str()), "r");
    if (plain == nullptr) {
        crypt.close();
        return false;
    }
    dropInput();
    for (HighScoreEntry& e : entries) {
        readLine(plain, kMaxLineChars, e.scoreText);
        readLine(plain, kMaxLineChars, e.name);
        e.score = parseScore(e.scoreText);
    }
    std::fclose(plain);
    crypt.close();
    return true;
}

void HighScoreTable::resetDefaults() {
    dropInput();
    for (HighScoreEntry& e : entries) {
        e = HighScoreEntry{"0", 0, kDefaultName};
    }
}

bool HighScoreTable::save() const {
    EncipheredFile crypt;
    crypt.setWriteBack(1);
    std::FILE* plain = std::fopen(crypt.open(fileName.c_str()), "w");
    if (plain == nullptr) {
        crypt.close();
        return false;
    }
    bool written = true;
    for (const HighScoreEntry& e : entries) {
        written =
            written && std::fprintf(plain, "%s\n%s\n", e.scoreText.c_str(), e.name.c_str()) >= 0;
    }
    written = std::fclose(plain) == 0 && written;
    if (!written) {
        // Half a table must never replace the whole one on disk.
        crypt.setWriteBack(0);
        crypt.close();
        GBase::error(("High scores could not be saved to " + fileName +
                      "; the old file is kept\n")
                         .c_str());
        return false;
    }
    return crypt.close();
}

bool HighScoreTable::qualifies(int32_t value) const {
    return !entries.empty() && value > entries.back().score;
}

bool HighScoreTable::insert(int32_t value, const char* name) {
    if (!qualifies(value)) {
        return false;
    }
    size_t row = 0;
    while (entries[row].score >= value) {
        ++row;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%i", value);
    entries.pop_back();
    entries.insert(entries.begin() + long(row),
                   HighScoreEntry{text, value, name != nullptr ? name : ""});
    dropInput();
    newIndex = int32_t(row);
    input = std::make_unique<Input>(kNameLength, typingSound);
    entering = 1;
    return true;
}

void HighScoreTable::finishEntry() {
    if (!entering || input == nullptr || !input->isDone()) {
        return;
    }
    const std::string& typed = input->getText();
    // The field is always padded to its full length, so look at the letters.
    const bool blank = typed.find_first_not_of(' ') == std::string::npos;
    entries[size_t(newIndex)].name = blank ? kUnnamed : typed;
    entering = 0;
}

void HighScoreTable::abandonEntry(const std::string& name) {
    if (!entering) {
        return;
    }
    entries[size_t(newIndex)].name = name;
    entering = 0;
}

void HighScoreTable::drawName(Buffer& screen, const std::string& name, int32_t x, int32_t y,
                              int32_t room) const {
    std::string shown = name;
    while (!shown.empty() && font->width(shown.c_str()) > room) {
        shown.pop_back();
    }
    font->drawString(screen, shown.c_str(), x, y);
}

void HighScoreTable::draw(Buffer& screen, int32_t x, int32_t y, int32_t scoreOffset) {
    const int32_t textX = x + textIndent();
    for (size_t i = 0; i < entries.size(); ++i) {
        const HighScoreEntry& e = entries[i];
        if (tags != nullptr) {
            const int32_t last = tags->getCount() - 1;
            Bob* tag = tags->frameAt(std::clamp(levels.levelFor(e.score), 0, last));
            if (tag != nullptr && tag->getSurface() != nullptr) {
                tag->drawAt(screen, x, y - tag->getHeight());
            }
        }
        const bool typing = entering && input != nullptr && int32_t(i) == newIndex;
        if (typing) {
            input->draw(screen, textX, y, font);
        }
        if (font != nullptr) {
            if (!typing) {
                drawName(screen, e.name, textX, y, scoreOffset - font->width(" "));
            }
            font->drawString(screen, e.scoreText.c_str(), textX + scoreOffset, y);
            y += font->lineHeight();
        }
    }
    finishEntry();
}
