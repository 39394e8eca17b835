#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "settings/chord_file_system.h"

namespace vorlane {

// A file system in memory for tests. It fails where a real one would: a directory whose parent
// is missing, a file written onto a directory or into a missing folder. It can also be told to
// fail every write, as a full disk would. Only the root "/" exists at first.
// The home folder windows built on a memory file system are given; not created until seeded.
inline constexpr const char* kMemoryHome = "/home/player";

class MemoryChordFileSystem : public ChordFileSystem {
  public:
    MemoryChordFileSystem();

    bool IsDirectory(std::string_view path) override;
    bool CreateDirectory(std::string_view path) override;
    bool ReplaceFile(std::string_view path, std::string_view bytes) override;
    std::optional<std::string> ReadFile(std::string_view path) override {
        return FileContent(path);
    }

    // Seeds a directory (with its parents) or a file without logging.
    void AddDirectory(std::string_view path);
    void AddFile(std::string_view path, std::string_view bytes);
    void SetFailWrites(bool fail) { failWrites_ = fail; }

    std::optional<std::string> FileContent(std::string_view path) const;
    // Every CreateDirectory and ReplaceFile call, in order, as "mkdir <path>" / "write <path>".
    const std::vector<std::string>& Calls() const { return calls_; }

  private:
    std::set<std::string, std::less<>> directories_;
    std::map<std::string, std::string, std::less<>> files_;
    std::vector<std::string> calls_;
    bool failWrites_ = false;
};

}  // namespace vorlane
