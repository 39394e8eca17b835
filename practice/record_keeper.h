#pragma once

#include <string>

#include "practice/record.h"
#include "practice/record_files.h"

namespace vorlane {

// Keeps the record in its one file: read once when practice opens, replaced as a whole after
// each answer. A file that cannot be read or understood is set aside beside it with the
// suffix ".bad" and practice starts afresh; nothing here ever stops the program, and a
// failed write leaves the file on disk as it was.
class RecordKeeper {
  public:
    enum class Loaded {
        Fresh,     // there was no file
        Read,      // the record is the file's
        SetAside,  // the file was renamed to BadPath()
        // The file could not be read nor set aside: it is left alone, and never overwritten.
        LeftAlone,
    };
    enum class Saved {
        Saved,
        Failed,       // the first failure since the last success: worth a word to the player
        FailedAgain,  // already said
    };

    RecordKeeper(RecordFiles& files, std::string path);

    Loaded Load(Record& record);
    Saved Save(const Record& record);
    // Deletes the file; false when it is still there.
    bool Remove();

    const std::string& Path() const { return path_; }
    std::string BadPath() const { return path_ + ".bad"; }

  private:
    RecordFiles& files_;
    std::string path_;
    bool writable_ = true;
    bool failureSaid_ = false;
};

}  // namespace vorlane
