#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

// Keeps a second copy of the program out of the working folder: two copies
// would each rewrite results.dat when they close, the last one undoing the
// other's records.
class FolderLock {
public:
    // Takes the lock in folder; a lock left behind by a process that no
    // longer runs is taken over.
    explicit FolderLock(const QString& folder);

    // True when another running copy works in the folder. A folder in which
    // no lock file can be made at all is not held: the program then works
    // without the lock.
    bool heldElsewhere() const { return m_heldElsewhere; }

private:
    QLockFile m_file;
    bool m_heldElsewhere = false;
};

inline QString alreadyRunningMessage() {
    return QCoreApplication::translate("FolderLock", "Tapmeter is already running in this folder.");
}
