#include "app/commandline.h"

#include "app/translations.h"
#include "platform/programinfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    if (argc <= 1)
        return std::nullopt;
    // Answered before any window system is reached, so that they work on a
    // console without a display.
    QCoreApplication app(argc, argv);
    installDesktopLanguage();

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "A typing-speed trainer: type the chosen word, and the fastest time "
                       "of each word is kept.\nStarted without options, it opens its window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(app.arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.positionalArguments().isEmpty()
                                  ? parser.errorText()
                                  : QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                                        .arg(parser.positionalArguments().first());
        std::fprintf(stderr, "tapmeter: %s %s\n", qPrintable(error),
                     qPrintable(QCoreApplication::translate("CommandLine", "Try 'tapmeter --help'.")));
        return 2;
    }
    // The help option brings --help-all along, which is answered alike.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        std::fputs(qPrintable(parser.helpText()), stdout);
    else if (parser.isSet(version))
        std::printf("%s %s\n", ProgramName, ProgramVersion);
    else
        return std::nullopt;
    return 0;
}
