#pragma once

#include <QIcon>
#include <string_view>

namespace vorlane::ui::qt {

// The resource names under which the logic may ask for the application icon.
inline constexpr std::string_view kAppId = "org.vorlane.Vorlane";

// The application icon in the sizes a desktop shows windows with, from the resources built
// into the library; made once.
QIcon AppIcon();
// The icon for a resource name the logic uses, or a null icon for an unknown name.
QIcon IconForResource(std::string_view name);

}  // namespace vorlane::ui::qt
