#include "platform/folderlock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const Identity&, const Identity&) = default;
};

std::optional<Identity> identityOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return Identity{status.st_dev, status.st_ino};
}

std::optional<Identity> identityOf(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return std::nullopt;
    return Identity{status.st_dev, status.st_ino};
}

// The runtime folder is the user's own and goes with the session; where there
// is none, the user's cache folder on this computer.
QStringList lockFolders() {
    QStringList folders;
    for (const QString& folder :
         {QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
          QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/tapmeter")}) {
        if (QDir::isAbsolutePath(folder) && QDir().mkpath(folder))
            folders << folder;
    }
    return folders;
}

QString executableName(qint64 pid) {
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid))).fileName();
}

// Whether the process that holds the lock is this program working in folder.
// Whatever cannot be told counts as yes: a lock is taken from a running
// process only when it plainly belongs to something else.
bool holderWorksIn(const QByteArray& lockText, const Identity& folder) {
    const QList<QByteArray> lines = lockText.split('\n');
    bool named = false;
    const qint64 pid = lines.value(0).toLongLong(&named);
    if (!named || pid <= 0)
        return true;
    const QString host = QString::fromUtf8(lines.value(2));
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false;
    const QString process = QStringLiteral("/proc/%1").arg(pid);
    const QString name = executableName(pid);
    const std::optional<Identity> cwd = identityOf(process + QStringLiteral("/cwd"));
    if (name.isEmpty() || !cwd)
        return QFileInfo::exists(process);
    return name == executableName(QCoreApplication::applicationPid()) && cwd == folder;
}

QByteArray readAll(int fd) {
    QByteArray text;
    char buffer[512];
    ssize_t count = 0;
    ::lseek(fd, 0, SEEK_SET);
    while (text.size() < 4096 && (count = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, count);
    return text;
}

// Something else than a regular file in the lock's place is moved out of the
// way: opening a named pipe would wait for a writer, and a folder cannot be
// locked. Only an empty folder is removed; a full one is renamed.
void clearWayFor(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || S_ISREG(status.st_mode))
        return;
    if (!S_ISDIR(status.st_mode))
        ::unlink(name.constData());
    else if (::rmdir(name.constData()) != 0)
        ::rename(name.constData(), (name + ".not-a-lock").constData());
}

} // namespace

FolderLock::FolderLock(const QString& folder) {
    const std::optional<Identity> folderIdentity = identityOf(folder);
    if (!folderIdentity)
        return;
    const QString fileName =
        QStringLiteral("tapmeter-%1-%2.lock").arg(quint64(folderIdentity->device)).arg(quint64(folderIdentity->inode));
    for (const QString& lockFolder : lockFolders()) {
        const QString path = lockFolder + QLatin1Char('/') + fileName;
        const QByteArray name = QFile::encodeName(path);
        // A second round follows a lock taken over or something moved away.
        for (int round = 0; round < 3; ++round) {
            clearWayFor(path);
            const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
            if (fd < 0)
                break;
            struct stat status {};
            if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
                ::close(fd);
                continue;
            }
            if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
                const bool held = holderWorksIn(readAll(fd), *folderIdentity);
                // Its holder keeps its lock on the old file; this copy makes a
                // new one in its place.
                if (!held && identityOf(path) == identityOf(fd))
                    ::unlink(name.constData());
                ::close(fd);
                if (!held)
                    continue;
                m_heldElsewhere = true;
                return;
            }
            // Another copy may have replaced the file between the open and
            // the lock: the lock counts only on the file that has the name.
            if (identityOf(path) != identityOf(fd)) {
                ::close(fd);
                continue;
            }
            const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                    QFile::encodeName(QCoreApplication::applicationFilePath()) + '\n' +
                                    QSysInfo::machineHostName().toUtf8() + '\n';
            if (::ftruncate(fd, 0) == 0 && ::write(fd, text.constData(), size_t(text.size())) == text.size()) {
                m_path = path;
                m_fd = fd;
                return;
            }
            ::close(fd);
            break;
        }
    }
}

FolderLock::~FolderLock() {
    if (m_fd < 0)
        return;
    if (identityOf(m_path) == identityOf(m_fd))
        ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}
