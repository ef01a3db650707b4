#include "gfx/ImageLoader.h"

#include <SDL.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "gfx/SurfaceHolder.h"
#include "store/GameFile.h"

namespace {

constexpr size_t kHeaderSize = 18;
constexpr uint8_t kTypeRaw = 2;
constexpr uint8_t kTypeRunLength = 10;
constexpr uint8_t kBottomRowFirst = 0;
constexpr uint8_t kRepeatPacket = 0x80;
constexpr uint8_t kPacketLengthMask = 0x7F;
constexpr uint16_t kFileRedMask16 = 0x001F;
constexpr uint16_t kFileGreenMask16 = 0x07E0;
constexpr uint16_t kFileBlueMask16 = 0xF800;

struct TgaHeader {
    uint8_t idLength;
    uint8_t type;
    uint16_t width;
    uint16_t height;
    uint8_t depth;
    uint8_t descriptor;
};

uint16_t readLe16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

// A header cut short reads as zeros, which no holder's size matches.
TgaHeader readHeader(std::FILE* file) {
    uint8_t raw[kHeaderSize] = {};
    if (std::fread(raw, 1, kHeaderSize, file) != kHeaderSize) {
        std::fill(std::begin(raw), std::end(raw), 0);
    }
    return TgaHeader{raw[0], raw[2], readLe16(raw + 12), readLe16(raw + 14), raw[16], raw[17]};
}

std::vector<uint8_t> readUpTo(std::FILE* file, size_t limit) {
    std::vector<uint8_t> data(limit);
    data.resize(std::fread(data.data(), 1, limit, file));
    return data;
}

// Decodes run-length packets as one stream of pixels; a packet that crosses a
// row goes on in the next row, and nothing is written past the last pixel.
// False when the data ends before the picture is full.
bool decodeRunLength(const std::vector<uint8_t>& in, size_t pixelBytes, std::vector<uint8_t>& out) {
    size_t read = 0;
    size_t written = 0;
    while (read < in.size() && written < out.size()) {
        const uint8_t header = in[read++];
        const size_t room = (out.size() - written) / pixelBytes;
        const size_t count = std::min<size_t>((header & kPacketLengthMask) + 1u, room);
        const bool repeat = (header & kRepeatPacket) != 0;
        for (size_t i = 0; i < count; ++i) {
            if (read + pixelBytes > in.size()) {
                return false;
            }
            std::copy_n(in.begin() + long(read), pixelBytes, out.begin() + long(written));
            written += pixelBytes;
            if (!repeat) {
                read += pixelBytes;
            }
        }
        if (repeat) {
            read += pixelBytes;
        }
    }
    return written == out.size();
}

// Reads the pixel data, top row of the file first, into pixels.
bool readPixels(std::FILE* file, const TgaHeader& header, std::vector<uint8_t>& pixels) {
    const size_t pixelBytes = header.depth / 8u;
    readUpTo(file, header.idLength);
    if (header.type == kTypeRaw) {
        const std::vector<uint8_t> data = readUpTo(file, pixels.size());
        std::copy(data.begin(), data.end(), pixels.begin());
        return data.size() == pixels.size();
    }
    // At worst every pixel is a one-pixel packet with its header byte.
    const size_t worstCase = pixels.size() + pixels.size() / pixelBytes;
    return decodeRunLength(readUpTo(file, worstCase), pixelBytes, pixels);
}

bool hasFileLayout16(const SDL_PixelFormat* format) {
    return format->Rmask == kFileRedMask16 && format->Gmask == kFileGreenMask16 &&
           format->Bmask == kFileBlueMask16;
}

// The display value of one file pixel.
Uint32 mapFilePixel(const SDL_PixelFormat* format, const uint8_t* pixel, size_t pixelBytes) {
    if (pixelBytes != 2) {
        return SDL_MapRGB(format, pixel[2], pixel[1], pixel[0]);
    }
    const uint16_t value = readLe16(pixel);
    if (format->BytesPerPixel == 2 && hasFileLayout16(format)) {
        return value;
    }
    const uint8_t red = value & 0x1F;
    const uint8_t green = (value >> 5) & 0x3F;
    const uint8_t blue = (value >> 11) & 0x1F;
    return SDL_MapRGB(format, static_cast<Uint8>(red << 3 | red >> 2),
                      static_cast<Uint8>(green << 2 | green >> 4),
                      static_cast<Uint8>(blue << 3 | blue >> 2));
}

void convertRow(SDL_Surface* surface, int row, const uint8_t* pixels, size_t pixelBytes) {
    Uint8* to = static_cast<Uint8*>(surface->pixels) + row * surface->pitch;
    for (int x = 0; x < surface->w; ++x, pixels += pixelBytes) {
        const Uint32 value = mapFilePixel(surface->format, pixels, pixelBytes);
        if (surface->format->BytesPerPixel == 2) {
            reinterpret_cast<Uint16*>(to)[x] = static_cast<Uint16>(value);
        } else {
            to[x * 3] = static_cast<Uint8>(value);
            to[x * 3 + 1] = static_cast<Uint8>(value >> 8);
            to[x * 3 + 2] = static_cast<Uint8>(value >> 16);
        }
    }
}

void convertInto(SDL_Surface* surface, const std::vector<uint8_t>& pixels, size_t pixelBytes,
                 bool bottomRowFirst) {
    const bool locked = SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) == 0;
    const size_t rowBytes = size_t(surface->w) * pixelBytes;
    for (int fileRow = 0; fileRow < surface->h; ++fileRow) {
        const int row = bottomRowFirst ? surface->h - 1 - fileRow : fileRow;
        convertRow(surface, row, pixels.data() + size_t(fileRow) * rowBytes, pixelBytes);
    }
    if (locked) {
        SDL_UnlockSurface(surface);
    }
}

