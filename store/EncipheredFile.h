#pragma once

#include <cstdint>
#include <string>

// Access to one scrambled text file through a plain temporary copy beside
// it ("<name>.tmp"). Use: setWriteBack, open, read or write the returned
// plain file with ordinary streams and close that, then close().
class EncipheredFile {
  public:
    static constexpr const char* kKey = "quartz7fieldsofamberandcobaltskies";

    EncipheredFile() = default;
    // Removes a temporary copy that close() was not called for.
    ~EncipheredFile();
    EncipheredFile(const EncipheredFile&) = delete;
    EncipheredFile& operator=(const EncipheredFile&) = delete;

    // 0 to read the file, 1 to write it. Setting 0 before close() abandons
    // a write, for example when writing the plain text failed.
    void setWriteBack(uint32_t flag) { writeBack = flag; }

    // The name of the plain file to use. For reading it holds the
    // deciphered text, or the name is "" when the file could not be read,
    // so that the caller's own open fails. For writing it is to be created.
    const char* open(const char* name);

    // When writing, enciphers the plain file into a fresh file and renames
    // it over the data file, so a failure keeps the old file whole. Always
    // removes the plain copy. False when a write did not reach the file.
    bool close();

    // The cipher on one byte at position i of a file.
    static uint8_t encipher(uint8_t plain, size_t i);
    static uint8_t decipher(uint8_t stored, size_t i);

  private:
    bool decipherFile() const;
    bool encipherFile() const;

    std::string tmpName;
    std::string name;
    uint32_t writeBack = 0;
    bool opened = false;
};
