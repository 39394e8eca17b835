#include "ui/qt/fonts.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "ui/qt/text.h"

namespace vorlane::ui::qt {

namespace {

bool IsDesktopFace(const std::string& face) {
    return face.empty() ||
           QString::fromStdString(face).compare(QLatin1String("System"), Qt::CaseInsensitive) == 0;
}

}  // namespace

QFont ToQFont(const Font& requested, const Font& inherited) {
    const std::string& face = requested.face.empty() ? inherited.face : requested.face;
    const int height = requested.height != 0 ? requested.height : inherited.height;
    QFont font = QGuiApplication::font();
    if (!IsDesktopFace(face)) {
        font.setFamily(ToQString(face));
    }
    font.setStyleHint(QFont::SansSerif);
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // A cell height includes the leading: scale the em size so the line is that tall.
        font.setPixelSize(height);
        const qreal line = QFontMetricsF(font).height();
        if (line > 0) {
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / line))));
        }
    }
    font.setBold(requested.bold);
    return font;
}

}  // namespace vorlane::ui::qt
