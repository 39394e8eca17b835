#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// Where the user's choices persist between runs: named text values. Every failure is quiet;
// callers fall back to defaults.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The value's text (UTF-8), or none when it is missing, is not a plain text, or cannot be
    // read.
    virtual std::optional<std::string> ReadText(std::string_view name) = 0;
    // Replaces the value; returns whether it reached the store.
    virtual bool WriteText(std::string_view name, std::string_view value) = 0;
};

}  // namespace vorlane
