#include "ui/widgets/TCommForm.h"

#include "core/base/TextNumbers.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vorbix::ui {

TCommForm::TCommForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TCommForm"));
    setModal(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(280);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);

    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setDefault(true);
    connect(CancelButton, &QPushButton::clicked, this, &TCommForm::CancelButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
}

void TCommForm::ShowProgress(int progress)
{
    ProgressBar1->setValue(std::clamp(progress, 0, 100));
}

void TCommForm::setMessage(const QString& text)
{
    Label1->setText(text);
    fitToContentAndCaption(*this);
}

void TCommForm::CloseProgress()
{
    reset();
    done(QDialog::Accepted);
}

void TCommForm::CancelButtonClick()
{
    CancelPressed = true;
    if (m_cancelRequested != nullptr) {
        m_cancelRequested->store(true);
    }
}

void TCommForm::reset()
{
    ProgressBar1->setValue(0);
    CancelButton->setEnabled(true);
}

void TCommForm::showEvent(QShowEvent* event)
{
    setWindowTitle(fromCp(LangText(*m_lang, lang::kMenuCommunication)));
    CancelButton->setText(cancelText());
    fitToContentAndCaption(*this);
    CancelPressed = false;
    if (m_cancelRequested != nullptr) {
        m_cancelRequested->store(false);
    }
    reset();
    QDialog::showEvent(event);
}

void TCommForm::closeEvent(QCloseEvent* event)
{
    // Only the worker ends the dialog; the window manager's close button acts as Cancel.
    CancelButtonClick();
    event->ignore();
}

void TCommForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        CancelButtonClick();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vorbix::ui
