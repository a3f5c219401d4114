// The program on real files under stress: results.dat written on a failing disk by the Save button, on closing and
// by the merge, and results files no typist would write.
#include "tests/harness.h"
#include "database/resultsformat.h"
#include "platform/qtappendfiles.h"
#include "platform/qtsettingsstore.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

enum class Fault { PathIsFolder, FolderRemoved, DiskFull };
enum class Caller { SaveButton, Closing, Merge };

const QByteArray OldResults = ":::house\r\n4.3\r\nD0\r\nTypist\r\n:::garden\r\n-\r\nna\r\nna\r\n";
// A word that makes the new file too long for the file-size limit the old one fits in.
const QByteArray LongWord(1100, 'k');
const QByteArray FriendResults = ":::house\r\n3.1\r\nD1\r\nFriend\r\n:::" + LongWord + "\r\n2.2\r\nD1\r\nFriend\r\n";
const QByteArray SavedResults = OldResults + ":::" + LongWord + "\r\n-\r\nna\r\nna\r\n";
const QByteArray MergedResults =
    ":::house\r\n3.1\r\nD1\r\nFriend\r\n:::garden\r\n-\r\nna\r\nna\r\n:::" + LongWord + "\r\n2.2\r\nD1\r\nFriend\r\n";

// A file may not grow past 1 KiB; with SIGXFSZ ignored, the write fails with EFBIG.
bool limitFileSize(bool on) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = on ? 1024 : limit.rlim_max;
    std::signal(SIGXFSZ, on ? SIG_IGN : SIG_DFL);
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool applyFault(Fault fault, const Form1Harness& h) {
    if (fault == Fault::PathIsFolder)
        return QFile::remove(h.resultsPath()) && QDir().mkdir(h.resultsPath());
    return fault == Fault::FolderRemoved ? QDir(h.workFolder).removeRecursively() : limitFileSize(true);
}

// Takes any fault away again.
void clearFaults(const Form1Harness& h) {
    limitFileSize(false);
    QDir(h.resultsPath()).removeRecursively();
    QDir().mkpath(h.workFolder);
    QDir::setCurrent(h.workFolder);
}

// The old state, with no file written anywhere, least of all in the root folder, which a vanished working folder
// might resolve to.
bool oldStateKept(Fault fault, const Form1Harness& h) {
    const QStringList files = QDir(h.workFolder).entryList(QDir::Files | QDir::Hidden);
    if (fault == Fault::DiskFull)
        return files == QStringList{"results.dat"} && readFile(h.resultsPath()) == OldResults;
    return files.isEmpty() && !QFileInfo::exists(QStringLiteral("/results.dat"));
}

// What both windows show: the lists, the records, the marks.
QStringList memory(const Form1Harness& h) {
    QStringList held = h.listed() << h.ui->Text2->text() << h.ui->Text3->text() << h.ui->Text4->text();
    if (h.window) {
        held << entries(h.w->ImageCombo1) << entries(h.w->ImageCombo2) << h.w->Text6->text() << h.w->Text7->text()
             << h.w->Text8->text();
        for (int mark : marks(h.w->ImageCombo1) + marks(h.w->ImageCombo2))
            held << QString::number(mark);
    }
    return held;
}

// Writes results.dat the caller's way; false when the main window stays open.
bool write(Form1Harness& h, Caller caller) {
    if (caller == Caller::Closing)
        return h.form->close();
    caller == Caller::Merge ? h.w->Command5->click() : h.ui->Command4->click();
    return true;
}

constexpr qsizetype MiB = 1024 * 1024;

// The same random bytes every run, without a colon so that no marker turns up by chance.
QByteArray garbage(qsizetype size) {
    QList<quint32> words(size / 4);
    QRandomGenerator(7).fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.constData()), size).replace(':', ';');
}

QByteArray records(int count) {
    return numbered(count, ":::w%1\r\n%1.5\r\nD%1\r\nN%1\r\n").join("").toLatin1();
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void failedWriteLosesNothing_data();
    void failedWriteLosesNothing();
    void hostileFilesLoadAsTheRulesSay_data();
    void hostileFilesLoadAsTheRulesSay();
    void historyIsReadAndAddedToOnlyAsARegularFile_data();
    void historyIsReadAndAddedToOnlyAsARegularFile();
    void copyIsNoMoreOpenAndReplacesALink();
    void unsavedSettingsAreTold();
};

void TestStress::failedWriteLosesNothing_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Caller>("caller");
    const char* const faults[] = {"path is a folder", "working folder removed", "disk full"};
    const char* const callers[] = {"Save button", "closing", "merge"};
    for (int fault = 0; fault < int(std::size(faults)); ++fault) {
        for (int caller = 0; caller < int(std::size(callers)); ++caller)
            QTest::addRow("%s, %s", faults[fault], callers[caller]) << Fault(fault) << Caller(caller);
    }
}

