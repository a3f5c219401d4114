#include "app/commandline.h"

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

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A typing-speed trainer: type the chosen word, and the fastest time of each word is kept.\n"
                       "Started without options, it opens its window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(app.arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error =
            parser.positionalArguments().isEmpty()
                ? parser.errorText()
                : QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        std::fprintf(stderr, "tapmeter: %s Try 'tapmeter --help'.\n", qPrintable(error));
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
