#pragma once

#include "core/base/LanguageTable.h"
#include "core/online/PulseTime.h"
#include "core/online/RelayCommand.h"

#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vorbix::ui {

// The relays switched from the PC while on-line: the current state of each relay, the new state
// asked for (on, off or a pulse of a set time) and Send and Refresh. A one-relay model shows
// channel 1, an eight-relay model all eight; the page itself decides nothing about the link.
class DirectControlPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kChannels = 8;

    explicit DirectControlPage(QWidget* parent = nullptr);

    // DirectControlPageShow: the texts, and the channels of a model with `relays` relays. False
    // when the model has no channel to show (only 1 and 8 relays have them).
    bool DirectControlPageShow(const PopisType& lang, int relays);
    // The state fields from a relay byte: the on/off texts, red for on, green for off.
    void showRelays(std::uint8_t relays, const PopisType& lang);
    // TimeEditExit on the three time fields; the pulse time in tenths of a second.
    int TimeEditExit();
    // The ticked boxes and the pulse time (after TimeEditExit).
    online::RelaySelection selection();

    std::array<QLineEdit*, kChannels> DirectChEdit{};
    using Boxes = std::array<QCheckBox*, kChannels>;
    Boxes DirectOn{};
    Boxes DirectOff{};
    Boxes DirectPuls{};
    QSpinBox* MinEdit;
    QSpinBox* SecEdit;
    QSpinBox* MilEdit;
    QPushButton* DirectSendButton;
    QPushButton* DirectRefreshButton;

signals:
    void sendRequested(const vorbix::online::RelaySelection& selection);
    void refreshRequested();

private:
    // The boxes of one channel exclude each other; each handler goes over all channels.
    void DirectOnClick();
    void DirectOffClick();
    void DirectPulsClick();
    // Where a box of `ticked` is ticked, the other two boxes of its channel are cleared.
    static void clearOtherBoxes(const Boxes& ticked, const Boxes& other, const Boxes& third);
    void setChannelVisible(int channel, bool visible);

    QGroupBox* m_stateGroup;
    QGroupBox* m_newStateGroup;
    QGroupBox* m_timeGroup;
    std::array<QLabel*, kChannels> m_stateLabels{};
    std::array<QLabel*, kChannels> m_stateNumbers{};
    std::array<QLabel*, kChannels> m_newStateLabels{};
    std::array<QLabel*, kChannels> m_newStateNumbers{};
    int m_pulseUnits = 0;
};

} // namespace vorbix::ui
