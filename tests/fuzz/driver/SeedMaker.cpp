// Writes the seed corpora of the fuzz targets: a few hand-made files of the
// kinds the generated data lacks, and, from the generated game data when a
// folder of it is given, its smallest pictures, libraries and texts.
//   fuzz_seeds SEEDS_DIR [DATA_DIR]
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzFolder.h"
#include "store/EncipheredFile.h"
#include "support/ReplayGames.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

// Real files are taken smallest first, this many of a kind, so the search
// starts from varied but quick inputs.
constexpr size_t kRealFilesPerKind = 12;
constexpr uintmax_t kMaxRealPicture = 8 * 1024;
// Only the frames a fuzzed library is read as are kept of a real one.
constexpr size_t kLibraryFrames = 3;
constexpr size_t kLibraryHeaderBytes = 8;
constexpr size_t kMaxLibraryFramePixels = 128 * 128;

fs::path seedsRoot;
int written = 0;

void put(const std::string& target, const std::string& name, const Bytes& bytes) {
    fs::create_directories(seedsRoot / target);
    std::ofstream out(seedsRoot / target / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ++written;
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
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
    put("replay", "one", plausibleGame(1, 400).encode());
    put("replay", "two", plausibleGame(2, 200, 1234, "").encode());
}

// The smallest files of the folder with the extension.
std::vector<fs::path> smallest(const fs::path& dir, const std::string& extension,
                               uintmax_t maxSize) {
    std::vector<fs::path> found;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(dir, ignored)) {
        if (entry.path().extension() == extension && entry.file_size() <= maxSize) {
            found.push_back(entry.path());
        }
    }
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        return fs::file_size(a) < fs::file_size(b);
    });
    found.resize(std::min(found.size(), kRealFilesPerKind));
    return found;
}

void realData(const fs::path& data) {
    for (const fs::path& file : smallest(data / "pics", ".bl", kMaxRealPicture)) {
        put("tga", file.filename().string(), readFile(file));
    }
    for (const fs::path& file : smallest(data / "pics", ".lib", UINTMAX_MAX)) {
        Bytes lib = readFile(file);
        if (lib.size() < kLibraryHeaderBytes) {
            continue;
        }
        const size_t pixels = size_t(lib[0] | lib[1] << 8) * size_t(lib[4] | lib[5] << 8);
        if (pixels <= kMaxLibraryFramePixels) {
            lib.resize(std::min(lib.size(), kLibraryHeaderBytes + kLibraryFrames * pixels * 3));
            put("sprites", file.filename().string(), lib);
        }
    }
    for (const fs::path& file : smallest(data / "dat", ".dat", UINTMAX_MAX)) {
        const Bytes stored = readFile(file);
        put("scrambled", file.filename().string(), stored);
        Bytes plain(stored.size());
        for (size_t i = 0; i < stored.size(); ++i) {
            plain[i] = EncipheredFile::decipher(stored[i], i);
        }
        put("help", file.filename().string(), plain);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SEEDS_DIR [DATA_DIR]\n", argv[0]);
        return 2;
    }
    seedsRoot = argv[1];
    handMade();
    if (argc > 2 && fs::is_directory(argv[2])) {
        realData(argv[2]);
    }
    std::printf("%d seed files written to %s\n", written, argv[1]);
    return 0;
}
