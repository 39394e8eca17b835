#include "ui/qt/app_icon.h"

#include <array>

namespace vorlane::ui::qt {

QIcon AppIcon() {
    static constexpr std::array kSizes = {16, 22, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (int size : kSizes) {
        icon.addFile(
            QStringLiteral(":/vorlane/hicolor/%1x%1/apps/org.vorlane.Vorlane.png").arg(size),
            QSize(size, size));
    }
    return icon;
}

QIcon IconForResource(std::string_view name) {
    if (name == kAppId || name == "vorlane") {
        return AppIcon();
    }
    return {};
}

}  // namespace vorlane::ui::qt
