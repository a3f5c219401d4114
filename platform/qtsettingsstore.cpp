#include "platform/qtsettingsstore.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace {
QString keyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

// QSettings keeps other writers out with a lock file beside the settings. One
// that names no process, left empty by a kill during a write, would hold
// every write until it is half a minute old, longer than a logout waits; one
// that is no file at all (a named pipe) would hold it for ever. Either is
// removed at once, unless a writer still holds the kernel's lock on it,
// which only a writer that is just starting does.
void clearDeadLock(const QString& settingsFile) {
    const QString path = settingsFile + QStringLiteral(".lock");
    const QFileInfo found(path);
    if (!found.exists() && !found.isSymLink())
        return;
    if (!found.isFile() || found.isSymLink()) {
        QFile::remove(path);
        return;
    }
    QLockFile lock(path);
    qint64 pid = 0;
    if (!lock.getLockInfo(&pid, nullptr, nullptr))
        lock.removeStaleLockFile();
}
} // namespace

QString QtSettingsStore::read(const QString& application, const QString& section, const QString& key,
                              const QString& defaultValue) const {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    return settings.value(keyPath(section, key), defaultValue).toString();
}

bool QtSettingsStore::write(const QString& application, const QString& section, const QString& key,
                            const QString& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    clearDeadLock(settings.fileName());
    settings.setValue(keyPath(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
