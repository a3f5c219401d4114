#include "qttextfiles.h"

#include "ansitext.h"

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

std::optional<QByteArray> readBytes(const QString& path) {
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

bool QtTextFiles::writeLines(const QString& path, const QStringList& lines, QString* error) {
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target only once everything is on disk.
    QSaveFile file(path);
    const QByteArray bytes = AnsiText::encodeLines(lines);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, bytes) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

QString QtTextFiles::workingFolder() const {
    return QDir::toNativeSeparators(QDir::currentPath());
}
