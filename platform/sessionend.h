#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT, which a logout, a shutdown or Ctrl+C in a
// terminal send, reach the program as the signal requested(), on the window
// thread once its event loop runs; then every event loop ends.
class SessionEnd : public QObject {
    Q_OBJECT

public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

signals:
    void requested();

private:
    void receive();

    QSocketNotifier* m_notifier = nullptr;
};
