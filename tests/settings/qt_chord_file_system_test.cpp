#include "settings/qt/qt_chord_file_system.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <string>

#include "settings/chord_folders.h"
#include "settings/chord_list.h"

namespace vorlane {
namespace {

class QtChordFileSystemTest : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    static std::string Content(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) {
            return "<unreadable>";
        }
        return file.readAll().toStdString();
    }

    // Everything in the folder but "." and "..": a failed save must leave no stray temporary.
    QStringList Entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
    QtChordFileSystem fs_;
};

TEST_F(QtChordFileSystemTest, DirectoriesAreCreatedOnlyOnceAndOnlyUnderAFolder) {
    const std::string folder = Path("PianoChords");
    EXPECT_FALSE(fs_.IsDirectory(folder));
    EXPECT_TRUE(fs_.CreateDirectory(folder));
    EXPECT_TRUE(fs_.IsDirectory(folder));
    EXPECT_TRUE(fs_.IsDirectory(folder + "/"));
    EXPECT_FALSE(fs_.CreateDirectory(folder));  // already there
    EXPECT_FALSE(fs_.CreateDirectory(Path("missing/child")));
    EXPECT_FALSE(fs_.IsDirectory(""));
    EXPECT_FALSE(fs_.CreateDirectory(""));
}

TEST_F(QtChordFileSystemTest, FolderRuleOnTheRealFileSystem) {
    const std::string deep = Path("home/ann/PianoChords");
    EXPECT_TRUE(CreateFolderWithParents(fs_, deep));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(deep)).isDir());
    ASSERT_TRUE(fs_.ReplaceFile(Path("plain"), "x"));
    EXPECT_FALSE(CreateFolderWithParents(fs_, Path("plain/PianoChords")));
    EXPECT_FALSE(fs_.IsDirectory(Path("plain")));
}

TEST_F(QtChordFileSystemTest, WritesTheExactBytesAndReplacesAnOldFileWhole) {
    const std::vector<ChordValue> list = {{1, Spelling::Flat, ChordType::Diminished}};
    const std::string path = Path("chords.txt");
    ASSERT_TRUE(fs_.ReplaceFile(path, std::string(5000, 'z')));
    ASSERT_TRUE(WriteChordFile(fs_, path, list, Language::French));
    EXPECT_EQ(Content(path),
              "Accords s\xE9lectionn\xE9s\r\n====================\r\n\r\n"
              "Accord C\xB0 (DIM):   C - Eb - Gb\r\n");
    EXPECT_EQ(Entries(), QStringList{"chords.txt"});
}

TEST_F(QtChordFileSystemTest, FailedTargetsWriteNothing) {
    ASSERT_TRUE(fs_.CreateDirectory(Path("folder")));
    ASSERT_TRUE(fs_.ReplaceFile(Path("file"), "old"));
    EXPECT_FALSE(fs_.ReplaceFile(Path("folder"), "new"));         // a directory
    EXPECT_FALSE(fs_.ReplaceFile(Path("folder/"), "new"));        // no file name
    EXPECT_FALSE(fs_.ReplaceFile(Path("missing/a.txt"), "new"));  // a missing folder
    EXPECT_FALSE(fs_.ReplaceFile(Path("file/a.txt"), "new"));     // a file as folder
    EXPECT_FALSE(fs_.ReplaceFile("", "new"));
    EXPECT_TRUE(fs_.IsDirectory(Path("folder")));
    EXPECT_EQ(Content(Path("file")), "old");
    EXPECT_EQ(QDir(QString::fromStdString(Path("folder")))
                  .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());
    EXPECT_EQ(Entries(), (QStringList{"file", "folder"}));
}

// The disk fills up during a replace. The file size limit makes the write fail for real, also
// for root, for whom permissions would not. A small list fits Qt's write buffer, so its failure
// only shows when the buffer is flushed; a large one fails while it is written.
TEST_F(QtChordFileSystemTest, AReplaceThatRunsOutOfSpaceKeepsTheOldFile) {
    const std::string path = Path("chords.txt");
    const std::string old = "old content\r\n";
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    for (const std::size_t size :
         {std::size_t{104}, std::size_t{300}, std::size_t{5319}, std::size_t{256 * 1024}}) {
        SCOPED_TRACE(size);
        ASSERT_TRUE(fs_.ReplaceFile(path, old));
        rlimit small = saved;
        small.rlim_cur = 64;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = fs_.ReplaceFile(path, std::string(size, 'n'));
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_FALSE(written);
        EXPECT_EQ(Content(path), old);
        EXPECT_EQ(Entries(), QStringList{"chords.txt"});
    }
    std::signal(SIGXFSZ, savedHandler);
}

}  // namespace
}  // namespace vorlane
