#include "FileIntake.h"

#include "BrowserFilter.h"
#include "core/components/AudioSourceOpening.h"
#include "core/components/ComponentSet.h"
#include "core/ports/Messages.h"
#include "core/ports/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

FileIntake::FileIntake(ComponentSet& components, Prompts& prompts) : components_(components), prompts_(prompts) {}

// A file that opens but then fails inside the decoder counts as one that does not open: it is refused without a
// word, unless it has no sound track, and the files after it still come in. The component is closed on every way
// out.
std::optional<FileIntake::Probed> FileIntake::probe(const ProbeSteps& steps) {
    steps.close();
    try {
        steps.open();
        Probed probed{steps.length(), QString()};
        if (probed.lengthMs <= 0) {
            steps.close();
            prompts_.message(Messages::ErrorCaption(), steps.invalidText, Prompts::Icon::Warning);
            return std::nullopt;
        }
        probed.description = steps.describe();
        probed.facts = steps.facts();
        probed.soundTracks = steps.soundTracks();
        steps.close();
        return probed;
    } catch (const ComponentError& error) {
        steps.close();
        // A file that opens but holds no sound (a silent video) would vanish without a word, though the user can see
        // nothing wrong with it: it is told like a file of no length.
        if (error.code() == LastError::NoAudioStream)
            prompts_.message(Messages::ErrorCaption(), error.message(), Prompts::Icon::Warning);
        return std::nullopt;
    }
}

// The list opens an audio file exactly as a batch's plan does, and keeps what it found for the batch.
std::optional<FileIntake::Probed> FileIntake::probeAudio(const QString& fullName) {
    TAudioFile2& reader = components_.reader;
    OpenedAudioSource opened;
    return probe({[&] { reader->close(); }, [&] { opened = openAudioSourceOnce(reader, fullName); },
                  [&] { return opened.durationMs; }, [&] { return reader->formatString(); },
                  [&] { return opened.probed; }, Messages::InvalidAudioFormat(),
                  [&] { return reader->soundTracks(); }});
}

std::optional<FileIntake::Probed> FileIntake::probeVideo(const QString& fullName) {
    TVideoFile& video = components_.video;
    return probe({[&] { video->close(); }, [&] { video->open(fullName); }, [&] { return video->durationMs(); },
                  [&] { return video->formatDescription(); }, [] { return std::optional<ProbedSource>(); },
                  Messages::InvalidVideoFormat(), [&] { return video->soundTracks(); }});
}

std::optional<ConversionRow> FileIntake::addfile(const ConversionList& list, const QString& fullName, bool checked) {
    if (list.contains(fullName))
        return std::nullopt;
    const SourceKind kind = sourceKindOfFile(fullName);
    const std::optional<Probed> probed = kind == SourceKind::Video ? probeVideo(fullName) : probeAudio(fullName);
    if (!probed)
        return std::nullopt;
    ConversionRow row;
    row.number = RowText::number(list.size() + 1);
    row.fileName = QFileInfo(fullName).fileName();
    row.size = RowText::size(QFileInfo(QDir::current().absoluteFilePath(fullName)).size(),
                             QLocale::system().decimalPoint().front());
    row.time = RowText::time(probed->lengthMs);
    row.format = (kind == SourceKind::Video ? QCoreApplication::translate("List", "(Video) ")
                                            : QCoreApplication::translate("List", "(Audio) ")) +
                 probed->description;
    row.soundTracks = probed->soundTracks;
    // The row names the track its batch will read; with every track converted, none is the one.
    if (const auto chosen = soundTrackRule_.choose(row.soundTracks); chosen && !chosen->empty()) {
        for (SoundTrack& track : row.soundTracks)
            track.inUse = chosen->size() == 1 && track.number == chosen->front() + 1;
    }
    if (const QString note = soundTracksNote(row.soundTracks); !note.isEmpty())
        row.format += QStringLiteral("; ") + note;
    row.fullName = fullName;
    row.kind = kind;
    row.checked = checked;
    row.lengthMs = probed->lengthMs;
    row.probed = probed->facts;
    return row;
}

QStringList filesToAdd(const QStringList& names) {
    static const QStringList patterns =
        BrowserFilter::patterns(BrowserFilter::filterFor(BrowserFilter::entries().front()));
    QStringList files;
    for (const QString& name : names) {
        if (!QFileInfo(name).isDir()) {
            files.append(name);
            continue;
        }
        QStringList inside;
        QDirIterator found(name, patterns, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (found.hasNext())
            inside.append(QDir::cleanPath(found.next()));
        std::sort(inside.begin(), inside.end(), [](const QString& a, const QString& b) {
            const int folded = a.compare(b, Qt::CaseInsensitive);
            return folded != 0 ? folded < 0 : a < b;
        });
        files += inside;
    }
    return files;
}

QStringList commandLineNames(const QStringList& arguments) {
    QStringList names;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!optionsEnded && arguments[i] == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        names.append(QDir::cleanPath(QDir::current().absoluteFilePath(arguments[i])));
    }
    return names;
}
