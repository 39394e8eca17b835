#pragma once

#include <string>
#include <string_view>

namespace vorlane {

// What keeping the practice record needs of the file system. Paths are UTF-8.
class RecordFiles {
  public:
    enum class ReadStatus { Read, Missing, Unreadable };
    struct ReadResult {
        ReadStatus status = ReadStatus::Missing;
        std::string bytes;
    };

    virtual ~RecordFiles() = default;
    virtual ReadResult Read(std::string_view path) = 0;
    // Replaces the file as a whole, making its folder when needed. True only when every byte
    // is written; on failure an existing file keeps its old content.
    virtual bool Replace(std::string_view path, std::string_view bytes) = 0;
    // Moves a file or folder to a new name, replacing a file there.
    virtual bool Rename(std::string_view from, std::string_view to) = 0;
    // True when nothing is left at the path.
    virtual bool Remove(std::string_view path) = 0;
};

}  // namespace vorlane
