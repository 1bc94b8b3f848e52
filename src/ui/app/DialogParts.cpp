#include "ui/app/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace vorbix::ui {

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
