#include "platform/qtsound.h"

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QMetaObject>
#include <QSemaphore>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

// A waiting play never blocks the window for longer than the clip plus this
// margin, even when the audio system never reports the end of the clip.
constexpr int WaitMarginMs = 500;
constexpr int LongestWaitMs = 10000;

quint32 littleEndian32(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

// The length of a PCM wave file from its header; 0 when it is not one.
int clipDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(4096);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return 0;
    quint32 byteRate = 0;
    qsizetype at = 12;
    while (at + 8 <= header.size()) {
        const QByteArray id = header.mid(at, 4);
        const quint32 size = littleEndian32(header, at + 4);
        if (id == "fmt " && at + 20 <= header.size())
            byteRate = littleEndian32(header, at + 16);
        if (id == "data")
            return byteRate == 0 ? 0 : int(std::min<quint64>(quint64(size) * 1000 / byteRate, LongestWaitMs));
        at += 8 + size + (size & 1);
    }
    return 0;
}

} // namespace

// Lives on the sound thread; owns one QSoundEffect per file.
class SoundWorker : public QObject {
public:
    void play(const QString& path, const std::shared_ptr<QSemaphore>& done) {
        // The new sound cuts off the one still playing, and so ends its wait.
        for (QSoundEffect* effect : std::as_const(m_effects))
            effect->stop();
        releaseWaiting();

        if (!QFileInfo(path).isFile() || QMediaDevices::defaultAudioOutput().isNull()) {
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
        done->tryAcquire(1, std::min(clipDurationMs(path) + WaitMarginMs, LongestWaitMs));
}
