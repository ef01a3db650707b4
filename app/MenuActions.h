#pragma once

// What the front end's action items do. Each reaches the game through
// currentGame; the screen that runs a menu calls the one an item chose.

// A game for one player, then for two.
void onePlayerAction();
void twoPlayersAction();
// The setup screen, run inside the main menu.
void setupAction();
// The help pages, run inside the main menu.
void helpAction();
// The kept replays' list, run inside the main menu.
void replaysAction();
// Leaves the program through the credits.
void exitGameAction();
// The key screen, run inside the setup screen; the bindings are saved after.
void setKeysAction();
