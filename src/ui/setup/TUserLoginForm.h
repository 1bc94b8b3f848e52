#pragma once

#include "core/base/LanguageTable.h"
#include "core/setup/Accounts.h"

#include <QDialog>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorbix::ui {

// The application user login at start: an account name (typed or picked) and its password. OK
// reads "Ucty.dat" again and takes the first account with that name and password; none gives text
// 294 and the dialog stays open as typed. The chosen account's profile is run before the dialog
// closes, and its result decides OK or Cancel.
class TUserLoginForm : public QDialog
{
    Q_OBJECT
public:
    // Runs the chosen account (its profile, files and actions); false closes the dialog with Cancel.
    using AccountChosen = std::function<bool(const setup::TAccount& account)>;

    explicit TUserLoginForm(QWidget* parent = nullptr);
    void setLanguage(const PopisType* lang) { m_lang = lang != nullptr ? lang : &NoTexts(); }

    // Shows the dialog modally for the accounts of `accountsPath`. Without any account it is not
    // shown and the result is OK with administrator rights. `administrator` gives the rights of
    // the account that logged in. False for Cancel, and when the file cannot be read (reported).
    bool Login(const std::string& accountsPath, const AccountChosen& chosen, bool& administrator);

    QLabel* NameLabel;
    QComboBox* NameCombo;
    QLabel* PassLabel;
    QLineEdit* PassEdit;
    QPushButton* OKButton;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKButtonClick();
    bool readAccounts(setup::AccountList& accounts);

    const PopisType* m_lang = &NoTexts();
    std::string m_path;
    AccountChosen m_chosen;
    bool m_administrator = false;
};

} // namespace vorbix::ui
