#pragma once

#include "platform/appendfiles.h"

class QtAppendFiles final : public AppendFiles {
public:
    bool append(const QString& path, const QByteArray& header, const QByteArray& line, QString* error) override;
    bool read(const QString& path, QByteArray* bytes, QString* error) const override;
    bool readInParts(const QString& path, const std::function<void(QByteArrayView part)>& eachPart,
                     QString* error) const override;
    QStringList fileNames() const override;
    bool rename(const QString& path, const QString& newPath, QString* error) override;
};
