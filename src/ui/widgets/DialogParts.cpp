#include "ui/widgets/DialogParts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace vorbix::ui {
namespace {

class EnterPressesOk : public QObject
{
public:
    EnterPressesOk(QComboBox* combo, QPushButton* ok) : QObject(combo), m_combo(combo), m_ok(ok) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool listOpen = m_combo->view() && m_combo->view()->isVisible();
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || listOpen || !m_ok || !m_ok->isEnabled()) {
            return QObject::eventFilter(watched, event);
        }
        m_ok->click();
        return true;
    }

private:
    QComboBox* m_combo;
    QPointer<QPushButton> m_ok;
};

} // namespace

void enterPresses(QComboBox* combo, QPushButton* ok)
{
    auto* filter = new EnterPressesOk(combo, ok);
    combo->installEventFilter(filter);
    if (combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(filter);
    }
}

QString okText()
{
    return QCoreApplication::translate("QPlatformTheme", "OK");
}

QString cancelText()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

OkCancelButtons addOkCancel(QDialog* dialog)
{
    OkCancelButtons buttons;
    buttons.box = new QDialogButtonBox(dialog);
    buttons.ok = named(buttons.box->addButton(QDialogButtonBox::Ok), "OKButton");
    buttons.cancel = named(buttons.box->addButton(QDialogButtonBox::Cancel), "CancelButton");
    buttons.ok->setDefault(true);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

} // namespace vorbix::ui
