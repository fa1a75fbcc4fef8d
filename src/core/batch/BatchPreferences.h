#pragma once

#include "ExistingOutputPolicy.h"

// How the window's batch runs. The defaults give the plain run: one output at a time, the sound as it is, and an
// existing file of the output's name replaced.
struct BatchPreferences {
    static constexpr int MaxJobs = 64;
    int jobs = 1; // outputs converted at once, 1..MaxJobs
    bool evenLoudness = false;
    ExistingOutputPolicy existing = ExistingOutputPolicy::Replace;
    bool verifyOutputs = false; // read every output back in full before it takes its name
    bool replayGain = false;    // tag the outputs with measured gains, the samples unchanged

    // True for the plain run: the engine's one worker on the UI thread with the main components, the total counted
    // in outputs. Anything else gets workers of their own, loudness measurement or another rule for existing files.
    [[nodiscard]] bool plain() const {
        return jobs == 1 && !evenLoudness && !replayGain && existing == ExistingOutputPolicy::Replace;
    }
    friend bool operator==(const BatchPreferences&, const BatchPreferences&) = default;
};
