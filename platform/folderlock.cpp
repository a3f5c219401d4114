#include "platform/folderlock.h"

#include <QDir>

FolderLock::FolderLock(const QString& folder)
    : m_file(QDir(folder).filePath(QStringLiteral(".tapmeter.lock"))) {
    // A lock is stale only when its process is gone, never by its age: the
    // program runs for hours, and not every file system keeps the lock
    // holder's own file lock that would otherwise protect it.
    m_file.setStaleLockTime(0);
    m_heldElsewhere = !m_file.tryLock() && m_file.error() == QLockFile::LockFailedError;
}
