#pragma once

#include <QDialog>
#include <atomic>

class QLabel;
class QPushButton;

namespace vorbix::ui {

// The busy window: shown without blocking while the program works, centred on its parent, without
// border icons. A caller presents it with a language text, cancellable or not, and closes it when
// done. Its Cancel button sets the link's CancelRequested, which the running sequence polls; the
// flag is cleared when the window is shown with the button enabled and again when it closes.
class TInfoForm : public QDialog
{
    Q_OBJECT
public:
    explicit TInfoForm(QWidget* parent = nullptr);

    // The link's CancelRequested flag; not owned, may be null until the link exists.
    void setCancelFlag(std::atomic<bool>* cancelRequested) { m_cancelRequested = cancelRequested; }

    // Shows the window with `text`; Cancel is offered when `cancellable`.
    void present(const QString& text, bool cancellable);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setCancel(bool value);

    QLabel* m_label;
    QPushButton* m_cancelButton;
    std::atomic<bool>* m_cancelRequested = nullptr;
};

} // namespace vorbix::ui
