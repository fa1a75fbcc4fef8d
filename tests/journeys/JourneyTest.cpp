// Journeys through the real program, installed into a staging folder and driven as a user would drive it.
#include "DriveProgram.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

using journeys::describe;
using journeys::DriveOutcome;

class Journey : public testing::Test {
protected:
    static void SetUpTestSuite() { staging_ = std::make_unique<journeys::StagedInstall>(); }
    static void TearDownTestSuite() { staging_.reset(); }
    void SetUp() override { ASSERT_TRUE(staging_->installed()) << staging_->log().toStdString(); }

    // One start of the program with this user's configuration folder; it must end by itself, without a failed step.
    DriveOutcome run(const QStringList& arguments, const QStringList& script, const QString& workingDirectory = {}) {
        DriveOutcome outcome = journeys::driveProgram(staging_->path(QStringLiteral("bin/tonalith")), arguments, script,
                                                      config_.path(), workingDirectory);
        EXPECT_TRUE(outcome.ended && outcome.exitCode == 0 && outcome.completed()) << describe(outcome);
        return outcome;
    }

    // The value a "report NAME" command wrote.
    static QString reported(const DriveOutcome& outcome, const QString& name) {
        const QStringList values = outcome.values(name);
        return values.isEmpty() ? QStringLiteral("(not reported)") : values.constLast();
    }

    // A tone made by ffmpeg: SECONDS long, at RATE with CHANNELS, in the container the name's extension asks for.
    QString makeTone(const QString& name, int seconds, int rate = 44100, int channels = 2) {
        const QString file = work_.filePath(name);
        const auto made = testsupport::runTool(
            QStringLiteral("ffmpeg"),
            {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
             QStringLiteral("sine=frequency=440:duration=%1:sample_rate=%2").arg(seconds).arg(rate), "-ac",
             QString::number(channels), file});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return file;
    }

    // The duration ffprobe finds in a file's first audio stream, in seconds; -1 when it finds none.
    static double probedDuration(const QString& file) {
        const auto probe = testsupport::runTool(QStringLiteral("ffprobe"),
                                                {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                                 "format=duration", "-of", "default=noprint_wrappers=1:nokey=1", file});
        bool ok = false;
        const double seconds = QString::fromUtf8(probe.out).trimmed().toDouble(&ok);
        return probe.exitCode == 0 && ok ? seconds : -1;
    }

    static inline std::unique_ptr<journeys::StagedInstall> staging_;
    QTemporaryDir config_;
    QTemporaryDir work_;
};

TEST_F(Journey, RestartFindsTheWindowWhereItWasAndTheChoicesKept) {
    const QStringList formats{"chpcm", "chMP3", "chOGG", "chWMA", "chG726"};
    QTemporaryDir outputs;
    const DriveOutcome first =
        run({}, {"wait main", "check chOGG", "check chWMA", "uncheck chMP3", "check chG726", "move main 137 91",
                 "report main", "trigger optionsAction", "wait options", "type options/Edit_folder " + outputs.path(),
                 "click options/okButton", "close main"});
    QStringList reportAll{"wait main", "report main", "report main/edit_output_folder"};
    for (const QString& box : formats)
        reportAll.append(QStringLiteral("report ") + box);
    reportAll.append(QStringLiteral("close main"));
    const DriveOutcome second = run({}, reportAll);

    EXPECT_TRUE(reported(first, "main").startsWith(QStringLiteral("137,91 "))) << describe(first);
    EXPECT_EQ(reported(second, "main"), reported(first, "main")) << describe(second);
    EXPECT_EQ(reported(second, "chpcm"), "unchecked");
    EXPECT_EQ(reported(second, "chMP3"), "unchecked");
    EXPECT_EQ(reported(second, "chOGG"), "checked");
    EXPECT_EQ(reported(second, "chWMA"), "checked");
    EXPECT_EQ(reported(second, "chG726"), "checked");
    EXPECT_EQ(reported(second, "main/edit_output_folder"), outputs.path())
        << "the default output folder is the one chosen";
    EXPECT_TRUE(QFileInfo::exists(config_.filePath(QStringLiteral("Tonalith/settings.ini"))));
}

