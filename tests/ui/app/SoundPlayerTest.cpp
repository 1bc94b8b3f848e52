// The sound player never holds anyone up: requests of every kind, with or without an audio device
// and with files that are missing or not sound at all, return at once and the player ends cleanly.
#include "ui/app/SoundPlayer.h"

#include "support/TempFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace vorbix;

TEST(SoundPlayerTest, RequestsOfEveryKindReturnAtOnceAndThePlayerEnds)
{
    test::TempFolder folder;
    folder.write("broken.wav", "not a sound");
    QElapsedTimer clock;
    clock.start();
    for (const ui::SoundOutput output : {ui::SoundOutput::Off, ui::SoundOutput::Card, ui::SoundOutput::Speaker}) {
        ui::SoundPlayer player(QString::fromStdString(folder.path())); // no Sounds folder at all
        player.setOutput(output);
        player.request(5); // the permanent alarm
        player.playOnce(1);
        player.request(6, QString::fromStdString(folder.file("broken.wav")));
        player.request(6, QStringLiteral("/nonexistent/alarm.wav"));
        player.request(4);
        QApplication::processEvents();
        player.request(0);
    }
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(SoundPlayerTest, TheSpeakerWinsWhenBothOutputsAreSet)
{
    EXPECT_EQ(ui::SoundOutputFrom(true, true), ui::SoundOutput::Speaker);
    EXPECT_EQ(ui::SoundOutputFrom(true, false), ui::SoundOutput::Card);
    EXPECT_EQ(ui::SoundOutputFrom(false, true), ui::SoundOutput::Speaker);
    EXPECT_EQ(ui::SoundOutputFrom(false, false), ui::SoundOutput::Off);
}
