// Writes the game's sound effects and music into the data folder given as
// the only argument. Everything is synthesised from fixed seeds, so every
// run writes the same files.
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "Composer.h"
#include "OggWriter.h"
#include "Pieces.h"
#include "SoundEffects.h"
#include "WavWriter.h"

namespace {

// Small files that still sound clean for dark, filtered music.
constexpr float kVorbisQuality = 0.1f;

bool writePieces(const std::string& dataDir, const std::vector<Piece>& pieces, size_t first,
                 size_t stride) {
    bool ok = true;
    for (size_t i = first; i < pieces.size(); i += stride) {
        Composer composer(pieces[i].style);
        ok = OggWriter::write(dataDir + "/" + pieces[i].file, composer.compose(), kVorbisQuality) &&
             ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <datadir>\n", argv[0]);
        return 2;
    }
    const std::string dataDir = argv[1];
    // The pieces are independent; half of them are made on a second thread
    // to keep the build short.
    const std::vector<Piece> pieces = allPieces();
    bool otherHalfOk = false;
    std::thread otherHalf([&] { otherHalfOk = writePieces(dataDir, pieces, 1, 2); });
    bool ok = writePieces(dataDir, pieces, 0, 2);
    for (const Effect& effect : allEffects()) {
        ok = WavWriter::write(dataDir + "/" + effect.name + ".sl", effect.samples) && ok;
    }
    otherHalf.join();
    return ok && otherHalfOk ? 0 : 1;
}
