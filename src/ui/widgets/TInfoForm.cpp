#include "ui/widgets/TInfoForm.h"

#include "ui/widgets/DialogParts.h"
#include "ui/widgets/ScreenFit.h"

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

    m_label = new QLabel(tr("Working ..."), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumWidth(240);

    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
    m_cancelButton->setEnabled(false);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { setCancel(true); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_cancelButton, 0, Qt::AlignHCenter);
}

void TInfoForm::present(const QString& text, bool cancellable)
{
    m_label->setText(text);
    m_cancelButton->setEnabled(cancellable);
    show();
}

void TInfoForm::setCancel(bool value)
{
    if (m_cancelRequested != nullptr) {
        m_cancelRequested->store(value);
    }
}

void TInfoForm::showEvent(QShowEvent* event)
{
    m_cancelButton->setText(cancelText());
    if (m_cancelButton->isEnabled()) {
        setCancel(false);
    }
    if (QWidget* owner = parentWidget()) {
        fitToContentAndCaption(*this);
        move(owner->geometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TInfoForm::hideEvent(QHideEvent* event)
{
    setCancel(false);
    m_cancelButton->setEnabled(false);
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
