#pragma once

#include "platform/settingsstore.h"

#include <QString>

// The typist's preferences, each with its key, its default and the way it is
// stored, in the per-user settings file "Tapmeter.ini", section "Settings".
// Every setter returns false when the value could not be stored; the caller
// tells the typist with writeFailureMessage().
class Preferences {
public:
    explicit Preferences(SettingsStore& store);

    // The main window's check boxes, as check values: 0 not ticked, 1 ticked,
    // 2 greyed. Anything else stored reads as 0.
    int sounds() const;
    bool setSounds(int checkValue);
    int caseSensitive() const;
    bool setCaseSensitive(int checkValue);

    // Progress: after each finished word, go on to the word that needs
    // practice most.
    bool practiseNeediestWord() const;
    bool setPractiseNeediestWord(bool on);

    // Progress: the name new records are kept under without asking; empty,
    // each record asks for it.
    QString recordName() const;
    bool setRecordName(const QString& name);

    // The message for a setter that returned false.
    static QString writeFailureMessage();

private:
    QString read(const QString& key, const QString& defaultValue) const;
    bool write(const QString& key, const QString& value);

    SettingsStore& m_store;
};
