#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "settings/chord_list.h"
#include "tests/cli/cli_run.h"

namespace vorlane {
namespace {

namespace fs = std::filesystem;
using testing::RunExecutable;

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

std::string Replaced(std::string text, const std::string& dir) {
    for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) {
        text.replace(at, 5, dir);
    }
    return text;
}

// Every refusal leaves OUT as it was: an existing one unchanged, a new one not made, and no
// temporary file behind.
TEST(CliMidi, BadInputChangesNoFile) {
    const fs::path dir = fs::path(std::getenv("HOME")) / "midi";
    fs::create_directories(dir / "folder");
    const std::vector<ChordValue> chords = {{3, Spelling::Flat, ChordType::Minor7}};
    const std::string list = ChordListFileBytes(chords, Language::English);
    WriteFile(dir / "en.txt", list);
    WriteFile(dir / "junk.txt", "Chord C:   C - E - G\r\n");
    WriteFile(dir / "empty.txt", ChordListFileBytes({}, Language::Dutch));
    WriteFile(dir / "bad.txt", list + "Chord Dm7:   D - F - A - C\r\nChord X\r\n");
    WriteFile(dir / "kept.mid", "old");
    struct Case {
        std::string arguments;
        int status;
        std::string err;
    };
    const std::string usage =
        "vorlane-cli midi [--tempo BPM] [--beats N] [--smooth] [--octave-higher] "
        "[--mode organ|piano|guitar] LIST OUT.mid";
    // clang-format off
    const Case cases[] = {
        {"--tempo 39 {dir}/en.txt {dir}/new.mid", 2,
         "bad value \"39\" for --tempo; accepted: 40 to 240"},
        {"--beats=9 {dir}/en.txt {dir}/kept.mid", 2,
         "bad value \"9\" for --beats; accepted: 1 to 8"},
        {"--mode none {dir}/en.txt {dir}/kept.mid", 2,
         "unknown mode \"none\"; accepted: organ, piano, guitar"},
        {"--smooth=yes {dir}/en.txt {dir}/kept.mid", 2,
         "option --smooth takes no value (got \"--smooth=yes\")"},
        {"--lang nl {dir}/en.txt {dir}/kept.mid", 2,
         "unknown option \"--lang\"; accepted: --tempo, --beats, --smooth, --octave-higher, "
         "--mode, --help"},
        {"{dir}/en.txt --beats", 2, "option --beats needs a value; usage: " + usage},
        {"{dir}/en.txt", 2, "missing LIST or OUT.mid; usage: " + usage},
        {"{dir}/none.txt {dir}/new.mid", 2,
         "cannot read \"{dir}/none.txt\": No such file or directory"},
        {"{dir}/junk.txt {dir}/kept.mid", 2,
         "\"{dir}/junk.txt\" is not a chord list: line 1 is no chord list header"},
        {"{dir}/bad.txt {dir}/kept.mid", 2, "\"{dir}/bad.txt\" line 6: not a chord line"},
        {"{dir}/empty.txt {dir}/new.mid", 2, "\"{dir}/empty.txt\" holds no chords"},
        {"{dir}/en.txt {dir}/folder", 1, "cannot write \"{dir}/folder\": Is a directory"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string arguments = "midi " + Replaced(c.arguments, dir.string());
        const testing::Process run = RunExecutable(arguments, "2>&1 >/dev/null");
        EXPECT_EQ(run.status, c.status) << arguments;
        EXPECT_EQ(run.captured, "vorlane-cli: " + Replaced(c.err, dir.string()) + "\n");
        EXPECT_EQ(ReadFile(dir / "kept.mid"), "old") << arguments;
        EXPECT_FALSE(fs::exists(dir / "new.mid")) << arguments;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 6)
            << arguments;
    }

    // A good export replaces the file whole and keeps its permissions.
    fs::permissions(dir / "kept.mid", fs::perms::owner_read | fs::perms::owner_write);
    const std::string good =
        "midi " + (dir / "en.txt").string() + " " + (dir / "kept.mid").string();
    EXPECT_EQ(RunExecutable(good, "2>&1").status, 0);
    EXPECT_EQ(ReadFile(dir / "kept.mid").substr(0, 4), "MThd");
    EXPECT_EQ(fs::status(dir / "kept.mid").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace vorlane
