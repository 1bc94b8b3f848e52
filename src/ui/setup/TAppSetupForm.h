#pragma once

#include "core/app/TConnection.h"
#include "core/base/LanguageTable.h"
#include "core/setup/SetupOptions.h"
#include "core/setup/StartupBoxes.h"

#include <QDialog>
#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace vorbix::ui {

class AccountsPage;
class ConnectionsPage;

// The application setup dialog: language, sounds, user column titles and visibility, the file
// view's sort, the on-line and list options, the monitor font, the start-up actions, the
// connection profiles and the user accounts. It works on copies of the options, handed back when
// it is confirmed; the profile list is edited in place, and the accounts are written to their file
// when the dialog is confirmed, before anything else.
class TAppSetupForm : public QDialog
{
    Q_OBJECT
public:
    struct Inputs
    {
        setup::SetupOptions options;
        std::vector<std::string> sortItems; // the user grid's column titles in display order
        app::ConnectionList* profiles = nullptr;
        std::string programFolder; // where the language files are
        std::string accountsPath;  // "Ucty.dat"
    };

    explicit TAppSetupForm(QWidget* parent = nullptr);
    void setLanguage(const PopisType* lang);

    // Fills the dialog and shows it modally. True when confirmed; options() then holds the copies.
    bool Open(const Inputs& inputs);
    const setup::SetupOptions& options() const { return m_options; }

    ConnectionsPage* connectionsPage() const { return m_connections; }
    AccountsPage* accountsPage() const { return m_accounts; }

    QTabWidget* PageControl;
    // BasicPage
    QLabel* LanguageLabel;
    QComboBox* LanguageCombo;
    QCheckBox* BackupBox;
    QCheckBox* UploadDiffBox;
    QGroupBox* SoundRadioGroup;
    std::array<QRadioButton*, 3> SoundItems; // sound card, PC speaker, sounds off
    QGroupBox* UserGroup;
    QLabel* VisibleLabel;
    std::array<QLabel*, 5> TitleLabels;     // UserIDLabel, User1Label..User4Label
    std::array<QLineEdit*, 5> TitleEdits;   // UserIDEdit, User1Edit..User4Edit
    std::array<QCheckBox*, 5> VisibleBoxes; // VisibleBoxID, VisibleBox1..VisibleBox4
    QGroupBox* SortGroup;
    QLabel* ColLabel;
    QComboBox* ColCombo;
    QRadioButton* ColUp;
    QRadioButton* ColDown;
    // OnlinePage
    QCheckBox* BeepBox;
    QCheckBox* FindBox;
    QGroupBox* HistoryRadio;
    std::array<QRadioButton*, 5> HistoryItems;
    QGroupBox* BatteryRadio;
    std::array<QRadioButton*, 5> BatteryItems;
    QGroupBox* HistoryLengthGroup;
    QLabel* HistoryLengthLabel1;
    QSpinBox* HistoryEdit;
    QLabel* HistoryLengthLabel2;
    QCheckBox* HistoryClearBox;
    QGroupBox* MonitorGroup;
    QComboBox* MonitorFontCombo;
    QLabel* MonitorTestLabel;
    // StartUpPage
    QCheckBox* WelcomeBox;
    QCheckBox* LoginBox;
    QCheckBox* DownloadBox;
    QCheckBox* OnlineBox;
    QCheckBox* MonitorBox;
    QCheckBox* OpenDataBox;
    QLineEdit* DataEdit;
    QPushButton* OpenDataButton;
    QCheckBox* OpenMonitorBox;
    QLineEdit* MonitorEdit;
    QPushButton* OpenMonitorButton;

    QPushButton* OKButton;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildBasicPage();
    QWidget* buildOnlinePage();
    QWidget* buildStartUpPage();
    void applyTexts();
    void fill(const Inputs& inputs);
    void fillFonts(const std::string& current);
    void showStartupBoxes(const setup::StartupBoxes& boxes);
    setup::StartupBoxes startupBoxes() const;
    void startupBoxChanged(setup::StartupBox box, bool checked);
    void titleLeft(int index);
    void OKButtonClick();

    const PopisType* m_lang = &NoTexts();
    setup::SetupOptions m_options;
    setup::TitleFields m_titles;
    std::string m_accountsPath;
    ConnectionsPage* m_connections = nullptr;
    AccountsPage* m_accounts = nullptr;
    QButtonGroup* m_sound = nullptr;
    QButtonGroup* m_history = nullptr;
    QButtonGroup* m_battery = nullptr;
};

} // namespace vorbix::ui
