#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "i18n/practice_texts.h"
#include "practice/record.h"

namespace vorlane {

// "2.4 s" (or "2,4 s"), or the language's word for no time yet.
std::string TimeText(std::optional<std::int64_t> ms, const PracticeTexts& texts);

std::string_view TypeWord(ChordType type, const PracticeTexts& texts);

// The record as a screen reader reads it: one sentence per chord type answered, then the types
// taken for others.
std::string ResultsText(const Record& record, const PracticeTexts& texts);

}  // namespace vorlane
