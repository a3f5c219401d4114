#include "platform/qtappendfiles.h"

#include <QFile>

namespace {
bool failed(const QFile& file, QString* error) {
    if (error)
        *error = file.errorString();
    return false;
}
} // namespace

bool QtAppendFiles::append(const QString& path, const QByteArray& header, const QByteArray& line, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return failed(file, error);
    QByteArray bytes;
    if (file.size() == 0) {
        bytes = header;
    } else if (file.seek(file.size() - 1) && !file.peek(1).endsWith('\n')) {
        // The last line was cut short: end it, so that it stays a line of its
        // own and this one is not lost with it.
        bytes = "\r\n";
    }
    bytes += line;
    // One write, so that another copy of the program appending at the same
    // moment cannot interleave with this line.
    if (file.write(bytes) != bytes.size())
        return failed(file, error);
    return true;
}

bool QtAppendFiles::read(const QString& path, QByteArray* bytes, QString* error) const {
    QFile file(path);
    if (!file.exists()) {
        bytes->clear();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly))
        return failed(file, error);
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failed(file, error);
    return true;
}
