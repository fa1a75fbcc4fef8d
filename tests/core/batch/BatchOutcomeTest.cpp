#include "core/batch/BatchOutcome.h"
#include "OrderOf.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::touch;

OutputReport reportOf(OutputStatus status, const QString& destination, const QString& reason = {}) {
    OutputReport report;
    report.status = status;
    report.destination = destination;
    report.reason = reason;
    return report;
}

class BatchOutcomeTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return folder.filePath(relative); }

    BatchOrder orderFor(const QStringList& sources, const std::set<OutputFormat>& formats) const {
        return orderOf(sources, formats, path(QStringLiteral("out")));
    }

    QTemporaryDir folder;
};

// Every output not made is listed with the reason the engine gave, skipped ones as well; the folder is that of the
// last source that existed, also when it vanished before its turn.
TEST_F(BatchOutcomeTest, CompletionListsWhatWasNotMadeWithItsReason) {
    const QString first = path(QStringLiteral("a/first.wav"));
    const QString gone = path(QStringLiteral("b/gone.wav"));
    QDir().mkpath(path(QStringLiteral("a")));
    touch(first);
    BatchOrder order = orderFor({first, gone}, {OutputFormat::Pcm, OutputFormat::Mp3, OutputFormat::Ogg});
    order.folderText.clear();
    FinishedBatch batch;
    batch.plan = order.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; });
    ASSERT_EQ(batch.plan.size(), 6U);
    const QString out = path(QStringLiteral("a/first"));
    batch.reports = {
        reportOf(OutputStatus::Made, out + QStringLiteral("_NEW.wav")),
        reportOf(OutputStatus::Skipped, out + QStringLiteral(".mp3"), out + QStringLiteral(".mp3 exists")),
        reportOf(OutputStatus::Failed, out + QStringLiteral(".ogg"), first + QStringLiteral(": cannot open")),
        reportOf(OutputStatus::Failed, batch.plan[3].destinationName, QStringLiteral("missing")),
        reportOf(OutputStatus::Failed, batch.plan[4].destinationName, QStringLiteral("missing")),
        reportOf(OutputStatus::Failed, batch.plan[5].destinationName, QStringLiteral("missing")),
    };
    EXPECT_EQ(batch.made(), 1);
    EXPECT_EQ(batch.unmade(), 5);
    EXPECT_EQ(batch.lastOutputFolder(), path(QStringLiteral("a/")));
    const QString message = completionMessage(batch);
    EXPECT_TRUE(message.contains(QStringLiteral("1 of 6 outputs were made. Not made:\n") + out +
                                 QStringLiteral(".mp3: ") + out + QStringLiteral(".mp3 exists\n") + out +
                                 QStringLiteral(".ogg: ") + first + QStringLiteral(": cannot open")))
        << message.toStdString();

    // The first source vanished at its turn: there is no folder left to open.
    for (std::size_t index = 0; index < 3; ++index)
        batch.reports[index].sourceMissing = true;
    EXPECT_TRUE(batch.lastOutputFolder().isEmpty());
}

TEST_F(BatchOutcomeTest, ARefusedOggSettingIsToldForEachOutputItCosts) {
    BatchOutput ogg{QStringLiteral("s.wav"), OutputFormat::Ogg, QStringLiteral("s.ogg"), SourceKind::Audio, 1,
                    PlannedAction::Convert};
    OutputReport report = reportOf(OutputStatus::Failed, QStringLiteral("s.ogg"));
    report.conversion = {ConversionOutcome::NotPrepared, QStringLiteral("s.ogg"), QStringLiteral("Incorrect format")};
    EXPECT_EQ(refusalToTell(ogg, report), QStringLiteral("Incorrect format"));
    BatchOutput mp3 = ogg;
    mp3.format = OutputFormat::Mp3;
    EXPECT_FALSE(refusalToTell(mp3, report));
    report.conversion.outcome = ConversionOutcome::SourceRejected;
    EXPECT_FALSE(refusalToTell(ogg, report));
}

// A cancel between two formats of an entry whose file is missing: the entry is not told again, the next missing
// entry is told once, and the first entry with a file ends the visit, its outputs left unstarted.
TEST_F(BatchOutcomeTest, AfterCancelEachMissingEntryIsToldOnceUntilAnEntryWithAFile) {
    const QString gone = path(QStringLiteral("gone.wav"));
    const QString alsoGone = path(QStringLiteral("also gone.wav"));
    const QString song = path(QStringLiteral("song.wav"));
    touch(song);
    FinishedBatch batch;
    batch.plan = orderFor({gone, alsoGone, song}, {OutputFormat::Mp3, OutputFormat::Raw})
                     .plan([](const QString&, SourceKind, bool) { return SourceFacts{}; });
    ASSERT_EQ(batch.plan.size(), 6U);
    batch.reports.resize(6);
    batch.reports[0] = reportOf(OutputStatus::Failed, batch.plan[0].destinationName);
    batch.reports[0].sourceMissing = true; // told at its turn, then Cancel
    batch.cancelled = true;

    EXPECT_EQ(visitAfterCancel(batch), QStringList{alsoGone});
    EXPECT_TRUE(batch.endedAtCancel);
    for (std::size_t index = 1; index < 4; ++index)
        EXPECT_TRUE(batch.reports[index].sourceMissing) << index;
    EXPECT_EQ(batch.reports[4].status, OutputStatus::NotStarted);
}

} // namespace
