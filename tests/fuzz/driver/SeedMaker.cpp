// Writes the seed corpora of the fuzz targets: small hand-made files of
// every kind each loader knows, and, from the generated game data when a
// folder of it is given, the real pictures, libraries, fonts and texts.
//   fuzz_seeds SEEDS_DIR [DATA_DIR]
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "gfx/Buffer.h"
#include "gfx/ImageLoader.h"
#include "gfx/SurfaceHolder.h"
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
constexpr int32_t kMaxLibraryFramePixels = 128 * 128;
constexpr int kFontDepth = 24;
// The largest font picture the font target makes; real sheets are cut to it.
constexpr int kMaxFontWidth = 128;
constexpr int kMaxFontHeight = 48;

fs::path seedsRoot;
int written = 0;

void put(const std::string& target, const std::string& name, const Bytes& bytes) {
    const fs::path dir = seedsRoot / target;
    fs::create_directories(dir);
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ++written;
}

Bytes text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes scrambled(const Bytes& plain) {
    Bytes out(plain.size());
    for (size_t i = 0; i < plain.size(); ++i) {
        out[i] = EncipheredFile::encipher(plain[i], i);
    }
    return out;
}

Bytes deciphered(const Bytes& stored) {
    Bytes out(stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        out[i] = EncipheredFile::decipher(stored[i], i);
    }
    return out;
}

void appendLe(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(uint8_t(value >> (8 * i)));
    }
}

