#include "gfx/Bobs.h"

#include <SDL.h>
#include <algorithm>
#include <cerrno>

#include "gfx/Bob.h"
#include "store/GameFile.h"

namespace {

constexpr int32_t kMaxFrameSide = 2048;
constexpr int kLibraryPixelBytes = 3;
constexpr long long kLibraryHeaderBytes = 8;
constexpr int kTwoDigitsFrom = 10;

enum class FrameRead { complete, dataEnded, noSurface };

int32_t readLe32(const uint8_t* at) {
    return int32_t(uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 |
                   uint32_t(at[3]) << 24);
}

void writeLe32(std::FILE* file, int32_t value) {
    const auto bits = uint32_t(value);
    const uint8_t bytes[4] = {uint8_t(bits), uint8_t(bits >> 8), uint8_t(bits >> 16),
                              uint8_t(bits >> 24)};
    std::fwrite(bytes, 1, sizeof bytes, file);
}

// One library pixel (blue, green, red) stored in the frame's own depth.
void storePixel(SDL_Surface* frame, Uint8* at, const uint8_t* bgr) {
    switch (frame->format->BytesPerPixel) {
    case 3: {
        const Uint32 value = SDL_MapRGB(frame->format, bgr[2], bgr[1], bgr[0]);
        at[0] = Uint8(value);
        at[1] = Uint8(value >> 8);
        at[2] = Uint8(value >> 16);
        break;
    }
    case 2:
        *reinterpret_cast<Uint16*>(at) = Uint16(SDL_MapRGB(frame->format, bgr[2], bgr[1], bgr[0]));
        break;
    case 1:
        // The nearest colour of the palette every 8-bit surface shares.
        *at = Uint8(SDL_MapRGB(SDL_GetVideoSurface()->format, bgr[2], bgr[1], bgr[0]));
        break;
    default:
        break;
    }
}

// Fills a frame row by row from the file; false when the file ends first,
// the rest of the frame staying black.
bool fillFrame(SDL_Surface* frame, std::FILE* file) {
    std::vector<uint8_t> row(size_t(frame->w) * kLibraryPixelBytes);
    const bool locked = SDL_MUSTLOCK(frame) && SDL_LockSurface(frame) == 0;
    bool complete = true;
    for (int y = 0; y < frame->h && complete; ++y) {
        const size_t got = std::fread(row.data(), 1, row.size(), file);
        complete = got == row.size();
        Uint8* at = static_cast<Uint8*>(frame->pixels) + y * frame->pitch;
        for (size_t x = 0; x < got / kLibraryPixelBytes; ++x) {
            storePixel(frame, at + x * frame->format->BytesPerPixel, &row[x * kLibraryPixelBytes]);
        }
    }
    if (locked) {
        SDL_UnlockSurface(frame);
    }
    return complete;
}

// How many whole frames the file's data holds after its header. The header
// alone could otherwise ask for hundreds of megabytes of frames.
size_t framesInFile(std::FILE* file, int32_t width, int32_t height) {
    const long long frameBytes = static_cast<long long>(width) * height * kLibraryPixelBytes;
    const long long data = GameFile::sizeOf(file) - kLibraryHeaderBytes;
    return data > 0 ? size_t(data / frameBytes) : 0;
}

// Makes the frames at the library's size that the file can fill, and fills
// them; the rest stay null.
FrameRead readFrames(std::vector<Bob*>& frames, std::FILE* file, int32_t width, int32_t height) {
    const size_t whole = std::min(frames.size(), framesInFile(file, width, height));
    for (size_t i = 0; i < whole; ++i) {
        frames[i] = new Bob(width, height);
        if (frames[i]->getSurface() == nullptr) {
            return FrameRead::noSurface;
        }
        // A file that shrank since its size was taken ends the filling.
        if (!fillFrame(frames[i]->getSurface(), file)) {
            return FrameRead::dataEnded;
        }
    }
    return whole == frames.size() ? FrameRead::complete : FrameRead::dataEnded;
}

} // namespace

Bobs::Bobs(int32_t count)
    : frames(size_t(std::max(count, 0)), nullptr), count(std::max(count, 0)) {}

Bobs::~Bobs() {
    if (kWriteSpriteLibraries) {
        writeLibrary();
    }
    clearFrames();
}

void Bobs::clearFrames() {
    for (Bob*& frame : frames) {
        delete frame;
        frame = nullptr;
    }
}

std::string Bobs::frameName(const std::string& base, long long number) {
    return base + (number < kTwoDigitsFrom && number >= 0 ? "0" : "") + std::to_string(number);
}

Bobs* Bobs::loadNew(const std::string& name, int32_t count, int32_t width, int32_t height,
                    int32_t firstNumber) {
    Bobs* set = new Bobs(count);
    if (!set->load(name.c_str(), width, height, firstNumber)) {
        delete set;
        return nullptr;
    }
    return set;
}

