#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <string_view>

namespace vorlane::ui::qt {

// Resource names of the pictures drawn in code, as image lists refer to them.
inline constexpr std::string_view kKeyboardResource = "piano";
inline constexpr std::string_view kLogoResource = "pianologo";
inline constexpr int kKeyboardWidth = 717;
inline constexpr int kKeyboardHeight = 159;
inline constexpr int kLogoFrameWidth = 159;
inline constexpr int kLogoFrameHeight = 86;
inline constexpr int kLogoFrameCount = 3;  // Dutch, French, English

// Paints in logical pixels; the painter's device decides the resolution, so a device with
// pixel ratio 2 gets a sharp drawing rather than an enlarged one.
void PaintKeyboard(QPainter& painter);
// The area of key 1..36 on the keyboard picture; a black key lies over its white neighbours.
QRect KeyboardKeyRect(int key);
void PaintLogo(QPainter& painter, int frame);

// Image `index` of the named picture, rendered at the device pixel ratio, or a null image for
// an unknown name or index. The background is transparent where the artwork leaves it empty.
QImage RenderPicture(std::string_view resource, int index, qreal devicePixelRatio);

}  // namespace vorlane::ui::qt
