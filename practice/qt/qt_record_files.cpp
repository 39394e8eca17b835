#include "practice/qt/qt_record_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings/qt/qt_chord_file_system.h"

namespace vorlane {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

RecordFiles::ReadResult QtRecordFiles::Read(std::string_view path) {
    const QFileInfo info(Q(path));
    if (!info.exists() && !info.isSymLink()) {
        return {ReadStatus::Missing, {}};
    }
    QFile file(Q(path));
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        return {ReadStatus::Unreadable, {}};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {ReadStatus::Unreadable, {}};
    }
    return {ReadStatus::Read, bytes.toStdString()};
}

bool QtRecordFiles::Replace(std::string_view path, std::string_view bytes) {
    return QDir().mkpath(QFileInfo(Q(path)).absolutePath()) &&
           QtChordFileSystem().ReplaceFile(path, bytes);
}

bool QtRecordFiles::Rename(std::string_view from, std::string_view to) {
    const QString target = Q(to);
    if (QFileInfo(target).isFile()) {
        QFile::remove(target);
    }
    return QDir().rename(Q(from), target);
}

bool QtRecordFiles::Remove(std::string_view path) {
    const QString target = Q(path);
    QFile::remove(target);
    return !QFileInfo::exists(target) && !QFileInfo(target).isSymLink();
}

std::string PracticeRecordPath() {
    // Not AppDataLocation: with the organisation and the application both named Vorlane it
    // would be .../Vorlane/Vorlane.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return (data + QStringLiteral("/Vorlane/practice-record.txt")).toStdString();
}

}  // namespace vorlane
