#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/HighScoreEntry.h"

class Bobs;
class Buffer;
class Focus;
class Font;
class Input;
class LevelTable;
class Sound;

// The best scores of one kind of game, best first, kept in a scrambled file
// of two lines per entry (score, name). A score that qualifies is inserted
// and named by the player through an Input drawn in its row.
class HighScoreTable {
  public:
    static constexpr size_t kMaxLineChars = 63;
    static constexpr int32_t kNameLength = 10;
    static constexpr const char* kDefaultName = "TOMBRIX";
    static constexpr const char* kUnnamed = "unknown trooper";

    // Tag pictures: level tags drawn before each name.
    static constexpr int32_t kTagWidth = 40;
    static constexpr int32_t kTagHeight = 20;

    // Loads tagCount level tags from the sprite set tagName (none when it is
    // null) and caps the level table at the last tag. Names and scores are
    // drawn with the font, which the table does not own; without one the
    // table only draws its tags.
    HighScoreTable(int32_t count, const char* fileName, Font* font, const char* tagName,
                   int32_t tagCount, LevelTable& levels);
    ~HighScoreTable();
    HighScoreTable(const HighScoreTable&) = delete;
    HighScoreTable& operator=(const HighScoreTable&) = delete;

    // The click of every key typed into a name; none until the sounds load.
    void setTypingSound(Sound* sound) { typingSound = sound; }
    // The focus the name field may be given to: the table takes the field
    // back from it before the field goes. Not owned; null for none.
    void useFocus(Focus* holder) { focus = holder; }

    // Points the table at a file and loads it; false when it could not be read.
    bool loadFrom(const char* fileName);
    // Missing records read as empty entries with score 0. Ends any name entry.
    bool load();
    void resetDefaults();
    // True when the file was written whole; the old file survives a failure.
    bool save() const;

    bool qualifies(int32_t score) const;
    // Places the score below every entry it does not beat and starts name
    // entry there. False, changing nothing, when the score does not qualify.
    bool insert(int32_t score, const char* name);
    // Ends name entry once the player pressed Return, taking the name;
    // drawing the table does this after its rows.
    void finishEntry();
    // Ends name entry at once under the given name: the program is quitting
    // while the player types.
    void abandonEntry(const std::string& name);

    // One frame of the table: row i has its bottom line at y plus i line
    // heights, its level tag at x, the name (or the field being typed into)
    // after the tag and the score scoreOffset further on. A name too wide
    // for the space before the score is cut there.
    void draw(Buffer& screen, int32_t x, int32_t y, int32_t scoreOffset);
    // Where the names start, relative to the tags' column.
    int32_t textIndent() const { return tags != nullptr ? tagWidth : 0; }

    int32_t getCount() const { return int32_t(entries.size()); }
    const HighScoreEntry& entry(int32_t row) const { return entries[size_t(row)]; }
    int32_t getNewIndex() const { return newIndex; }
    bool isEntering() const { return entering != 0; }
    // The field the focus goes to while a name is entered, or null.
    Input* getInput() const { return input.get(); }

    static int32_t parseScore(const std::string& text);

  private:
    void dropInput();
    void drawName(Buffer& screen, const std::string& name, int32_t x, int32_t y,
                  int32_t room) const;

    std::vector<HighScoreEntry> entries;
    int32_t newIndex = 0;
    LevelTable& levels;
    std::string fileName;
    Font* font;
    std::unique_ptr<Bobs> tags;
    int32_t tagWidth = 0;
    std::unique_ptr<Input> input;
    Sound* typingSound = nullptr;
    Focus* focus = nullptr;
    uint8_t entering = 0;
};
