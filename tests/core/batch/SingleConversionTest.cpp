#include "core/batch/SingleConversion.h"
#include "RecordingObserver.h"
#include "fakes/FakeComponentSet.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

namespace {

const QString kSource = QStringLiteral("/no/such/folder/in/song.wav");
const QString kVideo = QStringLiteral("/no/such/folder/in/clip.avi");
// Create the output under its temporary name, announce the conversion, open the audio source. Names in the
// output folder appear in the log as "/out/...".
const QStringList kAudioOpening{
    "writer.createOutput(/out/.song.part.mp3,0)",
    "writer.lastError()",
    "Observer.started(/no/such/folder/in/song.wav,/out/song.mp3)",
    "reader.openForReading(/no/such/folder/in/song.wav,0,1)",
    "reader.lastError()",
};

class SingleConversionTest : public ::testing::Test {
protected:
    SingleConversionTest() {
        factory.log->clear();
        factory.reader->setResult(QStringLiteral("sampleRate"), 4);
        factory.reader->setResult(QStringLiteral("channelCount"), 2);
        factory.reader->setResult(QStringLiteral("lengthInSamples"), 5);
    }

    // Temporary names appear without their random mark: "/out/.song.part.mp3".
    QStringList log() const {
        QStringList entries = *factory.log;
        entries.replaceInStrings(folder.path(), QStringLiteral("/out"));
        entries.replaceInStrings(QRegularExpression(QStringLiteral("\\.[0-9a-f]{24}(?=\\.part)")), QString());
        return entries;
    }
    static SampleBlock block(std::size_t values) { return SampleBlock(std::vector<float>(values, 0.5f)); }

