#pragma once

#include "core/base/LanguageTable.h"
#include "core/link/ConnectionSetup.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vorbix::link {
class TKomunikace;
}

namespace vorbix::ui {

// The connection setup dialog: a COM port and speed, or the address and TCP port of a network
// gateway. The hidden dump-read box is cleared on every showing, so confirming the dialog always
// turns DumpRead off.
class TCommSetupForm : public QDialog
{
    Q_OBJECT
public:
    explicit TCommSetupForm(QWidget* parent = nullptr);
    void setLanguage(const PopisType* lang) { m_lang = lang != nullptr ? lang : &NoTexts(); }

    // Closes the link, shows the dialog for its settings and, when confirmed, stores the new
    // settings in the link and rebuilds its connection text. True when confirmed.
    bool Nastav(link::TKomunikace& link);

    // Fills the lists and the controls; the dialog's OK validates into `settings()`.
    void InitForm(const std::vector<link::SerialPortEntry>& ports, const link::ConnectionSettings& settings);
    const link::ConnectionSettings& settings() const { return m_settings; }

    QLabel* NumLabel;
    QLabel* SpeedLabel;
    QLabel* BitsLabel;
    QLabel* ModeLabel;
    QLabel* IPAddressLabel;
    QLabel* IPPortLabel;
    QComboBox* ComboPortNum;
    QComboBox* ComboPortSpeed;
    QCheckBox* DumpReadBox;
    QGroupBox* ConnTypeRadio;
    QRadioButton* ComRadio;
    QRadioButton* TcpRadio;
    QLineEdit* IPAddressEdit;
    QLineEdit* IPPortEdit;
    QPushButton* OKButton;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKButtonClick();
    void showTypeControls();
    link::SetupForm form() const;

    const PopisType* m_lang = &NoTexts();
    link::ConnectionSettings m_settings;
};

} // namespace vorbix::ui
