#pragma once

// Creates the focus, the keyboard and the joystick, and records them in
// their globals. False when the keyboard could not be made.
bool createInterfaces();
// Destroys the keyboard, the joystick and the focus, each if present.
void destroyInterfaces();
// Drains SDL's event queue: every key press and release goes to the keyboard
// and then to the focused receiver, and a quit event (the window's close
// button) raises the QuitRequest; everything else is dropped. Polls the
// pads at most once per half frame, so their states and edges advance once
// per frame, and hands their new presses to the screens as keys
// (PadNavigation) unless a game is in play. Restarts music that ended since
// the last call when it is to loop.
void pumpEvents();
