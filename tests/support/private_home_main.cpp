// The main of every test program: the tests run in a fresh, private home with private XDG
// folders, so nothing they do (Qt's file dialog state, settings, caches) reaches the real user's
// files, and nothing system-wide under /etc/xdg leaks in.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

fs::path MakePrivateHome() {
    std::string pattern = (fs::temp_directory_path() / "vorlane-test-home-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("vorlane tests: cannot make a private home");
        std::exit(2);
    }
    const fs::path home(pattern);
    const std::pair<const char*, const char*> folders[] = {
        {"XDG_CONFIG_HOME", ".config"},     {"XDG_DATA_HOME", ".local/share"},
        {"XDG_STATE_HOME", ".local/state"}, {"XDG_CACHE_HOME", ".cache"},
        {"XDG_CONFIG_DIRS", "etc-xdg"},     {"XDG_RUNTIME_DIR", "runtime"},
    };
    setenv("HOME", home.c_str(), 1);
    for (const auto& [name, relative] : folders) {
        const fs::path folder = home / relative;
        fs::create_directories(folder);
        setenv(name, folder.c_str(), 1);
    }
    // Qt and PulseAudio refuse a runtime folder others may read.
    chmod((home / "runtime").c_str(), 0700);
    return home;
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path home = MakePrivateHome();
    testing::InitGoogleMock(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    fs::remove_all(home, ignored);
    return result;
}
