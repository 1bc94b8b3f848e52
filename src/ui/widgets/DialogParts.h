#pragma once

#include <QString>

class QDialog;
class QComboBox;
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

// The captions Qt gives its own OK and Cancel buttons in the language in force (Qt's translations),
// for the program's plain buttons of the same meaning.
QString okText();
QString cancelText();

} // namespace vorbix::ui

namespace vorbix::ui {

// An editable combo box keeps Enter to itself (the first press only ends the editing), so a dialog
// would need two. With this, Enter in the box presses `ok` at once, unless the box's list is open.
void enterPresses(QComboBox* combo, QPushButton* ok);

} // namespace vorbix::ui
