#include "fakeservices.h"

#include "ansitext.h"

#include <QDir>

void FakeSound::play(const QString& fileName, bool wait) {
    plays.append({fileName, wait});
    if (whilePlaying)
        whilePlaying(fileName, wait);
}

QStringList FakeSound::fileNames() const {
    QStringList names;
    for (const Play& p : plays)
        names << p.fileName;
    return names;
}

void FakeDialogs::open(Kind kind, const QString& text) {
    boxes.append({kind, text});
    if (whileOpen)
        whileOpen(boxes.last());
}

void FakeDialogs::message(QWidget*, const QString& text) {
    open(Kind::Message, text);
}

bool FakeDialogs::confirm(QWidget*, const QString& text) {
    open(Kind::Confirm, text);
    return confirmAnswers.isEmpty() ? false : confirmAnswers.takeFirst();
}

QString FakeDialogs::prompt(QWidget*, const QString& text) {
    open(Kind::Prompt, text);
    return promptAnswers.isEmpty() ? QString() : promptAnswers.takeFirst();
}

QString FakeDialogs::openFile(QWidget*, const QString& filter, const QString& initialFileName) {
    lastFilter = filter;
    lastInitialFileName = initialFileName;
    open(Kind::OpenFile, initialFileName);
    return openFileAnswers.isEmpty() ? QString() : openFileAnswers.takeFirst();
}

QStringList FakeDialogs::texts(Kind kind) const {
    QStringList result;
    for (const Box& box : boxes) {
        if (box.kind == kind)
            result << box.text;
    }
    return result;
}

namespace {
QString settingsKey(const QString& application, const QString& section, const QString& key) {
    return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
}
} // namespace

QString FakeSettingsStore::read(const QString& application, const QString& section, const QString& key,
                                const QString& defaultValue) const {
    return values.value(settingsKey(application, section, key), defaultValue);
}

bool FakeSettingsStore::write(const QString& application, const QString& section, const QString& key,
                              const QString& value) {
    values.insert(settingsKey(application, section, key), value);
    return true;
}

QString FakeTextFiles::absolute(const QString& path) const {
    return QDir::cleanPath(QDir(workingFolderPath).absoluteFilePath(path));
}

bool FakeTextFiles::isFile(const QString& path) const {
    return !path.isEmpty() && files.contains(absolute(path));
}

qint64 FakeTextFiles::size(const QString& path) const {
    return files.value(absolute(path)).size();
}

bool FakeTextFiles::readLines(const QString& path, const std::function<void(const QString& line)>& eachLine) const {
    if (!isFile(path) || unreadable.contains(absolute(path)))
        return false;
    AnsiText::forEachLine(files.value(absolute(path)), eachLine);
    return true;
}

std::optional<QString> FakeTextFiles::readText(const QString& path) const {
    const std::optional<QByteArray> bytes = readBytes(path);
    return bytes ? std::optional<QString>(AnsiText::decode(*bytes)) : std::nullopt;
}

std::optional<QByteArray> FakeTextFiles::readBytes(const QString& path) const {
    if (!isFile(path) || unreadable.contains(absolute(path)))
        return std::nullopt;
    return files.value(absolute(path));
}

bool FakeTextFiles::writeLines(const QString& path, const QStringList& lines, QString* error) {
    ++writes;
    if (!failWrites.isEmpty()) {
        if (error)
            *error = failWrites;
        return false;
    }
    files.insert(absolute(path), AnsiText::encodeLines(lines));
    return true;
}

bool FakeTextFiles::copyFile(const QString& path, const QString& copyPath, QString* error) {
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes || !failWrites.isEmpty()) {
        if (error)
            *error = bytes ? failWrites : QStringLiteral("unreadable");
        return false;
    }
    files.insert(absolute(copyPath), *bytes);
    return true;
}

bool FakeAppendFiles::append(const QString& path, const QByteArray& header, const QByteArray& line, QString* error) {
    if (!failWrites.isEmpty()) {
        if (error)
            *error = failWrites;
        return false;
    }
    QByteArray& bytes = files[path];
    bytes += (bytes.isEmpty() ? header : QByteArray()) + line;
    return true;
}

bool FakeAppendFiles::read(const QString& path, QByteArray* bytes, QString*) const {
    *bytes = files.value(path);
    return true;
}
