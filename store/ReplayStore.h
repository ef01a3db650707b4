#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "store/Replay.h"

// The kept replays in one folder (the game's is "dat/replays"): the last game
// played, and every game that holds a place in a high-score table. Made by the
// Game; the replay list screen and the attract mode read it.
//
// File names: "last.rpl" for the last game; "<players>p-<score>-<date>-<seed>.rpl"
// (e.g. "1p-412-1718000000-12345.rpl") for a table's game. Only files ending
// in ".rpl" are replays; the name says nothing trusted, the header decides.
class ReplayStore {
  public:
    static constexpr const char* kLastName = "last.rpl";
    static constexpr const char* kSuffix = ".rpl";

    explicit ReplayStore(std::string folder);

    struct Entry {
        std::string path;
        bool playable = false; // decoded whole, format and game version ours
        std::string why;       // why not, when not playable
        bool last = false;     // the last game played
        ReplayHeader header;   // valid when playable
    };
    // Every replay file in the folder. Playable ones first, best score first
    // (ties: newer first); one- and two-player mixed; then the unplayable ones.
    // Each unplayable file is reported once on standard error.
    std::vector<Entry> list() const;
    // The best playable replay, for the attract mode; false when none.
    bool best(Entry& out) const;
    // Keeps the replay as the last game's; and, when inTable, as one belonging
    // to a table entry. Makes the folder when missing. False when a save
    // failed (the old files are then untouched).
    bool keep(const Replay& replay, bool inTable);
    // Deletes every kept table replay whose (players, score, name) matches no
    // entry of the table of its kind; the last game's file stays. entriesFor
    // answers the table entries (score, name) for 1 or 2 players.
    void prune(const std::function<std::vector<std::pair<int32_t, std::string>>(int32_t players)>&
                   entriesFor);

  private:
    std::string folder;
    // Unplayable files already reported, so a screen listing again stays quiet.
    mutable std::set<std::string> reported;
};
