// Writes the game's scrambled text files into the data folder given as the
// only argument: the help pages, the credits page and the score comments.
// Only these files are written; the high scores and the rest that the game
// writes itself in "dat" are left alone.
#include <cstdio>
#include <string>
#include <vector>

#include "HelpPages.h"
#include "ScoreComments.h"
#include "TextWriter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <datadir>\n", argv[0]);
        return 2;
    }
    TextWriter writer(argv[1]);
    bool ok = true;
    for (const std::vector<TextFile>& texts : {helpPages(), creditsPages(), scoreComments()}) {
        for (const TextFile& file : texts) {
            ok = writer.write(file) && ok;
        }
    }
    std::printf("Texts: %d files\n", writer.filesWritten());
    return ok ? 0 : 1;
}
