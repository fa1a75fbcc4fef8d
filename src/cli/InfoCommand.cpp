#include "CliCommands.h"
#include "CommandUsage.h"
#include "LineText.h"

#include "core/components/ComponentError.h"
#include "core/components/ComponentSet.h"
#include "core/library/CueSheetReader.h"
#include "core/library/ImageTrack.h"
#include "core/sources/SourceKind.h"

#include <QStringList>

#include <map>

namespace {

struct DescribedSource {
    QString format;
    int rate = 0;
    int channels = 0;
    qint64 length = 0;
    qint64 durationMs = 0;
    SoundTracks soundTracks{}; // of a file that holds several
};

DescribedSource describeVideo(TVideoFile& video, const QString& fileName) {
    video->open(fileName);
    DescribedSource facts{video->formatDescription(), video->sampleRate(), video->channelCount(), video->totalLength(),
                          video->durationMs()};
    facts.soundTracks = video->soundTracks();
    video->close();
    return facts;
}

DescribedSource describeAudio(TAudioFile2& audio, const QString& fileName) {
    audio->openForReading(fileName, 0, 1);
    DescribedSource facts{audio->formatString(), audio->sampleRate(), audio->channelCount(), audio->lengthInSamples(),
                          audio->durationMs()};
    facts.soundTracks = audio->soundTracks();
    audio->close();
    return facts;
}

qint64 framesToMs(CueFrames frames) {
    return frames * 1000 / kCueFramesPerSecond;
}

// A cue sheet: its own lines, then one block per track; the last track on each image needs the image's length.
void describeSheet(TAudioFile2& audio, const QString& fileName, QTextStream& out) {
    const CueSheet sheet = CueSheetReader::readFile(fileName);
    std::map<QString, qint64> imageMs;
    for (const CueImage& image : sheet.images)
        imageMs[image.path] = describeAudio(audio, image.path).durationMs;
    out << "format=Cue sheet\n"
        << "title=" << oneLine(sheet.title) << '\n'
        << "performer=" << oneLine(sheet.performer) << '\n';
    for (const CueImage& image : sheet.images)
        out << "image=" << oneLine(image.path) << '\n';
    out << "tracks=" << sheet.tracks.size() << '\n';
    for (const ImageTrack& track : imageTracks(sheet)) {
        if (track.hidden())
            continue;
        out << "track=" << track.number << '\n'
            << "title=" << oneLine(track.tags.title) << '\n'
            << "performer=" << oneLine(track.tags.artist) << '\n'
            << "start_ms=" << framesToMs(track.start) << '\n'
            << "duration_ms=" << track.durationMs(imageMs.at(track.image)) << '\n';
    }
}

// One line per sound track of a file that holds several, after the count: its number, then what the file states of
// it; the title, which may hold blanks, comes last.
void printSoundTracks(QTextStream& out, const SoundTracks& tracks) {
    if (tracks.size() < 2)
        return;
    out << "sound_tracks=" << tracks.size() << '\n';
    for (const SoundTrack& track : tracks) {
        out << "sound_track=" << track.number << " language=" << oneLine(track.language)
            << " codec=" << oneLine(track.codec) << " channels=" << track.channels
            << " default=" << (track.flaggedDefault ? 1 : 0) << " used=" << (track.inUse ? 1 : 0)
            << " title=" << oneLine(track.title) << '\n';
    }
}

} // namespace

int runInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    ComponentSetFactory factory;
    return runInfoCommandWith(arguments, out, err, factory);
}

int runInfoCommandWith(const QStringList& arguments, QTextStream& out, QTextStream& err,
                       IComponentSetFactory& factory) {
    const QStringList files = fileArguments(arguments);
    if (files.isEmpty()) {
        err << CommandUsage::Info;
        return 2;
    }
    std::unique_ptr<ComponentSet> components;
    try {
        components = factory.create();
    } catch (const ComponentError& error) {
        out << "error=" << error.message() << '\n';
        return 1;
    }
    int status = 0;
    for (const QString& fileName : files) {
        out << "file=" << oneLine(fileName) << '\n';
        try {
            if (fileName.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive)) {
                describeSheet(components->reader, fileName, out);
                continue;
            }
            const DescribedSource facts = sourceKindOfFile(fileName) == SourceKind::Video
                                              ? describeVideo(components->video, fileName)
                                              : describeAudio(components->reader, fileName);
            out << "format=" << facts.format << '\n'
                << "rate=" << facts.rate << '\n'
                << "channels=" << facts.channels << '\n'
                << "length=" << facts.length << '\n'
                << "duration_ms=" << facts.durationMs << '\n';
            printSoundTracks(out, facts.soundTracks);
        } catch (const ComponentError& error) {
            components->reader->close();
            components->video->close();
            out << "error=" << oneLine(error.message()) << '\n';
            status = 1;
        }
    }
    return status;
}
