#include "input/QuitRequest.h"

#include <initializer_list>
#include <signal.h>

volatile std::sig_atomic_t QuitRequest::raised = 0;

namespace {
void onSignal(int) {
    QuitRequest::raise();
}
} // namespace

void QuitRequest::catchSignals() {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted waits carry on: every loop looks at the flag each frame.
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}
