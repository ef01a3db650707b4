#include "Pieces.h"

namespace {

const std::vector<int> kAeolian = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kPhrygian = {0, 1, 3, 5, 7, 8, 10};
const std::vector<int> kHarmonicMinor = {0, 2, 3, 5, 7, 8, 11};

// Start-up: a slow pulse under pads, short as loading is short.
Style loading() {
    return {101,
            92.0f,
            33,
            kAeolian,
            {0, 0, 5, 4},
            "x.......x.......",
            "................",
            "..g...g...g...g.",
            "................",
            "x-------x-------",
            0.1f,
            {"PH", "PKHB", "PKHBA"},
            24,
            0.3f};
}

// The menu: brooding, mid-tempo, the lead kept sparse behind the menu sounds.
Style menu() {
    return {202,
            96.0f,
            31,
            kAeolian,
            {0, 5, 2, 6},
            "x.........x.....",
            "....x.......x...",
            "x.g.x.g.x.g.x.go",
            "..........g.....",
            "x--.....x-..o...",
            0.25f,
            {"P", "PKHB", "PKSHBL", "PKSHBCL"},
            24,
            0.45f};
}

// The fallback game piece: steady four to the floor with an arpeggio.
Style fallback() {
    return {303,
            118.0f,
            36,
            kAeolian,
            {0, 0, 5, 6, 0, 0, 3, 4},
            "x...x...x...x...",
            "....x.......x...",
            "..x...x...x...xo",
            "...g.......g..g.",
            "x.xo.xx.x.xo.xf.",
            0.45f,
            {"PH", "PKHB", "PKSHBA", "PKSHBAL", "PKSHCBL", "PHA", "PKSHCBAL", "PKSHBL"},
            24,
            0.5f};
}

// "Hive": driving, phrygian, metal clanks on the off-beats.
Style hive() {
    return {404,
            112.0f,
            28,
            kPhrygian,
            {0, 1, 0, 6},
            "x...x...x...x..g",
            "....x.......x.g.",
            "xxgxxxgoxxgxxxgo",
            "..x.......x.....",
            "xoxfxoxxxoxfx-of",
            0.6f,
            {"PKB", "PKHB", "PKSHBC", "PKSHBCL", "PHA", "PKSHBAL", "PKSHBCAL", "PKSHB"},
            24,
            0.55f};
}

// "Descent": slow, heavy half-time beat, long pads and a singing lead.
Style descent() {
    return {505,
            84.0f,
            26,
            kHarmonicMinor,
            {0, 5, 3, 4},
            "x.....x...x.....",
            "........x.......",
            "x.x.x.x.x.x.x.xo",
            ".......g.......g",
            "x-----x---x--o--",
            0.2f,
            {"P", "PKHB", "PKSHBL", "PKSHBCL", "PL", "PKSHBCAL"},
            36,
            0.4f};
}

// "Swarm": fast and restless, an acid bass line under the arpeggio.
Style swarm() {
    return {
        606,
        132.0f,
        33,
        kAeolian,
        {0, 0, 6, 5, 0, 0, 3, 4},
        "x..gx...x..gx...",
        "....x.......x..g",
        "gxgogxgogxgogxgo",
        ".g..........g...",
        "xxoxfxoxxxoxfxox",
        0.85f,
        {"KHB", "PKHBA", "PKSHBA", "PKSHBAL", "PHB", "PKSHBCL", "PKSHBCAL", "PKSHBCAL", "PKSHA"},
        24,
        0.6f};
}

} // namespace

std::vector<Piece> allPieces() {
    return {
        {"sounds/load.ogg", loading()},   {"sounds/menu.ogg", menu()},
        {"sounds/om.ogg", fallback()},    {"music/hive.ogg", hive()},
        {"music/descent.ogg", descent()}, {"music/swarm.ogg", swarm()},
    };
}
