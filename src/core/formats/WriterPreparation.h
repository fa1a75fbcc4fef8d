#pragma once

#include "OutputFormat.h"
#include "core/list/SourceKind.h"

#include <QString>
#include <functional>
#include <memory>

struct ComponentSet;

// The RAW output always writes signed 16-bit little-endian samples, and MP2 outputs are made at 128 kbit/s.
inline constexpr int kRawSampleType = 3;
inline constexpr int kRawBits = 16;
inline constexpr int kMp2Kbps = 128;

// The values of the output format panel that the preparation of an output reads; the defaults are the panel's
// values at start-up, and the only place they are written down.
struct PanelValues {
    int sampleRate = 44100;
    int channels = 2;
    int g723Bits = 5;
    int g726Bits = 4;
    int wmaProfile = 28; // counted from 1

    bool operator==(const PanelValues&) const = default;
};

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

    // Raises ComponentError when a component refuses the format, or when the WMA output of an audio source cannot
    // learn the source's rate and channels because the reader cannot open it; the output is then to be skipped.
    void prepare(OutputFormat format, const PanelValues& panel, SourceKind kind, const QString& sourceName);

private:
    void describeSourceToWmaWriter(const QString& sourceName);

    ComponentSet& components_;
    FormatDialogs& dialogs_;
};