// The old file stays whole, the typist is told, nothing in memory changes, and the write works once the fault is
// gone.
void TestStress::failedWriteLosesNothing() {
    QFETCH(Fault, fault);
    QFETCH(Caller, caller);
    if (fault == Fault::FolderRemoved && QFileInfo::exists(QStringLiteral("/results.dat")))
        QSKIP("/results.dat exists already; a stray write there could not be told apart");

    Form1Harness h(Files::Real);
    const QString friendPath = h.root.filePath(QStringLiteral("friend.dat"));
    QVERIFY(writeFile(h.resultsPath(), OldResults) && writeFile(friendPath, FriendResults));
    h.start();
    h.fakes.dialogs.promptAnswers << QString::fromLatin1(LongWord);
    h.ui->Command3->click();
    if (caller == Caller::Merge)
        h.openSources(friendPath, h.resultsPath());
    const QStringList before = memory(h);

    const auto cleanUp = qScopeGuard([&] { clearFaults(h); });
    QVERIFY(applyFault(fault, h));
    QCOMPARE(write(h, caller), caller != Caller::Closing);
    const QStringList told =
        h.fakes.dialogs.texts(caller == Caller::Closing ? FakeDialogs::Kind::Confirm : FakeDialogs::Kind::Message);
    const QString reason = caller == Caller::Merge ? "Could not write " + h.resultsPath() + ": "
                                                   : QStringLiteral("Could not save results.dat: ");
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].startsWith(reason) && told[0].size() > reason.size() + 2, qPrintable(told[0]));
    QVERIFY(oldStateKept(fault, h));
    QCOMPARE(memory(h), before);

    clearFaults(h);
    QVERIFY(write(h, caller));
    QCOMPARE(readFile(h.resultsPath()), caller == Caller::Merge ? MergedResults : SavedResults);
}

void TestStress::hostileFilesLoadAsTheRulesSay_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QByteArray>("saved"); // the records as written back
    // Lines before the first marker are skipped, however many.
    const QByteArray last = ":::last\r\n1.5\r\nD\r\nN\r\n";
    QTest::newRow("100 MB of garbage") << garbage(100 * MiB) + '\r' + last << QStringList{"last"} << last;
    QTest::newRow("only CRs") << QByteArray(10 * MiB, '\r') << QStringList() << QByteArray();
    const QByteArray nul = QByteArrayLiteral(":::a\0b\r\n\0\r\n\0\0\r\nna\0me\r\n");
    QTest::newRow("NUL bytes") << QByteArray(MiB, '\0') + '\r' + nul + QByteArray(MiB, '\0')
                               << QStringList{QString::fromLatin1("a\0b", 3)} << nul;
    const QByteArray longLine =
        ":::long\r\n1\r\nD\r\n" + garbage(10 * MiB).replace('\r', 'r') + "\r\n:::next\r\n2\r\nd\r\nn\r\n";
    QTest::newRow("10 MB line") << longLine << QStringList{"long", "next"} << longLine;
    // Written back the same size, but not the same.
    QTest::newRow("a short record, a blank line")
        << QByteArray(":::a\r\n1\r\nD\r\n:::b\r\n2\r\nD\r\nN\r\n\r\n") << QStringList{"a", "b"}
        << QByteArray(":::a\r\n1\r\nD\r\n\r\n:::b\r\n2\r\nD\r\nN\r\n");
    QTest::newRow("10,000 records") << records(10000) << numbered(RecordTable::Slots, "w%1")
                                    << records(RecordTable::Slots);
}

// Both windows list what the reading rules make of the file, once each, and write it back without losing a byte.
void TestStress::hostileFilesLoadAsTheRulesSay() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, words);
    QFETCH(QByteArray, saved);
    // A file not read whole is told of once and kept before it is first replaced.
    const bool readWhole = file == saved;
    Form1Harness h(Files::Real);
    QVERIFY(writeFile(h.resultsPath(), file));
    bool toldOverWindow = false;
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { toldOverWindow = h.form && h.form->isVisible(); };
    h.start();
    h.form->show();
    QCoreApplication::processEvents();
    QCOMPARE(h.listed(), words);
    QCOMPARE(h.fakes.dialogs.messages().size(), readWhole ? 0 : 1);
    QVERIFY(readWhole || (toldOverWindow && h.fakes.dialogs.messages()[0].contains("results.dat.bak")));
    h.ui->Command4->click();
    QCOMPARE(readFile(h.resultsPath()), saved);
    QCOMPARE(readFile(h.resultsPath() + ".bak"), readWhole ? QByteArray() : file);
    // As Source 2 of a merge from a plain file; writing back 101 of 10,000 records would lose the rest, so nothing is
    // merged.
    const bool refused = words.size() == RecordTable::Slots;
    const QString hostilePath = h.root.filePath("hostile.dat");
    const QByteArray plain = ":::house\r\n4.3\r\nD\r\nN\r\n";
    QVERIFY(writeFile(hostilePath, file) && writeFile(h.root.filePath("plain.dat"), plain));
    h.openSources(h.root.filePath("plain.dat"), hostilePath);
    QCOMPARE(entries(h.w->ImageCombo2), words);
    h.w->Command5->click();
    QCOMPARE(readFile(hostilePath), refused ? file : saved + plain);
    QCOMPARE(readFile(hostilePath + ".bak"), readWhole || refused ? QByteArray() : file);
    QCOMPARE(h.fakes.dialogs.messages().last().endsWith(hostilePath + ".bak."), !readWhole && !refused);
}

