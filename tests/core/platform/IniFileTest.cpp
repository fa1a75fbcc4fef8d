#include "core/platform/IniFile.h"
#include "core/settings/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("settings.ini"));

    void writeRaw(const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QString raw() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

TEST_F(IniFileTest, FindsSectionsAndKeysIgnoringCaseAndBlanks) {
    writeRaw("; comment\r\n[General]\r\n  SaveState = 1 \r\nname=\"quoted text\"\r\n[other]\r\nsavestate=7\r\n");
    const IniFile ini(path);
    EXPECT_EQ(ini.readString(QStringLiteral("general"), QStringLiteral("savestate"), QString()), QStringLiteral("1"));
    EXPECT_EQ(ini.readString(QStringLiteral("GENERAL"), QStringLiteral("NAME"), QString()),
              QStringLiteral("quoted text"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Other"), QStringLiteral("SAVESTATE"), 0), 7);
    EXPECT_EQ(ini.readString(QStringLiteral("general"), QStringLiteral("missing"), QStringLiteral("dflt")),
              QStringLiteral("dflt"));
    EXPECT_EQ(ini.readString(QStringLiteral("nosection"), QStringLiteral("savestate"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndEmptyValueIsNotMissing) {
    IniFile ini(path);
    EXPECT_EQ(ini.readString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_TRUE(ini.readBool(QStringLiteral("a"), QStringLiteral("b"), true));
    writeRaw("[a]\nb=\n");
    EXPECT_EQ(ini.readString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("x")), QString());
    EXPECT_EQ(ini.readInteger(QStringLiteral("a"), QStringLiteral("b"), 9), 9);
}

TEST_F(IniFileTest, LongTextsAreCutOnReading) {
    IniFile ini(path);
    ini.writeString(QStringLiteral("s"), QStringLiteral("k"), QString(3000, QLatin1Char('a')));
    EXPECT_EQ(ini.readString(QStringLiteral("s"), QStringLiteral("k"), QString()).size(), IniFile::MaxReadLength);
}

TEST(IniInteger, ReadsDecimalAndBothHexadecimalForms) {
    EXPECT_EQ(IniFile::parseInteger(QStringLiteral("42"), 0), 42);
    EXPECT_EQ(IniFile::parseInteger(QStringLiteral(" -5 "), 0), -5);
    EXPECT_EQ(IniFile::parseInteger(QStringLiteral("0x1F"), 0), 31);
    EXPECT_EQ(IniFile::parseInteger(QStringLiteral("0X1f"), 0), 31);
    EXPECT_EQ(IniFile::parseInteger(QStringLiteral("$10"), 0), 16);
    EXPECT_EQ(IniFile::parseInteger(QStringLiteral("$FFFFFFFF"), 0), -1);
    EXPECT_EQ(IniFile::parseInteger(QStringLiteral("-$10"), 0), -16);
}

TEST(IniInteger, UnparsableTextsGiveTheDefault) {
    for (const char* text : {"", "0x", "$", "12abc", "1.5", "abc", "99999999999", "0x1G", "--1", "- 1"})
        EXPECT_EQ(IniFile::parseInteger(QString::fromLatin1(text), 77), 77) << text;
}

TEST_F(IniFileTest, BooleansAreAnyNonZeroInteger) {
    writeRaw("[b]\non=1\ntwo=2\nhex=0x10\noff=0\njunk=yes\n");
    const IniFile ini(path);
    EXPECT_TRUE(ini.readBool(QStringLiteral("b"), QStringLiteral("on"), false));
    EXPECT_TRUE(ini.readBool(QStringLiteral("b"), QStringLiteral("two"), false));
    EXPECT_TRUE(ini.readBool(QStringLiteral("b"), QStringLiteral("hex"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("b"), QStringLiteral("off"), true));
    EXPECT_TRUE(ini.readBool(QStringLiteral("b"), QStringLiteral("junk"), true));
    EXPECT_FALSE(ini.readBool(QStringLiteral("b"), QStringLiteral("junk"), false));
}

TEST_F(IniFileTest, WritesCreateUpdateAndInsertWithoutDisturbingOtherLines) {
    IniFile ini(path);
    ini.writeBool(QStringLiteral("general"), QStringLiteral("ch_mp3"), true);
    EXPECT_EQ(raw(), QStringLiteral("[general]\nch_mp3=1\n"));

    writeRaw("; keep me\n[general]\nCH_MP3=0\n\n[other]\nx=1\n");
    ini.writeBool(QStringLiteral("General"), QStringLiteral("ch_mp3"), true);
    ini.writeInteger(QStringLiteral("general"), QStringLiteral("currentfilter"), -1);
    ini.writeString(QStringLiteral("third"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(raw(),
              QStringLiteral("; keep me\n[general]\nch_mp3=1\ncurrentfilter=-1\n\n[other]\nx=1\n[third]\nk=v\n"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("general"), QStringLiteral("currentfilter"), 0), -1);
}

TEST_F(IniFileTest, LinesAWriteDoesNotChangeKeepTheirBytesAndLineEnds) {
    // A carried-over file: Latin-1 folder names, CRLF line ends and no line end after the last line.
    const QByteArray before = "[defaultfolder]\r\ndefaultfolder=C:\\M\xfcsik\r\n[general]\r\n"
                              "currentfolder=D:\\Ch\xe2teau\r\nch_mp3=0";
    writeRaw(before);
    IniFile ini(path);
    ini.writeBool(QStringLiteral("general"), QStringLiteral("ch_mp3"), true);
    ini.writeInteger(QStringLiteral("general"), QStringLiteral("currentfilter"), 4);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[defaultfolder]\r\ndefaultfolder=C:\\M\xfcsik\r\n[general]\r\n"
                                         "currentfolder=D:\\Ch\xe2teau\r\nch_mp3=1\r\ncurrentfilter=4\r\n"));
}

TEST_F(IniFileTest, AValueCannotCreateKeysOrSections) {
    IniFile ini(path);
    ini.writeString(QStringLiteral("defaultfolder"), QStringLiteral("defaultfolder"),
                    QStringLiteral("/music\n[general]\r\nsavestate=0"));
    ini.writeString(QStringLiteral("s"), QStringLiteral("eq"), QStringLiteral("a=b=c"));
    EXPECT_EQ(ini.readString(QStringLiteral("general"), QStringLiteral("savestate"), QStringLiteral("none")),
              QStringLiteral("none"));
    EXPECT_EQ(ini.readString(QStringLiteral("defaultfolder"), QStringLiteral("defaultfolder"), QString()),
              QStringLiteral("/music [general]  savestate=0"));
    EXPECT_EQ(ini.readString(QStringLiteral("s"), QStringLiteral("eq"), QString()), QStringLiteral("a=b=c"));

    // A name cannot move the boundary between key and value either.
    ini.writeString(QStringLiteral("s"), QStringLiteral("k=x"), QStringLiteral("v"));
    EXPECT_EQ(ini.readString(QStringLiteral("s"), QStringLiteral("k"), QString()), QString());
    EXPECT_EQ(ini.readString(QStringLiteral("s"), QStringLiteral("k x"), QString()), QStringLiteral("v"));
}

TEST_F(IniFileTest, WritesReplaceTheFileAndLeaveNoTemporaryFiles) {
    IniFile ini(path);
    for (int i = 0; i < 20; ++i)
        ini.writeInteger(QStringLiteral("s"), QStringLiteral("k%1").arg(i % 5), i);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")});
    EXPECT_EQ(ini.readInteger(QStringLiteral("s"), QStringLiteral("k4"), 0), 19);
}

TEST(IniWrite, RefusedWriteNamesTheFile) {
    // Nobody, not even root, can create files in /proc.
    IniFile ini(QStringLiteral("/proc/tonalith-test/settings.ini"));
    try {
        ini.writeBool(QStringLiteral("general"), QStringLiteral("savestate"), true);
        FAIL() << "the write should have been refused";
    } catch (const IniWriteError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Unable to write to /proc/tonalith-test/settings.ini"));
    }
}

TEST(ProgramLocations, FilesLieBesideAWritableExecutable) {
    QTemporaryDir dir;
    const auto plain = ProgramLocations::forExecutable(dir.filePath(QStringLiteral("tonalith")), dir.filePath("cfg"));
    EXPECT_EQ(plain.programFolder, dir.path() + QLatin1Char('/'));
    EXPECT_EQ(plain.storageFolder, plain.programFolder);
    EXPECT_EQ(plain.settingsPath, dir.filePath(QStringLiteral("settings.ini")));
    EXPECT_EQ(plain.placementPath, dir.filePath(QStringLiteral("tonalith.ini")));
    EXPECT_FALSE(QDir(dir.filePath("cfg")).exists());

    const auto withExtension =
        ProgramLocations::forExecutable(dir.filePath(QStringLiteral("Tonalith.exe")), dir.filePath("cfg"));
    EXPECT_EQ(withExtension.placementPath, dir.filePath(QStringLiteral("Tonalith.ini")));
}

TEST(ProgramLocations, UnwritableProgramFolderMovesBothFilesToTheConfigurationFolder) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config/Tonalith"));
    const auto locations = ProgramLocations::forExecutable(QStringLiteral("/proc/tonalith"), config);
    EXPECT_EQ(locations.programFolder, QStringLiteral("/proc/"));
    EXPECT_EQ(locations.storageFolder, config + QLatin1Char('/'));
    EXPECT_EQ(locations.settingsPath, config + QStringLiteral("/settings.ini"));
    EXPECT_EQ(locations.placementPath, config + QStringLiteral("/tonalith.ini"));
    EXPECT_TRUE(isFolderWritable(config));
}

TEST(ProgramLocations, InstalledCopyFindsItsFilesInShareAndKeepsSettingsInTheConfigurationFolder) {
    // Installed into a prefix the user can write (~/.local, a staging folder): bin/ is writable, yet nothing goes
    // there.
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/tonalith")));
    const QString config = prefix.filePath(QStringLiteral("config/Tonalith"));
    const auto locations = ProgramLocations::forExecutable(prefix.filePath(QStringLiteral("bin/tonalith")), config);
    EXPECT_EQ(locations.programFolder, prefix.filePath(QStringLiteral("share/tonalith/")));
    EXPECT_EQ(locations.settingsPath, config + QStringLiteral("/settings.ini"));
    EXPECT_EQ(locations.placementPath, config + QStringLiteral("/tonalith.ini"));

    // A bin/ folder without the shared files beside it is a copy run in place.
    ASSERT_TRUE(QDir(prefix.filePath(QStringLiteral("share"))).removeRecursively());
    const auto inPlace = ProgramLocations::forExecutable(prefix.filePath(QStringLiteral("bin/tonalith")), config);
    EXPECT_EQ(inPlace.programFolder, prefix.filePath(QStringLiteral("bin/")));
    EXPECT_EQ(inPlace.storageFolder, inPlace.programFolder);
}

} // namespace
