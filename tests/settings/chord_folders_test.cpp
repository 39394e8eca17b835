#include "settings/chord_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/memory_chord_file_system.h"

namespace vorlane {
namespace {

using Calls = std::vector<std::string>;

TEST(ChordFolders, FolderPartEndsAtTheLastSlash) {
    EXPECT_EQ(FolderPart("/home/ann/PianoChords/list.txt"), "/home/ann/PianoChords/");
    EXPECT_EQ(FolderPart("/list.txt"), "/");
    EXPECT_EQ(FolderPart("/home/ann/"), "/home/ann/");
    EXPECT_EQ(FolderPart("list.txt"), "");
    EXPECT_EQ(FolderPart(""), "");
    // Only "/" separates: a backslash or a colon is part of a POSIX name.
    EXPECT_EQ(FolderPart("/tmp/a\\b:c.txt"), "/tmp/");
}

TEST(ChordFolders, DefaultAndFallbackFoldersFollowTheHomeFolder) {
    EXPECT_EQ(DefaultChordFolder("/home/ann"), "/home/ann/PianoChords");
    EXPECT_EQ(DefaultChordFolder("/home/ann/"), "/home/ann/PianoChords");
    EXPECT_EQ(DefaultChordFolder("/"), "/PianoChords");
    EXPECT_EQ(FallbackChordFolder("/home/ann"), "/home/ann");
}

TEST(ChordFolders, HomeFolderComesFromTheEnvironment) {
    const char* saved = std::getenv("HOME");
    const std::optional<std::string> original =
        saved ? std::optional<std::string>(saved) : std::nullopt;
    setenv("HOME", "/srv/somebody", 1);
    EXPECT_EQ(HomeFolder(), "/srv/somebody");
    setenv("HOME", "", 1);
    EXPECT_EQ(HomeFolder(), "/");
    unsetenv("HOME");
    EXPECT_EQ(HomeFolder(), "/");
    if (original) {
        setenv("HOME", original->c_str(), 1);
    }
}

TEST(ChordFolders, CreatesMissingParentsOutermostFirst) {
    MemoryChordFileSystem fs;
    fs.AddDirectory("/home");
    EXPECT_TRUE(CreateFolderWithParents(fs, "/home/ann/music/PianoChords"));
    EXPECT_EQ(fs.Calls(), (Calls{"mkdir /home/ann", "mkdir /home/ann/music",
                                 "mkdir /home/ann/music/PianoChords"}));
    EXPECT_TRUE(fs.IsDirectory("/home/ann/music/PianoChords"));
}

TEST(ChordFolders, ExistingFoldersAndTheRootNeedNoWork) {
    MemoryChordFileSystem fs;
    fs.AddDirectory("/home/ann/PianoChords");
    EXPECT_TRUE(CreateFolderWithParents(fs, "/home/ann/PianoChords"));
    EXPECT_TRUE(CreateFolderWithParents(fs, "/home/ann/PianoChords/"));
    EXPECT_TRUE(CreateFolderWithParents(fs, "/"));
    EXPECT_TRUE(fs.Calls().empty());
    EXPECT_TRUE(CreateFolderWithParents(fs, "/data/"));  // one trailing "/" is ignored
    EXPECT_EQ(fs.Calls(), (Calls{"mkdir /data"}));
}

TEST(ChordFolders, FailuresOfTheFolderRule) {
    MemoryChordFileSystem fs;
    EXPECT_FALSE(CreateFolderWithParents(fs, ""));
    // A name without any "/" has an empty folder part, which cannot be made.
    EXPECT_FALSE(CreateFolderWithParents(fs, "PianoChords"));
    // A file in the way, as the folder itself or as one of its parents.
    fs.AddFile("/home/ann/PianoChords", "not a folder");
    EXPECT_FALSE(CreateFolderWithParents(fs, "/home/ann/PianoChords"));
    EXPECT_FALSE(CreateFolderWithParents(fs, "/home/ann/PianoChords/more"));
    EXPECT_FALSE(fs.IsDirectory("/home/ann/PianoChords/more"));
}

TEST(ChordFolders, WriteChordFileWritesTheEncodedList) {
    MemoryChordFileSystem fs;
    fs.AddDirectory("/out");
    const std::vector<ChordValue> list = {{1, Spelling::Flat, ChordType::Diminished}};
    ASSERT_TRUE(WriteChordFile(fs, "/out/a.txt", list, Language::French));
    EXPECT_EQ(fs.FileContent("/out/a.txt"), ChordListFileBytes(list, Language::French));
    EXPECT_FALSE(WriteChordFile(fs, "/missing/a.txt", list, Language::French));
}

TEST(MemoryChordFileSystem, FailsWhereARealOneWouldAndKeepsTheOldFile) {
    MemoryChordFileSystem fs;
    fs.AddFile("/out/a.txt", "old");
    EXPECT_FALSE(fs.ReplaceFile("/out", "x"));            // a directory
    EXPECT_FALSE(fs.ReplaceFile("/nowhere/a.txt", "x"));  // a missing folder
    EXPECT_FALSE(fs.ReplaceFile("/out/a.txt/b", "x"));    // a file as folder
    EXPECT_FALSE(fs.ReplaceFile("/out/", "x"));
    fs.SetFailWrites(true);
    EXPECT_FALSE(fs.ReplaceFile("/out/a.txt", "new"));
    EXPECT_EQ(fs.FileContent("/out/a.txt"), "old");
    fs.SetFailWrites(false);
    EXPECT_TRUE(fs.ReplaceFile("/out/a.txt", "new"));
    EXPECT_EQ(fs.FileContent("/out/a.txt"), "new");
    EXPECT_FALSE(fs.CreateDirectory("/out"));  // exists already
    EXPECT_FALSE(fs.CreateDirectory("/x/y"));  // parent missing
}

}  // namespace
}  // namespace vorlane
