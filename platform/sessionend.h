#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT, which a logout, a shutdown or Ctrl+C in a
// terminal send, and the session manager's request to save reach the program
// as the signal requested(), on the window thread once its event loop runs;
// then every event loop ends. Signals that come after it are absorbed until
// the program has ended.
class SessionEnd : public QObject {
    Q_OBJECT

public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

signals:
    void requested();

private:
    void receive();
    void end();

    QSocketNotifier* m_notifier = nullptr;
};

// Writing to a pipe nobody reads fails instead of ending the program, which
// would lose what it has not saved. Called first thing, before anything can
// write to the standard output or error.
void ignoreBrokenPipes();
