#pragma once

#include <map>

namespace vorlane::ui {

// How a key of a drawn keyboard is marked: held down, held and right, held but wrong, or
// missing from the answer (also how an answer shown is marked).
enum class KeyMark { Held, Right, Wrong, Missing };

// Marks by MIDI note; unmarked keys are absent.
using KeyMarks = std::map<int, KeyMark>;

}  // namespace vorlane::ui
