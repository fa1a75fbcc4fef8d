#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// tonalith-cli profiles and convert --use-profile as a script uses them. A copy of tonalith-cli run from a writable
// folder keeps its settings, and so its profiles, beside itself: each test runs its own copy, and finds the
// profiles in the "profiles" folder there.
namespace {

using testsupport::runTool;
using testsupport::ToolResult;

class Profiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.isValid());
        copy = program.filePath("tonalith-cli");
        ASSERT_TRUE(QFile::copy(testsupport::cliPath(), copy));
        ASSERT_TRUE(QFile::setPermissions(copy, QFile::permissions(testsupport::cliPath())));
    }

    [[nodiscard]] ToolResult cli(const QStringList& arguments) const { return runTool(copy, arguments, 60000); }

    [[nodiscard]] QString profileFile(const QString& name) const {
        return program.filePath(QStringLiteral("profiles/%1.ini").arg(name));
    }

    [[nodiscard]] QString tone(const QString& name) const {
        const QString path = work.filePath(name);
        const auto made = runTool(
            "sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", path, "synth", "0.3", "sine", "440", "vol", "0.5"});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path;
    }

    static QByteArray contentsOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QStringList linesOf(const QByteArray& out) {
        return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir program;
    QTemporaryDir work;
    QString copy;
};

