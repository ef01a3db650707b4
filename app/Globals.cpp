#include "app/Globals.h"

Game* currentGame = nullptr;
int32_t windowMode = kWindowModeUnset;
Console* console = nullptr;
int32_t framesPlayed = 0;
int64_t msPlayed = 0;
