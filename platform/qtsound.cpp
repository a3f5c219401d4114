#include "qtsound.h"

#include <QFileInfo>
#include <QHash>
#include <QMetaObject>
#include <QSemaphore>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace {
// A waiting play never blocks the window for longer than this, even when the
// audio system never reports the end of the clip.
constexpr int LongestWaitMs = 10000;
} // namespace

// Lives on the sound thread; owns one QSoundEffect per file.
class SoundWorker : public QObject {
public:
    void play(const QString& path, const std::shared_ptr<QSemaphore>& done) {
        // The new sound cuts off the one still playing, and so ends its wait.
        for (QSoundEffect* effect : std::as_const(m_effects))
            effect->stop();
        releaseWaiting();

        if (!QFileInfo(path).isFile()) {
            release(done);
            return;
        }
        QSoundEffect* effect = effectFor(path);
        effect->play();
        if (!effect->isPlaying()) {
            release(done);
            return;
        }
        m_waiting = done;
        m_waitingEffect = effect;
    }

private:
    QSoundEffect* effectFor(const QString& path) {
        QSoundEffect*& effect = m_effects[path];
        if (!effect) {
            effect = new QSoundEffect(this);
            auto ended = [this, e = effect] {
                if (e == m_waitingEffect && (!e->isPlaying() || e->status() == QSoundEffect::Error))
                    releaseWaiting();
            };
            connect(effect, &QSoundEffect::playingChanged, this, ended);
            connect(effect, &QSoundEffect::statusChanged, this, ended);
            effect->setSource(QUrl::fromLocalFile(path));
        }
        return effect;
    }

    void releaseWaiting() {
        release(m_waiting);
        m_waiting.reset();
        m_waitingEffect = nullptr;
    }

    static void release(const std::shared_ptr<QSemaphore>& done) {
        if (done)
            done->release();
    }

    QHash<QString, QSoundEffect*> m_effects;
    std::shared_ptr<QSemaphore> m_waiting;
    QSoundEffect* m_waitingEffect = nullptr;
};

QtSound::QtSound()
    : m_worker(new SoundWorker) {
    m_worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

QtSound::~QtSound() {
    m_thread.quit();
    m_thread.wait();
}

void QtSound::play(const QString& fileName, bool wait) {
    const QString path = QFileInfo(fileName).absoluteFilePath();
    std::shared_ptr<QSemaphore> done = wait ? std::make_shared<QSemaphore>() : nullptr;
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, path, done] { worker->play(path, done); });
    if (done)
        done->tryAcquire(1, LongestWaitMs);
}
