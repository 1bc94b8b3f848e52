#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace vorbix::ui {

// Gives a widget the program's component name as its object name, so tests and the help find it.
template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The OK and Cancel buttons of a dialog, named OKButton and CancelButton: OK is the default button,
// so Enter confirms; Cancel rejects the dialog, as Escape does. The caller connects OK and puts the
// box into its layout.
struct OkCancelButtons
{
    QDialogButtonBox* box = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
OkCancelButtons addOkCancel(QDialog* dialog);

} // namespace vorbix::ui
