#pragma once

#include <QByteArray>
#include <QString>

// Files that only ever grow, such as the history of finished words: each
// addition opens the file, writes at its end and closes it again, so that a
// crash costs at most the line being written.
class AppendFiles {
public:
    virtual ~AppendFiles() = default;

    // Adds line at the end of the file, after header when the file is new or
    // empty. On failure returns false and sets *error to a reason fit to show
    // the user.
    virtual bool append(const QString& path, const QByteArray& header, const QByteArray& line, QString* error) = 0;

    // The whole file; empty when there is none. On failure returns false and
    // sets *error.
    virtual bool read(const QString& path, QByteArray* bytes, QString* error) const = 0;
};
