#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "practice/qt/qt_record_files.h"
#include "practice/record_keeper.h"

namespace vorlane::testing {
namespace {

namespace fs = std::filesystem;

std::string Content(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

Record SomeAnswers(int count) {
    Record record;
    for (int i = 0; i < count; ++i) {
        record.Add({i % 12, ChordType::Minor}, {Drill::PlayIt, Outcome::Right, 1000 + i, {}});
    }
    return record;
}

class QtRecordFilesTest : public ::testing::Test {
  protected:
    void TearDown() override { fs::remove_all(path.parent_path()); }

    const fs::path path = PracticeRecordPath();
    QtRecordFiles files;
    RecordKeeper keeper{files, path.string()};
    Record record;
};

TEST_F(QtRecordFilesTest, LivesInTheDataFolderAndComesBack) {
    EXPECT_EQ(path, fs::path(std::getenv("HOME")) / ".local/share/Vorlane/practice-record.txt");
    EXPECT_EQ(keeper.Load(record), RecordKeeper::Loaded::Fresh);
    ASSERT_EQ(keeper.Save(SomeAnswers(3)), RecordKeeper::Saved::Saved);
    EXPECT_EQ(keeper.Load(record), RecordKeeper::Loaded::Read);
    EXPECT_EQ(record, SomeAnswers(3));
}

TEST_F(QtRecordFilesTest, JunkOrAFolderIsSetAsideBesideIt) {
    Write(keeper.BadPath(), "an older bad file");
    Write(path, "junk");
    EXPECT_EQ(keeper.Load(record), RecordKeeper::Loaded::SetAside);
    EXPECT_EQ(Content(keeper.BadPath()), "junk");
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(keeper.Save(SomeAnswers(1)), RecordKeeper::Saved::Saved);

    fs::remove(path);
    fs::remove(keeper.BadPath());
    fs::create_directories(path / "inside");
    EXPECT_EQ(keeper.Load(record), RecordKeeper::Loaded::SetAside);
    EXPECT_TRUE(fs::is_directory(fs::path(keeper.BadPath()) / "inside"));
}

TEST_F(QtRecordFilesTest, AFailedWriteLeavesTheFileOnDiskAsItWas) {
    // A folder where the file should be: nothing can replace it.
    fs::create_directories(path);
    EXPECT_EQ(keeper.Save(SomeAnswers(2)), RecordKeeper::Saved::Failed);
    EXPECT_EQ(keeper.Save(SomeAnswers(2)), RecordKeeper::Saved::FailedAgain);
    EXPECT_TRUE(fs::is_directory(path));
    fs::remove(path);

    // A write cut off part way, as on a full disk: the file size limit stops it (root too).
    const std::string old = RecordText(SomeAnswers(2));
    Write(path, old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 512;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const RecordKeeper::Saved outcome = RecordKeeper(files, path.string()).Save(SomeAnswers(200));
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(outcome, RecordKeeper::Saved::Failed);
    EXPECT_EQ(Content(path), old);
    for (const auto& entry : fs::directory_iterator(path.parent_path())) {
        EXPECT_EQ(entry.path(), path) << "a temporary file was left behind";
    }
}

}  // namespace
}  // namespace vorlane::testing
