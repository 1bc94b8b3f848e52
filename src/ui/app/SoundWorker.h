#pragma once

#include "ui/app/SoundPlayer.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QAudioSink;
class QBuffer;
class QSoundEffect;

namespace vorbix::ui {

// The sound thread's side of SoundPlayer: every slot runs on that thread.
class SoundWorker : public QObject
{
    Q_OBJECT
public:
    explicit SoundWorker(QString soundsFolder);
    ~SoundWorker() override;

public slots:
    // `output` is a SoundOutput.
    void setRequest(int code, const QString& ownFile, int output);
    void playOnce(int code, const QString& ownFile, int output);

private:
    // One sound being played: a file through a sound effect or synthesised tones through a sink.
    struct Voice
    {
        // Members go in reverse: the sink stops before its buffer and samples go.
        QByteArray pcm;
        std::unique_ptr<QBuffer> buffer;
        std::unique_ptr<QAudioSink> sink;
        std::unique_ptr<QSoundEffect> effect;
    };

    std::unique_ptr<Voice> start(int code, const QString& ownFile, SoundOutput output, bool repeat);
    std::unique_ptr<Voice> startFile(const QString& path, bool repeat);
    std::unique_ptr<Voice> startTones(int code, bool repeat);
    QString fileFor(int code, const QString& ownFile) const;

    QString m_soundsFolder;
    std::unique_ptr<Voice> m_alarm;
    std::unique_ptr<Voice> m_once;
};

} // namespace vorbix::ui
