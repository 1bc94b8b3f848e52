#pragma once

#include "core/base/LanguageTable.h"
#include "core/monitor/TMonitorData.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorbix::ui {

// The message dialog: the text and presentation of one monitor message. It works on the values its
// caller gives and hands them back only after OK. Texts and paths with "#" are refused, as they would
// shift the fields of the setup file.
class TMonitorEditForm : public QDialog
{
    Q_OBJECT
public:
    explicit TMonitorEditForm(const PopisType& lang, QWidget* parent = nullptr);

    // The captions and the values in the controls; the sound and window rules applied once.
    void FormShow(const monitor::MessageValues& values);
    // FormShow, then the modal dialog; true with `values` replaced when it was accepted.
    bool edit(monitor::MessageValues& values);
    // The values of the last accepted dialog.
    const monitor::MessageValues& acceptedValues() const { return m_accepted; }

    // Plays a sound (the sound code and the file) for the Play button; unset, Play is silent.
    std::function<void(int code, const QString& file)> playSound;

private:
    void build();
    void applyTexts();
    void SoundComboChange();
    void WindowCheckClick();
    void OpenSoundButtonClick();
    void PlayButtonClick();
    void OpenPictureButtonClick();
    void OKButtonClick();

    const PopisType& m_lang;
    monitor::MessageValues m_shown;
    monitor::MessageValues m_accepted;

    QLabel* m_textLabel = nullptr;
    QLineEdit* m_textEdit = nullptr;
    QLabel* m_colorLabel = nullptr;
    QComboBox* m_colorCombo = nullptr;
    QLabel* m_sizeLabel = nullptr;
    QComboBox* m_sizeCombo = nullptr;
    QCheckBox* m_blinkCheck = nullptr;
    QLabel* m_soundLabel = nullptr;
    QComboBox* m_soundCombo = nullptr;
    QLabel* m_soundFileLabel = nullptr;
    QLineEdit* m_soundFileEdit = nullptr;
    QPushButton* m_openSoundButton = nullptr;
    QPushButton* m_playButton = nullptr;
    QCheckBox* m_activeCheck = nullptr;
    QCheckBox* m_windowCheck = nullptr;
    QLabel* m_pictureLabel = nullptr;
    QLineEdit* m_pictureEdit = nullptr;
    QPushButton* m_openPictureButton = nullptr;
    QLabel* m_pictureSizeLabel = nullptr;
    QLabel* m_preview = nullptr;
};

} // namespace vorbix::ui
