#pragma once

#include "core/base/LanguageTable.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorbix::ui {

// `PanelOnline` at the bottom of the main window: the last transmitter, button and memory slot of
// on-line mode ("-" until known), the low-battery and temperature labels (hidden) and `BtnAdd`
// (disabled). The on-line poll fills it.
class OnlinePanel : public QFrame
{
    Q_OBJECT
public:
    explicit OnlinePanel(QWidget* parent = nullptr);

    void applyTexts(const PopisType& lang);

    QLineEdit* EditLastTx;
    QLineEdit* EditLastBtn;
    QLineEdit* EditLastMem;
    QLabel* LowBattLabel;
    QLabel* TempLabel;
    QPushButton* BtnAdd;

private:
    QLabel* m_lastTx;
    QLabel* m_lastBtn;
    QLabel* m_lastMem;
};

} // namespace vorbix::ui
