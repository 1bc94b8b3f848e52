#include "ui/setup/TUserLoginForm.h"

#include "core/base/TextNumbers.h"
#include "ui/help/HelpContext.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorbix::ui {

TUserLoginForm::TUserLoginForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TUserLoginForm"));
    setModal(true);
    setHelpContext(this, 450);

    NameLabel = named(new QLabel(this), "NameLabel");
    NameCombo = named(new QComboBox(this), "NameCombo");
    NameCombo->setEditable(true);
    NameCombo->setInsertPolicy(QComboBox::NoInsert); // Enter confirms, it adds no item
    PassLabel = named(new QLabel(this), "PassLabel");
    PassEdit = named(new QLineEdit(this), "PassEdit");
    PassEdit->setEchoMode(QLineEdit::Password);

    const OkCancelButtons buttons = addOkCancel(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    connect(OKButton, &QPushButton::clicked, this, &TUserLoginForm::OKButtonClick);
    enterPresses(NameCombo, OKButton);

    auto* layout = new QGridLayout(this);
    layout->addWidget(NameLabel, 0, 0);
    layout->addWidget(NameCombo, 0, 1);
    layout->addWidget(PassLabel, 1, 0);
    layout->addWidget(PassEdit, 1, 1);
    layout->addWidget(buttons.box, 2, 0, 1, 2);
    layout->setColumnMinimumWidth(1, 200);
}

bool TUserLoginForm::readAccounts(setup::AccountList& accounts)
{
    std::string error;
    if (!setup::LoadAccounts(m_path, accounts, error)) {
        Dialogs::error(this, fromCp(LangText(*m_lang, lang::kFileCannotBeOpened) + " - " + error));
        return false;
    }
    return true;
}

bool TUserLoginForm::Login(const std::string& accountsPath, const AccountChosen& chosen, bool& administrator)
{
    m_path = accountsPath;
    m_chosen = chosen;
    setup::AccountList accounts;
    if (!readAccounts(accounts)) {
        return false;
    }
    if (!accounts.empty()) {
        NameCombo->clear();
        for (const setup::TAccount& account : accounts) {
            NameCombo->addItem(fromCp(account.Name));
        }
    }
    if (NameCombo->count() == 0) {
        // Without accounts there is no login.
        administrator = true;
        return true;
    }
    PassEdit->clear();
    const bool ok = exec() == QDialog::Accepted;
    administrator = m_administrator;
    return ok;
}

void TUserLoginForm::showEvent(QShowEvent* event)
{
    setWindowTitle(fromCp(LangText(*m_lang, lang::kUserLoginCaption)));
    NameLabel->setText(fromCp(LangText(*m_lang, lang::kNameLabel)));
    PassLabel->setText(fromCp(LangText(*m_lang, lang::kPassword)));
    fitToContentAndCaption(*this);
    QDialog::showEvent(event);
}

void TUserLoginForm::OKButtonClick()
{
    setup::AccountList accounts;
    if (!readAccounts(accounts)) {
        reject();
        return;
    }
    const int found = setup::MatchAccount(accounts, toCp(NameCombo->currentText()), toCp(PassEdit->text()));
    if (found < 0) {
        Dialogs::error(this, fromCp(LangText(*m_lang, lang::kWrongUserOrPassword)));
        return;
    }
    const setup::TAccount& account = accounts[static_cast<std::size_t>(found)];
    m_administrator = account.Admin;
    const bool ok = !m_chosen || m_chosen(account);
    PassEdit->clear(); // the password is not kept beyond the login
    if (ok) {
        accept();
    } else {
        reject();
    }
}

} // namespace vorbix::ui
