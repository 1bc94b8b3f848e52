#pragma once

#include "core/base/LanguageTable.h"

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorbix::ui {

// Changes the receiver password. With no current password the old-password field is hidden and
// LabelFirstLog says so. On OK the dialog closes with Accepted and RxPassword holds the new
// password (empty removes it); a new password equal to the current one is silently not accepted.
class TChangePassForm : public QDialog
{
    Q_OBJECT
public:
    explicit TChangePassForm(QWidget* parent = nullptr);
    void setLanguage(const PopisType* lang) { m_lang = lang != nullptr ? lang : &NoTexts(); }

    std::string RxTypeText;
    std::string RxPassword;

    QLabel* LabelRxType;
    QLabel* RxType;
    QLabel* LabelOldPass;
    QLabel* LabelNewPass;
    QLabel* LabelFirstLog;
    QLineEdit* EditOldPass;
    QLineEdit* EditNewPass;
    QPushButton* OKButton;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKButtonClick();

    const PopisType* m_lang = &NoTexts();
};

} // namespace vorbix::ui
