#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

class QSettings;

namespace vorlane {

// The settings on QSettings: organisation "Vorlane" at the platform's native place (on Linux
// the INI file ~/.config/Vorlane.conf), or an INI file of the caller's choice. The file is read
// once, at the first use, and kept for the writes; values this program does not know stay in
// it. Only the user's own file counts: no system-wide fallbacks. A path that is not a regular
// file (a FIFO, socket, device or directory) counts as missing and is never opened or replaced.
class QSettingsStore : public SettingsStore {
  public:
    QSettingsStore();
    explicit QSettingsStore(std::string iniFilePath);
    ~QSettingsStore() override;

    // Only a plain string value counts; a list, a number, a byte array or any other typed value
    // reads as missing, and so does everything when the store cannot be read at all.
    std::optional<std::string> ReadText(std::string_view name) override;
    // True only when the value reached the disk (the store synced without error).
    bool WriteText(std::string_view name, std::string_view value) override;

    // Where the settings live.
    const std::string& FilePath() const { return filePath_; }

  private:
    // The open store, or none when the path is not a regular file.
    QSettings* Settings();
    std::unique_ptr<QSettings> Open() const;

    std::string filePath_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace vorlane
