// Starts the program as its main() does and reports, once the main window is
// on the screen, how long that took since the process was started and the
// most memory it held. The starting script passes its clock reading in
// TAPMETER_BENCH_START_NS (CLOCK_REALTIME, nanoseconds) just before the exec.
#include "form1.h"
#include "qtclock.h"
#include "qtdialogs.h"
#include "qtsettingsstore.h"
#include "qtsound.h"
#include "qttextfiles.h"
#include "ui_form1.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

qint64 realtimeNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Quits once the window it watches is first exposed.
class ExposeWatch : public QObject {
public:
    qint64 shownNs = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && shownNs == 0 && static_cast<QWindow*>(watched)->isExposed()) {
            shownNs = realtimeNs();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tapmeter"));
    QApplication::setApplicationName(QStringLiteral("Tapmeter"));
    QApplication::setApplicationVersion(QStringLiteral("4.1"));

    QtSound sound;
    QtDialogs dialogs;
    QtSettingsStore settings;
    QtClock clock;
    QtTextFiles files;
    Services services{sound, dialogs, settings, clock, files};

    Form1 window(services);
    ExposeWatch watch;
    window.winId();
    window.windowHandle()->installEventFilter(&watch);
    window.show();
    app.exec();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const qint64 started = qEnvironmentVariableIsSet("TAPMETER_BENCH_START_NS")
                               ? qEnvironmentVariable("TAPMETER_BENCH_START_NS").toLongLong()
                               : 0;
    std::printf("startup_ms %.1f peak_mib %.1f words %d\n", (watch.shownNs - started) / 1e6, usage.ru_maxrss / 1024.0,
                window.controls()->Combo1->count());
    return 0;
}
