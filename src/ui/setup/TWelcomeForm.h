#pragma once

#include "core/base/LanguageTable.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace vorbix::ui {

// The welcome window offered at start: new data set, open a file, reopen the last one, receiver
// login, monitoring, connection setup, or a saved connection profile to run. It does not block the
// main window and stays in front of it. The actions themselves are the WelcomeFeature's.
class TWelcomeForm : public QDialog
{
    Q_OBJECT
public:
    explicit TWelcomeForm(QWidget* parent = nullptr);
    void setLanguage(const PopisType* lang) { m_lang = lang != nullptr ? lang : &NoTexts(); }
    void applyTexts();

    QLabel* Label1;
    QPushButton* BtnNew;
    QLabel* LabelNew;
    QPushButton* BtnOpen;
    QLabel* LabelOpen;
    QPushButton* BtnOpen2;
    QLabel* LabelOpen2;
    QLabel* LabelRecent;
    QPushButton* BtnLogin;
    QLabel* LabelLogin;
    QPushButton* BitBtn1;
    QLabel* LabelMonitor;
    QPushButton* BtnSetup;
    QLabel* LabelSetup;
    QLabel* LabelConn;
    QLabel* ConnLabel;
    QComboBox* ConnCombo;
    QPushButton* ConnOpenButton;
    QCheckBox* ShowBox;

private:
    const PopisType* m_lang = &NoTexts();
};

} // namespace vorbix::ui
