#include "cli/StopSignals.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

// tonalith-cli convert as a separate process that is stopped by signals, killed outright, and run again: what it
// prints, how it exits and which files it leaves. Sources are made with sox and never change.
namespace {

using testsupport::filesIn;
using testsupport::linesStarting;
using testsupport::md5Of;
using testsupport::runTool;

QByteArray contentOf(const QString& file) {
    QFile input(file);
    return input.open(QIODevice::ReadOnly) ? input.readAll() : QByteArray();
}

// The JSON summary that closes the output; an empty object when there is none.
QJsonObject summaryOf(const QByteArray& out) {
    const auto start = out.indexOf("\n{");
    return start < 0 ? QJsonObject() : QJsonDocument::fromJson(out.mid(start + 1)).object();
}

// Status by destination file name, from the JSON summary.
std::map<QString, QString> statusesOf(const QJsonObject& summary) {
    std::map<QString, QString> statuses;
    for (const QJsonValue& output : summary.value(QStringLiteral("outputs")).toArray()) {
        const QJsonObject entry = output.toObject();
        statuses[QFileInfo(entry.value(QStringLiteral("destination")).toString()).fileName()] =
            entry.value(QStringLiteral("status")).toString();
    }
    return statuses;
}

double secondsOf(const QString& file) {
    const auto result = runTool("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", file});
    EXPECT_EQ(result.exitCode, 0) << file.toStdString() << ": " << result.err.toStdString();
    return result.exitCode == 0 ? result.out.trimmed().toDouble() : -1.0;
}

// One tonalith-cli convert that runs while the test watches its lines.
class RunningConvert {
public:
    explicit RunningConvert(const QStringList& arguments) {
        process_.setProgram(testsupport::cliPath());
        process_.setArguments(QStringList{"convert", "--no-tags"} + arguments);
        process_.start();
        EXPECT_TRUE(process_.waitForStarted(30000));
    }
    ~RunningConvert() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    RunningConvert(const RunningConvert&) = delete;
    RunningConvert& operator=(const RunningConvert&) = delete;

    // Waits until a line that starts with the prefix and contains the text has come out.
    bool waitForLine(const QByteArray& prefix, const QByteArray& containing = {}) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 120000) {
            out_ += process_.readAllStandardOutput();
            for (const QByteArray& line : out_.split('\n')) {
                if (line.startsWith(prefix) && line.contains(containing))
                    return true;
            }
            if (process_.state() == QProcess::NotRunning)
                return false;
            process_.waitForReadyRead(100);
        }
        return false;
    }

    void send(int signal) { ASSERT_EQ(::kill(static_cast<pid_t>(process_.processId()), signal), 0); }

    // The exit status, or -signal when a signal ended the process.
    int finish() {
        EXPECT_TRUE(process_.waitForFinished(120000));
        out_ += process_.readAllStandardOutput();
        err_ = process_.readAllStandardError();
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }

    [[nodiscard]] const QByteArray& out() const { return out_; }
    [[nodiscard]] const QByteArray& err() const { return err_; }

private:
    QProcess process_;
    QByteArray out_;
    QByteArray err_;
};

class StopAndResume : public ::testing::Test {
protected:
    QString tone(const QString& name, double seconds, int rate = 44100, int channels = 2) {
        const QString path = folder.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        const auto made = runTool("sox", {"-n", "-r", QString::number(rate), "-c", QString::number(channels), "-b",
                                          "16", path, "synth", QString::number(seconds), "sine", "440", "vol", "0.5"});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        sourceMd5s[path] = md5Of(path);
        return path;
    }

    void TearDown() override {
        for (const auto& [source, md5] : sourceMd5s)
            EXPECT_EQ(md5Of(source), md5) << source.toStdString() << " changed";
    }

    QTemporaryDir folder;
    std::map<QString, QByteArray> sourceMd5s;
};

