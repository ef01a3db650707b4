#pragma once
// Writes pictures in the game's formats below the data folder: TGA full
// pictures (".pl") and single frames (".bl"), and sprite libraries (".lib").
#include <string>
#include <vector>

#include "Frame.h"

class PictureWriter {
 public:
  // Makes the "pics" folder when it is missing, so a fresh folder will do.
  explicit PictureWriter(std::string dataDir);

  // Every file goes through these; they return false and say why on failure.
  bool fullPicture(const std::string& name, const Frame& frame);
  bool singleFrame(const std::string& name, const Frame& frame);
  // A set: the library and one numbered ".bl" file per frame from `first`.
  bool spriteSet(const std::string& name, const std::vector<Frame>& frames, int first);

  long bytesWritten() const { return bytes_; }
  int filesWritten() const { return files_; }
  bool ok() const { return ok_; }

 private:
  enum class Layout { kTopDownRaw, kBottomUpRaw, kTopDownPacked, kBottomUpPacked };
  bool writeTga(const std::string& path, const Frame& frame, Layout layout);
  bool writeLibrary(const std::string& path, const std::vector<Frame>& frames);
  bool store(const std::string& path, const std::vector<uint8_t>& bytes);

  std::string dataDir_;
  long bytes_ = 0;
  int files_ = 0;
  int variety_ = 0;  // rotates the TGA layouts so every loader path is used
  bool ok_ = true;
};

// "%s0%i" below 10, "%s%i" from 10 on: the game's numbered file names.
std::string numberedName(const std::string& base, int n);
