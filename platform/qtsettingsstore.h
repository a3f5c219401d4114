#pragma once

#include "platform/settingsstore.h"

// Keeps the settings in a per-user INI file: <config folder>/<application>/<application>.ini,
// with one group per section.
class QtSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultValue) const override;
    bool write(const QString& application, const QString& section, const QString& key, const QString& value) override;
};