// SIGTERM, SIGINT and SIGHUP stop the running output after its block; the lines and the summary still come out,
// the partial output keeps its name, nothing more starts and no temporary file is left.
TEST_F(StopAndResume, EachStopSignalEndsTheBatchLikeCancel) {
    const QString longSource = tone("long.wav", 60);
    const QString shortSource = tone("short.wav", 1);
    const std::pair<int, int> cases[] = {{SIGTERM, 143}, {SIGINT, 130}, {SIGHUP, 130}};
    for (const auto& [signal, status] : cases) {
        SCOPED_TRACE(testing::Message() << "signal " << signal);
        const QString out = folder.filePath(QStringLiteral("out%1").arg(signal));
        RunningConvert run({"-j", "1", "--format", "mp3", "--summary", "json", "--out", out, longSource, shortSource});
        ASSERT_TRUE(run.waitForLine("progress=")) << run.out().toStdString();
        run.send(signal);
        EXPECT_EQ(run.finish(), status) << run.err().toStdString();
        EXPECT_EQ(linesStarting(run.out(), "cancelled="), QStringList{out + QStringLiteral("/long.mp3")});
        EXPECT_TRUE(linesStarting(run.out(), "output=").isEmpty());
        const QJsonObject summary = summaryOf(run.out());
        EXPECT_EQ(summary.value(QStringLiteral("cancelled")).toInt(), 1) << run.out().toStdString();
        EXPECT_EQ(summary.value(QStringLiteral("not_started")).toInt(), 1) << run.out().toStdString();
        EXPECT_EQ(statusesOf(summary),
                  (std::map<QString, QString>{{"long.mp3", "cancelled"}, {"short.mp3", "not started"}}));
        EXPECT_EQ(filesIn(out), QStringList{QStringLiteral("long.mp3")});
        const double seconds = secondsOf(out + QStringLiteral("/long.mp3"));
        EXPECT_GT(seconds, 0.0);
        EXPECT_LT(seconds, 59.0);
    }
}