bool Bobs::load(const char* name, int32_t width, int32_t height) {
    return load(name, width, height, 1);
}

bool Bobs::load(const char* name, int32_t width, int32_t height, int32_t firstNumber) {
    if (kLoadSpriteLibraries) {
        return loadLibrary(name);
    }
    return loadFiles(name, width, height, firstNumber);
}

bool Bobs::loadLibrary(const char* name) {
    baseName = name == nullptr ? "" : name;
    clearFrames();
    current = 0;
    const std::string path = baseName + ".lib";
    print(("Loading images \"" + path + "\"...").c_str());
    std::FILE* file = GameFile::openForReading(path.c_str());
    const bool notRegular = file == nullptr && errno == EINVAL;
    uint8_t header[kLibraryHeaderBytes] = {};
    const bool hasHeader = file != nullptr && std::fread(header, 1, sizeof header, file) == 8;
    const int32_t width = readLe32(header);
    const int32_t height = readLe32(header + 4);
    FrameRead result = FrameRead::dataEnded;
    if (hasHeader && width > 0 && height > 0 && width <= kMaxFrameSide && height <= kMaxFrameSide) {
        result = readFrames(frames, file, width, height);
    }
    if (file != nullptr) {
        std::fclose(file);
    }
    if (result == FrameRead::noSurface) {
        return false;
    }
    if (notRegular) {
        error(("File " + path + " is not a regular file!").c_str());
        printAppend("ERROR!");
        return false;
    }
    if (result == FrameRead::dataEnded) {
        error(("File " + path + " is corrupted or not found!").c_str());
        printAppend("ERROR!");
        return false;
    }
    printAppend("OK");
    return true;
}

bool Bobs::loadFiles(const char* name, int32_t width, int32_t height, int32_t firstNumber) {
    baseName = name == nullptr ? "" : name;
    clearFrames();
    current = 0;
    print(("Loading images \"" + baseName + "\"...").c_str());
    bool all = true;
    for (int32_t i = 0; i < count; ++i) {
        // In 64 bits: a first number near the top of the range must not wrap.
        const long long number = static_cast<long long>(firstNumber) + i;
        Bob* frame = new Bob(frameName(baseName, number).c_str(), width, height);
        all = all && frame->getSurface() != nullptr;
        frames[size_t(i)] = frame;
    }
    printAppend(all ? "OK" : "ERROR!");
    return all;
}

bool Bobs::writeLibrary() const {
    const Bob* first = frameAt(0);
    if (SurfaceHolder::displayDepth() != 24 || first == nullptr || first->getSurface() == nullptr) {
        return false;
    }
    const std::string path = baseName + ".lib";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error("Error with lib file!");
        return false;
    }
    const int32_t width = first->getSurface()->w;
    const int32_t height = first->getSurface()->h;
    writeLe32(file, width);
    writeLe32(file, height);
    const std::vector<uint8_t> blank(size_t(width) * kLibraryPixelBytes, 0);
    for (const Bob* frame : frames) {
        const SDL_Surface* surface = frame == nullptr ? nullptr : frame->getSurface();
        const bool usable = surface != nullptr && surface->w == width && surface->h == height &&
                            surface->format->BytesPerPixel == kLibraryPixelBytes;
        for (int32_t y = 0; y < height; ++y) {
            // A frame that is missing keeps its place in the file as black.
            const void* row = usable
                                  ? static_cast<const Uint8*>(surface->pixels) + y * surface->pitch
                                  : blank.data();
            std::fwrite(row, 1, blank.size(), file);
        }
    }
    const bool written = std::ferror(file) == 0;
    return std::fclose(file) == 0 && written;
}

Bob* Bobs::frameAt(int32_t i) const {
    return i >= 0 && i < count ? frames[size_t(i)] : nullptr;
}

void Bobs::drawAt(Buffer& screen, int32_t x, int32_t y) const {
    drawFrameAt(screen, current, x, y);
}

void Bobs::drawOnBackground(Image& playfield, int32_t x, int32_t y) const {
    drawFrameOnBackground(playfield, current, x, y);
}

void Bobs::drawFrameAt(Buffer& screen, int32_t n, int32_t x, int32_t y) const {
    if (Bob* frame = frameAt(n)) {
        frame->drawAt(screen, x, y);
    }
}

void Bobs::drawFrameOnBackground(Image& playfield, int32_t n, int32_t x, int32_t y) const {
    if (Bob* frame = frameAt(n)) {
        frame->drawOnBackground(playfield, x, y);
    }
}

void Bobs::keyFromCorner() {
    for (Bob* frame : frames) {
        if (frame != nullptr) {
            frame->keyFromCorner();
        }
    }
}

void Bobs::keyFromColor(uint8_t r, uint8_t g, uint8_t b) {
    for (Bob* frame : frames) {
        if (frame != nullptr) {
            frame->keyFromColor(r, g, b);
        }
    }
}
