#include "store/Replay.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "app/GBase.h"
#include "store/GameFile.h"

namespace {

constexpr unsigned char kMagic[] = {'K', 'X', 'R', 'P'};
constexpr size_t kMagicBytes = sizeof(kMagic);
// A run is the input (2 bytes) and how many frames in a row held it (1 byte).
constexpr size_t kInputBytes = 2;
constexpr size_t kRunBytes = kInputBytes + 1;
constexpr uint32_t kMaxRun = 255;
// Magic, format version, the two text lengths, players, seed, frames, score,
// level, date and run count: a file shorter cannot be a replay.
constexpr size_t kFixedBytes = kMagicBytes + 4 + 1 + 4 + 4 + 4 + 4 + 4 + 1 + 8 + 4;
// Every frame of the longest game a run of its own, and both texts whole.
constexpr long long kMaxFileBytes =
    kFixedBytes + 2 * Replay::kMaxTextBytes + Replay::kMaxFrames * kRunBytes;

// The unread part of a file. A read past the end yields zeros and clears ok,
// so a header is read straight through and checked once.
struct Cursor {
    const unsigned char* at;
    size_t left;
    bool ok = true;
};

uint64_t takeLe(Cursor& in, size_t bytes) {
    if (in.left < bytes) {
        in.ok = false;
        in.left = 0;
        return 0;
    }
    uint64_t value = 0;
    for (size_t i = 0; i < bytes; ++i) {
        value |= uint64_t(in.at[i]) << (8 * i);
    }
    in.at += bytes;
    in.left -= bytes;
    return value;
}

std::string takeText(Cursor& in) {
    const size_t length = size_t(takeLe(in, 1));
    if (!in.ok || in.left < length) {
        in.ok = false;
        return "";
    }
    std::string text(reinterpret_cast<const char*>(in.at), length);
    in.at += length;
    in.left -= length;
    return text;
}

void putLe(std::vector<unsigned char>& out, uint64_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

void putText(std::vector<unsigned char>& out, const std::string& text) {
    const size_t length = std::min(text.size(), Replay::kMaxTextBytes);
    out.push_back(static_cast<unsigned char>(length));
    out.insert(out.end(), text.begin(), text.begin() + long(length));
}

bool refuse(std::string* why, const std::string& reason) {
    if (why != nullptr) {
        *why = reason;
    }
    return false;
}

// A text from the file as it may be shown on a terminal: no control codes.
std::string shown(std::string text) {
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return !std::isprint(static_cast<unsigned char>(c)); }, '?');
    return '"' + text + '"';
}

// Everything after the format version, up to the runs.
bool readHeader(Cursor& in, ReplayHeader& h, std::string* why) {
    h.gameVersion = takeText(in);
    h.players = int32_t(takeLe(in, 4));
    h.seed = uint32_t(takeLe(in, 4));
    h.frames = uint32_t(takeLe(in, 4));
    h.score = int32_t(takeLe(in, 4));
    h.level = int32_t(takeLe(in, 4));
    h.name = takeText(in);
    h.date = int64_t(takeLe(in, 8));
    if (!in.ok) {
        return refuse(why, "truncated in its header");
    }
    if (h.gameVersion != Replay::kGameVersion) {
        return refuse(why, "made by game version " + shown(h.gameVersion) + ", not " +
                               Replay::kGameVersion);
    }
    if (h.players != 1 && h.players != 2) {
        return refuse(why, "names " + std::to_string(h.players) + " players");
    }
    if (h.frames > Replay::kMaxFrames) {
        return refuse(why, std::to_string(h.frames) + " frames, more than a day of play");
    }
    if (h.score < 0 || h.level < 0) {
        return refuse(why, "a negative score or level");
    }
    return true;
}

