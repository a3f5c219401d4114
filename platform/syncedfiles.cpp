#include "platform/syncedfiles.h"

#include <QRegularExpression>
#include <QSysInfo>

namespace {

QString keptLetters(const QString& text) {
    static const QRegularExpression others(QStringLiteral("[^A-Za-z0-9._-]"));
    return QString(text).replace(others, QStringLiteral("_")).left(64);
}

// Each engine's conflict name: the original's stem in the first group, its
// extension (if any) in the last. A stem is taken as short as it can be, so
// that the date and device parts are never read as part of it.
const QRegularExpression& conflictNames() {
    static const QRegularExpression names(
        QStringLiteral("^(?:(.+?)\\.sync-conflict-\\d{8}-\\d{6}(?:-[A-Z0-9]{7})?"
                       "|(.+?) \\(conflicted copy (?:.+ )?\\d{4}-\\d{2}-\\d{2} \\d{6}\\)"
                       "|(.+?)_conflict-\\d{8}-\\d{6}"
                       "|(.+?) \\((?:.+['\u2019]s )?conflicted copy(?: \\d{4}-\\d{2}-\\d{2})?(?: \\(\\d+\\))?\\))"
                       "(\\.[^.]+)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return names;
}

} // namespace

namespace SyncedFiles {

QString computerName() {
    const QString chosen = qEnvironmentVariable("TAPMETER_COMPUTER");
    if (!chosen.isEmpty())
        return keptLetters(chosen);
    const QString id = QString::fromLatin1(QSysInfo::machineUniqueId()).left(8);
    const QString host = keptLetters(QSysInfo::machineHostName());
    return id.isEmpty() ? host : host + QLatin1Char('-') + keptLetters(id);
}

std::optional<QString> conflictOriginal(const QString& fileName) {
    const QRegularExpressionMatch match = conflictNames().match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    for (int group = 1; group <= 4; ++group) {
        if (match.hasCaptured(group))
            return match.captured(group) + match.captured(5);
    }
    return std::nullopt;
}

QString foldedName(const QString& fileName) {
    return fileName + QStringLiteral(".folded");
}

} // namespace SyncedFiles
