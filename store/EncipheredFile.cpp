#include "store/EncipheredFile.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "core/GBase.h"
#include "store/GameFile.h"

namespace {

constexpr mode_t kFileMode = 0664;

// A stream writing to the open file, or null (and the file closed).
std::FILE* streamOf(int fd) {
    std::FILE* file = fd >= 0 ? fdopen(fd, "wb") : nullptr;
    if (file == nullptr && fd >= 0) {
        ::close(fd);
    }
    return file;
}

// The enciphered copy on its way to the data file's place.
std::FILE* createFile(const std::string& fileName) {
    return streamOf(GameFile::openTemporary(fileName));
}

// The plain copy holds the very text the cipher hides, so it is made afresh
// and never through a link someone planted at its name: a stale copy goes
// first, and anything that appears there meanwhile makes the creation fail.
std::FILE* createPlainCopy(const std::string& fileName) {
    std::remove(fileName.c_str());
    return streamOf(
        ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode));
}

// Copies in to out, changing each byte by its position; false on any error.
bool transform(std::FILE* in, std::FILE* out, uint8_t (*change)(uint8_t, size_t)) {
    size_t i = 0;
    int c;
    while ((c = std::fgetc(in)) != EOF) {
        if (std::fputc(change(static_cast<uint8_t>(c), i), out) == EOF) {
            return false;
        }
        ++i;
    }
    return std::ferror(in) == 0;
}

} // namespace

uint8_t EncipheredFile::encipher(uint8_t plain, size_t i) {
    const size_t length = std::strlen(kKey);
    return static_cast<uint8_t>(plain - static_cast<uint8_t>(kKey[i % length]));
}

uint8_t EncipheredFile::decipher(uint8_t stored, size_t i) {
    const size_t length = std::strlen(kKey);
    return static_cast<uint8_t>(stored + static_cast<uint8_t>(kKey[i % length]));
}

EncipheredFile::~EncipheredFile() {
    if (opened) {
        std::remove(tmpName.c_str());
    }
}

const char* EncipheredFile::open(const char* fileName) {
    name = fileName != nullptr ? fileName : "";
    tmpName = name + ".tmp";
    opened = true;
    if (writeBack) {
        // Made empty here, so the caller's own open finds our file and not
        // whatever a crash or a stranger left at the name.
        std::FILE* created = createPlainCopy(tmpName);
        if (created == nullptr) {
            return "";
        }
        std::fclose(created);
        return tmpName.c_str();
    }
    return decipherFile() ? tmpName.c_str() : "";
}

bool EncipheredFile::decipherFile() const {
    std::FILE* in = GameFile::openForReading(name.c_str());
    if (in == nullptr) {
        return false;
    }
    std::FILE* out = createPlainCopy(tmpName);
    if (out == nullptr) {
        std::fclose(in);
        return false;
    }
    bool ok = transform(in, out, decipher);
    std::fclose(in);
    ok = std::fclose(out) == 0 && ok;
    return ok;
}

bool EncipheredFile::encipherFile() const {
    std::FILE* in = GameFile::openForReading(tmpName.c_str());
    if (in == nullptr) {
        return false;
    }
    const std::string fresh = name + ".new";
    std::FILE* out = createFile(fresh);
    if (out == nullptr) {
        // Whatever stood in the way goes, so the next save can succeed.
        std::remove(fresh.c_str());
        std::fclose(in);
        return false;
    }
    bool ok = transform(in, out, encipher);
    std::fclose(in);
    ok = std::fclose(out) == 0 && ok;
    ok = ok && std::rename(fresh.c_str(), name.c_str()) == 0;
    if (!ok) {
        std::remove(fresh.c_str());
    }
    return ok;
}

bool EncipheredFile::close() {
    if (!opened) {
        return false;
    }
    bool ok = true;
    if (writeBack == 1) {
        ok = encipherFile();
        if (!ok) {
            GBase::error("Error writing crypted file!!\n");
        }
    }
    // The plain copy never stays on disk: left there it would give away
    // the very text the cipher hides, and a stale one would be read back.
    std::remove(tmpName.c_str());
    opened = false;
    return ok;
}
