#pragma once

#include "core/batch/ExistingOutputPolicy.h"
#include "core/components/SoundTrackRule.h"

#include <QString>
#include <optional>

struct BatchOrder;

// The Options dialog's "Batch" choices, as settings.ini keeps them under [batch]. They are standing preferences that
// each batch of the window takes into its order; the defaults give the plain run.
struct BatchOptions {
    int jobs = 1; // outputs converted at once, 1..BatchOrder::MaxJobs
    bool evenLoudness = false;
    ExistingOutputPolicy existing = ExistingOutputPolicy::Replace;
    bool verifyOutputs = false; // read every output back in full before it takes its name
    bool replayGain = false;    // tag the outputs with measured gains, the samples unchanged
    // Of a source with several sound tracks, the track in the first of these languages it has ("deu,eng"); empty,
    // or none of them there: the track the file flags as its default.
    QString soundTrackLanguages{};
    bool hiddenTrack = false; // convert the sound an image holds before its first track, as a track of its own

    // The rule the languages stand for: the default track when there are none.
    [[nodiscard]] SoundTrackRule soundTrackRule() const;
    // Writes the choices into an order; evening out aims at the default loudness target.
    void applyTo(BatchOrder& order) const;
    // The choices an order stands for, as the dialog can show them: any loudness target is evening out.
    [[nodiscard]] static BatchOptions of(const BatchOrder& order);
    // Language codes as a user types them ("deu, eng" or "deu eng") in the form settings keep ("deu,eng"); nothing,
    // with the reason in whyNot, when one is not a language code.
    [[nodiscard]] static std::optional<QString> tidySoundTrackLanguages(const QString& text, QString& whyNot);

    friend bool operator==(const BatchOptions&, const BatchOptions&) = default;
};
