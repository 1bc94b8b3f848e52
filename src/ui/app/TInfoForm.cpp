#include "ui/app/TInfoForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorbix::ui {

TInfoForm::TInfoForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TInfoForm"));
    setWindowTitle(QStringLiteral("Vorbix"));
    setModal(false);

    Label1 = new QLabel(tr("Working ..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(240);

    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setEnabled(false);
    connect(CancelButton, &QPushButton::clicked, this, [this] { setCancel(true); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
}

void TInfoForm::setCancel(bool value)
{
    if (m_cancelRequested != nullptr) {
        m_cancelRequested->store(value);
    }
}

void TInfoForm::showEvent(QShowEvent* event)
{
    if (CancelButton->isEnabled()) {
        setCancel(false);
    }
    if (QWidget* owner = parentWidget()) {
        adjustSize();
        move(owner->geometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TInfoForm::hideEvent(QHideEvent* event)
{
    setCancel(false);
    CancelButton->setEnabled(false);
    QDialog::hideEvent(event);
}

void TInfoForm::keyPressEvent(QKeyEvent* event)
{
    // The window closes when the work ends, not on Escape.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vorbix::ui
