#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

// Only regular files are read or added to: a named pipe would hold the
// program until someone opens its other end, and a device may never end.

// Opens the file at file.fileName() in mode (ReadOnly, or ReadWrite with
// Append, which makes a missing file) if it is a regular file, without ever
// waiting. On failure returns false and sets *error to a reason fit to show
// the user.
bool openRegularFile(QFile& file, QIODevice::OpenMode mode, QString* error);

// The names of the files in the working folder, hidden ones too.
QStringList workingFolderFileNames();

// Renames a file, never over another one.
bool renameFile(const QString& path, const QString& newPath, QString* error);

// Writes all bytes. A short write is tried again for the rest, so that the
// failing call leaves its reason ("No space left on device") behind.
bool writeAll(QFileDevice& file, const QByteArray& bytes);
