#pragma once

#include "ConversionList.h"
#include "core/components/SoundTrackRule.h"

#include <QStringList>
#include <functional>
#include <optional>

struct ComponentSet;
class Prompts;

// The single way into the conversion list: probes one file with the reader or the video component and makes its
// row, or refuses it.
class FileIntake {
public:
    FileIntake(ComponentSet& components, Prompts& prompts);

    // The row for a file, or nothing when the file is already listed (same full name), cannot be opened, has no
    // sound track or reports no length (the last two the user is told). Both components are left closed.
    [[nodiscard]] std::optional<ConversionRow> addfile(const ConversionList& list, const QString& fullName,
                                                       bool checked);

    // The rule by which the batch will choose among a file's sound tracks, so that rows name the track it reads.
    void chooseSoundTracksBy(SoundTrackRule rule) { soundTrackRule_ = std::move(rule); }

private:
    struct Probed {
        qint64 lengthMs = 0;
        QString description;
        std::optional<ProbedSource> facts;
        SoundTracks soundTracks;
    };
    // The reader and the video component are driven alike; these are the calls that differ.
    struct ProbeSteps {
        std::function<void()> close;
        std::function<void()> open;
        std::function<qint64()> length;
        std::function<QString()> describe;
        std::function<std::optional<ProbedSource>()> facts;
        QString invalidText;
        std::function<SoundTracks()> soundTracks;
    };
    [[nodiscard]] std::optional<Probed> probe(const ProbeSteps& steps);
    [[nodiscard]] std::optional<Probed> probeAudio(const QString& fullName);
    [[nodiscard]] std::optional<Probed> probeVideo(const QString& fullName);

    ComponentSet& components_;
    Prompts& prompts_;
    SoundTrackRule soundTrackRule_;
};

// What a drop or a command line names, as files to add: files as given, folders replaced by the audio and video
// files inside them and their subfolders, in name order.
[[nodiscard]] QStringList filesToAdd(const QStringList& names);

// The files named on a command line (the program's own name first): every argument after it is a name, made
// absolute against the current folder; a "--" that ends the options is dropped once.
[[nodiscard]] QStringList commandLineNames(const QStringList& arguments);
