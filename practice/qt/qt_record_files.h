#pragma once

#include <string>

#include "practice/record_files.h"

namespace vorlane {

// The record's file on the real file system, replaced as a whole through QSaveFile.
class QtRecordFiles : public RecordFiles {
  public:
    ReadResult Read(std::string_view path) override;
    bool Replace(std::string_view path, std::string_view bytes) override;
    bool Rename(std::string_view from, std::string_view to) override;
    bool Remove(std::string_view path) override;
};

// ~/.local/share/Vorlane/practice-record.txt, or the same under $XDG_DATA_HOME.
std::string PracticeRecordPath();

}  // namespace vorlane
