#pragma once

#include "core/base/LanguageTable.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace vorbix::ui {

// The record-selection window: a small window that stays on top while the user selects rows in the
// memory, file or history view, then presses OK (or Cancel). Its label blinks by its underline.
class TMonitorAddForm : public QWidget
{
    Q_OBJECT
public:
    explicit TMonitorAddForm(QWidget* parent);

    // Shows it 30 pixels below the top and left of the right edge of `mainWindow`.
    void FormShow(const PopisType& lang, const QWidget* mainWindow);

signals:
    void okClicked();
    // Closed by any way (OK, Cancel, the close box, a page change).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_label;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QTimer m_blink;
};

} // namespace vorbix::ui
