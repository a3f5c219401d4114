#include "qttextfiles.h"

#include "ansitext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
std::optional<QByteArray> readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}
} // namespace

bool QtTextFiles::isFile(const QString& path) const {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

qint64 QtTextFiles::size(const QString& path) const {
    return QFileInfo(path).size();
}

std::optional<QStringList> QtTextFiles::readLines(const QString& path) const {
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return AnsiText::decodeLines(*bytes);
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
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

QString QtTextFiles::programFolder() const {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}
