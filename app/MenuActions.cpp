#include "app/MenuActions.h"

#include "app/Game.h"
#include "app/Globals.h"
#include "input/GuideKeys.h"
#include "ui/Menu.h"

void onePlayerAction() {
    currentGame->startGame(1);
}

void twoPlayersAction() {
    currentGame->startGame(2);
}

void setupAction() {
    currentGame->setupScreen();
    currentGame->setupMenu->clearPendingAction();
}

void helpAction() {
    currentGame->showHelp();
}

void replaysAction() {
    currentGame->replaysScreen();
}

void exitGameAction() {
    currentGame->quit = 1;
}

void setKeysAction() {
    if (currentGame->keyScreen()) {
        // Any action but this one ends the setup screen.
        currentGame->setupMenu->setPendingAction(exitGameAction);
    }
    // A failed write keeps the old file; the bindings stay in use anyway.
    currentGame->player1Keys->save();
    currentGame->player2Keys->save();
}
