#include "app/Globals.h"

Game* currentGame = nullptr;
int32_t windowMode = kWindowModeUnset;
Buffer* screen = nullptr;
Image* background = nullptr;
Console* console = nullptr;
Keyboard* keyboard = nullptr;
Joystick* joystick = nullptr;
Focus* inputFocus = nullptr;
Detector* detector = nullptr;
ModMusic* currentMusic = nullptr;
int32_t audioOpen = 0;
uint8_t musicEnabled = 0;
int32_t musicVolume = 0;
uint8_t sfxVolume = 0;
uint8_t audioEnabled = 0;
Sound* typingSound = nullptr;
DigitFont* digitFont = nullptr;
int32_t score = 0;
int32_t framesPlayed = 0;
int64_t msPlayed = 0;
