#include "platform/folderlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// False for a lock that is empty, garbage or a link to nowhere.
bool namesProcess(const QLockFile& file) {
    qint64 pid = 0;
    return file.getLockInfo(&pid, nullptr, nullptr);
}

bool removeUnnamedLock(QLockFile& file) {
    const QString path = file.fileName();
    return QFileInfo(path).isSymLink() ? QFile::remove(path) : file.removeStaleLockFile();
}
} // namespace

FolderLock::FolderLock(const QString& folder)
    : m_file(QDir(folder).filePath(QStringLiteral(".tapmeter.lock"))) {
    // A lock is stale only when its process is gone, never by its age: the
    // program runs for hours, and not every file system keeps the lock
    // holder's own file lock that would otherwise protect it.
    m_file.setStaleLockTime(0);
    if (!m_file.tryLock() && m_file.error() == QLockFile::LockFailedError && !namesProcess(m_file)) {
        // A crash between making the lock and writing into it leaves an
        // empty one, which would otherwise keep every copy out for ever. Its
        // maker holds a file lock on it until it ends, so the lock of a copy
        // that is only starting stays; a link was never made by a copy. A
        // second lock keeps two copies from removing and taking it at once.
        QLockFile removal(m_file.fileName() + QStringLiteral(".rmlock"));
        if (removal.tryLock() && !namesProcess(m_file) && removeUnnamedLock(m_file))
            m_file.tryLock();
    }
    m_heldElsewhere = m_file.error() == QLockFile::LockFailedError;
}
