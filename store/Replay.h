#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a replay's header holds: enough to start the same game again and to
// match the replay to its high-score entry.
struct ReplayHeader {
    uint32_t formatVersion = 0; // Replay::kFormatVersion when written by us
    std::string gameVersion;    // the game's version text, Replay::kGameVersion
    int32_t players = 1;        // 1 or 2
    uint32_t seed = 0;          // the seed the game's random sequence started from
    uint32_t frames = 0;        // frames the game ran (== inputs.size())
    int32_t score = 0;          // final score
    int32_t level = 0;          // level tag at the end (LevelTable::levelFor(score))
    std::string name;           // name entered into the high-score table; empty if none
    int64_t date = 0;           // seconds since the epoch, when the game ended
};

// One frame's input. Bits 0-4: player 1's actions in GuideKeys order
// (kLeft, kRight, kForward, kBackward, kFire); bits 5-9: player 2's; bit 10:
// Escape was taken in this frame (the game is given up); bit 11: F1 was taken
// in this frame (the game paused).
using ReplayInput = uint16_t;

// One recorded game: who played, from which seed, and the held actions of
// every frame; stored run-length coded.
//
// The file, every number little-endian:
//   magic "KXRP" (4 bytes), format version u32,
//   game version (u8 length, at most kMaxTextBytes, then the bytes),
//   players i32, seed u32, frames u32, score i32, level i32,
//   name (u8 length, at most kMaxTextBytes, then the bytes), date i64,
//   run count u32, then that many runs of (input u16, length u8 1..255).
// A hold longer than 255 frames takes several runs.
class Replay {
  public:
    static constexpr uint32_t kFormatVersion = 1;
    // The version text the game shows; a replay of another version may not
    // play the same and is not played.
    static constexpr const char* kGameVersion = "1.1L";
    static constexpr ReplayInput kEscapeBit = 1u << 10;
    static constexpr ReplayInput kF1Bit = 1u << 11;
    static constexpr int32_t kActionsPerPlayer = 5;
    // Every bit a frame's input may hold.
    static constexpr ReplayInput kKnownBits = (1u << 12) - 1;
    // One day of 50 ms frames: more is no game, only a damaged header.
    static constexpr uint32_t kMaxFrames = 24u * 60u * 60u * 20u;
    static constexpr size_t kMaxTextBytes = 63;
    // player is 0 or 1, action a GuideKeys action 0..4.
    static constexpr ReplayInput actionBit(int32_t player, int32_t action) {
        return ReplayInput(1u << (player * kActionsPerPlayer + action));
    }

    ReplayHeader header;
    std::vector<ReplayInput> inputs; // one per frame, in order

    // The file's bytes. Texts longer than kMaxTextBytes are cut there. A
    // ten-minute game (12,000 frames) of ordinary play stays well under 20 KB.
    std::vector<unsigned char> encode() const;
    // False, with the reason in words in why and out untouched, for a short,
    // truncated, huge, garbage file, another format version or another game
    // version; never reads out of bounds, never allocates more than the file
    // can justify.
    static bool decode(const unsigned char* data, size_t size, Replay& out, std::string* why);
    // Through GameFile::replace (temporary file + rename): the old file
    // survives a failed save. True when written whole.
    bool save(const std::string& path) const;
    // GameFile::openForReading, size-capped read, then decode.
    static bool load(const std::string& path, Replay& out, std::string* why);
};
