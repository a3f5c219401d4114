#include "platform/regularfiles.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool openRegularFile(QFile& file, QIODevice::OpenMode mode, QString* error) {
    const bool append = mode.testFlag(QIODevice::Append);
    // Without O_NONBLOCK, opening a named pipe waits for its other end.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(),
                          (append ? O_RDWR | O_APPEND | O_CREAT : O_RDONLY) | O_NONBLOCK | O_CLOEXEC, 0666);
    const int openErrno = errno;
    struct stat status {};
    const bool regular = fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (regular && file.open(fd, mode, QFileDevice::AutoCloseHandle))
        return true;
    const QString reason =
        fd < 0     ? QString::fromLocal8Bit(std::strerror(openErrno))
        : !regular ? QCoreApplication::translate("TextFiles", "%1 is not a regular file").arg(file.fileName())
                   : file.errorString();
    if (fd >= 0 && !file.isOpen())
        ::close(fd);
    if (error)
        *error = reason;
    return false;
}

QStringList workingFolderFileNames() {
    return QDir::current().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool renameFile(const QString& path, const QString& newPath, QString* error) {
    QFile file(path);
    if (file.rename(newPath))
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

bool writeAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}
