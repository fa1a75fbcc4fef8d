// A library sync over a conversion that writes plain files: what becomes of outputs whose names move, of failures,
// and of an output whose name a new source takes over.
#include "core/batch/LibrarySync.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Writes the source's name into each output; sources whose name holds "bad" fail.
class WritingConversion : public SyncConversion {
public:
    std::vector<BatchOutput> plan(const BatchOrder& order) override {
        std::vector<BatchOutput> outputs;
        for (const BatchSource& source : order.sources) {
            const QString relative = QDir(*order.treeRoot).relativeFilePath(source.fullName);
            const QString base = order.baseNames ? QStringLiteral("Named: %1?").arg(QFileInfo(relative).baseName())
                                                 : QFileInfo(relative).completeBaseName();
            outputs.push_back(BatchOutput{source.fullName, OutputFormat::Mp3,
                                          order.folderText + "/" + QFileInfo(relative).path() + "/" + base + ".mp3",
                                          source.kind, 1, PlannedAction::Convert, std::nullopt});
        }
        return outputs;
    }

    std::vector<OutputReport> run(const std::vector<BatchOutput>& plan, const BatchOrder&,
                                  const std::function<void(std::size_t, const OutputReport&)>& finished) override {
        std::vector<OutputReport> reports;
        for (const BatchOutput& output : plan) {
            OutputReport report;
            report.destination = output.destinationName;
            if (output.sourceName.contains("cut")) {
                // The user stops the batch while this output is half made.
                QDir().mkpath(QFileInfo(output.destinationName).path());
                QFile file(output.destinationName);
                EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                file.write("half");
                report.status = OutputStatus::Cancelled;
                stopped_ = true;
            } else if (output.sourceName.contains("bad")) {
                report.status = OutputStatus::Failed;
                report.reason = output.sourceName + ": refused";
            } else {
                QDir().mkpath(QFileInfo(output.destinationName).path());
                QFile file(output.destinationName);
                EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(output.sourceName.toUtf8());
                report.status = OutputStatus::Made;
                ++converted;
            }
            reports.push_back(report);
            finished(reports.size() - 1, report);
        }
        return reports;
    }

    [[nodiscard]] bool stopped() const override { return stopped_; }

    int converted = 0;

private:
    bool stopped_ = false;
};

class Quiet : public SyncObserver {
public:
    void fileDone(const SyncFileReport&) override {}
};

class Library : public ::testing::Test {
protected:
    void write(const QString& relative, const QByteArray& bytes = "sound") {
        QDir().mkpath(QFileInfo(source(relative)).path());
        QFile file(source(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] QString source(const QString& relative) const { return folder_.filePath("src/" + relative); }
    [[nodiscard]] QString output(const QString& relative) const { return folder_.filePath("dst/" + relative); }

    SyncResult sync(bool prune = false, bool named = false, PathRules rules = PathRules::Fat) {
        SyncSetup setup{folder_.filePath("src"), folder_.filePath("dst"), {}, rules, prune, false};
        setup.choices.sideGlobs = SyncChoices::defaultSideGlobs();
        setup.choices.outputSuffix = ".mp3";
        setup.choices.convertOptions = named ? "mp3 named" : "mp3";
        setup.choices.namesFromTemplate = named;
        BatchOrder order;
        order.formats = {OutputFormat::Mp3};
        if (named) {
            QString whyNot;
            order.baseNames = NameTemplate::parse("{title}", whyNot);
        }
        LibrarySync librarySync(setup, order);
        Quiet quiet;
        return librarySync.run(conversion, quiet);
    }

    WritingConversion conversion;

private:
    QTemporaryDir folder_;
};

TEST_F(Library, OutputsNamedByATemplateAreFittedAndTheirOldNamesRemoved) {
    write("a/one.flac");
    write("a/two.flac");
    EXPECT_EQ(sync().counts.converted, 2);
    ASSERT_TRUE(QFileInfo::exists(output("a/one.mp3")));

    // Other options make every output again under its new name; the old files were ours and go.
    const SyncResult renamed = sync(false, true);
    EXPECT_EQ(renamed.counts.converted, 2);
    EXPECT_EQ(renamed.counts.pruned, 2);
    EXPECT_TRUE(QFileInfo::exists(output("a/Named_ one_.mp3")));
    EXPECT_TRUE(QFileInfo::exists(output("a/Named_ two_.mp3")));
    EXPECT_FALSE(QFileInfo::exists(output("a/one.mp3")));
    EXPECT_EQ(sync(false, true).counts.unchanged, 2);
}

TEST_F(Library, AFailedSourceIsTriedAgainAndItsOldOutputStaysListed) {
    write("a/bad.flac");
    write("a/good.flac");
    const SyncResult first = sync();
    EXPECT_EQ(first.counts.failed, 1);
    EXPECT_EQ(first.counts.converted, 1);
    EXPECT_EQ(sync().counts.failed, 1) << "a failure is tried again";
    EXPECT_EQ(conversion.converted, 1);
}

TEST_F(Library, AStoppedOutputLeavesNoCutOffFileBehind) {
    write("a/cut.flac");
    const SyncResult stopped = sync();
    EXPECT_EQ(stopped.counts.converted, 0);
    EXPECT_FALSE(QFileInfo::exists(output("a/cut.mp3")));
}

TEST_F(Library, AnOutputNameTakenOverByANewSourceSurvivesThePrune) {
    write("a/song.flac");
    EXPECT_EQ(sync().counts.converted, 1);
    // The FLAC goes and an MP3 of the same base name comes: its copy takes the output's name.
    ASSERT_TRUE(QFile::remove(source("a/song.flac")));
    write("a/song.mp3", "the new copy");
    const SyncResult pruned = sync(true);
    EXPECT_EQ(pruned.counts.copied, 1);
    EXPECT_EQ(pruned.counts.pruned, 0);
    QFile copy(output("a/song.mp3"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "the new copy");
    EXPECT_EQ(sync(true).counts.unchanged, 1);

    // Gone for good: the copy and the folder it leaves empty are removed; hidden files are no sources.
    ASSERT_TRUE(QFile::remove(source("a/song.mp3")));
    write(".hidden/x.flac");
    const SyncResult last = sync(true);
    EXPECT_EQ(last.counts.pruned, 1);
    EXPECT_EQ(last.counts.converted, 0);
    EXPECT_FALSE(QFileInfo::exists(output("a")));
}

} // namespace
