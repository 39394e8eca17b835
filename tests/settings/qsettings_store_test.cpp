#include "settings/qt/qsettings_store.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

#include "settings/settings_rules.h"

namespace vorlane {
namespace {

class QSettingsStoreTest : public ::testing::Test {
  protected:
    std::string FilePath() const { return dir_.filePath("Vorlane.conf").toStdString(); }

    void WriteFile(const QByteArray& content) const {
        QFile file(QString::fromStdString(FilePath()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(content), content.size());
    }

    QByteArray ReadFile() const {
        QFile file(QString::fromStdString(FilePath()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

TEST_F(QSettingsStoreTest, WrittenTextsReadBackAndLandInTheFile) {
    QSettingsStore store(FilePath());
    EXPECT_EQ(store.ReadText("Taal"), std::nullopt);
    EXPECT_TRUE(store.WriteText("Taal", "Frans"));
    EXPECT_TRUE(store.WriteText("Midi", "Piano"));
    EXPECT_TRUE(store.WriteText("Midi", "Hammond"));
    EXPECT_TRUE(store.WriteText("Octaaf", "Hoog"));
    // A second store on the same file sees the values: nothing is held in the first one.
    QSettingsStore again(FilePath());
    EXPECT_EQ(again.ReadText("Taal"), "Frans");
    EXPECT_EQ(again.ReadText("Midi"), "Hammond");
    EXPECT_EQ(again.ReadText("octaaf"), std::nullopt);  // names are case-sensitive
    const QByteArray file = ReadFile();
    EXPECT_TRUE(file.contains("Taal=Frans")) << file.toStdString();
    EXPECT_TRUE(file.contains("Octaaf=Hoog")) << file.toStdString();
}

TEST_F(QSettingsStoreTest, UnicodeAndLeadingAtSurviveAsPlainText) {
    QSettingsStore store(FilePath());
    EXPECT_TRUE(store.WriteText("Taal",
                                "Fran\xC3\xA7"
                                "ais"));
    EXPECT_TRUE(store.WriteText("Midi", "@Variant(x)"));
    EXPECT_EQ(store.ReadText("Taal"),
              "Fran\xC3\xA7"
              "ais");
    EXPECT_EQ(store.ReadText("Midi"), "@Variant(x)");
}

TEST_F(QSettingsStoreTest, TypedValuesWrittenThroughQSettingsReadAsMissing) {
    {
        QSettings settings(QString::fromStdString(FilePath()), QSettings::IniFormat);
        settings.setValue("Taal", QStringList{"Frans", "Engels"});
        settings.setValue("Midi", QByteArray("Piano"));
        settings.setValue("Octaaf", QPoint(1, 2));
        settings.sync();
        ASSERT_EQ(settings.status(), QSettings::NoError);
    }
    QSettingsStore store(FilePath());
    EXPECT_EQ(store.ReadText("Taal"), std::nullopt);
    EXPECT_EQ(store.ReadText("Midi"), std::nullopt);
    EXPECT_EQ(store.ReadText("Octaaf"), std::nullopt);
    const StoredSettings read = ReadSettings(store);
    EXPECT_EQ(read.language, Language::English);
    EXPECT_EQ(read.soundMode, SoundMode::NoSound);
    EXPECT_FALSE(read.octaveHigher);
}

TEST_F(QSettingsStoreTest, HandWrittenTypedValuesReadAsMissing) {
    WriteFile(
        "[General]\n"
        "Taal=Frans, Nederlands\n"                     // a list
        "Midi=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"  // an int as a variant
        "Octaaf=@ByteArray(Hoog)\n"                    // bytes, not text
        "Extra=@Invalid()\n"
        "Quoted=\"Frans\"\n"
        "Empty=\n");
    QSettingsStore store(FilePath());
    EXPECT_EQ(store.ReadText("Taal"), std::nullopt);
    EXPECT_EQ(store.ReadText("Midi"), std::nullopt);
    EXPECT_EQ(store.ReadText("Octaaf"), std::nullopt);
    EXPECT_EQ(store.ReadText("Extra"), std::nullopt);
    EXPECT_EQ(store.ReadText("Quoted"), "Frans");
    EXPECT_EQ(store.ReadText("Empty"), "");
}

TEST_F(QSettingsStoreTest, GarbageFileGivesDefaultsAndIsStillWritable) {
    const char garbage[] = "\x01\x02\xff\xfe[[[[\n=====\nTaal\n[General\n\\\\\\\n\0\0zz=";
    WriteFile(QByteArray(garbage, sizeof garbage - 1));
    QSettingsStore store(FilePath());
    const StoredSettings read = ReadSettings(store);
    EXPECT_EQ(read.language, Language::English);
    EXPECT_EQ(read.soundMode, SoundMode::NoSound);
    EXPECT_FALSE(read.octaveHigher);
    StoreLanguage(store, Language::Dutch);
    EXPECT_EQ(ReadLanguageSetting(store), Language::Dutch);
}

TEST_F(QSettingsStoreTest, WritesThatCannotReachTheDiskReportFailure) {
    // The settings path is a directory.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Vorlane.conf"));
    QSettingsStore onDirectory(FilePath());
    EXPECT_FALSE(onDirectory.WriteText("Taal", "Frans"));
    EXPECT_EQ(onDirectory.ReadText("Taal"), std::nullopt);
    // The settings file would lie below a plain file.
    const QString blocker = dir_.filePath("blocker");
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QSettingsStore belowFile((blocker + "/Vorlane.conf").toStdString());
    EXPECT_FALSE(belowFile.WriteText("Midi", "Piano"));
    EXPECT_EQ(belowFile.ReadText("Midi"), std::nullopt);
    StoreSoundMode(belowFile, SoundMode::PianoArpeggio);  // silent
}

TEST_F(QSettingsStoreTest, ValuesOfOtherProgramsStayInTheFile) {
    WriteFile("[General]\nTaal=Frans\nVenster=groot\n\n[Andere]\nkleur=rood\n");
    QSettingsStore store(FilePath());
    EXPECT_EQ(store.ReadText("Taal"), "Frans");
    EXPECT_TRUE(store.WriteText("Midi", "Piano"));
    EXPECT_TRUE(store.WriteText("Taal", "Engels"));
    QSettings check(QString::fromStdString(FilePath()), QSettings::IniFormat);
    EXPECT_EQ(check.value("Venster").toString(), "groot");
    EXPECT_EQ(check.value("Andere/kleur").toString(), "rood");
    EXPECT_EQ(check.value("Taal").toString(), "Engels");
    EXPECT_EQ(check.value("Midi").toString(), "Piano");
}

// Opening a FIFO for reading blocks until a writer comes; a device or socket must not be
// replaced by a settings file. Each counts as missing, and stays what it is.
TEST_F(QSettingsStoreTest, PathsThatAreNoRegularFileAreNeverOpened) {
    const std::string fifo = dir_.filePath("fifo.conf").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = dir_.filePath("socket.conf").toStdString();
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    for (const std::string& path : {fifo, socketPath, std::string{"/dev/null"}}) {
        SCOPED_TRACE(path);
        struct stat before {};
        ASSERT_EQ(stat(path.c_str(), &before), 0);
        QSettingsStore store(path);
        EXPECT_EQ(store.ReadText("Taal"), std::nullopt);
        EXPECT_FALSE(store.WriteText("Taal", "Frans"));
        struct stat after {};
        ASSERT_EQ(stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
    close(fd);
}

}  // namespace
}  // namespace vorlane
