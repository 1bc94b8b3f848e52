#pragma once

#include "core/base/LanguageTable.h"
#include "core/online/StatusBlock.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorbix::ui {

// `PanelOnline` at the bottom of the main window, on-line mode's: the last transmitter, button and
// memory slot ("-" until known), the low-battery and temperature labels (hidden) and `BtnAdd`
// (disabled).
class OnlinePanel : public QFrame
{
    Q_OBJECT
public:
    explicit OnlinePanel(QWidget* parent = nullptr);

    void applyTexts(const PopisType& lang);

    // A status read: the transmitter and button always; the memory slot, the battery and the
    // temperature when it shows an event. Add is no longer offered.
    void showStatus(const online::PanelView& view);
    // The transmitter and button last shown.
    QString lastTransmitter() const;
    QString lastButton() const;
    void offerAdd(bool offered);
    bool addOffered() const;

signals:
    void addClicked();

private:
    QLabel* m_lastTx;
    QLabel* m_lastBtn;
    QLabel* m_lastMem;
    QLineEdit* m_editLastTx;
    QLineEdit* m_editLastBtn;
    QLineEdit* m_editLastMem;
    QLabel* m_lowBattLabel;
    QLabel* m_tempLabel;
    QPushButton* m_btnAdd;
};

} // namespace vorbix::ui
