#pragma once

#include <QString>

// The per-user settings store: text values by application, section and key.
// The program's preferences reach it through Preferences (platform/preferences.h).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& defaultValue) const = 0;
    // Returns false when the value could not be stored.
    virtual bool write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};
