#include "platform/preferences.h"

#include "platform/apptitle.h"

#include <QCoreApplication>

namespace {

// The settings file is named after the application, and every preference is
// in one section of it.
const QString Section = QStringLiteral("Settings");

const QString SoundsKey = QStringLiteral("Sounds");
const QString CaseSensitiveKey = QStringLiteral("CaseSensitive");
const QString PractiseNeediestWordKey = QStringLiteral("PractiseNeediestWord");
const QString RecordNameKey = QStringLiteral("RecordName");

// Check values and yes-or-no values are kept as "0", "1" and "2".
QString storedNumber(int value) {
    return QString::number(value);
}

int checkValueFrom(const QString& stored) {
    if (stored == QLatin1String("1"))
        return 1;
    if (stored == QLatin1String("2"))
        return 2;
    return 0;
}

} // namespace

Preferences::Preferences(SettingsStore& store)
    : m_store(store) {}

QString Preferences::read(const QString& key, const QString& defaultValue) const {
    return m_store.read(AppTitle, Section, key, defaultValue);
}

bool Preferences::write(const QString& key, const QString& value) {
    return m_store.write(AppTitle, Section, key, value);
}

int Preferences::sounds() const {
    return checkValueFrom(read(SoundsKey, storedNumber(0)));
}

bool Preferences::setSounds(int checkValue) {
    return write(SoundsKey, storedNumber(checkValue));
}

int Preferences::caseSensitive() const {
    return checkValueFrom(read(CaseSensitiveKey, storedNumber(0)));
}

bool Preferences::setCaseSensitive(int checkValue) {
    return write(CaseSensitiveKey, storedNumber(checkValue));
}

bool Preferences::practiseNeediestWord() const {
    return read(PractiseNeediestWordKey, storedNumber(0)) == storedNumber(1);
}

bool Preferences::setPractiseNeediestWord(bool on) {
    return write(PractiseNeediestWordKey, storedNumber(on ? 1 : 0));
}

QString Preferences::recordName() const {
    return read(RecordNameKey, QString());
}

bool Preferences::setRecordName(const QString& name) {
    return write(RecordNameKey, name);
}

QString Preferences::writeFailureMessage() {
    return QCoreApplication::translate("Preferences", "Could not save the settings in %1.ini.").arg(AppTitle);
}
