#pragma once

#include <QFont>

#include "ui/controls.h"

namespace vorlane::ui::qt {

// The Qt font for a requested font: an empty face or height is taken from `inherited`; the
// face "System" (or none) becomes the desktop's sans-serif. A negative height is the
// character height in pixels, a positive one the height of the whole text line.
QFont ToQFont(const Font& requested, const Font& inherited);

}  // namespace vorlane::ui::qt
