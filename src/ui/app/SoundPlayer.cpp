#include "ui/app/SoundPlayer.h"

#include "ui/app/SoundWorker.h"

#include <QMetaObject>

namespace vorbix::ui {

SoundOutput SoundOutputFrom(bool soundCard, bool soundSpeaker)
{
    if (soundSpeaker) {
        return SoundOutput::Speaker;
    }
    return soundCard ? SoundOutput::Card : SoundOutput::Off;
}

SoundPlayer::SoundPlayer(QString soundsFolder, QObject* parent)
    : QObject(parent), m_worker(new SoundWorker(std::move(soundsFolder)))
{
    m_thread.setObjectName(QStringLiteral("Sounds"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start(QThread::LowestPriority);
}

SoundPlayer::~SoundPlayer()
{
    m_thread.quit();
    m_thread.wait();
}

int SoundPlayer::output() const
{
    return static_cast<int>(m_output ? m_output() : SoundOutput::Off);
}

void SoundPlayer::request(int code, const QString& ownFile)
{
    m_requested = code;
    QMetaObject::invokeMethod(m_worker, "setRequest", Qt::QueuedConnection, Q_ARG(int, code), Q_ARG(QString, ownFile),
                              Q_ARG(int, output()));
}

void SoundPlayer::playOnce(int code, const QString& ownFile)
{
    QMetaObject::invokeMethod(m_worker, "playOnce", Qt::QueuedConnection, Q_ARG(int, code), Q_ARG(QString, ownFile),
                              Q_ARG(int, output()));
}

} // namespace vorbix::ui
