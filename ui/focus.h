#pragma once

#include "ui/controls.h"

// Keyboard focus and choices by arrow key over a window's records; the view only asks.
namespace vorlane::ui {

enum class Arrow { Up, Down, Left, Right };

// Whether the control can take the focus now: enabled and shown, its groups too.
bool IsFocusable(const Control& control);

// Whether Tab stops on the control. Of a radio set only one button is a stop: the chosen one,
// or the first focusable one in the focus order when none is chosen.
bool IsTabStop(const Window& window, const Control& control);

// The one tab stop of every radio set of the window, found in one pass over the focus order
// (for a view that asks after every change).
std::vector<const Control*> RadioSetTabStops(const Window& window);

// The next tab stop after `from` in the window's focus order (the first one when `from` is
// null or not in the order), going round; nullptr when nothing can take the focus.
Control* NextTabStop(const Window& window, const Control* from, bool backward);

// The radio button of the same set that an arrow key moves to: Up and Down along a column,
// Left and Right along a row; in a set laid out on one line every arrow moves along it.
// Disabled and hidden buttons are passed over; nullptr at the end of a line.
Control* ArrowTarget(const Window& window, const Control& from, Arrow arrow);

// Moves the choice as the arrow key asks: the target is clicked, exactly as by the mouse.
// Returns the button chosen, which should take the focus, or nullptr.
Control* ChooseByArrow(Window& window, const Control& from, Arrow arrow);

}  // namespace vorlane::ui
