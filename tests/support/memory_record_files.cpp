#include "tests/support/memory_record_files.h"

namespace vorlane {

RecordFiles::ReadResult MemoryRecordFiles::Read(std::string_view path) {
    const auto found = files.find(path);
    if (found == files.end()) {
        return {ReadStatus::Missing, {}};
    }
    if (unreadable.contains(path)) {
        return {ReadStatus::Unreadable, {}};
    }
    return {ReadStatus::Read, found->second};
}

bool MemoryRecordFiles::Replace(std::string_view path, std::string_view bytes) {
    ++writes;
    if (failWrites || unreadable.contains(path)) {
        return false;
    }
    files[std::string{path}] = std::string{bytes};
    return true;
}

bool MemoryRecordFiles::Rename(std::string_view from, std::string_view to) {
    const auto found = files.find(from);
    if (failRenames || found == files.end()) {
        return false;
    }
    files[std::string{to}] = found->second;
    files.erase(found);
    if (unreadable.erase(std::string{from}) > 0) {
        unreadable.insert(std::string{to});
    }
    return true;
}

bool MemoryRecordFiles::Remove(std::string_view path) {
    if (failWrites) {
        return !files.contains(path);
    }
    files.erase(std::string{path});
    unreadable.erase(std::string{path});
    return true;
}

}  // namespace vorlane
