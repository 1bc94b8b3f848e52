#pragma once

#include "core/base/LanguageTable.h"

#include <QDialog>
#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vorbix::ui {

// The progress dialog of a download or upload. Shown modally while the worker transfers; the
// worker closes it. Cancel does not close it: it raises the cancel request that the transfer polls
// (a download stops, an upload asks first).
class TCommForm : public QDialog
{
    Q_OBJECT
public:
    explicit TCommForm(QWidget* parent = nullptr);

    void setLanguage(const PopisType* lang) { m_lang = lang != nullptr ? lang : &NoTexts(); }
    // The request the transfer polls (the link's CancelRequested); not owned.
    void setCancelFlag(std::atomic<bool>* cancelRequested) { m_cancelRequested = cancelRequested; }

    // Called on the user-interface thread with the worker's progress, 0..100.
    void ShowProgress(int progress);
    // The text of Label1; the window takes the size that shows it whole, also when it is already on
    // show or was sized for another text before.
    void setMessage(const QString& text);
    // Closes the dialog when the worker is done.
    void CloseProgress();

    bool CancelPressed = false;

    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CancelButtonClick();
    void reset();

    const PopisType* m_lang = &NoTexts();
    std::atomic<bool>* m_cancelRequested = nullptr;
};

} // namespace vorbix::ui
