#include "ui/link/TChangePassForm.h"

#include "core/base/TextNumbers.h"
#include "core/link/PasswordRules.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorbix::ui {

TChangePassForm::TChangePassForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TChangePassForm"));
    setModal(true);

    LabelRxType = named(new QLabel(this), "LabelRxType");
    RxType = named(new QLabel(this), "RxType");
    LabelOldPass = named(new QLabel(this), "LabelOldPass");
    LabelNewPass = named(new QLabel(this), "LabelNewPass");
    LabelFirstLog = named(new QLabel(tr("No password"), this), "LabelFirstLog");
    EditOldPass = named(new QLineEdit(this), "EditOldPass");
    EditNewPass = named(new QLineEdit(this), "EditNewPass");
    EditOldPass->setEchoMode(QLineEdit::Password);
    EditNewPass->setEchoMode(QLineEdit::Password);

    const OkCancelButtons buttons = addOkCancel(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    connect(OKButton, &QPushButton::clicked, this, &TChangePassForm::OKButtonClick);

    auto* layout = new QGridLayout(this);
    layout->addWidget(LabelRxType, 0, 0);
    layout->addWidget(RxType, 0, 1);
    layout->addWidget(LabelOldPass, 1, 0);
    layout->addWidget(EditOldPass, 1, 1);
    layout->addWidget(LabelFirstLog, 1, 1);
    layout->addWidget(LabelNewPass, 2, 0);
    layout->addWidget(EditNewPass, 2, 1);
    layout->addWidget(buttons.box, 3, 0, 1, 2);
}

void TChangePassForm::showEvent(QShowEvent* event)
{
    setWindowTitle(fromCp(LangText(*m_lang, lang::kChangePasswordCaption)));
    LabelRxType->setText(fromCp(LangText(*m_lang, lang::kReceiverType)));
    LabelOldPass->setText(fromCp(LangText(*m_lang, lang::kOldPassword)));
    LabelNewPass->setText(fromCp(LangText(*m_lang, lang::kNewPassword)));
    RxType->setText(fromCp(RxTypeText));
    EditOldPass->clear();
    EditNewPass->clear();

    const bool hasPassword = !RxPassword.empty();
    EditOldPass->setVisible(hasPassword);
    LabelFirstLog->setVisible(!hasPassword);
    if (!hasPassword) {
        LabelFirstLog->setText(fromCp(LangText(*m_lang, lang::kNoPassword)));
    }
    (hasPassword ? EditOldPass : EditNewPass)->setFocus();
    fitToContentAndCaption(*this);
    QDialog::showEvent(event);
}

void TChangePassForm::OKButtonClick()
{
    const std::string newPassword = toCp(EditNewPass->text());
    switch (link::CheckPasswordChange(toCp(EditOldPass->text()), newPassword, RxPassword)) {
    case link::PasswordVerdict::Accepted:
        RxPassword = newPassword;
        accept();
        break;
    case link::PasswordVerdict::Wrong:
        Dialogs::error(this, fromCp(LangText(*m_lang, lang::kWrongPassword)));
        EditOldPass->setFocus();
        break;
    case link::PasswordVerdict::TooLong:
        Dialogs::error(this, fromCp(LangText(*m_lang, lang::kPasswordTooLongForDialog)));
        EditNewPass->setFocus();
        break;
    case link::PasswordVerdict::Unchanged:
        break;
    }
}

} // namespace vorbix::ui
