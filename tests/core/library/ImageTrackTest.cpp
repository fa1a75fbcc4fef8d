#include "core/library/ImageTrack.h"
#include "core/batch/BatchOrder.h"
#include "core/batch/TrackSources.h"
#include "core/components/ComponentError.h"
#include "core/library/TrackCuts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CueTrack track(int number, CueFrames start, int image = 0, QString title = {}) {
    CueTrack made;
    made.number = number;
    made.start = start;
    made.image = image;
    made.title = std::move(title);
    made.startLine = number * 3 + 1;
    return made;
}

// A hidden track, a pregap, and a second image whose first track starts after its head.
CueSheet twoImageSheet() {
    CueSheet sheet;
    sheet.path = QStringLiteral("/music/album.cue");
    sheet.title = QStringLiteral("Album");
    sheet.performer = QStringLiteral("Band");
    sheet.images = {CueImage{"a.wav", "/music/a.wav", 1}, CueImage{"b.wav", "/music/b.wav", 10}};
    sheet.tracks = {track(1, 30, 0, "One/Two?"), track(2, 200, 0), track(3, 75, 1, "Three"), track(4, 400, 1)};
    sheet.tracks[1].pregapStart = 150;
    sheet.tracks[1].performer = QStringLiteral("Guest");
    sheet.tracks[1].replayGain[QStringLiteral("REPLAYGAIN_TRACK_GAIN")] = QStringLiteral("-3.00 dB");
    return sheet;
}

TEST(ImageTrack, SpansMatchTheCutsOfTheSheetToTheSample) {
    const CueSheet sheet = twoImageSheet();
    const std::vector<ImageLength> lengths{{44100 * 5 + 17, 44100}, {44100 * 9 + 3, 44100}};
    const std::vector<TrackCut> cuts = cutTracks(sheet, lengths, true);
    const std::vector<ImageTrack> tracks = imageTracks(sheet);
    ASSERT_EQ(tracks.size(), cuts.size());
    for (std::size_t at = 0; at < tracks.size(); ++at) {
        const TrackSpan span = spanIn(tracks[at], lengths[std::size_t(cuts[at].image)].samples, 44100);
        EXPECT_EQ(tracks[at].number, cuts[at].number) << at;
        EXPECT_EQ(span.first, cuts[at].firstSample) << at;
        EXPECT_EQ(span.count, cuts[at].sampleCount) << at;
    }
    EXPECT_TRUE(tracks[0].hidden());
    EXPECT_EQ(trackBaseName(tracks[1]), "01 One_Two_");
    EXPECT_EQ(tracks[2].tags.artist, "Guest");
    EXPECT_EQ(tracks[2].tags.albumArtist, "Band");
    EXPECT_EQ(tracks[2].tags.loudness.trackGain, "-3.00 dB");
    EXPECT_EQ(tracks[3].total, 4);
    EXPECT_EQ(trackBaseName(tracks[4]), "04");
    EXPECT_EQ(tracks[4].durationMs(9000), 9000 - 400 * 1000 / 75);
}

TEST(ImageTrack, AnImageEndingBeforeItsLastStartIsRefusedNamingTheLine) {
    const ImageTrack first = imageTracks(twoImageSheet())[1];
    try {
        (void)spanIn(first, 200 * 588, 44100); // track 2 starts exactly at the end
        FAIL() << "a track starting at the image's end was cut";
    } catch (const ComponentError& error) {
        EXPECT_TRUE(error.message().startsWith("album.cue, line 7:")) << error.message().toStdString();
    }
}

TEST(ImageTrack, ThePlanNamesTracksFromTheSheetAndLeavesTheHiddenOneOutUnlessAsked) {
    QTemporaryDir folder;
    CueSheet sheet = twoImageSheet();
    for (CueImage& image : sheet.images) {
        image.path = folder.filePath(image.named);
        QFile file(image.path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    BatchOrder order;
    order.sources = trackSourcesOf(sheet);
    order.formats = {OutputFormat::Flac};
    order.folderText = folder.filePath("out");
    const SourceProbe probe = [](const QString&, SourceKind, bool) { return SourceFacts{9000, {}, std::nullopt}; };

    std::vector<BatchOutput> plan = order.plan(probe);
    EXPECT_EQ(order.plannedOutputCount(), 4);
    ASSERT_EQ(plan.size(), 4U);
    EXPECT_EQ(QFileInfo(plan[0].destinationName).fileName(), "01 One_Two_.flac");
    EXPECT_EQ(QFileInfo(plan[1].destinationName).fileName(), "02.flac");
    EXPECT_EQ(plan[2].sourceName, sheet.images[1].path);
    EXPECT_EQ(plan[3].weight, 9000 - 400 * 1000 / 75);

    order.hiddenTrack = true;
    QString whyNot;
    order.baseNames = NameTemplate::parse("{track}-{tracktotal} {artist}", whyNot);
    plan = order.plan(probe);
    EXPECT_EQ(order.plannedOutputCount(), 5);
    ASSERT_EQ(plan.size(), 5U);
    EXPECT_EQ(QFileInfo(plan[0].destinationName).fileName(), "-4 Band.flac");
    EXPECT_EQ(QFileInfo(plan[2].destinationName).fileName(), "2-4 Guest.flac");
}

} // namespace
