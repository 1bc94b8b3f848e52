#pragma once

#include <QDialog>
#include <atomic>

class QLabel;
class QPushButton;

namespace vorbix::ui {

// The busy window: shown without blocking while the program works, centred on its parent, without
// border icons. A caller sets `Label1` to a language text, enables `CancelButton` when the work can
// be cancelled, shows the window and closes it when done. `CancelButton` sets the link's
// CancelRequested, which the running sequence polls; the flag is cleared when the window is shown
// with the button enabled and again when it closes.
class TInfoForm : public QDialog
{
    Q_OBJECT
public:
    explicit TInfoForm(QWidget* parent = nullptr);

    // The link's CancelRequested flag; not owned, may be null until the link exists.
    void setCancelFlag(std::atomic<bool>* cancelRequested) { m_cancelRequested = cancelRequested; }

    QLabel* Label1;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setCancel(bool value);

    std::atomic<bool>* m_cancelRequested = nullptr;
};

} // namespace vorbix::ui
