#include "core/library/TrackCuts.h"
#include "core/components/ComponentError.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

CueTrack track(int number, CueFrames start, std::optional<CueFrames> pregap = std::nullopt, int image = 0) {
    CueTrack made;
    made.number = number;
    made.start = start;
    made.pregapStart = pregap;
    made.image = image;
    made.line = number * 3;
    made.startLine = number * 3 + 1;
    return made;
}

CueSheet sheetOf(std::vector<CueTrack> tracks, int images = 1) {
    CueSheet sheet;
    sheet.path = QStringLiteral("/music/album.cue");
    for (int at = 0; at < images; ++at)
        sheet.images.push_back(CueImage{QStringLiteral("image%1.wav").arg(at), QString(), at + 1});
    sheet.tracks = std::move(tracks);
    return sheet;
}

long long total(const std::vector<TrackCut>& cuts) {
    return std::accumulate(cuts.begin(), cuts.end(), 0LL,
                           [](long long sum, const TrackCut& cut) { return sum + cut.sampleCount; });
}

// Cuts follow each other without a gap or an overlap.
void expectContiguous(const std::vector<TrackCut>& cuts) {
    for (size_t at = 1; at < cuts.size(); ++at) {
        if (cuts[at].image == cuts[at - 1].image) {
            EXPECT_EQ(cuts[at].firstSample, cuts[at - 1].firstSample + cuts[at - 1].sampleCount) << at;
        }
    }
}

TEST(TrackCuts, PregapsEndTheTrackBeforeAndTheLastTrackRunsToTheImageEnd) {
    // Track 2 has a two-second pregap; track 3 starts at 7:30:37, a frame that is no whole millisecond.
    const CueSheet sheet =
        sheetOf({track(1, 0), track(2, 3 * 60 * 75, 3 * 60 * 75 - 150), track(3, 7 * 4500 + 30 * 75 + 37)});
    for (const int rate : {44100, 48000}) {
        SCOPED_TRACE(rate);
        const long long image = 10LL * 60 * rate + 123; // not a whole number of frames
        const std::vector<TrackCut> cuts = cutTracks(sheet, std::vector{ImageLength{image, rate}}, false);
        ASSERT_EQ(cuts.size(), 3U);
        const long long perFrame = rate / 75;
        EXPECT_EQ(cuts[0].firstSample, 0);
        EXPECT_EQ(cuts[0].sampleCount, 3 * 60 * 75 * perFrame) << "the pregap of track 2 is the end of track 1";
        EXPECT_EQ(cuts[1].firstSample, 3 * 60 * 75 * perFrame);
        EXPECT_EQ(cuts[2].firstSample, (7 * 4500 + 30 * 75 + 37) * perFrame);
        EXPECT_EQ(cuts[2].firstSample + cuts[2].sampleCount, image);
        EXPECT_EQ(total(cuts), image);
        expectContiguous(cuts);
        EXPECT_EQ(cuts[1].number, 2);
        EXPECT_EQ(cuts[1].track, 1);
    }
}

TEST(TrackCuts, FramesBecomeSamplesRoundedDownAtRatesThatAreNoMultipleOfSeventyFive) {
    EXPECT_EQ(framesToSamples(1, 44100), 588);
    EXPECT_EQ(framesToSamples(1, 48000), 640);
    EXPECT_EQ(framesToSamples(1, 22050), 294);
    EXPECT_EQ(framesToSamples(1, 11025), 147);
    EXPECT_EQ(framesToSamples(1, 8000), 106); // 106.67
    EXPECT_EQ(framesToSamples(3, 8000), 320); // exact again after three frames
    EXPECT_EQ(framesToSamples(99LL * 60 * 75, 192000), 99LL * 60 * 192000);
    const CueSheet sheet = sheetOf({track(1, 0), track(2, 1), track(3, 2)});
    const std::vector<TrackCut> cuts = cutTracks(sheet, std::vector{ImageLength{1000, 8000}}, false);
    EXPECT_EQ(cuts[1].firstSample, 106);
    EXPECT_EQ(cuts[2].firstSample, 213);
    EXPECT_EQ(total(cuts), 1000);
}

