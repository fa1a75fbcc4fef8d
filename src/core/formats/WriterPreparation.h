#pragma once

#include "OutputFormat.h"
#include "PanelValues.h"
#include "core/sources/SourceKind.h"

#include <QString>
#include <functional>
#include <memory>

struct ComponentSet;

// The apply operations of the three option dialogs: each sets its format on the writer (the MP3 one hands the
// encoder settings object to it). The program applies its dialogs; tonalith-cli applies its options. An apply that
// cannot set its format raises ComponentError and leaves the writer as it was; the output is then skipped (an Ogg
// Vorbis bit-rate setting the component refuses raises "Incorrect format").
class FormatDialogs {
public:
    virtual ~FormatDialogs() = default;
    virtual void applyPcmWav() = 0;
    virtual void applyMp3() = 0;
    virtual void applyOggVorbis() = 0;
};

// Makes the apply operations for one component set; a batch's workers each get their own.
using FormatDialogsMaker = std::function<std::unique_ptr<FormatDialogs>(ComponentSet&)>;

// Sets the writer's output format before each output, from the panel values and the option dialogs.
class WriterPreparation {
public:
    WriterPreparation(ComponentSet& components, FormatDialogs& dialogs);

    // Raises ComponentError when a component refuses the format, or when a writer that must learn an audio source's
    // rate and channels first (WMA; FLAC and ALAC, which also learn its sample size and length) cannot, because the
    // reader cannot open it; the output is then to be skipped.
    void prepare(OutputFormat format, const PanelValues& panel, SourceKind kind, const QString& sourceName);
    // As prepare, for an audio source whose rate, channels, sample size and length are known already (a track of an
    // image the reader holds open): the reader is left alone.
    void prepare(OutputFormat format, const PanelValues& panel, int sampleRate, int channels, int bits, qint64 frames);

private:
    void describeSourceToWriter(const QString& sourceName, bool withSamples);
    void setFormat(OutputFormat format, const PanelValues& panel);

    ComponentSet& components_;
    FormatDialogs& dialogs_;
};