    QTemporaryDir folder;
    const QString kDestination = folder.filePath(QStringLiteral("song.mp3"));
    FakeComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
    RecordingObserver observer{factory.log};
    SingleConversion conversion{*components, observer};
};

TEST_F(SingleConversionTest, AudioSourceStreamsOneSecondBlocksAndCarriesTheTags) {
    factory.reader->queueReadBlock(block(8));
    factory.reader->queueReadBlock(block(8));
    const ConversionResult result = conversion.convert(kSource, kDestination, {SourceKind::Audio, {}, true});
    EXPECT_EQ(result.outcome, ConversionOutcome::Completed);
    EXPECT_EQ(result.destination, kDestination);
    // The second block takes the count past the source's length: it stops at the length, at 100 %.
    const QStringList expected = kAudioOpening + QStringList{
                                                     "information.loadTags(/no/such/folder/in/song.wav)",
                                                     "reader.sampleRate()",
                                                     "reader.channelCount()",
                                                     "writer.describeInput(4,2)",
                                                     "reader.lengthInSamples()",
                                                     "reader.readBlock(8)",
                                                     "writer.writeBlock(block[8])",
                                                     "Observer.progress(80)",
                                                     "reader.readBlock(8)",
                                                     "writer.writeBlock(block[8])",
                                                     "Observer.progress(100)",
                                                     "reader.readBlock(8)",
                                                     "writer.close()",
                                                     "reader.close()",
                                                     "information.storeTags(/out/.song.part.mp3)",
                                                 };
    EXPECT_EQ(log(), expected);
}

TEST_F(SingleConversionTest, VolumeChangeMakesMonoBlocksStereoAndScalesEachChannel) {
    factory.reader->setResult(QStringLiteral("sampleRate"), 3);
    factory.reader->setResult(QStringLiteral("channelCount"), 1);
    factory.reader->setResult(QStringLiteral("lengthInSamples"), 3);
    factory.reader->queueReadBlock(block(3));
    const ConversionResult result = conversion.convert(kSource, kDestination, {SourceKind::Audio, 50, false});
    EXPECT_TRUE(result.succeeded());
    const QStringList expected = kAudioOpening + QStringList{
                                                     "reader.sampleRate()",
                                                     "reader.channelCount()",
                                                     "writer.describeInput(3,1)",
                                                     "transform.setSampleRate(3)",
                                                     "writer.describeInput(3,2)",
                                                     "reader.lengthInSamples()",
                                                     "reader.readBlock(3)",
                                                     "transform.monoToStereo(block[3])",
                                                     "transform.setChannelSwitch(-1)",
                                                     "transform.leftChannel(block[6])",
                                                     "transform.rightChannel(block[6])",
                                                     "transform.changeVolume(block[3],50)",
                                                     "transform.changeVolume(block[3],50)",
                                                     "transform.joinChannels(block[3],block[3])",
                                                     "transform.setChannelSwitch(0)",
                                                     "writer.writeBlock(block[6])",
                                                     "Observer.progress(100)",
                                                     "reader.readBlock(3)",
                                                     "writer.close()",
                                                     "reader.close()",
                                                 };
    EXPECT_EQ(log(), expected);
}

TEST_F(SingleConversionTest, VideoSourceReadsTheSoundTrackAndCarriesItsTags) {
    factory.video->setResult(QStringLiteral("sampleRate"), 2);
    factory.video->setResult(QStringLiteral("channelCount"), 1);
    factory.video->setResult(QStringLiteral("readPosition"), 7);
    factory.video->setResult(QStringLiteral("totalLength"), 4); // a position past the end shows 100 %, no more
    factory.video->queueReadBlock(block(2));
    const ConversionResult result = conversion.convert(kVideo, kDestination, {SourceKind::Video, {}, true});
    EXPECT_TRUE(result.succeeded());
    const QStringList expected{
        "writer.createOutput(/out/.song.part.mp3,0)",
        "writer.lastError()",
        "Observer.started(/no/such/folder/in/clip.avi,/out/song.mp3)",
        "video.open(/no/such/folder/in/clip.avi)",
        "information.loadTags(/no/such/folder/in/clip.avi)",
        "video.sampleRate()",
        "video.channelCount()",
        "writer.describeInput(2,1)",
        "video.readBlock(2)",
        "writer.writeBlock(block[2])",
        "video.readPosition()",
        "video.totalLength()",
        "Observer.progress(100)",
        "video.readBlock(2)",
        "video.close()",
        "writer.close()",
        "information.storeTags(/out/.song.part.mp3)",
    };
    EXPECT_EQ(log(), expected);
}

TEST_F(SingleConversionTest, CancelClosesBothFilesAndKeepsThePartialOutputWithTags) {
    factory.reader->queueReadBlock(block(8));
    factory.reader->queueReadBlock(block(8));
    observer.blocksBeforeCancel = 1;
    const ConversionResult audio = conversion.convert(kSource, kDestination, {SourceKind::Audio, {}, true});
    EXPECT_EQ(audio.outcome, ConversionOutcome::Cancelled);
    EXPECT_EQ(log().mid(log().indexOf("Observer.progress(80)")),
              QStringList({"Observer.progress(80)", "writer.close()", "reader.close()",
                           "information.storeTags(/out/.song.part.mp3)", "Observer.cancelled()"}));

    factory.log->clear();
    factory.video->setResult(QStringLiteral("sampleRate"), 2);
    factory.video->setResult(QStringLiteral("channelCount"), 1);
    factory.video->queueReadBlock(block(2));
    factory.video->queueReadBlock(block(2));
    observer.blocksBeforeCancel = 1;
    const ConversionResult video = conversion.convert(kVideo, kDestination, {SourceKind::Video, {}, true});
    EXPECT_EQ(video.outcome, ConversionOutcome::Cancelled);
    EXPECT_EQ(log().mid(log().indexOf("Observer.progress(0)")),
              QStringList({"Observer.progress(0)", "video.close()", "writer.close()",
                           "information.storeTags(/out/.song.part.mp3)", "Observer.cancelled()"}));
}

TEST_F(SingleConversionTest, OutputThatCannotBeCreatedStopsBeforeTheSourceIsTouched) {
    factory.writer->setResult(QStringLiteral("lastError"), LastError::CannotCreate);
    EXPECT_EQ(conversion.convert(kSource, kDestination, {}).outcome, ConversionOutcome::OutputNotCreated);
    EXPECT_EQ(log(), QStringList({"writer.createOutput(/out/.song.part.mp3,0)", "writer.lastError()", "writer.close()",
                                  "Observer.reset()"}));

    factory.log->clear();
    factory.writer->setFailure(QStringLiteral("createOutput"), QStringLiteral("disk full"));
    const ConversionResult raised = conversion.convert(kSource, kDestination, {});
    EXPECT_EQ(raised.outcome, ConversionOutcome::OutputNotCreated);
    EXPECT_EQ(raised.detail, QStringLiteral("disk full"));
    EXPECT_EQ(log(), QStringList({"writer.createOutput(/out/.song.part.mp3,0)", "writer.close()", "Observer.reset()"}));
}

TEST_F(SingleConversionTest, SourceThatCannotBeOpenedClosesBothWithoutAMessage) {
    factory.reader->setResult(QStringLiteral("lastError"), LastError::UnknownFormat);
    EXPECT_EQ(conversion.convert(kSource, kDestination, {}).outcome, ConversionOutcome::SourceNotOpened);
    EXPECT_EQ(log().mid(3), QStringList({"reader.openForReading(/no/such/folder/in/song.wav,0,1)", "reader.lastError()",
                                         "reader.close()", "writer.close()", "Observer.reset()"}));
}

TEST_F(SingleConversionTest, RaisedErrorsShowTheMessageOfTheSourceKindAndCloseBoth) {
    factory.reader->queueReadBlock(block(8));
    factory.writer->setFailure(QStringLiteral("writeBlock"), QStringLiteral("encoder broke"));
    const ConversionResult audio = conversion.convert(kSource, kDestination, {});
    EXPECT_EQ(audio.outcome, ConversionOutcome::SourceRejected);
    EXPECT_EQ(audio.detail, QStringLiteral("encoder broke"));
    EXPECT_EQ(
        log().mid(log().indexOf("writer.writeBlock(block[8])")),
        QStringList({"writer.writeBlock(block[8])",
                     "Observer.failed(The audio file is invalid or the format is not supported!!,Converter Error)",
                     "writer.close()", "reader.close()"}));

    factory.log->clear();
    factory.video->setFailure(QStringLiteral("open"), QStringLiteral("no sound track"));
    EXPECT_EQ(conversion.convert(kVideo, kDestination, {SourceKind::Video, {}, true}).outcome,
              ConversionOutcome::SourceRejected);
    EXPECT_EQ(log().mid(3),
              QStringList({"video.open(/no/such/folder/in/clip.avi)",
                           "Observer.failed(The video file is invalid or the format is not supported!!,Extract Error)",
                           "video.close()", "writer.close()"}));
}

TEST_F(SingleConversionTest, SourceWithoutChannelsIsRejectedInsteadOfDividingByZero) {
    factory.reader->setResult(QStringLiteral("channelCount"), 0);
    factory.reader->queueReadBlock(block(8));
    EXPECT_EQ(conversion.convert(kSource, kDestination, {}).outcome, ConversionOutcome::SourceRejected);
    EXPECT_FALSE(log().contains("reader.readBlock(0)"));
}

// The output folder's files, hidden ones included, with the content of each.
QMap<QString, QByteArray> filesIn(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(folder).filePath(name));
        files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }
    return files;
}

