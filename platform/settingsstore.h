#pragma once

#include <QString>

// Where the program keeps its preferences: application AppTitle, this section.
namespace Preference {
inline const QString Section = QStringLiteral("Settings");
inline const QString Sounds = QStringLiteral("Sounds");
// Progress: after each finished word, go on to the word that needs practice most.
inline const QString PractiseNeediestWord = QStringLiteral("PractiseNeediestWord");
inline const QString CaseSensitive = QStringLiteral("CaseSensitive");
} // namespace Preference

// The per-user settings store: text values by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& defaultValue) const = 0;
    // Returns false when the value could not be stored.
    virtual bool write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};
