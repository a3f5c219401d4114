// The language of the windows: it follows the desktop's settings as Qt reads them, first match first, and stays
// English when the desktop asks for no language the program speaks.
#include <QProcess>
#include <QTest>

namespace {

const QString EnglishDescription =
    QStringLiteral("A typing-speed trainer: type the chosen word, and the fastest time of each word is kept.");

// The settings of the desktop's language: LANGUAGE, LC_ALL, LC_MESSAGES, LANG ("-" leaves one unset).
struct DesktopLanguage {
    QString language, all, messages, lang;
};

// The program's answer to --help under those settings.
QStringList helpLines(const DesktopLanguage& desktop) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const std::pair<QString, QString> settings[] = {{QStringLiteral("LANGUAGE"), desktop.language},
                                                    {QStringLiteral("LC_ALL"), desktop.all},
                                                    {QStringLiteral("LC_MESSAGES"), desktop.messages},
                                                    {QStringLiteral("LANG"), desktop.lang}};
    for (const auto& [name, value] : settings) {
        if (value == QLatin1String("-"))
            environment.remove(name);
        else
            environment.insert(name, value);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAPMETER_PROGRAM), {QStringLiteral("--help")});
    if (!program.waitForFinished(60000))
        program.kill();
    return QString::fromUtf8(program.readAllStandardOutput()).split(QLatin1Char('\n'));
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void helpSpeaksTheDesktopLanguage_data();
    void helpSpeaksTheDesktopLanguage();
};

void TestTranslations::helpSpeaksTheDesktopLanguage_data() {
    QTest::addColumn<DesktopLanguage>("desktop");
    QTest::addColumn<QString>("usage");       // how the first line begins: Qt's own text
    QTest::addColumn<QString>("description"); // how the program describes itself: its own text
    const QString german = QStringLiteral("Ein Trainer für die Tippgeschwindigkeit");
    const QString polish = QStringLiteral("Trener szybkości pisania");
    QTest::newRow("LANGUAGE") << DesktopLanguage{"de", "-", "-", "C.UTF-8"} << "Aufruf:" << german;
    QTest::newRow("LANGUAGE over LANG") << DesktopLanguage{"pl", "-", "-", "de_DE.UTF-8"} << "Sposób użycia:" << polish;
    QTest::newRow("first spoken language of LANGUAGE")
        << DesktopLanguage{"ja:ko:pl:de", "-", "-", "-"} << "Sposób użycia:" << polish;
    QTest::newRow("English before a spoken language")
        << DesktopLanguage{"en_GB:de", "-", "-", "-"} << "Usage:" << EnglishDescription;
    QTest::newRow("LC_ALL over LC_MESSAGES") << DesktopLanguage{"-", "ru_RU.UTF-8", "de_DE.UTF-8", "-"}
                                             << "Использование:" << QStringLiteral("Тренажёр скорости печати");
    QTest::newRow("LC_MESSAGES over LANG") << DesktopLanguage{"-", "-", "fr_FR.UTF-8", "de_DE.UTF-8"}
                                           << "Utilisation :" << QStringLiteral("Un entraîneur de vitesse de frappe");
    QTest::newRow("LANG with a region") << DesktopLanguage{"-", "-", "-", "es_MX.UTF-8"}
                                        << "Uso:" << QStringLiteral("Un entrenador de velocidad de escritura");
    QTest::newRow("Portuguese of Portugal reads Brazilian")
        << DesktopLanguage{"-", "-", "-", "pt_PT.UTF-8"} << "Uso:" << QStringLiteral("Um treinador de velocidade");
    QTest::newRow("no language spoken") << DesktopLanguage{"ja", "-", "-", "ja_JP.UTF-8"}
                                        << "Usage:" << EnglishDescription;
    QTest::newRow("C locale") << DesktopLanguage{"-", "C", "-", "-"} << "Usage:" << EnglishDescription;
}

void TestTranslations::helpSpeaksTheDesktopLanguage() {
    QFETCH(DesktopLanguage, desktop);
    QFETCH(QString, usage);
    QFETCH(QString, description);

    const QStringList help = helpLines(desktop);

    QVERIFY2(help.size() > 2, qPrintable(help.join(QLatin1Char('\n'))));
    QVERIFY2(help[0].startsWith(usage), qPrintable(help[0]));
    QVERIFY2(help[1].startsWith(description), qPrintable(help[1]));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
