#include "practice/record_keeper.h"

#include <utility>

namespace vorlane {

RecordKeeper::RecordKeeper(RecordFiles& files, std::string path)
    : files_(files), path_(std::move(path)) {}

RecordKeeper::Loaded RecordKeeper::Load(Record& record) {
    record.Clear();
    const RecordFiles::ReadResult read = files_.Read(path_);
    if (read.status == RecordFiles::ReadStatus::Missing) {
        return Loaded::Fresh;
    }
    if (read.status == RecordFiles::ReadStatus::Read) {
        if (std::optional<Record> parsed = ParseRecord(read.bytes)) {
            record = std::move(*parsed);
            return Loaded::Read;
        }
    }
    if (files_.Rename(path_, BadPath())) {
        return Loaded::SetAside;
    }
    writable_ = false;
    return Loaded::LeftAlone;
}

RecordKeeper::Saved RecordKeeper::Save(const Record& record) {
    if (writable_ && files_.Replace(path_, RecordText(record))) {
        failureSaid_ = false;
        return Saved::Saved;
    }
    return std::exchange(failureSaid_, true) ? Saved::FailedAgain : Saved::Failed;
}

bool RecordKeeper::Remove() {
    if (!files_.Remove(path_)) {
        return false;
    }
    writable_ = true;
    return true;
}

}  // namespace vorlane
