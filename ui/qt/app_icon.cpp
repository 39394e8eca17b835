#include "ui/qt/app_icon.h"

#include <array>

namespace vorlane::ui::qt {

QIcon AppIcon() {
    // What title bars, task bars and window switchers show, up to twice their usual size; the
    // larger pictures are for launchers, which take them from the installed icon theme. Each
    // is decoded when the icon is made, so it is made once.
    static constexpr std::array kWindowSizes = {16, 24, 32, 48, 64, 128};
    static const QIcon* const icon = [] {
        auto* sizes = new QIcon;  // never destroyed: it may outlive the application object
        for (int size : kWindowSizes) {
            sizes->addFile(
                QStringLiteral(":/vorlane/hicolor/%1x%1/apps/org.vorlane.Vorlane.png").arg(size),
                QSize(size, size));
        }
        return sizes;
    }();
    return *icon;
}

QIcon IconForResource(std::string_view name) {
    if (name == kAppId || name == "vorlane") {
        return AppIcon();
    }
    return {};
}

}  // namespace vorlane::ui::qt
