#pragma once

#include "core/app/TConnection.h"
#include "core/base/LanguageTable.h"
#include "core/setup/AccountEditor.h"

#include <QWidget>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QButtonGroup;
class QCheckBox;

namespace vorbix::ui {

// The Accounts page of the application setup dialog: the account editor and grid. The list is read
// from "Ucty.dat" every time the dialog shows and written only when the dialog is confirmed.
class AccountsPage : public QWidget
{
    Q_OBJECT
public:
    explicit AccountsPage(QWidget* parent = nullptr);

    void applyTexts(const PopisType& lang);
    // The saved profiles, for the connection list and the grid's texts.
    void setProfiles(const app::ConnectionList* profiles);
    // Reads the file into the list; the grid is filled and row 1 selected. A file that cannot be
    // read is reported, and the page shows no accounts and takes no changes.
    void LoadAccounts(const std::string& path);
    // Rewrites the file with the list; false, reported, when it cannot be written. A file that could
    // not be read is left as it is: writing the empty list over it would lose every account.
    [[nodiscard]] bool SaveAccounts(const std::string& path);
    const setup::AccountList& accounts() const { return m_accounts; }

    int selectedRow() const;
    void selectRow(int row);
    // The profile list changed: the grid and the connection list follow.
    void profilesChanged();

    QLabel* AccNameLabel;
    QLineEdit* AccNameEdit;
    QLabel* AccPassLabel;
    QLineEdit* AccPassEdit;
    QCheckBox* AccPassShow;
    QGroupBox* AccRightsGroup;
    QRadioButton* AccAdminRadio;
    QRadioButton* AccUserRadio;
    QLabel* AccConnLabel;
    QComboBox* AccConnCombo;
    QPushButton* AccAddButton;
    QPushButton* AccSaveButton;
    QPushButton* AccDelButton;
    QTableWidget* AccGrid;

private:
    bool m_readable = true;

    void fillGrid();
    void rowSelected(int row);
    setup::AccountForm form() const;
    void finishEdit(const setup::AccountEdit& edit);
    void setRights(std::optional<bool> admin);

    const PopisType* m_lang = &NoTexts();
    const app::ConnectionList* m_profiles = nullptr;
    setup::AccountList m_accounts;
    QButtonGroup* m_rights = nullptr;
};

} // namespace vorbix::ui
