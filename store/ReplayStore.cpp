#include "store/ReplayStore.h"

#include <algorithm>
#include <filesystem>

#include "app/GBase.h"

namespace fs = std::filesystem;

namespace {

std::string tableName(const ReplayHeader& h) {
    return std::to_string(h.players) + "p-" + std::to_string(h.score) + "-" +
           std::to_string(h.date) + "-" + std::to_string(h.seed) + ReplayStore::kSuffix;
}

bool listedBefore(const ReplayStore::Entry& a, const ReplayStore::Entry& b) {
    if (a.playable != b.playable) {
        return a.playable;
    }
    if (a.playable && a.header.score != b.header.score) {
        return a.header.score > b.header.score;
    }
    if (a.playable && a.header.date != b.header.date) {
        return a.header.date > b.header.date;
    }
    return a.path < b.path;
}

// Of two replays of the same score and name, the older holds the higher
// place, as a table puts a new score below those it only equals; it is the
// newer that a better game pushes out first.
bool olderFirst(const ReplayStore::Entry& a, const ReplayStore::Entry& b) {
    return a.header.date != b.header.date ? a.header.date < b.header.date : a.path < b.path;
}

} // namespace

ReplayStore::ReplayStore(std::string folder) : folder(std::move(folder)) {}

std::vector<ReplayStore::Entry> ReplayStore::list() const {
    std::vector<Entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        if (path.extension() != kSuffix) {
            continue;
        }
        Entry entry;
        entry.path = path.string();
        entry.last = path.filename() == kLastName;
        Replay replay;
        entry.playable = Replay::load(entry.path, replay, &entry.why);
        if (entry.playable) {
            entry.header = replay.header;
        } else if (reported.insert(entry.path).second) {
            GBase::error(
                ("The replay " + entry.path + " cannot be played: " + entry.why + "\n").c_str());
        }
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), listedBefore);
    return entries;
}

bool ReplayStore::best(Entry& out) const {
    const std::vector<Entry> entries = list();
    if (entries.empty() || !entries.front().playable) {
        return false;
    }
    out = entries.front();
    return true;
}

bool ReplayStore::keep(const Replay& replay, bool inTable) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        GBase::error(("The replay folder " + folder + " cannot be made (" + error.message() +
                      "); the game's replay is not kept\n")
                         .c_str());
        return false;
    }
    const bool tableKept =
        !inTable || replay.save((fs::path(folder) / tableName(replay.header)).string());
    const bool lastKept = replay.save((fs::path(folder) / kLastName).string());
    return tableKept && lastKept;
}

void ReplayStore::prune(
    const std::function<std::vector<std::pair<int32_t, std::string>>(int32_t players)>&
        entriesFor) {
    std::vector<Entry> kept = list();
    // A file that cannot be read cannot be matched either; it stays, as it is
    // not ours to judge, and list() has said what is wrong with it.
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [](const Entry& e) { return e.last || !e.playable; }),
               kept.end());
    std::sort(kept.begin(), kept.end(), olderFirst);
    for (const int32_t players : {1, 2}) {
        std::vector<std::pair<int32_t, std::string>> places = entriesFor(players);
        for (const Entry& entry : kept) {
            if (entry.header.players != players) {
                continue;
            }
            const auto place = std::find(places.begin(), places.end(),
                                         std::make_pair(entry.header.score, entry.header.name));
            if (place != places.end()) {
                places.erase(place);
                continue;
            }
            std::error_code error;
            if (!fs::remove(entry.path, error)) {
                GBase::error(("The replay " + entry.path +
                              " of a game no longer in the table "
                              "cannot be deleted\n")
                                 .c_str());
            }
        }
    }
}