bool surfaceCanTake(const SDL_Surface* surface, const TgaHeader& header) {
    const int depth = SurfaceHolder::displayDepth();
    if (depth != 16 && depth != 24) {
        return false;
    }
    // Written pixel by pixel, so the surface itself must be 2 or 3 bytes deep
    // and exactly the picture's size.
    return surface != nullptr && surface->w == header.width && surface->h == header.height &&
           (surface->format->BytesPerPixel == 2 || surface->format->BytesPerPixel == 3);
}

} // namespace

ImageLoader::ImageLoader(SurfaceHolder* target) : target(target) {}

bool ImageLoader::load(const char* fileName) {
    filling = target;
    std::FILE* file = GameFile::openForReading(fileName);
    if (file == nullptr) {
        error(errno == EINVAL ? "Opening file failed: not a regular file!\n"
                              : "Opening file failed!\n");
        return false;
    }
    const TgaHeader header = readHeader(file);
    bool ok = false;
    if (header.width != filling->getWidth() || header.height != filling->getHeight()) {
        error("Invalid image dimensions!\n");
    } else if (header.type != kTypeRaw && header.type != kTypeRunLength) {
        error("Unknown compression mode!\n");
    } else if (header.depth != 16 && header.depth != 24 && header.depth != 32) {
        char message[64];
        std::snprintf(message, sizeof message, "Invalid bitdepth: %d!\n", header.depth);
        error(message);
    } else if (surfaceCanTake(filling->getSurface(), header)) {
        const size_t pixelBytes = header.depth / 8u;
        std::vector<uint8_t> pixels(size_t(header.width) * header.height * pixelBytes, 0);
        // A cut-off file still gives the picture as far as it goes: the
        // pixels it never reached keep their zeros, which are black.
        if (!readPixels(file, header, pixels)) {
            error("Image data ends early!\n");
        }
        convertInto(filling->getSurface(), pixels, pixelBytes,
                    header.descriptor == kBottomRowFirst);
        ok = true;
    }
    std::fclose(file);
    return ok;
}
