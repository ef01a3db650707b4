// Writes the seed corpora of the fuzz targets: a few hand-made files of every
// kind the loaders know. The generated game data joins them as a corpus of
// its own when the targets run.
//   fuzz_seeds SEEDS_DIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/FuzzFolder.h"
#include "support/ReplayGames.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

fs::path seedsRoot;
int written = 0;

void put(const std::string& target, const std::string& name, const Bytes& bytes) {
    fs::create_directories(seedsRoot / target);
    std::ofstream out(seedsRoot / target / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ++written;
}

void appendLe(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(uint8_t(value >> (8 * i)));
    }
}

void handMade() {
    // The generated pictures are all stored raw: a run-length one, 4 by 3 at
    // 24 bits, with a repeat packet, a literal one and one crossing a row.
    Bytes rle = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 3, 0, 24, 0x20};
    rle.insert(rle.end(), {0x82, 1, 2, 3, 0x01, 4, 5, 6, 7, 8, 9, 0x86, 10, 11, 12});
    put("tga", "rle", rle);
    // A font input: width - 1, height - 1, then grey levels.
    Bytes font = {99, 0, 39};
    const Bytes sheet = fuzzfolder::fontSheet(100, 40);
    font.insert(font.end(), sheet.begin(), sheet.end());
    put("font", "bands", font);
    Bytes keys;
    for (uint32_t v : {276u, 275u, 0xFFFFFFFFu, 274u, 305u, 0x80000000u, 0u, 0u, 0u, 0u, 1u, 2u, 0u,
                       1u, 0u, 7u}) {
        appendLe(keys, v, 4);
    }
    put("keys", "whole", keys);
    const std::string page = "|P|box|8|6|\nNext to it\n|P|box|9999|6|\n|P||8|6|\n"
                             "|P|box|8|\n| a note\n|Pbox|8|6|\n";
    put("help", "pictures", Bytes(page.begin(), page.end()));
    put("scrambled", "page", Bytes(page.begin(), page.end()));
    // A library of 2 by 2 frames: its width and height, then three frames.
    Bytes library;
    appendLe(library, 2, 4);
    appendLe(library, 2, 4);
    library.resize(library.size() + 3 * 2 * 2 * 3, 0x40);
    put("sprites", "three", library);
    put("replay", "one", plausibleGame(1, 400).encode());
    put("replay", "two", plausibleGame(2, 200, 1234, "").encode());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SEEDS_DIR\n", argv[0]);
        return 2;
    }
    seedsRoot = argv[1];
    handMade();
    std::printf("%d seed files written to %s\n", written, argv[1]);
    return 0;
}
