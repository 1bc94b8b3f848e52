#pragma once

#include "core/base/LanguageTable.h"

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vorbix::ui {

// The About box: the program's version, the receiver models listed in "Rx.def", and the maker's web
// and support mail addresses, each opened with the desktop's handler. Texts are applied each time
// it is shown.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // The language table (not owned) and the "Rx.def" to list; set before showing.
    void setLanguage(const PopisType* lang) { m_lang = lang; }
    void setRxDefPath(const std::string& path) { m_rxDefPath = path; }

    // The version of this build as four numbers, "major.minor.release.build".
    static QString fileVersionText();

    QLabel* CommLabel;
    QLabel* VersionLabel;
    QLabel* NumberLabel;
    QLabel* SupportLabel;
    QPlainTextEdit* RxEdit;
    QPushButton* CloseButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const PopisType* m_lang = nullptr;
    std::string m_rxDefPath;
};

} // namespace vorbix::ui
