#pragma once

#include "platform/ansitext.h"
#include "platform/services.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <functional>

// A refused write, with its reason where the caller asks for one.
inline bool refuse(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

// Plays nothing.
class FakeSound final : public Sound {
public:
    void play(const QString& fileName, bool wait) override { whilePlaying(fileName, wait); }
    // Runs inside play(), for tests that look at the state while a sound plays.
    std::function<void(const QString& fileName, bool wait)> whilePlaying = [](const QString&, bool) {};
};

// Shows nothing; answers from scripted queues and remembers every box.
class FakeDialogs final : public Dialogs {
public:
    enum class Kind { Message, Confirm, Prompt, OpenFile };
    struct Box {
        Kind kind;
        QString text;
    };

    void message(QWidget*, const QString& text) override { open(Kind::Message, text); }
    bool confirm(QWidget*, const QString& text) override {
        open(Kind::Confirm, text);
        return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
    }
    QString prompt(QWidget*, const QString& text) override {
        open(Kind::Prompt, text);
        return promptAnswers.isEmpty() ? QString() : promptAnswers.takeFirst();
    }
    QString openFile(QWidget*, const QString&, const QString& initialFileName) override {
        open(Kind::OpenFile, initialFileName);
        return openFileAnswers.isEmpty() ? QString() : openFileAnswers.takeFirst();
    }

    QStringList texts(Kind kind) const {
        QStringList result;
        for (const Box& box : boxes)
            if (box.kind == kind)
                result << box.text;
        return result;
    }
    QStringList messages() const { return texts(Kind::Message); }

    QList<Box> boxes;
    QStringList promptAnswers;   // "" once empty, like Cancel
    QList<bool> confirmAnswers;  // No once empty
    QStringList openFileAnswers; // "" once empty, like Cancel
    // Runs while a box is open, the way the window thread goes on handling
    // timer ticks inside a modal box.
    std::function<void(const Box& box)> whileOpen = [](const Box&) {};

private:
    void open(Kind kind, const QString& text) {
        boxes.append({kind, text});
        whileOpen(boxes.last());
    }
};

// Settings in memory, by "application/section/key".
class FakeSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultValue) const override {
        return values.value(application + u'/' + section + u'/' + key, defaultValue);
    }
    bool write(const QString& application, const QString& section, const QString& key, const QString& value) override {
        if (refusedKeys.contains(key))
            return false;
        values.insert(application + u'/' + section + u'/' + key, value);
        return true;
    }

    QMap<QString, QString> values;
    QSet<QString> refusedKeys; // keys whose writes fail
};

class FakeClock final : public Clock {
public:
    QString nowText() const override { return now; }
    QDateTime nowDateTime() const override { return dateTime; }
    qint64 steadyMilliseconds() const override { return steady; }
    QString now = QStringLiteral("05/12/2026 18:22:05");
    QDateTime dateTime = QDateTime(QDate(2026, 12, 5), QTime(18, 22, 5));
    qint64 steady = 0;
};

// Files in memory, by absolute path; relative paths name workingFolderPath.
class FakeTextFiles final : public TextFiles {
public:
    bool isFile(const QString& path) const override { return !path.isEmpty() && has(path); }
    bool exists(const QString& path) const override { return isFile(path); }
    qint64 size(const QString& path) const override { return bytes(path).size(); }
    std::optional<QString> readText(const QString& path) const override {
        return readable(path) ? std::optional(AnsiText::decode(bytes(path), AnsiText::detect(bytes(path))))
                              : std::nullopt;
    }
    std::optional<QByteArray> readBytes(const QString& path) const override {
        return readable(path) ? std::optional(bytes(path)) : std::nullopt;
    }
    bool writeLines(const QString& path, const QStringList& lines, AnsiText::Encoding encoding,
                    QString* error) override {
        ++writes;
        if (!failWrites.isEmpty())
            return refuse(error, failWrites);
        put(path, AnsiText::encodeLines(lines, encoding));
        return true;
    }
    bool copyFile(const QString& path, const QString& copyPath, QString* error) override {
        if (!readable(path) || !failWrites.isEmpty())
            return refuse(error, readable(path) ? failWrites : QStringLiteral("unreadable"));
        put(copyPath, bytes(path));
        return true;
    }
    QString workingFolder() const override { return workingFolderPath; }
    QStringList fileNames() const override {
        QStringList names;
        for (const QString& path : files.keys())
            if (QFileInfo(path).path() == workingFolderPath)
                names << QFileInfo(path).fileName();
        return names;
    }
    bool rename(const QString& path, const QString& newPath, QString* error) override {
        if (!has(path) || has(newPath))
            return refuse(error, QStringLiteral("cannot rename"));
        files.insert(absolute(newPath), files.take(absolute(path)));
        return true;
    }

    QString absolute(const QString& path) const {
        return QDir::cleanPath(QDir(workingFolderPath).absoluteFilePath(path));
    }
    void put(const QString& path, const QByteArray& bytes) { files.insert(absolute(path), bytes); }
    QByteArray bytes(const QString& path) const { return files.value(absolute(path)); }
    bool has(const QString& path) const { return files.contains(absolute(path)); }

    QMap<QString, QByteArray> files;
    QSet<QString> unreadable; // absolute paths whose open fails
    QString failWrites;       // when set, every write fails with this reason
    QString workingFolderPath = QStringLiteral("/home/typist/tapmeter");
    int writes = 0;

private:
    bool readable(const QString& path) const { return isFile(path) && !unreadable.contains(absolute(path)); }
};

// Files that only grow, in memory, by the path as given.
class FakeAppendFiles final : public AppendFiles {
public:
    bool append(const QString& path, const QByteArray& header, const QByteArray& line, QString* error) override {
        if (!failWrites.isEmpty())
            return refuse(error, failWrites);
        QByteArray& bytes = files[path];
        bytes += (bytes.isEmpty() ? header : QByteArray()) + line;
        return true;
    }
    bool read(const QString& path, QByteArray* bytes, QString* error) const override {
        *bytes = files.value(path);
        return failReads.isEmpty() || refuse(error, failReads);
    }
    QStringList fileNames() const override { return files.keys(); }
    bool rename(const QString& path, const QString& newPath, QString* error) override {
        if (!files.contains(path) || files.contains(newPath))
            return refuse(error, QStringLiteral("cannot rename"));
        files.insert(newPath, files.take(path));
        return true;
    }

    QMap<QString, QByteArray> files;
    QString failWrites; // when set, every append fails with this reason
    QString failReads;  // when set, every read fails with this reason
};

struct FakeServices {
    FakeSound sound;
    FakeDialogs dialogs;
    FakeSettingsStore settings;
    FakeClock clock;
    FakeTextFiles files;
    FakeAppendFiles appendFiles;
};
