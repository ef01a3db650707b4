/* Preloaded into the installed game by the install test, which runs it with
 * SDL's dummy drivers: there is no keyboard there, so this presses Escape
 * (down, then up) whenever the game has found its event queue empty a number
 * of times in a row, about once a second at the game's frame rate. Escape
 * leaves the title, the main menu and the credits, so the game ends the way
 * a player ends it, through its clean-up. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <SDL.h>
#include <dlfcn.h>

enum { kEmptyPollsBetweenPresses = 20 };

typedef int (*PollEvent)(SDL_Event*);

static int emptyPolls;
static int releasePending;

static void escape(SDL_Event* event, int down) {
    SDL_memset(event, 0, sizeof(*event));
    event->type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event->key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event->key.keysym.sym = SDLK_ESCAPE;
}

int SDL_PollEvent(SDL_Event* event) {
    static PollEvent real;
    if (real == NULL) {
        real = (PollEvent)dlsym(RTLD_NEXT, "SDL_PollEvent");
    }
    if (real != NULL && real(event)) {
        return 1;
    }
    if (event == NULL) {
        return 0;
    }
    if (releasePending) {
        releasePending = 0;
        escape(event, 0);
        return 1;
    }
    if (++emptyPolls < kEmptyPollsBetweenPresses) {
        return 0;
    }
    emptyPolls = 0;
    releasePending = 1;
    escape(event, 1);
    return 1;
}
