#include "settings/qt/qt_chord_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace vorlane {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool QtChordFileSystem::IsDirectory(std::string_view path) {
    return !path.empty() && QFileInfo(FromUtf8(path)).isDir();
}

bool QtChordFileSystem::CreateDirectory(std::string_view path) {
    // QDir::mkdir fails for an existing directory, as the interface asks.
    return !path.empty() && QDir().mkdir(FromUtf8(path));
}

bool QtChordFileSystem::ReplaceFile(std::string_view path, std::string_view bytes) {
    if (path.empty()) {
        return false;
    }
    QSaveFile file(FromUtf8(path));
    // Writing straight into the target when no temporary file can be made would truncate it
    // first; that fallback stays off.
    file.setDirectWriteFallback(false);
    // Unbuffered, so a full disk fails the write itself: a buffered small list would only fail
    // in commit()'s flush, which Qt 6.4 ignores before renaming the short file over the target.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    // An uncommitted QSaveFile deletes its temporary file and leaves the target alone.
    if (file.write(bytes.data(), size) != size || !file.flush() ||
        file.error() != QFileDevice::NoError || file.size() != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit() && file.error() == QFileDevice::NoError;
}

std::optional<std::string> QtChordFileSystem::ReadFile(std::string_view path) {
    QFile file(FromUtf8(path));
    if (path.empty() || QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

}  // namespace vorlane