// With outputs side by side and earlier files of the outputs' names, a stop keeps each earlier file byte for
// byte, drops the partial outputs, and the summary says so.
TEST_F(StopAndResume, AStoppedOutputNeverReplacesAnEarlierFile) {
    const QString first = tone("first.wav", 60);
    const QString second = tone("second.wav", 60);
    const QString out = folder.filePath("out");
    QDir().mkpath(out);
    for (const char* name : {"first.mp3", "second.mp3"}) {
        QFile earlier(out + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(QByteArray("the earlier ") + name);
    }
    RunningConvert run({"-j", "2", "--format", "mp3", "--summary", "text", "--out", out, first, second});
    ASSERT_TRUE(run.waitForLine("progress=", "second.mp3")) << run.out().toStdString();
    run.send(SIGINT);
    EXPECT_EQ(run.finish(), 130) << run.err().toStdString();
    EXPECT_EQ(filesIn(out), (QStringList{"first.mp3", "second.mp3"}));
    EXPECT_EQ(contentOf(out + "/first.mp3"), "the earlier first.mp3");
    EXPECT_EQ(contentOf(out + "/second.mp3"), "the earlier second.mp3");
    EXPECT_TRUE(run.out().contains("summary: 2 outputs, 0 made, 0 skipped, 0 failed, 2 cancelled"))
        << run.out().toStdString();
    EXPECT_EQ(run.out().count("the earlier " + QFile::encodeName(out)), 2) << run.out().toStdString();
}

// A run killed outright leaves its temporary file, unlocked; the next run into the folder removes it, but not the
// temporary file of a run still writing (stopped here, its lock held), nor other files.
TEST_F(StopAndResume, AKilledRunsPendingFileIsRemovedByTheNextRun) {
    const QString longSource = tone("long.wav", 60);
    const QString out = folder.filePath("out");
    {
        RunningConvert run({"-j", "1", "--format", "mp3", "--out", out, longSource});
        ASSERT_TRUE(run.waitForLine("progress=")) << run.out().toStdString();
        run.send(SIGKILL);
        EXPECT_EQ(run.finish(), -1);
    }
    const QStringList killed = filesIn(out);
    ASSERT_EQ(killed.size(), 1);
    EXPECT_TRUE(killed.first().startsWith(".long.") && killed.first().endsWith(".part.mp3"))
        << killed.first().toStdString();

    const QString unrelated = out + QStringLiteral("/.notes.part.mp3");
    {
        QFile file(unrelated);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not ours to remove");
    }
    RunningConvert writing({"-j", "1", "--format", "mp3", "--out", out, tone("other.wav", 60)});
    ASSERT_TRUE(writing.waitForLine("progress=")) << writing.out().toStdString();
    writing.send(SIGSTOP);
    // The writing run's own sweep has removed the killed run's file; its own file is held.
    QStringList held = filesIn(out);
    held.removeOne(QStringLiteral(".notes.part.mp3"));
    ASSERT_EQ(held.size(), 1);
    ASSERT_NE(held.first(), killed.first());

    const QString shortSource = tone("short.wav", 1);
    const auto next =
        runTool(testsupport::cliPath(), {"convert", "--no-tags", "--format", "mp3", "--out", out, shortSource});
    EXPECT_EQ(next.exitCode, 0) << next.out.toStdString() << next.err.toStdString();
    EXPECT_EQ(filesIn(out), (QStringList{".notes.part.mp3", held.first(), "short.mp3"}));
    EXPECT_EQ(contentOf(unrelated), "not ours to remove");
}

// A batch stopped half-way is finished by running it again with --exists skip: complete outputs are kept, the
// partial one and a damaged one are made again, and a third run finds nothing left to do.
TEST_F(StopAndResume, AStoppedBatchIsFinishedByRunningItAgainWithSkip) {
    const QStringList sources{tone("s1.wav", 3), tone("s2.wav", 60), tone("s3.wav", 2, 22050, 1)};
    const QString out = folder.filePath("out");
    const QStringList batch = QStringList{"-j", "1", "--format", "pcm", "--format", "mp3", "--out", out} + sources;
    {
        RunningConvert run(batch);
        ASSERT_TRUE(run.waitForLine("progress=", "") && run.waitForLine("output=", "s2.wav"))
            << run.out().toStdString();
        run.send(SIGTERM);
        EXPECT_EQ(run.finish(), 143) << run.err().toStdString();
    }
    ASSERT_TRUE(QFile::exists(out + "/s1.wav"));
    // A damaged earlier output: the second half of s1.wav is gone.
    ASSERT_TRUE(QFile::resize(out + "/s1.wav", QFileInfo(out + "/s1.wav").size() / 2));

    const auto resumed = runTool(testsupport::cliPath(),
                                 QStringList{"convert", "--no-tags", "--exists", "skip", "--summary", "json"} + batch);
    ASSERT_EQ(resumed.exitCode, 0) << resumed.out.toStdString() << resumed.err.toStdString();
    const QJsonObject summary = summaryOf(resumed.out);
    const auto statuses = statusesOf(summary);
    EXPECT_EQ(statuses.at("s1.wav"), "made") << "the damaged output is made again";
    EXPECT_EQ(statuses.at("s1.mp3"), "skipped");
    EXPECT_EQ(statuses.at("s2.wav"), "skipped");
    EXPECT_EQ(statuses.at("s2.mp3"), "made") << "the stopped output is made again";
    EXPECT_EQ(statuses.at("s3.wav"), "made");
    EXPECT_EQ(statuses.at("s3.mp3"), "made");
    EXPECT_TRUE(resumed.out.contains("s1.wav was incomplete")) << resumed.out.toStdString();

    const std::pair<const char*, double> lengths[] = {{"s1.wav", 3},  {"s1.mp3", 3}, {"s2.wav", 60},
                                                      {"s2.mp3", 60}, {"s3.wav", 2}, {"s3.mp3", 2}};
    for (const auto& [name, seconds] : lengths)
        EXPECT_NEAR(secondsOf(out + QLatin1Char('/') + QLatin1String(name)), seconds, 0.1) << name;
    EXPECT_EQ(filesIn(out).size(), 6) << filesIn(out).join(' ').toStdString();

    const auto again = runTool(testsupport::cliPath(),
                               QStringList{"convert", "--no-tags", "--exists", "skip", "--summary", "json"} + batch);
    ASSERT_EQ(again.exitCode, 0);
    EXPECT_EQ(summaryOf(again.out).value(QStringLiteral("skipped")).toInt(), 6) << again.out.toStdString();
}

// --verify reads every output back; good outputs of every format, at a common and at the lowest rate, pass.
TEST_F(StopAndResume, VerifyPassesEveryGoodOutput) {
    const QStringList sources{tone("stereo.wav", 1.5), tone("phone.wav", 1.3, 8000, 1)};
    QStringList formats;
    for (const char* name : {"pcm", "adpcm", "mp3", "mp2", "ogg", "wma", "dsp", "gsm", "vox", "raw", "g721", "g723",
                             "g726", "flac", "alac", "aac", "opus"})
        formats << "--format" << name;
    const QString out = folder.filePath("out");
    const auto result =
        runTool(testsupport::cliPath(),
                QStringList{"convert", "--no-tags", "--verify", "--summary", "json", "--out", out} + formats + sources);
    EXPECT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(summaryOf(result.out).value(QStringLiteral("made")).toInt(), 34) << result.out.toStdString();
    EXPECT_EQ(filesIn(out).size(), 34);

    const auto refused = runTool(testsupport::cliPath(), {"convert", "--verify=yes", "--format", "pcm", sources[0]});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("--verify takes no value")) << refused.err.toStdString();
}

