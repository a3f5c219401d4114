#include "platform/qttextfiles.h"

#include "platform/ansitext.h"
#include "platform/regularfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {
bool isRegularFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// QSaveFile writes a temporary file beside the target and renames it over the
// target only once everything is on disk. A folder that allows no new files
// but holds a writable target gets the bytes written in place instead: QSaveFile
// does so where the folder is not writable, but not where it refuses new files
// with "Operation not permitted" (an immutable folder). The new file takes
// mode, where given.
bool saveBytes(const QString& path, const QByteArray& bytes, QString* error,
               std::optional<QFile::Permissions> mode = std::nullopt) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (!opened && errno == EPERM && QFileInfo(path).isFile()) {
        QFile inPlace(path);
        if (inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
            (!mode || inPlace.setPermissions(*mode)) && writeAll(inPlace, bytes))
            return true;
        if (error)
            *error = inPlace.errorString();
        return false;
    }
    // Straight through to the disk, without the device's buffer: a buffered
    // write that a full disk or a file size limit cuts short only fails in
    // the flush inside commit(), which then still replaces the old file with
    // the cut one.
    if (opened && (!mode || file.setPermissions(*mode)) && writeAll(file, bytes) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace

bool QtTextFiles::isFile(const QString& path) const {
    return isRegularFile(path);
}

bool QtTextFiles::exists(const QString& path) const {
    return !path.isEmpty() && QFileInfo::exists(path);
}

qint64 QtTextFiles::size(const QString& path) const {
    return QFileInfo(path).size();
}

std::optional<QString> QtTextFiles::readText(const QString& path) const {
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return AnsiText::decode(*bytes, AnsiText::detect(*bytes));
}

std::optional<QByteArray> QtTextFiles::readBytes(const QString& path) const {
    QFile file(path);
    if (path.isEmpty() || !openRegularFile(file, QIODevice::ReadOnly, nullptr))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool QtTextFiles::writeLines(const QString& path, const QStringList& lines, AnsiText::Encoding encoding,
                             QString* error) {
    return saveBytes(path, AnsiText::encodeLines(lines, encoding), error);
}

bool QtTextFiles::copyFile(const QString& path, const QString& copyPath, QString* error) {
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes) {
        if (error)
            *error = QCoreApplication::translate("TextFiles", "%1 cannot be read").arg(path);
        return false;
    }
    // A link in the copy's place is replaced, never written through: it may
    // lead to a file elsewhere. The copy is no more open than the file.
    if (QFileInfo(copyPath).isSymLink() && !QFile::remove(copyPath)) {
        if (error)
            *error = QCoreApplication::translate("TextFiles", "%1 is a link that cannot be replaced").arg(copyPath);
        return false;
    }
    return saveBytes(copyPath, *bytes, error, QFileInfo(path).permissions());
}

QString QtTextFiles::workingFolder() const {
    return QDir::toNativeSeparators(QDir::currentPath());
}

QStringList QtTextFiles::fileNames() const {
    return workingFolderFileNames();
}

bool QtTextFiles::rename(const QString& path, const QString& newPath, QString* error) {
    return renameFile(path, newPath, error);
}