using testsupport::writeFile;

TEST_F(SingleConversionTest, OnlyAFinishedOutputReplacesAnEarlierFile) {
    const QMap<QString, QByteArray> earlier{{"song.mp3", "precious"}};
    writeFile(kDestination, "precious");

    factory.reader->setResult(QStringLiteral("lastError"), LastError::UnknownFormat);
    EXPECT_EQ(conversion.convert(kSource, kDestination, {}).outcome, ConversionOutcome::SourceNotOpened);
    EXPECT_EQ(filesIn(folder.path()), earlier);

    factory.reader->setResult(QStringLiteral("lastError"), LastError::Success);
    factory.reader->queueReadBlock(block(8));
    factory.writer->setFailure(QStringLiteral("writeBlock"), QStringLiteral("encoder broke"));
    EXPECT_EQ(conversion.convert(kSource, kDestination, {}).outcome, ConversionOutcome::SourceRejected);
    EXPECT_EQ(filesIn(folder.path()), earlier);

    factory.writer->setFailure(QStringLiteral("writeBlock"), {});
    factory.reader->queueReadBlock(block(8));
    factory.reader->queueReadBlock(block(8));
    observer.blocksBeforeCancel = 1;
    const ConversionResult cancelled = conversion.convert(kSource, kDestination, {});
    EXPECT_EQ(cancelled.outcome, ConversionOutcome::Cancelled);
    EXPECT_TRUE(cancelled.keptEarlier);
    EXPECT_EQ(filesIn(folder.path()), earlier) << "a part of a sound never replaces a whole one";

    // Without an earlier file the partial output takes the name.
    QFile::remove(kDestination);
    factory.reader->queueReadBlock(block(8));
    factory.reader->queueReadBlock(block(8));
    observer.blocksBeforeCancel = 1;
    const ConversionResult partial = conversion.convert(kSource, kDestination, {});
    EXPECT_EQ(partial.outcome, ConversionOutcome::Cancelled);
    EXPECT_FALSE(partial.keptEarlier);
    EXPECT_EQ(filesIn(folder.path()), (QMap<QString, QByteArray>{{"song.mp3", ""}})) << "the partial output stays";

    writeFile(kDestination, "precious");
    observer.blocksBeforeCancel = -1;
    factory.reader->queueReadBlock(block(8));
    EXPECT_EQ(conversion.convert(kSource, kDestination, {}).outcome, ConversionOutcome::Completed);
    EXPECT_EQ(filesIn(folder.path()), (QMap<QString, QByteArray>{{"song.mp3", ""}}));
}