// The lossless formats and those that record their exact length pass their own check at any length, and a second
// run with --exists skip keeps every one of them instead of making it again. AAC decodes with its end padding;
// its gapless data says how much of that is sound.
TEST_F(StopAndResume, OutputsThatRecordTheirLengthPassTheirOwnCheckAtEveryLength) {
    QStringList sources;
    for (const int seconds : {1, 2, 3, 5, 7, 10, 31})
        sources << tone(QStringLiteral("t%1.wav").arg(seconds), seconds);
    sources << tone("odd.wav", 2.3, 22050, 1);
    const QString out = folder.filePath("out");
    const QStringList batch = QStringList{"--no-tags", "--format", "aac",       "--format", "alac",  "--format", "flac",
                                          "--format",  "opus",     "--summary", "json",     "--out", out} +
                              sources;
    const auto made = runTool(testsupport::cliPath(), QStringList{"convert", "--verify"} + batch);
    ASSERT_EQ(made.exitCode, 0) << made.out.toStdString() << made.err.toStdString();
    EXPECT_EQ(summaryOf(made.out).value(QStringLiteral("made")).toInt(), 32) << made.out.toStdString();

    const auto again = runTool(testsupport::cliPath(), QStringList{"convert", "--exists", "skip"} + batch);
    ASSERT_EQ(again.exitCode, 0) << again.out.toStdString() << again.err.toStdString();
    EXPECT_EQ(summaryOf(again.out).value(QStringLiteral("skipped")).toInt(), 32) << again.out.toStdString();
}

// Damage that keeps a file's length is found through the checksums its format carries (FLAC's frame CRCs and
// MD5, Ogg's page CRCs, the CRC in an MP3's LAME header) and through the frames its decoder refuses (AAC): --exists
// skip makes such an output again, and keeps the others of the batch. Sixteen bytes are flipped in the middle of
// each file; in the FLAC file a single bit, which its decoder would take for sound.
TEST_F(StopAndResume, SkipMakesAgainAnOutputWhoseChecksumsFail) {
    const QString source = tone("song.wav", 3);
    const QString out = folder.filePath("out");
    // AAC carries no checksum: damage inside its packets shows only when the decoder refuses one, which flipped bytes
    // do not always make it do, so the M4A is made but left undamaged.
    const std::map<QString, std::pair<int, char>> damaged{{"song.flac", {1, 0x01}},
                                                          {"song.mp3", {16, static_cast<char>(0xFF)}},
                                                          {"song.ogg", {16, static_cast<char>(0xFF)}},
                                                          {"song.opus", {16, static_cast<char>(0xFF)}}};
    const QStringList batch = QStringList{"--no-tags", "--format",  "flac", "--format", "mp3", "--format",
                                          "ogg",       "--format",  "opus", "--format", "aac", "--format",
                                          "pcm",       "--summary", "json", "--out",    out,   source};
    const auto made = runTool(testsupport::cliPath(), QStringList{"convert"} + batch);
    ASSERT_EQ(made.exitCode, 0) << made.out.toStdString() << made.err.toStdString();
    std::map<QString, QByteArray> damagedMd5s;
    for (const auto& [name, damage] : damaged) {
        const auto [count, flip] = damage;
        QFile file(out + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << name.toStdString();
        const qint64 middle = file.size() / 2;
        ASSERT_TRUE(file.seek(middle));
        QByteArray bytes = file.read(count);
        for (char& byte : bytes)
            byte = static_cast<char>(byte ^ flip);
        ASSERT_TRUE(file.seek(middle) && file.write(bytes) == count);
        file.close();
        damagedMd5s[name] = md5Of(file.fileName());
    }
    const QByteArray wavMd5 = md5Of(out + "/song.wav");

    const auto resumed = runTool(testsupport::cliPath(), QStringList{"convert", "--exists", "skip"} + batch);
    ASSERT_EQ(resumed.exitCode, 0) << resumed.out.toStdString() << resumed.err.toStdString();
    const auto statuses = statusesOf(summaryOf(resumed.out));
    for (const auto& [name, damage] : damaged) {
        EXPECT_EQ(statuses.at(name), "made") << name.toStdString() << "\n" << resumed.out.toStdString();
        EXPECT_TRUE(resumed.out.contains((name + " was incomplete").toUtf8())) << name.toStdString();
        EXPECT_NE(md5Of(out + QLatin1Char('/') + name), damagedMd5s[name]) << name.toStdString();
        EXPECT_NEAR(secondsOf(out + QLatin1Char('/') + name), 3, 0.1) << name.toStdString();
    }
    EXPECT_EQ(statuses.at("song.wav"), "skipped");
    EXPECT_EQ(md5Of(out + "/song.wav"), wavMd5);
}

// The first stop signal is only recorded; the second, of any of the three, ends the process at once with the
// signal's default action.
TEST(StopSignals, TheFirstSignalAsksToStopAndTheSecondEndsAtOnce) {
    EXPECT_EQ(StopSignals::exitStatusAfter(SIGTERM), 143);
    EXPECT_EQ(StopSignals::exitStatusAfter(SIGINT), 130);
    EXPECT_EQ(StopSignals::exitStatusAfter(SIGHUP), 130);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const StopSignals stopSignals;
        ::raise(SIGINT);
        if (StopSignals::receivedSignal() != SIGINT)
            ::_exit(3);
        ::raise(SIGTERM);
        ::_exit(4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exited with " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
}

} // namespace
