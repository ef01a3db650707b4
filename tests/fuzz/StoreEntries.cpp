// Key bindings, the scrambled text files and replays as fuzz inputs.
#include <string>
#include <vector>

#include "fuzz/FuzzEntries.h"
#include "fuzz/FuzzFolder.h"
#include "input/BindingName.h"
#include "input/GuideKeys.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "store/KeyBindingFile.h"
#include "store/ReplayStore.h"
#include "store/ScoreComment.h"
#include "ui/HighScoreTable.h"
#include "ui/KeyMenuItem.h"
#include "world/LevelTable.h"

namespace {

constexpr size_t kEntryBytes = 4;
constexpr int32_t kTableRows = 10;
constexpr int32_t kPointsPerComment = 50;
// A comment is looked up for a line near the start, the line of the highest
// score and a score that does not count; each lookup deciphers the whole
// file again, so only these few.
constexpr int32_t kCommentScores[] = {250, INT32_MAX, -5};

int32_t readLe32(const uint8_t* at) {
    return int32_t(uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 |
                   uint32_t(at[3]) << 24);
}

// The devices a binding can name, made once: opening the joystick subsystem
// for every input would be most of a run's time.
Joystick& fuzzJoystick() {
    static Joystick made;
    return made;
}

void readComments(const std::string& fileName) {
    for (const int32_t score : kCommentScores) {
        ScoreComment comment(fileName.c_str(), kPointsPerComment);
        comment.load(score);
        const char* text = comment.text();
        fuzzCheck(text == nullptr || std::string(text).size() <= ScoreComment::kMaxLineChars,
                  "a comment keeps to the longest line");
    }
}

} // namespace

void fuzzKeyBindings(Buffer&, const uint8_t* data, size_t size) {
    fuzzfolder::write("keys_sdl.dat", data, size);
    for (const int32_t player : {1, 2}) {
        Keyboard pressedKeys;
        GuideKeys keys(fuzzfolder::path("keys").c_str(), player, pressedKeys, fuzzJoystick());
        Binding defaults[GuideKeys::kActionCount];
        GuideKeys::defaultsFor(player, defaults);
        const bool whole = size >= size_t(KeyBindingFile::kFileBytes);
        for (int32_t action = 0; action < GuideKeys::kActionCount; ++action) {
            const Binding& b = *keys.binding(action);
            const Binding wanted =
                whole ? Binding{readLe32(data + action * kEntryBytes),
                                readLe32(data + (GuideKeys::kActionCount + action) * kEntryBytes)}
                      : defaults[action];
            fuzzCheck(b == wanted, "a whole key file is read as written, a part of one not at all");
            pressedKeys.keyDown(b.key);
            keys.isActionDown(action);
            BindingName::of(b);
        }
    }
}

void fuzzScrambledTexts(Buffer&, const uint8_t* data, size_t size) {
    // The input is the file as stored, scrambled.
    const std::string fileName = fuzzfolder::write("texts.dat", data, size);
    LevelTable levels(1);
    HighScoreTable table(kTableRows, fileName.c_str(), nullptr, nullptr, 0, levels);
    fuzzCheck(table.load(), "a readable table loads");
    for (int32_t row = 0; row < table.getCount(); ++row) {
        const HighScoreEntry& e = table.entry(row);
        fuzzCheck(e.name.size() <= HighScoreTable::kMaxLineChars &&
                      e.scoreText.size() <= HighScoreTable::kMaxLineChars,
                  "no table line is longer than the longest kept");
        table.qualifies(e.score);
    }
    readComments(fileName);
}

void fuzzReplay(Buffer&, const uint8_t* data, size_t size) {
    Replay replay;
    std::string why;
    const bool decoded = Replay::decode(data, size, replay, &why);
    fuzzCheck(decoded || !why.empty(), "a refused replay says why");
    if (decoded) {
        const ReplayHeader& h = replay.header;
        fuzzCheck(replay.inputs.size() == h.frames && (h.players == 1 || h.players == 2) &&
                      h.gameVersion == Replay::kGameVersion,
                  "a decoded replay is whole and ours");
        const std::vector<unsigned char> again = replay.encode();
        Replay back;
        fuzzCheck(again.size() <= size && Replay::decode(again.data(), again.size(), back, &why) &&
                      back.encode() == again,
                  "a decoded replay encodes no longer and decodes the same");
    }
    // The game meets a replay through its folder, the file named as it likes.
    fuzzfolder::write("replays/game.rpl", data, size);
    const std::vector<ReplayStore::Entry> listed = ReplayStore(fuzzfolder::path("replays")).list();
    fuzzCheck(listed.size() == 1 && listed[0].playable == decoded &&
                  (!decoded || listed[0].header.frames == replay.header.frames),
              "the folder lists the file as the reader judged it");
}
