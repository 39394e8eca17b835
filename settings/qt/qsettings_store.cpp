#include "settings/qt/qsettings_store.h"

#include <sys/stat.h>

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QVariant>
#include <utility>

namespace vorlane {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Where QSettings keeps organisation "Vorlane" in its native form on Linux.
std::string NativeFilePath() {
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/Vorlane.conf"))
        .toStdString();
}

// Missing is fine (the first write creates it); anything but a regular file is never touched:
// opening a FIFO blocks, and replacing a device or socket would destroy it.
bool MayOpen(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode);
}

}  // namespace

QSettingsStore::QSettingsStore() : filePath_(NativeFilePath()) {}

QSettingsStore::QSettingsStore(std::string iniFilePath) : filePath_(std::move(iniFilePath)) {}

QSettingsStore::~QSettingsStore() = default;

std::unique_ptr<QSettings> QSettingsStore::Open() const {
    // A QSettings on a file name reads that file alone, never the system-wide ones.
    auto settings = std::make_unique<QSettings>(FromUtf8(filePath_), QSettings::IniFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}

QSettings* QSettingsStore::Settings() {
    if (!MayOpen(filePath_)) {
        settings_.reset();
        return nullptr;
    }
    if (!settings_) {
        settings_ = Open();
    }
    return settings_.get();
}

std::optional<std::string> QSettingsStore::ReadText(std::string_view name) {
    QSettings* settings = Settings();
    // A malformed file still yields the lines that parsed (FormatError); only a store that
    // cannot be read at all makes everything missing.
    if (settings == nullptr || settings->status() == QSettings::AccessError) {
        return std::nullopt;
    }
    const QVariant value = settings->value(FromUtf8(name));
    if (value.metaType().id() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

bool QSettingsStore::WriteText(std::string_view name, std::string_view value) {
    QSettings* settings = Settings();
    if (settings == nullptr) {
        return false;
    }
    settings->setValue(FromUtf8(name), FromUtf8(value));
    settings->sync();
    switch (settings->status()) {
        case QSettings::NoError:
            return true;
        case QSettings::FormatError:
            // QSettings keeps reporting the first error it met, here the malformed file it
            // read; it has just written a sound one, so read that once more to see this
            // write's own result and every later one's.
            settings_ = Open();
            return settings_->status() == QSettings::NoError &&
                   settings_->value(FromUtf8(name)) == FromUtf8(value);
        case QSettings::AccessError:
            break;
    }
    settings_.reset();  // the next use reads the file afresh
    return false;
}

}  // namespace vorlane
