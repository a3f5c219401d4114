#include "platform/qtappendfiles.h"

#include "platform/regularfiles.h"

#include <QFileInfo>

#include <algorithm>

bool QtAppendFiles::append(const QString& path, const QByteArray& header, const QByteArray& line, QString* error) {
    QFile file(path);
    if (!openRegularFile(file, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered, error))
        return false;
    const qint64 oldSize = file.size();
    QByteArray bytes;
    if (oldSize == 0) {
        bytes = header;
    } else if (file.seek(oldSize - 1) && !file.peek(1).endsWith('\n')) {
        // The last line was cut short: end it, so that it stays a line of its
        // own and this one is not lost with it.
        bytes = "\r\n";
    }
    bytes += line;
    // One write, so that another copy of the program appending at the same
    // moment cannot interleave with this line.
    if (writeAll(file, bytes))
        return true;
    if (error)
        *error = file.errorString();
    // What was written of the line comes off again.
    file.resize(oldSize);
    return false;
}

bool QtAppendFiles::read(const QString& path, QByteArray* bytes, QString* error) const {
    bytes->clear();
    if (!QFileInfo(path).isFile())
        return true;
    QFile file(path);
    if (!openRegularFile(file, QIODevice::ReadOnly, error))
        return false;
    *bytes = file.read(std::min(file.size(), ReadLimit));
    if (file.error() == QFileDevice::NoError)
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

bool QtAppendFiles::readInParts(const QString& path, const std::function<void(QByteArrayView part)>& eachPart,
                                QString* error) const {
    if (!QFileInfo(path).isFile())
        return true;
    QFile file(path);
    if (!openRegularFile(file, QIODevice::ReadOnly, error))
        return false;
    QByteArray part(PartSize, Qt::Uninitialized);
    for (qint64 left = ReadLimit; left > 0;) {
        const qint64 read = file.read(part.data(), std::min(left, PartSize));
        if (read < 0) {
            if (error)
                *error = file.errorString();
            return false;
        }
        if (read == 0)
            break;
        eachPart(QByteArrayView(part.constData(), read));
        left -= read;
    }
    return true;
}

QStringList QtAppendFiles::fileNames() const {
    return workingFolderFileNames();
}

bool QtAppendFiles::rename(const QString& path, const QString& newPath, QString* error) {
    return renameFile(path, newPath, error);
}
