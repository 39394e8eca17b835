#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdlib>

#include "settings/qt/qsettings_store.h"

namespace vorlane {
namespace {

TEST(QSettingsNativeStore, LivesInVorlaneConfUnderTheConfigFolder) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // Without a redirected config folder this would write the user's real settings.
    if (config == nullptr ||
        QString::fromUtf8(config).indexOf(QStringLiteral("vorlane-test-home")) < 0) {
        GTEST_SKIP() << "XDG_CONFIG_HOME does not point at a test folder";
    }
    const QString file = QString::fromUtf8(config) + QStringLiteral("/Vorlane.conf");
    QFile::remove(file);
    QSettingsStore store;
    EXPECT_EQ(store.ReadText("Midi"), std::nullopt);
    ASSERT_TRUE(store.WriteText("Midi", "GeenMidi"));
    EXPECT_EQ(store.ReadText("Midi"), "GeenMidi");
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("Midi=GeenMidi"));
    written.close();
    QFile::remove(file);
}

// The settings are the user's alone: a system-wide file neither fills in missing values nor is
// copied into the user's file.
TEST(QSettingsNativeStore, IgnoresSystemWideSettings) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* systemDirs = std::getenv("XDG_CONFIG_DIRS");
    if (config == nullptr || systemDirs == nullptr ||
        QString::fromUtf8(systemDirs).indexOf(QStringLiteral("vorlane-test-home")) < 0) {
        GTEST_SKIP() << "XDG_CONFIG_DIRS does not point at a test folder";
    }
    const QString system = QString::fromUtf8(systemDirs) + QStringLiteral("/Vorlane.conf");
    {
        QFile file(system);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\nTaal=Frans\nOctaaf=Hoog\n");
    }
    const QString user = QString::fromUtf8(config) + QStringLiteral("/Vorlane.conf");
    QFile::remove(user);
    QSettingsStore store;
    EXPECT_EQ(store.FilePath(), user.toStdString());
    EXPECT_EQ(store.ReadText("Taal"), std::nullopt);
    ASSERT_TRUE(store.WriteText("Midi", "Piano"));
    QFile written(user);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray content = written.readAll();
    EXPECT_TRUE(content.contains("Midi=Piano"));
    EXPECT_FALSE(content.contains("Taal")) << content.toStdString();
    QFile::remove(system);
}

}  // namespace
}  // namespace vorlane
