#pragma once

class Focus;
class Joystick;
class Keyboard;

// The input devices every screen reads, made by createInterfaces. All start
// null.
extern Keyboard* keyboard;
extern Joystick* joystick;
extern Focus* inputFocus;
