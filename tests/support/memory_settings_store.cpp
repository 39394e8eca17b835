#include "tests/support/memory_settings_store.h"

namespace vorlane {

std::optional<std::string> MemorySettingsStore::ReadText(std::string_view name) {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool MemorySettingsStore::WriteText(std::string_view name, std::string_view value) {
    writes_.emplace_back(std::string(name), std::string(value));
    if (failWrites_) {
        return false;
    }
    Set(name, value);
    return true;
}

void MemorySettingsStore::Set(std::string_view name, std::string_view value) {
    values_.insert_or_assign(std::string(name), std::string(value));
}

void MemorySettingsStore::Remove(std::string_view name) {
    const auto found = values_.find(name);
    if (found != values_.end()) {
        values_.erase(found);
    }
}

}  // namespace vorlane
