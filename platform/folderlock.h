#pragma once

#include <QCoreApplication>
#include <QString>

// Keeps a second copy of the program out of the working folder: two copies
// would each rewrite results.dat when they close, the last one undoing the
// other's records.
//
// The lock lives in the user's runtime folder ($XDG_RUNTIME_DIR), named after
// the working folder's device and inode, and not in the working folder: a
// sync engine carrying that folder to another computer must neither take the
// lock along nor bring the other computer's back, and a folder that allows
// no new files still gets one. It is held by a file lock of the kernel's, so
// a copy that ends, however it ends, lets go of it.
class FolderLock {
public:
    // Takes the lock of folder. A lock whose holder is no Tapmeter working in
    // folder (another program's, another computer's) is taken over, and
    // something else than a file in its place (a named pipe, a folder) is
    // moved out of the way.
    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // True when another running copy works in the folder. Where no lock can
    // be made at all the folder is not held: the program then works without
    // the lock.
    bool heldElsewhere() const { return m_heldElsewhere; }

private:
    QString m_path;
    int m_fd = -1;
    bool m_heldElsewhere = false;
};

inline QString alreadyRunningMessage() {
    return QCoreApplication::translate("FolderLock", "Tapmeter is already running in this folder.");
}