// The way a desktop entry or a shell starts the program with files: the sound files go into the list in the order
// given, a name after "--" is a file even when it starts with a dash, and a missing file makes no row.
TEST_F(Journey, FilesNamedAtStartFillTheListInOrder) {
    const QString song = makeTone(QStringLiteral("first song.wav"), 1, 8000, 1);
    const QString dashed = makeTone(QStringLiteral("-second.wav"), 1, 8000, 1);
    const DriveOutcome outcome =
        run({song, QStringLiteral("--"), QStringLiteral("-second.wav"), work_.filePath(QStringLiteral("none.mp3"))},
            {"wait main", "rows conversionListView 2", "pause 500", "report conversionListView", "close main"},
            work_.path());
    EXPECT_EQ(reported(outcome, "conversionListView"), "rows 2") << describe(outcome);
    const QStringList rows = outcome.values(QStringLiteral("conversionListView.row"));
    ASSERT_EQ(rows.size(), 2) << describe(outcome);
    const QStringList first = rows[0].split(QLatin1Char('\t'));
    ASSERT_EQ(first.size(), 6) << rows[0].toStdString();
    EXPECT_EQ(first[0], QStringLiteral("01"));
    EXPECT_EQ(first[1], QStringLiteral("first song.wav"));
    EXPECT_EQ(first[3], QStringLiteral("0:01"));
    EXPECT_TRUE(first[4].startsWith(QLatin1String("(Audio) "))) << first[4].toStdString();
    EXPECT_EQ(first[5], song);
    EXPECT_EQ(rows[1].split(QLatin1Char('\t')).value(5), dashed);
}

TEST_F(Journey, FilesFromTheCommandLineConvertIntoThreeFormats) {
    const QStringList sources{makeTone("first tone.wav", 3), makeTone("second.wav", 2, 22050, 1),
                              makeTone("third.ogg", 2)};
    const QString out = work_.filePath(QStringLiteral("converted"));
    const DriveOutcome outcome =
        run(sources,
            {"wait main", "rows conversionListView 3", "uncheck chMP3", "check chOGG", "check chWMA", "check chADPCM",
             "type main/edit_output_folder " + out, "click button_convert", "message Conversion is finished!", "close main"});
    EXPECT_EQ(outcome.messages(), QStringList{"Tonalith|Conversion is finished!"}) << describe(outcome);
    const QStringList expected{"first tone.ogg", "first tone.wma", "first tone_ADPCM.wav",
                               "second.ogg",     "second.wma",     "second_ADPCM.wav",
                               "third.ogg",      "third.wma",      "third_ADPCM.wav"};
    EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name), expected);
    for (const QString& name : expected) {
        const double seconds = probedDuration(QDir(out).filePath(name));
        EXPECT_NEAR(seconds, name.startsWith(QLatin1String("first")) ? 3.0 : 2.0, 0.15) << name.toStdString();
    }
}

TEST_F(Journey, CancelStopsTheBatchDuringItsFirstConversion) {
    const QStringList sources{makeTone("long one.wav", 60), makeTone("long two.wav", 60)};
    const QString out = work_.filePath(QStringLiteral("converted"));
    const DriveOutcome outcome =
        run(sources, {"wait main", "rows conversionListView 2", "uncheck chMP3", "check chOGG", "check chWMA",
                      "type main/edit_output_folder " + out, "click button_convert", "wait convert",
                      "click convert/button_cancel", "pause 1500", "report conversionListView", "close main"});
    EXPECT_TRUE(outcome.messages().isEmpty()) << "no completion message after a cancel: " << describe(outcome);
    // The conversion that was running keeps its partial output; nothing after it is made.
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{"long one.ogg"});
}

TEST_F(Journey, PlayAndStopARow) {
    const DriveOutcome outcome =
        run({makeTone("tune.wav", 5)},
            {"wait main", "rows conversionListView 1", "doubleclick conversionListView 0", "pause 1500",
             "report positionSlider", "click stopButton", "pause 300", "close main"});
    EXPECT_TRUE(outcome.messages().isEmpty()) << describe(outcome);
    EXPECT_NE(reported(outcome, "positionSlider"), "value 0") << "the position moved while the row played";
}

TEST_F(Journey, TagEditorChangesATitleThatAnotherReaderSees) {
    const QString song = makeTone("song.mp3", 2);
    const DriveOutcome outcome =
        run({song}, {"wait main", "rows conversionListView 1", "select conversionListView 0", "click tagEditorButton",
                     "wait Tid3editor", "type Tid3editor/TitleEdit Journey Title", "click Tid3editor/ApplyButton",
                     "click Tid3editor/CloseButton", "close main"});
    EXPECT_TRUE(outcome.messages().isEmpty()) << describe(outcome);
    const auto probe =
        testsupport::runTool(QStringLiteral("ffprobe"), {"-v", "error", "-show_entries", "format_tags=title", "-of",
                                                         "default=noprint_wrappers=1:nokey=1", song});
    ASSERT_EQ(probe.exitCode, 0) << probe.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(probe.out).trimmed(), QStringLiteral("Journey Title"));
}

} // namespace
