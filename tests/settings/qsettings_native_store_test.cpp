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

}  // namespace
}  // namespace vorlane
