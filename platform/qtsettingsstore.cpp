#include "platform/qtsettingsstore.h"

#include <QSettings>

namespace {
QString keyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
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
    settings.setValue(keyPath(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
