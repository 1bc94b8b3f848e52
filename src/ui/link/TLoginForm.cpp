#include "ui/link/TLoginForm.h"

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

TLoginForm::TLoginForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TLoginForm"));
    setModal(true);

    LabelRxType = named(new QLabel(this), "LabelRxType");
    RxType = named(new QLabel(this), "RxType");
    LabelPassword = named(new QLabel(this), "LabelPassword");
    LabelFirstLog = named(new QLabel(this), "LabelFirstLog");
    LabelFirstLog->setWordWrap(true);
    EditPassword = named(new QLineEdit(this), "EditPassword");
    EditPassword->setEchoMode(QLineEdit::Password);

    const OkCancelButtons buttons = addOkCancel(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    connect(OKButton, &QPushButton::clicked, this, &TLoginForm::OKButtonClick);

    auto* layout = new QGridLayout(this);
    layout->addWidget(LabelRxType, 0, 0);
    layout->addWidget(RxType, 0, 1);
    layout->addWidget(LabelPassword, 1, 0);
    layout->addWidget(EditPassword, 1, 1);
    layout->addWidget(LabelFirstLog, 2, 0, 1, 2);
    layout->addWidget(buttons.box, 3, 0, 1, 2);
}

void TLoginForm::showEvent(QShowEvent* event)
{
    setWindowTitle(fromCp(LangText(*m_lang, lang::kLoginCaption)));
    LabelRxType->setText(fromCp(LangText(*m_lang, lang::kReceiverType)));
    LabelPassword->setText(fromCp(LangText(*m_lang, lang::kPassword)));
    LabelFirstLog->setText(fromCp(LangText(*m_lang, lang::kLoginNote)));
    RxType->setText(fromCp(RxTypeText));
    EditPassword->clear();
    EditPassword->setFocus();
    fitToContentAndCaption(*this);
    QDialog::showEvent(event);
}

void TLoginForm::OKButtonClick()
{
    const auto verdict = link::CheckLoginPassword(toCp(EditPassword->text()), RxPassword);
    if (verdict == link::PasswordVerdict::Accepted) {
        done(kPasswordCorrect);
        return;
    }
    Dialogs::error(this,
                   fromCp(verdict == link::PasswordVerdict::TooLong ? LangText(*m_lang, lang::kPasswordTooLongForDialog)
                                                                    : LangText(*m_lang, lang::kWrongPassword)));
    EditPassword->setFocus();
}

} // namespace vorbix::ui
