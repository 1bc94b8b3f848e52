#pragma once

#include "core/base/LanguageTable.h"

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorbix::ui {

// Asks for the receiver password at login. Closes with kPasswordCorrect when the typed password
// equals RxPassword; Cancel or Escape abandon the login.
class TLoginForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kPasswordCorrect = 10;

    explicit TLoginForm(QWidget* parent = nullptr);
    void setLanguage(const PopisType* lang) { m_lang = lang != nullptr ? lang : &NoTexts(); }

    std::string RxTypeText; // the receiver's description, cp1250
    std::string RxPassword; // the password read from the receiver, cp1250

    QLabel* LabelRxType;
    QLabel* RxType;
    QLabel* LabelPassword;
    QLabel* LabelFirstLog;
    QLineEdit* EditPassword;
    QPushButton* OKButton;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKButtonClick();

    const PopisType* m_lang = &NoTexts();
};

} // namespace vorbix::ui