// Checks every run before a single frame is made, so what is allocated is
// what the header and the runs agree on.
bool checkRuns(const Cursor& in, uint32_t runs, uint32_t frames, std::string* why) {
    if (in.left / kRunBytes < runs) {
        return refuse(why, "truncated: " + std::to_string(runs) + " runs need " +
                               std::to_string(size_t(runs) * kRunBytes) + " bytes, " +
                               std::to_string(in.left) + " are left");
    }
    if (in.left != size_t(runs) * kRunBytes) {
        return refuse(why, "bytes after the last run");
    }
    uint64_t covered = 0;
    for (size_t i = 0; i < runs; ++i) {
        const unsigned char* run = in.at + i * kRunBytes;
        if ((uint32_t(run[0] | run[1] << 8) & ~uint32_t(Replay::kKnownBits)) != 0) {
            return refuse(why, "run " + std::to_string(i) + " holds an unknown input");
        }
        if (run[kInputBytes] == 0) {
            return refuse(why, "run " + std::to_string(i) + " is empty");
        }
        covered += run[kInputBytes];
    }
    if (covered != frames) {
        return refuse(why, "the runs cover " + std::to_string(covered) +
                               " frames, the header says " + std::to_string(frames));
    }
    return true;
}

} // namespace

std::vector<unsigned char> Replay::encode() const {
    std::vector<unsigned char> out(kMagic, kMagic + kMagicBytes);
    putLe(out, kFormatVersion, 4);
    putText(out, header.gameVersion);
    putLe(out, uint32_t(header.players), 4);
    putLe(out, header.seed, 4);
    putLe(out, inputs.size(), 4);
    putLe(out, uint32_t(header.score), 4);
    putLe(out, uint32_t(header.level), 4);
    putText(out, header.name);
    putLe(out, uint64_t(header.date), 8);
    const size_t runCountAt = out.size();
    putLe(out, 0, 4);
    uint32_t runs = 0;
    for (size_t i = 0; i < inputs.size();) {
        size_t length = 1;
        while (i + length < inputs.size() && inputs[i + length] == inputs[i] && length < kMaxRun) {
            ++length;
        }
        putLe(out, inputs[i], kInputBytes);
        out.push_back(static_cast<unsigned char>(length));
        ++runs;
        i += length;
    }
    for (size_t i = 0; i < 4; ++i) {
        out[runCountAt + i] = static_cast<unsigned char>(runs >> (8 * i));
    }
    return out;
}

bool Replay::decode(const unsigned char* data, size_t size, Replay& out, std::string* why) {
    if (data == nullptr || size < kFixedBytes) {
        return refuse(why, "too short for a replay (" + std::to_string(size) + " bytes)");
    }
    if (std::memcmp(data, kMagic, kMagicBytes) != 0) {
        return refuse(why, "not a replay (no magic word)");
    }
    Cursor in{data + kMagicBytes, size - kMagicBytes};
    Replay read;
    read.header.formatVersion = uint32_t(takeLe(in, 4));
    if (read.header.formatVersion != kFormatVersion) {
        return refuse(why, "format version " + std::to_string(read.header.formatVersion) +
                               ", not " + std::to_string(kFormatVersion));
    }
    if (!readHeader(in, read.header, why)) {
        return false;
    }
    const uint32_t runs = uint32_t(takeLe(in, 4));
    if (!in.ok) {
        return refuse(why, "truncated in its header");
    }
    if (!checkRuns(in, runs, read.header.frames, why)) {
        return false;
    }
    read.inputs.reserve(read.header.frames);
    for (size_t i = 0; i < runs; ++i) {
        const unsigned char* run = in.at + i * kRunBytes;
        read.inputs.insert(read.inputs.end(), run[kInputBytes], ReplayInput(run[0] | run[1] << 8));
    }
    out = std::move(read);
    return true;
}

bool Replay::save(const std::string& path) const {
    const std::vector<unsigned char> bytes = encode();
    if (!GameFile::replace(path, bytes.data(), bytes.size())) {
        GBase::error(
            ("The replay could not be saved to " + path + "; the old file is kept\n").c_str());
        return false;
    }
    return true;
}

bool Replay::load(const std::string& path, Replay& out, std::string* why) {
    std::string reason;
    std::FILE* file = GameFile::openForReading(path.c_str(), &reason);
    if (file == nullptr) {
        return refuse(why, reason);
    }
    const long long size = GameFile::sizeOf(file);
    if (size < 0 || size > kMaxFileBytes) {
        std::fclose(file);
        return refuse(why, size < 0 ? "its size cannot be told" : "larger than any replay");
    }
    std::vector<unsigned char> bytes(size_t(size) + 1);
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    if (got != size_t(size)) {
        return refuse(why, "it changed while being read");
    }
    return decode(bytes.data(), got, out, why);
}
