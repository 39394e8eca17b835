#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/settings_store.h"

namespace vorlane {

// A settings store in memory for tests: it keeps the values, logs every write attempt and can be
// told to refuse writes.
class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<std::string> ReadText(std::string_view name) override;
    bool WriteText(std::string_view name, std::string_view value) override;

    // Seeds or removes a value without logging a write.
    void Set(std::string_view name, std::string_view value);
    void Remove(std::string_view name);

    // While set, writes change nothing and report failure (they are still logged).
    void SetFailWrites(bool fail) { failWrites_ = fail; }

    const std::map<std::string, std::string, std::less<>>& Values() const { return values_; }
    // Every write attempt, in order, as (name, value).
    const std::vector<std::pair<std::string, std::string>>& Writes() const { return writes_; }
    void ClearWrites() { writes_.clear(); }

  private:
    std::map<std::string, std::string, std::less<>> values_;
    std::vector<std::pair<std::string, std::string>> writes_;
    bool failWrites_ = false;
};

}  // namespace vorlane
