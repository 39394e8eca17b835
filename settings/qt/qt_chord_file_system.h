#pragma once

#include <string_view>

#include "settings/chord_file_system.h"

namespace vorlane {

// The real file system through Qt Core. Files are replaced through QSaveFile: the new content
// goes to a temporary file beside the target and takes its place only once it is complete, so a
// failed save never leaves the old file truncated or half written.
class QtChordFileSystem : public ChordFileSystem {
  public:
    bool IsDirectory(std::string_view path) override;
    bool CreateDirectory(std::string_view path) override;
    bool ReplaceFile(std::string_view path, std::string_view bytes) override;
    std::optional<std::string> ReadFile(std::string_view path) override;
};

}  // namespace vorlane
