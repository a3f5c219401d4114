#include "platform/qttextfiles.h"

#include "platform/ansitext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// Only regular files are read: a named pipe would hold the program until
// someone writes to it, and a device may never end.
bool isRegularFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// Writes straight through to the disk, without the device's buffer: a
// buffered write that a full disk or a file size limit cuts short only fails
// in the flush inside QSaveFile::commit(), which then still replaces the old
// file with the cut one. A short write is tried again for the rest, so that
// the failing call leaves its reason ("No space left on device") behind.
bool writeAll(QSaveFile& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

// QSaveFile writes a temporary file beside the target and renames it over the
// target only once everything is on disk. A folder that allows no new files
// but holds a writable target gets the bytes written in place instead.
bool saveBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, bytes) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace

bool QtTextFiles::isFile(const QString& path) const {
    return isRegularFile(path);
}

qint64 QtTextFiles::size(const QString& path) const {
    return QFileInfo(path).size();
}

bool QtTextFiles::readLines(const QString& path, const std::function<void(const QString& line)>& eachLine) const {
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return false;
    AnsiText::forEachLine(*bytes, eachLine);
    return true;
}

std::optional<QString> QtTextFiles::readText(const QString& path) const {
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return AnsiText::decode(*bytes);
}

std::optional<QByteArray> QtTextFiles::readBytes(const QString& path) const {
    if (!isRegularFile(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool QtTextFiles::writeLines(const QString& path, const QStringList& lines, QString* error) {
    return saveBytes(path, AnsiText::encodeLines(lines), error);
}

bool QtTextFiles::copyFile(const QString& path, const QString& copyPath, QString* error) {
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("%1 cannot be read").arg(path);
        return false;
    }
    return saveBytes(copyPath, *bytes, error);
}

QString QtTextFiles::workingFolder() const {
    return QDir::toNativeSeparators(QDir::currentPath());
}
