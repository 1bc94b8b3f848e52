#include "ui/app/SoundWorker.h"

#include "core/base/Sounds.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace vorbix::ui {
namespace {

constexpr int kToneSampleRate = 16000;

bool audioDevicePresent()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

} // namespace

SoundWorker::SoundWorker(QString soundsFolder) : m_soundsFolder(std::move(soundsFolder)) {}

SoundWorker::~SoundWorker() = default;

void SoundWorker::setRequest(int code, const QString& ownFile, int output)
{
    // What played before stops: the latest request decides.
    m_alarm.reset();
    m_alarm = start(code, ownFile, static_cast<SoundOutput>(output), sound::SoundRepeats(code));
}

void SoundWorker::playOnce(int code, const QString& ownFile, int output)
{
    m_once.reset();
    m_once = start(code, ownFile, static_cast<SoundOutput>(output), false);
}

std::unique_ptr<SoundWorker::Voice> SoundWorker::start(int code, const QString& ownFile, SoundOutput output,
                                                       bool repeat)
{
    if (code == sound::kSoundNone || output == SoundOutput::Off || !audioDevicePresent()) {
        return nullptr;
    }
    if (output == SoundOutput::Card) {
        const QString path = fileFor(code, ownFile);
        return path.isEmpty() ? nullptr : startFile(path, repeat);
    }
    return startTones(code, repeat);
}

QString SoundWorker::fileFor(int code, const QString& ownFile) const
{
    const QString path = code == sound::kSoundOwnFile
                             ? ownFile
                             : QDir(m_soundsFolder).filePath(QString::fromStdString(sound::SoundFileName(code)));
    // A missing file plays nothing, as the sound simply is not there.
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

std::unique_ptr<SoundWorker::Voice> SoundWorker::startFile(const QString& path, bool repeat)
{
    auto voice = std::make_unique<Voice>();
    voice->effect = std::make_unique<QSoundEffect>();
    voice->effect->setSource(QUrl::fromLocalFile(path));
    voice->effect->setLoopCount(repeat ? QSoundEffect::Infinite : 1);
    voice->effect->play(); // starts once the file is loaded; a broken file stays silent
    return voice;
}

std::unique_ptr<SoundWorker::Voice> SoundWorker::startTones(int code, bool repeat)
{
    const std::vector<std::int16_t> samples = sound::SynthesiseTones(sound::SpeakerPattern(code), kToneSampleRate);
    if (samples.empty()) {
        return nullptr;
    }
    QAudioFormat format;
    format.setSampleRate(kToneSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!device.isFormatSupported(format)) {
        return nullptr;
    }

    auto voice = std::make_unique<Voice>();
    voice->pcm = QByteArray(reinterpret_cast<const char*>(samples.data()),
                            static_cast<qsizetype>(samples.size() * sizeof(std::int16_t)));
    voice->buffer = std::make_unique<QBuffer>(&voice->pcm);
    voice->buffer->open(QIODevice::ReadOnly);
    voice->sink = std::make_unique<QAudioSink>(device, format);
    if (repeat) {
        // The permanent alarm starts over whenever the pattern has run out, until it is replaced.
        QAudioSink* sink = voice->sink.get();
        QBuffer* buffer = voice->buffer.get();
        connect(sink, &QAudioSink::stateChanged, sink, [sink, buffer](QAudio::State state) {
            if (state == QAudio::IdleState) {
                buffer->seek(0);
                sink->start(buffer);
            }
        });
    }
    voice->sink->start(voice->buffer.get());
    return voice;
}

} // namespace vorbix::ui
