#pragma once

#include "platform/textfiles.h"

class QtTextFiles final : public TextFiles {
public:
    bool isFile(const QString& path) const override;
    bool exists(const QString& path) const override;
    qint64 size(const QString& path) const override;
    std::optional<QString> readText(const QString& path) const override;
    std::optional<QByteArray> readBytes(const QString& path) const override;
    bool writeLines(const QString& path, const QStringList& lines, AnsiText::Encoding encoding,
                    QString* error) override;
    bool copyFile(const QString& path, const QString& copyPath, QString* error) override;
    QString workingFolder() const override;
    QStringList fileNames() const override;
    bool rename(const QString& path, const QString& newPath, QString* error) override;
};
