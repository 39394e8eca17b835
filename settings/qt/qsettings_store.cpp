#include "settings/qt/qsettings_store.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <utility>

namespace vorlane {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(std::string iniFilePath) : iniFilePath_(std::move(iniFilePath)) {}

std::unique_ptr<QSettings> QSettingsStore::Open() const {
    if (iniFilePath_.empty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Vorlane"));
    }
    return std::make_unique<QSettings>(FromUtf8(iniFilePath_), QSettings::IniFormat);
}

std::optional<std::string> QSettingsStore::ReadText(std::string_view name) {
    const auto settings = Open();
    // A malformed file still yields the lines that parsed (FormatError); only a store that
    // cannot be read at all makes everything missing.
    if (settings->status() == QSettings::AccessError) {
        return std::nullopt;
    }
    const QVariant value = settings->value(FromUtf8(name));
    if (value.metaType().id() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

bool QSettingsStore::WriteText(std::string_view name, std::string_view value) {
    const auto settings = Open();
    settings->setValue(FromUtf8(name), FromUtf8(value));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

}  // namespace vorlane
