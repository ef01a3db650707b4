#pragma once

class Focus;
class Joystick;
class Keyboard;
class Sound;

// The input devices every screen reads, made by createInterfaces, and the
// click a text field makes as it is typed into. All start null.
extern Keyboard* keyboard;
extern Joystick* joystick;
extern Focus* inputFocus;
extern Sound* typingSound;