Bytes tgaHeader(int width, int height, int type, int depth, int descriptor, int idLength = 0) {
    Bytes h = {uint8_t(idLength), 0, uint8_t(type), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    appendLe(h, uint32_t(width), 2);
    appendLe(h, uint32_t(height), 2);
    h.push_back(uint8_t(depth));
    h.push_back(uint8_t(descriptor));
    h.insert(h.end(), size_t(idLength), 'i');
    return h;
}

void handMadePictures() {
    for (int depth : {16, 24, 32}) {
        for (int descriptor : {0, 0x20}) {
            Bytes raw = tgaHeader(5, 3, 2, depth, descriptor);
            for (int i = 0; i < 5 * 3 * depth / 8; ++i) {
                raw.push_back(uint8_t(i * 37));
            }
            put("tga", "raw" + std::to_string(depth) + "_" + std::to_string(descriptor), raw);
            raw.resize(raw.size() - 4);
            put("tga", "cut" + std::to_string(depth) + "_" + std::to_string(descriptor), raw);
        }
        // A repeat packet, a literal packet, and one crossing into the next row.
        Bytes rle = tgaHeader(4, 3, 10, depth, 0x20, 3);
        const size_t px = size_t(depth / 8);
        rle.push_back(0x82);
        rle.insert(rle.end(), px, 0x7F);
        rle.push_back(0x01);
        rle.insert(rle.end(), 2 * px, 0x31);
        rle.push_back(0x86);
        rle.insert(rle.end(), px, 0xC4);
        put("tga", "rle" + std::to_string(depth), rle);
    }
    put("tga", "badtype", tgaHeader(2, 2, 1, 24, 0));
    put("tga", "baddepth", tgaHeader(2, 2, 2, 8, 0));
    put("tga", "short", Bytes{0, 0, 2, 0, 0});
    put("tga", "empty", Bytes{});
}

void handMadeLibraries() {
    Bytes lib;
    appendLe(lib, 2, 4);
    appendLe(lib, 3, 4);
    for (size_t i = 0; i < kLibraryFrames * 2 * 3 * 3; ++i) {
        lib.push_back(uint8_t(i * 11));
    }
    put("sprites", "whole", lib);
    lib.resize(lib.size() / 2);
    put("sprites", "half", lib);
    put("sprites", "header", Bytes(lib.begin(), lib.begin() + 8));
    Bytes negative;
    appendLe(negative, 0xFFFFFFFFu, 4);
    appendLe(negative, 4, 4);
    put("sprites", "negative", negative);
    put("sprites", "empty", Bytes{});
}

// A font input: width - 1, height - 1, then grey levels.
Bytes fontInput(int width, int height, const std::vector<uint8_t>& grey) {
    Bytes out;
    appendLe(out, uint32_t(width - 1), 2);
    out.push_back(uint8_t(height - 1));
    out.insert(out.end(), grey.begin(), grey.end());
    return out;
}

void handMadeFonts() {
    // Five bands of 8 rows: a top marker, glyphs, and a marker row that
    // brackets glyphs three pixels apart.
    const int width = 100;
    const int height = 40;
    std::vector<uint8_t> grey(size_t(width * height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int inBand = y % 8;
            const bool marker = inBand == 6 && x % 3 == 0;
            const bool top = inBand == 0 && y > 0 && x == 0;
            grey[size_t(y * width + x)] = marker || top ? 255 : (inBand > 0 && inBand < 6 ? 90 : 0);
        }
    }
    put("font", "bands", fontInput(width, height, grey));
    put("font", "blank", fontInput(1, 1, {0}));
    put("font", "white", fontInput(4, 4, std::vector<uint8_t>(16, 255)));
}

// The top-left part of a real font picture, read by the game's own loader,
// as grey levels.
void realFont(const fs::path& file, int width, int height) {
    SurfaceHolder picture(width, height);
    if (!picture.createSurface() || !ImageLoader(&picture).load(file.c_str())) {
        return;
    }
    const int keptWidth = std::min(width, kMaxFontWidth);
    const int keptHeight = std::min(height, kMaxFontHeight);
    std::vector<uint8_t> grey;
    for (int y = 0; y < keptHeight; ++y) {
        for (int x = 0; x < keptWidth; ++x) {
            Uint8 r = 0, g = 0, b = 0;
            SDL_GetRGB(picture.getPixel(x, y), picture.getSurface()->format, &r, &g, &b);
            grey.push_back(picture.isWhite(x, y) ? 255 : uint8_t(std::min((r + g + b) / 3, 254)));
        }
    }
    put("font", file.stem().string(), fontInput(keptWidth, keptHeight, grey));
}

void handMadeStore() {
    put("keys", "empty", Bytes{});
    Bytes keys;
    for (uint32_t v : {276u, 275u, 273u, 274u, 305u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 1u, 0u, 7u}) {
        appendLe(keys, v, 4);
    }
    put("keys", "whole", keys);
    put("keys", "short", Bytes(keys.begin(), keys.end() - 1));
    Bytes odd;
    for (uint32_t v : {0xFFFFFFFFu, 323u, 324u, 0x80000000u, 9u, 2u, 99u, 1u}) {
        appendLe(odd, v, 4);
        appendLe(odd, v ^ 1u, 4);
    }
    put("keys", "odd", odd);

    Bytes settings;
    for (uint32_t v : {1u, 0u, 0xFFFFFFFFu, 0xFFFFFFFFu, 40u, 128u}) {
        appendLe(settings, v, 4);
    }
    put("settings", "whole", settings);
    put("settings", "partial", Bytes(settings.begin(), settings.begin() + 7));
    put("settings", "empty", Bytes{});

    std::string table;
    for (int i = 0; i < 10; ++i) {
        table += std::to_string(5000 - i * 400) + "\nTROOPER " + std::to_string(i) + "\n";
    }
    put("scrambled", "table", scrambled(text(table)));
    put("scrambled", "comments", scrambled(text("Zero.\nYou got % points!\n%%\nLast line\n")));
    put("scrambled", "long", scrambled(text(std::string(300, 'x') + "%\n99999999999999999999\n")));
    put("scrambled", "empty", Bytes{});

    put("help", "text", text("Welcome\n\nTwo lines\n"));
    put("help", "pictures", text("|P|box|8|6|\nNext to it\n|P|box|8|6|\n|P|box|9999|6|\n"
                                 "|P||8|6|\n|P|box|8|\n| a note\n|Pbox|8|6|\n"));
    put("help", "empty", Bytes{});
}

// Replays as the game writes them: one and two players, a hold long enough to
// take several runs, and one cut short.
void madeReplays() {
    put("replay", "one", plausibleGame(1, 400).encode());
    put("replay", "two", plausibleGame(2, 200, 1234, "").encode());
    Replay held = plausibleGame(1, 600);
    held.inputs.assign(held.inputs.size(), Replay::actionBit(0, 2));
    put("replay", "held", held.encode());
    Bytes cut = plausibleGame(2, 50).encode();
    cut.resize(cut.size() - 2);
    put("replay", "cut", cut);
    put("replay", "empty", Bytes{});
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
        if (lib.size() < 8) {
            continue;
        }
        const int32_t w = int32_t(lib[0] | lib[1] << 8);
        const int32_t h = int32_t(lib[4] | lib[5] << 8);
        if (w * h <= kMaxLibraryFramePixels) {
            lib.resize(std::min(lib.size(), 8 + kLibraryFrames * size_t(w * h) * 3));
            put("sprites", file.filename().string(), lib);
        }
    }
    realFont(data / "pics/font_gold.pl", 502, 200);
    realFont(data / "pics/font_babylon_deco.pl", 610, 122);
    for (const fs::path& file : smallest(data / "dat", ".dat", UINTMAX_MAX)) {
        const Bytes stored = readFile(file);
        put("scrambled", file.filename().string(), stored);
        put("help", file.filename().string(), deciphered(stored));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SEEDS_DIR [DATA_DIR]\n", argv[0]);
        return 2;
    }
    seedsRoot = argv[1];
    handMadePictures();
    handMadeLibraries();
    handMadeFonts();
    handMadeStore();
    madeReplays();
    if (argc > 2 && fs::is_directory(argv[2]) && SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
        screen = new Buffer(640, 480, kFontDepth, kWindowModeWindow);
        realData(argv[2]);
        delete screen;
        screen = nullptr;
        SDL_Quit();
    }
    std::printf("%d seed files written to %s\n", written, argv[1]);
    return 0;
}
