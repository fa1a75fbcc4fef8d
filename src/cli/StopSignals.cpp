#include "StopSignals.h"

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free atomics");

std::atomic<int> StopSignals::received_{0};

StopSignals::StopSignals() {
    received_ = 0;
    struct sigaction action {};
    action.sa_handler = &StopSignals::onSignal;
    sigemptyset(&action.sa_mask);
    // Reads and writes the signal interrupts are carried on; the batch learns of the stop when it polls.
    action.sa_flags = SA_RESTART;
    for (std::size_t index = 0; index < kSignals.size(); ++index)
        sigaction(kSignals[index], &action, &previous_[index]);
}

StopSignals::~StopSignals() {
    for (std::size_t index = 0; index < kSignals.size(); ++index)
        sigaction(kSignals[index], &previous_[index], nullptr);
}

int StopSignals::exitStatusAfter(int signal) {
    constexpr int kSignalBase = 128;
    return signal == SIGTERM ? kSignalBase + SIGTERM : kSignalBase + SIGINT;
}

// Async-signal-safe only: a lock-free atomic and sigaction.
void StopSignals::onSignal(int signal) {
    int none = 0;
    received_.compare_exchange_strong(none, signal);
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    for (const int stopping : kSignals)
        sigaction(stopping, &fallback, nullptr);
}