TEST_F(Profiles, SaveListShowExportImportAndDeleteRoundTrip) {
    EXPECT_EQ(cli({"profiles", "list"}).out, QByteArray());
    const QStringList options{"--format=opus",
                              "--format=flac",
                              "--compression=8",
                              "--bitrate=64",
                              "--speech",
                              "--normalize=-16",
                              "--out=" + work.filePath("out"),
                              "--exists=skip",
                              "--no-tags"};
    const auto saved = cli(QStringList{"profiles", "save", "Voice memos"} + options);
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_EQ(saved.out, "saved=Voice memos\n");
    ASSERT_TRUE(QFile::exists(profileFile("Voice memos")));
    ASSERT_EQ(cli({"profiles", "save", "archive", "--format", "flac"}).exitCode, 0);

    EXPECT_EQ(cli({"profiles", "list"}).out, "profile=archive\nprofile=Voice memos\n");
    // show gives the options as arguments, one per line, in the order of the help.
    const auto shown = cli({"profiles", "show", "Voice memos"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_EQ(linesOf(shown.out),
              (QStringList{"--format=flac", "--format=opus", "--compression=8", "--bitrate=64", "--speech",
                           "--normalize=-16", "--out=" + work.filePath("out"), "--exists=skip", "--no-tags"}));
    EXPECT_TRUE(shown.err.isEmpty()) << shown.err.toStdString();

    // Saving what show printed makes the same file.
    ASSERT_EQ(cli(QStringList{"profiles", "save", "again"} + linesOf(shown.out)).exitCode, 0);
    EXPECT_EQ(cli({"profiles", "show", "again"}).out, shown.out);

    const QString exported = work.filePath("voice.ini");
    const auto exporting = cli({"profiles", "export", "Voice memos", exported});
    ASSERT_EQ(exporting.exitCode, 0) << exporting.err.toStdString();
    EXPECT_EQ(exporting.out, "exported=" + exported.toUtf8() + "\n");
    EXPECT_EQ(contentsOf(exported), contentsOf(profileFile("Voice memos")));

    // An import never replaces a profile; --as gives it another name.
    const QByteArray before = contentsOf(profileFile("Voice memos"));
    const auto clash = cli({"profiles", "import", exported});
    EXPECT_EQ(clash.exitCode, 1);
    EXPECT_TRUE(clash.err.contains("exists already")) << clash.err.toStdString();
    EXPECT_EQ(contentsOf(profileFile("Voice memos")), before);
    const auto imported = cli({"profiles", "import", exported, "--as", "Memos 2"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, "imported=Memos 2\n");
    EXPECT_EQ(cli({"profiles", "show", "Memos 2"}).out, shown.out);

    for (const char* name : {"Voice memos", "Memos 2", "again"}) {
        const auto deleted = cli({"profiles", "delete", name});
        EXPECT_EQ(deleted.exitCode, 0) << deleted.err.toStdString();
        EXPECT_EQ(deleted.out, QByteArray("deleted=") + name + "\n");
    }
    EXPECT_EQ(cli({"profiles", "list"}).out, "profile=archive\n");
    const auto missing = cli({"profiles", "show", "Voice memos"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Voice memos")) << missing.err.toStdString();
    EXPECT_EQ(cli({"profiles", "delete", "Voice memos"}).exitCode, 1);
}

TEST_F(Profiles, SaveChecksTheOptionsAsConvertDoes) {
    const QStringList refused[] = {
        {"save", "p", "--format", "aac", "--bitrate", "999"},
        {"save", "p", "--format", "flac", "--bitrate", "128"},
        {"save", "p", "--volume", "50"},
        {"save", "p", "--format", "pcm", "--summary", "text"},
        {"save", "p", "--format", "pcm", "song.wav"},
        {"save", "../p", "--format", "pcm"},
        {"save", "p", "--format", "pcm", "--volume", "50", "--replaygain"},
        {"rename", "p"},
        {"show"},
    };
    for (const QStringList& arguments : refused) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const auto result = cli(QStringList{"profiles"} + arguments);
        EXPECT_EQ(result.exitCode, 2) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_FALSE(QDir(program.filePath("profiles")).exists());
}

TEST_F(Profiles, ConvertStartsFromTheProfileAndTheLineWins) {
    const QString source = tone("song.wav");
    ASSERT_EQ(cli({"profiles", "save", "Phone", "--format", "pcm", "--rate", "8000", "--channels", "1", "--out",
                   work.filePath("phone")})
                  .exitCode,
              0);
    const auto made = cli({"convert", "--use-profile", "Phone", "-j", "1", source});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString fromProfile = work.filePath("phone/song.wav");
    EXPECT_TRUE(made.out.endsWith("output=" + fromProfile.toUtf8() + "\n")) << made.out.toStdString();
    const auto direct = cli({"convert", "--format", "pcm", "--rate", "8000", "--channels", "1", "--out",
                             work.filePath("direct"), "-j", "1", source});
    ASSERT_EQ(direct.exitCode, 0) << direct.err.toStdString();
    EXPECT_EQ(contentsOf(fromProfile), contentsOf(work.filePath("direct/song.wav")));

    // A rate and a folder on the line win; the profile's channels stay.
    const auto changed = cli({"convert", "--use-profile=Phone", "--rate", "16000", "--out", work.filePath("wide"),
                              "--summary", "json", source});
    ASSERT_EQ(changed.exitCode, 0) << changed.err.toStdString();
    const auto probed = runTool("soxi", {work.filePath("wide/song.wav")});
    EXPECT_TRUE(probed.out.contains("16000")) << probed.out.toStdString();
    EXPECT_TRUE(probed.out.contains(": 1\n")) << probed.out.toStdString();

    // A --format on the line replaces the profile's formats.
    const auto flac = cli({"convert", "--use-profile", "Phone", "--format", "flac", "-j", "1", source});
    ASSERT_EQ(flac.exitCode, 0) << flac.err.toStdString();
    EXPECT_TRUE(flac.out.endsWith("output=" + work.filePath("phone/song.flac").toUtf8() + "\n"))
        << flac.out.toStdString();
}

TEST_F(Profiles, UnknownKeysWarnAndADamagedProfileIsRefusedChangingNothing) {
    const QString source = tone("song.wav");
    ASSERT_EQ(cli({"profiles", "save", "Future", "--format", "pcm", "--out", work.filePath("future")}).exitCode, 0);
    QFile future(profileFile("Future"));
    ASSERT_TRUE(future.open(QIODevice::Append));
    future.write("\n[hologram]\ndepth=3\n");
    future.close();
    const auto converted = cli({"convert", "--use-profile", "Future", source});
    EXPECT_EQ(converted.exitCode, 0) << converted.err.toStdString();
    EXPECT_TRUE(converted.err.contains("hologram/depth")) << converted.err.toStdString();
    const auto shown = cli({"profiles", "show", "Future"});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_TRUE(shown.err.contains("hologram/depth")) << shown.err.toStdString();

    ASSERT_EQ(cli({"profiles", "save", "Broken", "--format", "pcm"}).exitCode, 0);
    QFile broken(profileFile("Broken"));
    ASSERT_TRUE(broken.open(QIODevice::Append));
    broken.write("\n[sound]\nvolume=loud\n");
    broken.close();
    const QByteArray damaged = contentsOf(profileFile("Broken"));
    const auto refused = cli({"convert", "--use-profile", "Broken", "--out", work.filePath("broken"), source});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("damaged")) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_FALSE(QDir(work.filePath("broken")).exists());
    for (const QStringList& arguments :
         {QStringList{"show", "Broken"}, QStringList{"export", "Broken", work.filePath("b.ini")},
          QStringList{"import", profileFile("Broken"), "--as", "Fixed"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const auto result = cli(QStringList{"profiles"} + arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.err.contains("damaged")) << result.err.toStdString();
    }
    EXPECT_EQ(contentsOf(profileFile("Broken")), damaged);
    EXPECT_FALSE(QFile::exists(work.filePath("b.ini")));
    EXPECT_EQ(cli({"profiles", "list"}).out, "profile=Broken\nprofile=Future\n");
}

} // namespace
