#pragma once

#include <cstdint>

// The few process-wide values the whole game shares. All start null or zero;
// each is set once by the object that owns it.

class Game;
class Buffer;
class Image;
class Console;
class Keyboard;
class Joystick;
class Focus;
class Detector;
class ModMusic;
class Sound;
class DigitFont;

extern Game* currentGame;
// 0 = not chosen, 1 = full screen, 2 = window.
extern int32_t windowMode;
extern Buffer* screen;
extern Image* background;
extern Console* console;
extern Keyboard* keyboard;
extern Joystick* joystick;
extern Focus* inputFocus;
extern Detector* detector;
extern ModMusic* currentMusic;
extern int32_t audioOpen;
extern uint8_t musicEnabled;
extern int32_t musicVolume;
extern uint8_t sfxVolume;
extern uint8_t audioEnabled;
extern Sound* typingSound;
// The score digits; made by the aliens' list, read by every score display.
extern DigitFont* digitFont;
// Score of the current or last game; -1 before the first game.
extern int32_t score;
extern int32_t framesPlayed;
// Played time, pauses left out, summed over every game of the run; whole
// milliseconds, so that short games add up to what they really took.
extern int64_t msPlayed;

constexpr int kWindowModeUnset = 0;
constexpr int kWindowModeFullScreen = 1;
constexpr int kWindowModeWindow = 2;