TEST(TrackCuts, AHiddenTrackIsLeftOutUnlessAsked) {
    const CueSheet sheet = sheetOf({track(1, 30 * 75, 0), track(2, 60 * 75)});
    const std::vector ImageLengths{ImageLength{90 * 44100, 44100}};
    const std::vector<TrackCut> without = cutTracks(sheet, ImageLengths, false);
    ASSERT_EQ(without.size(), 2U);
    EXPECT_EQ(without[0].firstSample, 30 * 44100);
    EXPECT_EQ(total(without), 60 * 44100);

    const std::vector<TrackCut> with = cutTracks(sheet, ImageLengths, true);
    ASSERT_EQ(with.size(), 3U);
    EXPECT_EQ(with[0].track, -1);
    EXPECT_EQ(with[0].number, 0);
    EXPECT_EQ(with[0].firstSample, 0);
    EXPECT_EQ(with[0].sampleCount, 30 * 44100);
    EXPECT_EQ(total(with), 90 * 44100);
    expectContiguous(with);
}

TEST(TrackCuts, EachImageIsCutOnItsOwn) {
    // One image per track, the last two tracks sharing the third image; the third image starts with a pregap.
    const CueSheet sheet = sheetOf(
        {track(1, 0, std::nullopt, 0), track(2, 0, std::nullopt, 1), track(3, 75, 0, 2), track(4, 750, {}, 2)}, 3);
    const std::vector lengths{ImageLength{44100, 44100}, ImageLength{96000, 48000}, ImageLength{20 * 44100, 44100}};
    const std::vector<TrackCut> cuts = cutTracks(sheet, lengths, true);
    ASSERT_EQ(cuts.size(), 4U) << "only the first image has a hidden track";
    EXPECT_EQ(cuts[0].sampleCount, 44100);
    EXPECT_EQ(cuts[1].image, 1);
    EXPECT_EQ(cuts[1].sampleCount, 96000);
    EXPECT_EQ(cuts[2].firstSample, 0) << "audio before the first index of a later image stays with its track";
    EXPECT_EQ(cuts[2].sampleCount, 10 * 44100);
    EXPECT_EQ(cuts[3].firstSample + cuts[3].sampleCount, 20 * 44100);
}

TEST(TrackCuts, RefusesImagesThatEndBeforeTheSheetDoes) {
    const CueSheet sheet = sheetOf({track(1, 0), track(2, 60 * 75)});
    const auto errorOf = [&](std::vector<ImageLength> lengths) -> QString {
        try {
            [[maybe_unused]] const auto cuts = cutTracks(sheet, lengths, false);
        } catch (const ComponentError& error) {
            return error.message();
        }
        return QString();
    };
    EXPECT_EQ(errorOf({ImageLength{60 * 44100, 44100}}),
              QStringLiteral("album.cue, line 7: track 2 starts at 01:00:00, but the image “image0.wav” ends at "
                             "01:00:00."));
    EXPECT_TRUE(errorOf({ImageLength{60 * 44100 + 1, 44100}}).isEmpty());
    EXPECT_TRUE(errorOf({ImageLength{1000, 0}}).contains(QStringLiteral("line 1: the image “image0.wav” holds no")));
    EXPECT_TRUE(errorOf({}).contains(QStringLiteral("names 1 images, but 0 were read")));

    CueSheet oddlyNamed = sheet;
    oddlyNamed.path = QStringLiteral("/music/%2 and %1.cue");
    try {
        [[maybe_unused]] const auto cuts = cutTracks(oddlyNamed, std::vector{ImageLength{44100, 44100}}, false);
        ADD_FAILURE() << "a one-second image holds no track starting at a minute";
    } catch (const ComponentError& error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("%2 and %1.cue, line 7: track 2 starts at 01:00:00")))
            << error.message().toStdString();
    }
}

} // namespace
