#include "TextWriter.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "store/EncipheredFile.h"

TextWriter::TextWriter(std::string dataDir) : dataDir(std::move(dataDir)) {
    std::error_code ignored;
    std::filesystem::create_directories(this->dataDir + "/dat", ignored);
}

bool TextWriter::write(const TextFile& file) {
    const std::string path = dataDir + "/" + file.name;
    EncipheredFile crypt;
    crypt.setWriteBack(1);
    std::FILE* plain = std::fopen(crypt.open(path.c_str()), "w");
    if (plain == nullptr) {
        crypt.close();
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = true;
    for (const std::string& line : file.lines) {
        ok = std::fprintf(plain, "%s\n", line.c_str()) >= 0 && ok;
    }
    ok = std::fclose(plain) == 0 && ok;
    if (!ok) {
        // Leaves the old file as it was rather than storing half a text.
        crypt.setWriteBack(0);
    }
    ok = crypt.close() && ok;
    if (!ok) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        return false;
    }
    ++files;
    return true;
}
