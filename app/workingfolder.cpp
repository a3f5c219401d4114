#include "app/workingfolder.h"

#include "database/resultsformat.h"
#include "database/starterlist.h"
#include "platform/dialogs.h"
#include "platform/qttextfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

// Something else than a regular file in the user's folder, a named pipe for
// instance, is never the same: it is replaced, never read.
bool sameContents(const QString& a, const QString& b) {
    const std::optional<QByteArray> first = QtTextFiles().readBytes(a);
    return first && first == QtTextFiles().readBytes(b);
}

// A data directory that is not an absolute path is to be ignored, which
// QStandardPaths does not do.
QString dataHome() {
    const QString chosen = qEnvironmentVariable("XDG_DATA_HOME");
    return QDir::isAbsolutePath(chosen) ? chosen : QDir::homePath() + QStringLiteral("/.local/share");
}

} // namespace

bool writeStarterListIfAbsent(const QString& path, QString* error) {
    const QFileInfo existing(path);
    if (existing.exists() || existing.isSymLink())
        return true;
    const QStringList lines = starterListLines();
    return QtTextFiles().writeLines(path, lines, AnsiText::encodingToWrite(AnsiText::Encoding::CodePage, lines), error);
}

QStringList prepareFolder(const QString& shipped, const QString& folder) {
    if (!QDir().mkpath(folder))
        return {QCoreApplication::translate("WorkingFolder", "Cannot create the folder %1.").arg(folder)};
    QStringList problems;
    const QDir from(shipped);
    for (const QString& file : from.entryList(QDir::Files)) {
        const QString target = folder + QLatin1Char('/') + file;
        if (file == ResultsFormat::FileName || sameContents(from.filePath(file), target))
            continue;
        // Written beside the target and renamed over it, so that a failed
        // copy never leaves half a file; the program copes with a missing one.
        QString error;
        if (!QtTextFiles().copyFile(from.filePath(file), target, &error))
            problems
                << QCoreApplication::translate("WorkingFolder", "Cannot copy %1 into %2: %3").arg(file, folder, error);
    }
    QString error;
    if (!writeStarterListIfAbsent(folder + QLatin1Char('/') + ResultsFormat::FileName, &error))
        problems << QCoreApplication::translate("WorkingFolder", "Cannot write the starter list %1/%2: %3")
                        .arg(folder, ResultsFormat::FileName, error);
    return problems;
}

bool enterWorkingFolder(Dialogs& dialogs) {
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/" TAPMETER_DATA_FROM_PROGRAM);
    if (!QFileInfo(shipped).isDir())
        return true;
    const QString folder = dataHome() + QStringLiteral("/tapmeter");
    QStringList problems = prepareFolder(shipped, folder);
    const bool entered = QDir::setCurrent(folder);
    if (!entered && problems.isEmpty())
        problems << QCoreApplication::translate("WorkingFolder", "Cannot open the folder %1.").arg(folder);
    if (problems.isEmpty())
        return true;
    // Also on standard error, for whoever started the program from a terminal.
    std::fprintf(stderr, "tapmeter: %s\n", qPrintable(problems.join(QLatin1Char(' '))));
    dialogs.message(
        nullptr,
        problems.join(QStringLiteral("\n")) + QStringLiteral("\n\n") +
            (entered ? QCoreApplication::translate("WorkingFolder", "Tapmeter starts without the missing files.")
                     : QCoreApplication::translate("WorkingFolder", "Tapmeter cannot start without its folder.")));
    return entered;
}
