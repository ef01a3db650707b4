#include "input/Devices.h"

Keyboard* keyboard = nullptr;
Joystick* joystick = nullptr;
Focus* inputFocus = nullptr;
