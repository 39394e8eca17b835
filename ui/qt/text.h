#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vorlane::ui::qt {

// The program keeps its texts as UTF-8; Qt wants QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

}  // namespace vorlane::ui::qt
