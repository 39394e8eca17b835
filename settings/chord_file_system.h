#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// What saving and reading chord lists (and exporting them) needs of the file system. Paths are
// UTF-8.
class ChordFileSystem {
  public:
    virtual ~ChordFileSystem() = default;
    // Whether the path names an existing directory (a file, or nothing, is not one).
    virtual bool IsDirectory(std::string_view path) = 0;
    // Creates one directory whose parent exists; false when it fails or already exists.
    virtual bool CreateDirectory(std::string_view path) = 0;
    // Replaces the file's content with bytes as a whole. True only when every byte is written;
    // on failure an existing file at the path keeps its old content.
    virtual bool ReplaceFile(std::string_view path, std::string_view bytes) = 0;
    // The file's bytes; none when it cannot be read (missing, a directory, no permission).
    virtual std::optional<std::string> ReadFile(std::string_view path) = 0;
};

}  // namespace vorlane
