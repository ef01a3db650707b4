#pragma once

// Creates the focus, the display detector, the keyboard and the joystick, and
// records them in their globals. False when the keyboard could not be made.
bool createInterfaces();
// Destroys the console, the display, the keyboard and the detector.
void destroyInterfaces();