// The finished output is read back from its temporary name before it takes its own; one that reads back short
// fails and is dropped, and the earlier file of its name stays.
TEST_F(SingleConversionTest, AVerifiedOutputTakesItsNameOnlyWhenItReadsBackWhole) {
    writeFile(kDestination, "precious");
    ConversionSettings settings;
    settings.verifiedAs = OutputFormat::Pcm;
    // Two seconds are written (a block of four frames at 4 Hz each); the read back finds one.
    factory.reader->queueReadBlock(block(8));
    factory.reader->queueReadBlock(block(8));
    factory.reader->queueReadBlock(SampleBlock());
    factory.reader->queueReadBlock(block(8));
    const ConversionResult damaged = conversion.convert(kSource, kDestination, settings);
    EXPECT_EQ(damaged.outcome, ConversionOutcome::Unverified);
    EXPECT_EQ(damaged.detail, QStringLiteral("it reads back 1.00 s of 2.00 s"));
    EXPECT_TRUE(log().contains("reader.openForReading(/out/.song.part.mp3,0,1)"));
    EXPECT_EQ(filesIn(folder.path()), (QMap<QString, QByteArray>{{"song.mp3", "precious"}}));

    factory.reader->queueReadBlock(block(8));
    factory.reader->queueReadBlock(SampleBlock());
    factory.reader->queueReadBlock(block(8));
    EXPECT_EQ(conversion.convert(kSource, kDestination, settings).outcome, ConversionOutcome::Completed);
    EXPECT_EQ(filesIn(folder.path()), (QMap<QString, QByteArray>{{"song.mp3", ""}}));
}

TEST_F(SingleConversionTest, TemporaryNamesNeverTakeAnExistingFile) {
    writeFile(folder.filePath(".song.part.mp3"), "someone else's");
    factory.reader->queueReadBlock(block(8));
    EXPECT_EQ(conversion.convert(kSource, kDestination, {}).outcome, ConversionOutcome::Completed);
    EXPECT_NE(factory.log->first(), "writer.createOutput(" + folder.filePath(".song.part.mp3") + ",0)");
    EXPECT_EQ(filesIn(folder.path()),
              (QMap<QString, QByteArray>{{".song.part.mp3", "someone else's"}, {"song.mp3", ""}}));
}

TEST_F(SingleConversionTest, SourcesThatAreNoRegularFilesAreRefusedBeforeAnyFileIsMade) {
    for (const QString& source : {folder.path(), QStringLiteral("/dev/null")}) {
        factory.log->clear();
        const ConversionResult refused = conversion.convert(source, kDestination, {});
        EXPECT_EQ(refused.outcome, ConversionOutcome::SourceNotOpened);
        EXPECT_TRUE(refused.detail.contains("not a regular file")) << refused.detail.toStdString();
        EXPECT_EQ(log(), QStringList{"Observer.reset()"});
        EXPECT_TRUE(filesIn(folder.path()).isEmpty());
    }
}

// A source that states a length but gives not one frame leaves no output, and the report names the source.
TEST_F(SingleConversionTest, ASourceThatGivesNoSoundMakesNoOutput) {
    const ConversionResult result = conversion.convert(kSource, kDestination, {SourceKind::Audio, {}, false});
    EXPECT_EQ(result.outcome, ConversionOutcome::SourceRejected);
    EXPECT_EQ(result.detail, QStringLiteral("No sound could be decoded from \"%1\".").arg(kSource));
    EXPECT_TRUE(filesIn(folder.path()).isEmpty());
}

// Only copying the tags failed: the output is kept and its result says what it lacks.
TEST_F(SingleConversionTest, AnOutputWhoseTagsCannotBeStoredIsKept) {
    factory.reader->queueReadBlock(block(8));
    factory.information->setFailure(QStringLiteral("storeTags"), QStringLiteral("no room for tags"));
    const ConversionResult result = conversion.convert(kSource, kDestination, {SourceKind::Audio, {}, true});
    EXPECT_EQ(result.outcome, ConversionOutcome::Completed);
    EXPECT_EQ(result.detail, QStringLiteral("its tags could not be copied: no room for tags"));
    EXPECT_EQ(filesIn(folder.path()), (QMap<QString, QByteArray>{{"song.mp3", ""}}));
}

TEST(PercentDone, IsExactAndBoundedForAnyLength) {
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    EXPECT_EQ(percentDone(1, 3), 33);
    EXPECT_EQ(percentDone(2, 3), 66);
    EXPECT_EQ(percentDone(kMax / 2, kMax), 49);
    EXPECT_EQ(percentDone(kMax - 1, kMax), 99);
    EXPECT_EQ(percentDone(kMax, kMax), 100);
    EXPECT_EQ(percentDone(3'000'000'000'000LL, 4'000'000'000'000LL), 75);
    EXPECT_EQ(percentDone(kMax, 1), 100);
    EXPECT_EQ(percentDone(5, 0), 0);
    EXPECT_EQ(percentDone(-5, 10), 0);
}

} // namespace
