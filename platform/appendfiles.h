#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

// Files that only ever grow, such as the history of finished words: each
// addition opens the file, writes at its end and closes it again, so that a
// crash costs at most the line being written.
class AppendFiles {
public:
    virtual ~AppendFiles() = default;

    // Adds line at the end of the file, after header when the file is new or
    // empty. Only a regular file is added to. On failure, the line cut short
    // by a full disk for instance, returns false with the file as it was, and
    // sets *error to a reason fit to show the user.
    virtual bool append(const QString& path, const QByteArray& header, const QByteArray& line, QString* error) = 0;

    // The file's first ReadLimit bytes, which is the whole file unless
    // something else has grown there; empty when there is none, or something
    // else than a regular file (a named pipe, a device) has its name. On
    // failure returns false and sets *error.
    virtual bool read(const QString& path, QByteArray* bytes, QString* error) const = 0;

    // The same bytes handed over in parts of at most PartSize bytes, so that
    // the whole file need not be held at once; the parts handed over before
    // a failure are all there is.
    virtual bool readInParts(const QString& path, const std::function<void(QByteArrayView part)>& eachPart,
                             QString* error) const {
        QByteArray bytes;
        const bool read = this->read(path, &bytes, error);
        if (read && !bytes.isEmpty())
            eachPart(bytes);
        return read;
    }
    static constexpr qint64 PartSize = qint64(1) << 20;

    // The names of the files in the working folder, hidden ones too.
    virtual QStringList fileNames() const = 0;
    // Gives the file at path the name newPath, where nothing has that name
    // yet. On failure returns false and sets *error.
    virtual bool rename(const QString& path, const QString& newPath, QString* error) = 0;

    // Far beyond any real history: a million finished words take about
    // 100 MB. Reading stops there rather than take all the memory.
    static constexpr qint64 ReadLimit = qint64(256) * 1024 * 1024;
};
