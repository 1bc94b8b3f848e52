#pragma once

#include "core/app/TConnection.h"
#include "core/base/LanguageTable.h"
#include "core/setup/ProfileEditor.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vorbix::ui {

// The Connections page of the application setup dialog: the profile editor and the grid of the
// saved profiles. It edits the program's profile list in place, so its changes stay in force
// when the dialog is cancelled and reach the file with the next settings save.
class ConnectionsPage : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionsPage(QWidget* parent = nullptr);

    void applyTexts(const PopisType& lang);
    // The list the page edits; the grid is filled and row 1 selected.
    void setProfiles(app::ConnectionList* profiles);
    // The grid row selected (from 1).
    int selectedRow() const;
    void selectRow(int row);

    void AddButtonClick();
    void SaveButtonClick();
    void DelButtonClick();

    QLabel* NameLabel;
    QLineEdit* NameEdit;
    QGroupBox* ConnTypeRadio;
    QRadioButton* ComRadio;
    QRadioButton* TcpRadio;
    QLabel* NumLabel;
    QComboBox* ComboPortNum;
    QLabel* SpeedLabel;
    QComboBox* ComboPortSpeed;
    QLabel* BitsLabel;
    QLabel* IPAddressLabel;
    QLineEdit* IPAddressEdit;
    QLabel* IPPortLabel;
    QLineEdit* IPPortEdit;
    QCheckBox* ConnDownloadBox;
    QCheckBox* ConnOnlineBox;
    QCheckBox* ConnMonitorBox;
    QCheckBox* ConnOpenDataBox;
    QLineEdit* ConnDataEdit;
    QPushButton* ConnOpenDataButton;
    QCheckBox* ConnOpenMonitorBox;
    QLineEdit* ConnMonitorEdit;
    QPushButton* ConnOpenMonitorButton;
    QPushButton* AddButton;
    QPushButton* SaveButton;
    QPushButton* DelButton;
    QTableWidget* ConnGrid;

signals:
    // The grid was refilled: the accounts page offers the saved profiles' names again.
    void profilesChanged();

private:
    void fillGrid();
    void rowSelected(int row);
    void showForm(const setup::ProfileForm& form);
    setup::ProfileForm form() const;
    void finishEdit(const setup::ProfileEdit& edit);
    void showTypeControls();
    void enableFileFields();

    const PopisType* m_lang = &NoTexts();
    app::ConnectionList* m_profiles = nullptr;
};

} // namespace vorbix::ui
