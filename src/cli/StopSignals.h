#pragma once

#include <array>
#include <atomic>
#include <csignal>

// Makes SIGTERM, SIGINT (Ctrl+C) and SIGHUP ask tonalith-cli convert to stop, as the window's Cancel does: the
// batch polls stopRequested() and winds down after the current block, so its lines and summary still come out.
// The first signal only records itself and gives the three signals back their default action, so a second one
// ends the program at once. The previous handlers come back when the object goes.
//
// The record is a static atomic because a signal handler can reach nothing else: it has no object to write to.
// Only one object may exist at a time.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    [[nodiscard]] static bool stopRequested() { return received_.load() != 0; }
    // The signal that asked to stop, 0 for none.
    [[nodiscard]] static int receivedSignal() { return received_.load(); }
    // What the program exits with after stopping on a signal: 143 for SIGTERM, 130 for SIGINT and SIGHUP.
    [[nodiscard]] static int exitStatusAfter(int signal);

private:
    static void onSignal(int signal);

    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};
    static std::atomic<int> received_;
    std::array<struct sigaction, kSignals.size()> previous_{};
};
