// Starts the main window as app/main.cpp does, in the desktop's language, without the command line, the per-user
// folder, the folder lock and the session-end watcher, and reports the time from TAPMETER_BENCH_START_NS
// (CLOCK_REALTIME ns, read by bench/run.sh just before the exec) to the main window's first expose, and the peak
// memory.
#include "app/translations.h"
#include "platform/qtservices.h"
#include "trainer/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Quits once the window it watches is first exposed; system_clock is CLOCK_REALTIME.
struct ExposeWatch : QObject {
    qint64 shownNs = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && shownNs == 0 && static_cast<QWindow*>(watched)->isExposed()) {
            shownNs = std::chrono::nanoseconds(std::chrono::system_clock::now().time_since_epoch()).count();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    identifyApplication();
    installDesktopLanguage();
    QtServices platform;
    Form1 window(platform.services);
    ExposeWatch watch;
    window.winId();
    window.windowHandle()->installEventFilter(&watch);
    window.show();
    app.exec();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const qint64 started = qEnvironmentVariable("TAPMETER_BENCH_START_NS").toLongLong();
    std::printf("startup_ms %.1f peak_mib %.1f words %d\n", (watch.shownNs - started) / 1e6, usage.ru_maxrss / 1024.0,
                window.findChild<QComboBox*>(QStringLiteral("Combo1"))->count());
    return 0;
}
