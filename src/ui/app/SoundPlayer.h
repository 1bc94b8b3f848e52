#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <functional>

namespace vorbix::ui {

class SoundWorker;

// Where the program's sounds go: the sound card plays the sound files, the speaker setting plays
// the tone patterns synthesised (a desktop has no PC speaker to drive), or nothing plays.
enum class SoundOutput
{
    Off,
    Card,
    Speaker,
};

// With both settings on the speaker wins, as in the setup dialog.
SoundOutput SoundOutputFrom(bool soundCard, bool soundSpeaker);

// Plays the beep of on-line mode and the monitor's alarms on a thread of its own, so that neither
// waits for a sound nor for the audio system. Without an audio device, or with a missing or broken
// file, nothing plays and nothing fails.
class SoundPlayer : public QObject
{
    Q_OBJECT
public:
    // `soundsFolder`: the program folder's "Sounds" folder with SBeep.wav ... Permanent.wav.
    explicit SoundPlayer(QString soundsFolder, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Where sounds go, asked at every request (the setup may change it between two); the main
    // window derives it from the settings.
    void setOutputSource(std::function<SoundOutput()> source) { m_output = std::move(source); }
    void setOutput(SoundOutput output)
    {
        setOutputSource([output] { return output; });
    }
    // The one alarm sound: the latest request replaces what plays, code 0 silences it, code 5
    // repeats until then. `ownFile` is the message's sound file for code 6.
    void request(int code, const QString& ownFile = QString());
    // The code of the latest alarm request (0 after a silencing one): what the alarm is now.
    int requestedCode() const { return m_requested; }
    // A sound played once beside the alarm (the beep of a received event).
    void playOnce(int code, const QString& ownFile = QString());

private:
    int output() const;

    QThread m_thread;
    SoundWorker* m_worker;
    std::function<SoundOutput()> m_output;
    int m_requested = 0;
};

} // namespace vorbix::ui
