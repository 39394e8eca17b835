#pragma once

#include <map>
#include <set>
#include <string>

#include "practice/record_files.h"

namespace vorlane {

// The record's files in memory. It can be told that a file cannot be read, that writes fail
// (a full or read-only disk: the old content stays) and that renames fail.
class MemoryRecordFiles : public RecordFiles {
  public:
    ReadResult Read(std::string_view path) override;
    bool Replace(std::string_view path, std::string_view bytes) override;
    bool Rename(std::string_view from, std::string_view to) override;
    bool Remove(std::string_view path) override;

    std::map<std::string, std::string, std::less<>> files;
    std::set<std::string, std::less<>> unreadable;
    bool failWrites = false;
    bool failRenames = false;
    int writes = 0;  // attempted
};

}  // namespace vorlane
