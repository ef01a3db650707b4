#include "WavWriter.h"

#include <cstdint>
#include <cstdio>
#include <fstream>

#include "Dsp.h"

namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr uint16_t kChannels = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint32_t kFormatChunkSize = 16;
constexpr uint32_t kHeaderAfterRiffSize = 36;

void put16(std::ofstream& out, uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, uint32_t value) {
    put16(out, static_cast<uint16_t>(value & 0xFFFF));
    put16(out, static_cast<uint16_t>(value >> 16));
}

} // namespace

bool WavWriter::write(const std::string& path, const Mono& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        return false;
    }
    const uint16_t blockAlign = kChannels * kBitsPerSample / 8;
    const uint32_t dataSize = static_cast<uint32_t>(samples.size()) * blockAlign;
    out.write("RIFF", 4);
    put32(out, kHeaderAfterRiffSize + dataSize);
    out.write("WAVEfmt ", 8);
    put32(out, kFormatChunkSize);
    put16(out, kPcmFormat);
    put16(out, kChannels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * blockAlign);
    put16(out, blockAlign);
    put16(out, kBitsPerSample);
    out.write("data", 4);
    put32(out, dataSize);
    for (float s : samples) {
        put16(out, static_cast<uint16_t>(toPcm16(s)));
    }
    return static_cast<bool>(out);
}
