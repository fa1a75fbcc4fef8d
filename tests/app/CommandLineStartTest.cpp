#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One second of 8 kHz 16-bit mono silence in a plain WAV file.
void writeSilentWav(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataBytes = 16000;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    out.writeRawData(QByteArray(dataBytes, '\0').constData(), dataBytes);
}

// The real program started the way a desktop entry starts it with files: the list holds the files that are sound,
// in the order given, and the program ends cleanly when asked to report its list.
TEST(CommandLineStart, FilesNamedAtStartFillTheList) {
    QTemporaryDir dir;
    const QString song = dir.filePath(QStringLiteral("first song.wav"));
    const QString dashed = dir.filePath(QStringLiteral("-second.wav"));
    writeSilentWav(song);
    writeSilentWav(dashed);
    const QString report = dir.filePath(QStringLiteral("report.txt"));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TONALITH_STARTUP_REPORT"), report);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(TONALITH_EXECUTABLE), {song, QStringLiteral("--"), QStringLiteral("-second.wav"),
                                                        dir.filePath(QStringLiteral("none.mp3"))});
    ASSERT_TRUE(program.waitForFinished(90000)) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    QFile lines(report);
    ASSERT_TRUE(lines.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(lines.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 2);
    const QStringList first = rows[0].split(QLatin1Char('\t'));
    ASSERT_EQ(first.size(), 7);
    EXPECT_EQ(first[1], QStringLiteral("01"));
    EXPECT_EQ(first[2], QStringLiteral("first song.wav"));
    EXPECT_EQ(first[4], QStringLiteral("0:01"));
    EXPECT_TRUE(first[5].startsWith(QLatin1String("(Audio) ")));
    EXPECT_EQ(first[6], song);
    EXPECT_EQ(rows[1].split(QLatin1Char('\t')).value(6), dashed);
}

} // namespace
