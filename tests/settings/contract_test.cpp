// The same cases against each fake and the real backend it stands for, so the fakes the other
// tests rely on cannot drift from what the program really does.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <string>

#include "settings/qt/qsettings_store.h"
#include "settings/qt/qt_chord_file_system.h"
#include "tests/support/memory_chord_file_system.h"
#include "tests/support/memory_settings_store.h"

namespace vorlane {
namespace {

struct MemoryFiles {
    MemoryChordFileSystem fs;
    std::string root = "/home/user";
    MemoryFiles() { fs.AddDirectory(root); }
    std::optional<std::string> Content(const std::string& path) { return fs.FileContent(path); }
};

struct RealFiles {
    QTemporaryDir dir;
    QtChordFileSystem fs;
    std::string root = dir.path().toStdString();
    std::optional<std::string> Content(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return file.readAll().toStdString();
    }
};

template <typename Backend>
class ChordFileSystemContract : public ::testing::Test {
  protected:
    Backend files;
    ChordFileSystem& fileSystem = files.fs;
    std::string At(const std::string& relative) const { return files.root + "/" + relative; }
};

using FileBackends = ::testing::Types<MemoryFiles, RealFiles>;
TYPED_TEST_SUITE(ChordFileSystemContract, FileBackends);

TYPED_TEST(ChordFileSystemContract, DirectoriesAreMadeOnceAndOnlyUnderAFolder) {
    ChordFileSystem& fs = this->fileSystem;
    EXPECT_TRUE(fs.IsDirectory(this->files.root));
    EXPECT_FALSE(fs.IsDirectory(this->At("PianoChords")));
    EXPECT_TRUE(fs.CreateDirectory(this->At("PianoChords")));
    EXPECT_TRUE(fs.IsDirectory(this->At("PianoChords")));
    EXPECT_FALSE(fs.CreateDirectory(this->At("PianoChords"))) << "exists already";
    EXPECT_FALSE(fs.CreateDirectory(this->At("missing/child"))) << "parent missing";
    EXPECT_FALSE(fs.IsDirectory(this->At("missing/child")));

    ASSERT_TRUE(fs.ReplaceFile(this->At("list.txt"), "x"));
    EXPECT_FALSE(fs.IsDirectory(this->At("list.txt"))) << "a file is no folder";
    EXPECT_FALSE(fs.CreateDirectory(this->At("list.txt")));
    EXPECT_EQ(this->files.Content(this->At("list.txt")), "x");
}

TYPED_TEST(ChordFileSystemContract, FilesAreReplacedWholeByteForByteOrNotAtAll) {
    ChordFileSystem& fs = this->fileSystem;
    const std::string path = this->At("chords.txt");
    const std::string bytes = "Akkoord C\xE9:   C - E - G\r\n";  // Windows-1252, CR LF
    ASSERT_TRUE(fs.ReplaceFile(path, "an older, longer list\r\n"));
    ASSERT_TRUE(fs.ReplaceFile(path, bytes));
    EXPECT_EQ(this->files.Content(path), bytes);
    EXPECT_TRUE(fs.ReplaceFile(path, ""));
    EXPECT_EQ(this->files.Content(path), "");

    ASSERT_TRUE(fs.CreateDirectory(this->At("folder")));
    EXPECT_FALSE(fs.ReplaceFile(this->At("folder"), bytes)) << "onto a directory";
    EXPECT_TRUE(fs.IsDirectory(this->At("folder")));
    EXPECT_FALSE(fs.ReplaceFile(this->At("missing/chords.txt"), bytes)) << "no such folder";
    EXPECT_EQ(this->files.Content(this->At("missing/chords.txt")), std::nullopt);
}

TYPED_TEST(ChordFileSystemContract, FilesReadBackAsWrittenAndWhatIsNoFileReadsAsNone) {
    ChordFileSystem& fs = this->fileSystem;
    const std::string bytes = std::string("MThd\0\0\0\x06 Akkoord C\xE9\r\n", 22);
    ASSERT_TRUE(fs.ReplaceFile(this->At("song.mid"), bytes));
    EXPECT_EQ(fs.ReadFile(this->At("song.mid")), bytes) << "every byte, zeros included";
    ASSERT_TRUE(fs.ReplaceFile(this->At("empty.txt"), ""));
    EXPECT_EQ(fs.ReadFile(this->At("empty.txt")), "");
    EXPECT_EQ(fs.ReadFile(this->At("missing.txt")), std::nullopt);
    ASSERT_TRUE(fs.CreateDirectory(this->At("folder")));
    EXPECT_EQ(fs.ReadFile(this->At("folder")), std::nullopt);
}

struct MemorySettings {
    MemorySettingsStore store;
};

struct RealSettings {
    QTemporaryDir dir;
    QSettingsStore store{dir.filePath(QStringLiteral("Vorlane.conf")).toStdString()};
};

template <typename Backend>
class SettingsStoreContract : public ::testing::Test {
  protected:
    Backend backend;
    SettingsStore& settings = backend.store;
};

using SettingsBackends = ::testing::Types<MemorySettings, RealSettings>;
TYPED_TEST_SUITE(SettingsStoreContract, SettingsBackends);

TYPED_TEST(SettingsStoreContract, TextsComeBackAsWrittenAndMissingOnesAsNone) {
    SettingsStore& store = this->settings;
    EXPECT_EQ(store.ReadText("Taal"), std::nullopt);
    ASSERT_TRUE(store.WriteText("Taal", "Engels"));
    EXPECT_EQ(store.ReadText("Taal"), "Engels");
    ASSERT_TRUE(store.WriteText("Taal", "Frans"));
    EXPECT_EQ(store.ReadText("Taal"), "Frans");
    EXPECT_EQ(store.ReadText("taal"), std::nullopt) << "names are case-sensitive";

    ASSERT_TRUE(store.WriteText("Midi", "Piano arpège"));
    EXPECT_EQ(store.ReadText("Midi"), "Piano arpège");
    ASSERT_TRUE(store.WriteText("Octaaf", ""));
    EXPECT_EQ(store.ReadText("Octaaf"), "");
    EXPECT_EQ(store.ReadText("Taal"), "Frans") << "other values stay";
}

}  // namespace
}  // namespace vorlane
