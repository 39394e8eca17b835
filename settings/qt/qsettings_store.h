#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

class QSettings;

namespace vorlane {

// The settings on QSettings: organisation "Vorlane" in the platform's native form (on Linux
// the file ~/.config/Vorlane.conf), or an INI file of the caller's choice. Each read and write
// opens the store afresh, so nothing is held between operations.
class QSettingsStore : public SettingsStore {
  public:
    QSettingsStore();
    explicit QSettingsStore(std::string iniFilePath);

    // Only a plain string value counts; a list, a number, a byte array or any other typed value
    // reads as missing, and so does everything when the store cannot be read at all.
    std::optional<std::string> ReadText(std::string_view name) override;
    // True only when the value reached the disk (the store synced without error).
    bool WriteText(std::string_view name, std::string_view value) override;

  private:
    std::unique_ptr<QSettings> Open() const;

    std::string iniFilePath_;  // empty: the native store
};

}  // namespace vorlane
