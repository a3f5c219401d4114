#pragma once

#include "platform/ansitext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files, by path (relative paths name the working folder).
class TextFiles {
public:
    virtual ~TextFiles() = default;

    // True for an existing regular file (not a folder, a named pipe or a
    // device). Only such files are read.
    virtual bool isFile(const QString& path) const = 0;
    // True when anything has that name, a folder or a named pipe too; false
    // for a link that leads nowhere.
    virtual bool exists(const QString& path) const = 0;
    virtual qint64 size(const QString& path) const = 0;

    // The whole file as one text, line breaks kept, in the encoding its bytes
    // show (AnsiText::detect); nothing when unreadable.
    virtual std::optional<QString> readText(const QString& path) const = 0;
    // The file's bytes as they are; nothing when unreadable.
    virtual std::optional<QByteArray> readBytes(const QString& path) const = 0;

    // Replaces the file with these lines in that encoding, each ended by
    // CR LF. The old file stays whole unless the new one was written
    // completely. On failure returns false and sets *error to a reason fit to
    // show the user.
    virtual bool writeLines(const QString& path, const QStringList& lines, AnsiText::Encoding encoding,
                            QString* error) = 0;
    // Replaces copyPath with a copy of the file at path, as safely as
    // writeLines.
    virtual bool copyFile(const QString& path, const QString& copyPath, QString* error) = 0;

    // The working folder, which holds results.dat.
    virtual QString workingFolder() const = 0;
    // The names of the files in the working folder, hidden ones too.
    virtual QStringList fileNames() const = 0;
    // Gives the file at path the name newPath, where nothing has that name
    // yet. On failure returns false and sets *error.
    virtual bool rename(const QString& path, const QString& newPath, QString* error) = 0;
};
