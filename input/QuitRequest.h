#pragma once

#include <csignal>

// Whether the player or the system has asked the program to end: the
// window's close button, Ctrl+C, kill, a logout (SIGINT, SIGTERM, SIGHUP).
// The event pump and the signal handlers raise it; every screen's loop looks
// at it once a frame and leaves, so the program ends the way "Exit game"
// ends it, with the settings and scores saved.
class QuitRequest {
  public:
    // Sends the three signals here. Called once SDL has started, since SDL
    // puts handlers of its own on SIGINT and SIGTERM as it starts.
    static void catchSignals();
    static void raise() { raised = 1; }
    static bool isRaised() { return raised != 0; }
    // A new run starts without a request.
    static void clear() { raised = 0; }

  private:
    // A signal handler has no context to reach, so the flag is the one
    // place the request can live.
    static volatile std::sig_atomic_t raised;
};