enum class HistoryFile { NamedPipe, LinkToZeros, CutByFullDisk, MillionLines, BeyondAnyHistory };

void TestStress::historyIsReadAndAddedToOnlyAsARegularFile_data() {
    QTest::addColumn<HistoryFile>("history");
    QTest::addColumn<qint64>("sizeRead"); // -1: not read; the file is never added to but where this is 0
    QTest::newRow("a named pipe") << HistoryFile::NamedPipe << qint64(-1);
    QTest::newRow("a link to /dev/zero") << HistoryFile::LinkToZeros << qint64(-1);
    QTest::newRow("cut short by a full disk") << HistoryFile::CutByFullDisk << qint64(-1);
    QTest::newRow("a million lines") << HistoryFile::MillionLines << qint64(100'000'000);
    QTest::newRow("beyond any history") << HistoryFile::BeyondAnyHistory << qint64(AppendFiles::ReadLimit);
}

// What is no regular file reads as no history and is never added to, without waiting; a line cut short comes off
// again; reading stops far beyond any real history.
void TestStress::historyIsReadAndAddedToOnlyAsARegularFile() {
    QFETCH(HistoryFile, history);
    QFETCH(qint64, sizeRead);
    QTemporaryDir dir;
    const QString path = dir.filePath("history.csv");
    QFile file(path);
    const QByteArray old(1000, 'x');
    const bool sparse = history == HistoryFile::MillionLines || history == HistoryFile::BeyondAnyHistory;
    QVERIFY(history != HistoryFile::NamedPipe || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    QVERIFY(history != HistoryFile::LinkToZeros || QFile::link("/dev/zero", path));
    QVERIFY(history != HistoryFile::CutByFullDisk || writeFile(path, old));
    const qint64 sparseSize = history == HistoryFile::MillionLines ? sizeRead : sizeRead + 1000;
    QVERIFY(!sparse || (file.open(QIODevice::WriteOnly) && file.resize(sparseSize) && file.flush()));

    QString error;
    QByteArray bytes;
    QVERIFY(QtAppendFiles().read(path, &bytes, &error));
    QCOMPARE(bytes.size(), sizeRead == -1 ? history == HistoryFile::CutByFullDisk ? old.size() : 0 : sizeRead);
    const auto cleanUp = qScopeGuard([] { limitFileSize(false); });
    QVERIFY(limitFileSize(history == HistoryFile::CutByFullDisk));
    QCOMPARE(QtAppendFiles().append(path, "", QByteArray(100, 'y'), &error), sparse);
    QVERIFY2(sparse || !error.isEmpty(), "a reason is told");
    QCOMPARE(QFileInfo(path).size(), history == HistoryFile::CutByFullDisk ? old.size()
                                     : sparse                              ? sparseSize + 102
                                                                           : 0);
}

// A results.dat that is no one else's to read keeps a copy that is not either, and the copy replaces a link in its
// place rather than write to where the link leads.
void TestStress::copyIsNoMoreOpenAndReplacesALink() {
    Form1Harness h(Files::Real);
    const QString elsewhere = h.root.filePath("elsewhere"), copy = h.resultsPath() + ".bak";
    const QByteArray junk = "junk\r\n" + OldResults;
    QVERIFY(writeFile(h.resultsPath(), junk) && writeFile(elsewhere, "mine") && QFile::link(elsewhere, copy));
    QVERIFY(QFile::setPermissions(h.resultsPath(), QFile::ReadOwner | QFile::WriteOwner));
    h.start();
    h.ui->Command4->click();
    QCOMPARE(readFile(elsewhere), "mine");
    QVERIFY(!QFileInfo(copy).isSymLink());
    QCOMPARE(readFile(copy), junk);
    QCOMPARE(QFileInfo(copy).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

// Settings that cannot be written are told like results.dat that cannot, and results.dat is saved all the same.
void TestStress::unsavedSettingsAreTold() {
    Form1Harness h(Files::Real);
    // Where the settings' folder should be, there is a file.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, h.root.path());
    QVERIFY(writeFile(h.root.filePath("Tapmeter"), ""));
    QtSettingsStore settings;
    Services services{h.fakes.sound, h.fakes.dialogs, settings, h.fakes.clock, *h.realFiles, h.fakes.appendFiles};
    Form1 window(services);
    window.findChild<QPushButton*>("Command4")->click();
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Could not save the settings in Tapmeter.ini."});
    QVERIFY(QFileInfo(h.resultsPath()).isFile());
}

QTEST_MAIN(TestStress)
#include "test_stress.moc"
