#include "ui/link/TCommSetupForm.h"

#include "core/base/TextNumbers.h"
#include "core/link/Komunikace.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vorbix::ui {

TCommSetupForm::TCommSetupForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TCommSetupForm"));
    setModal(true);

    ConnTypeRadio = named(new QGroupBox(this), "ConnTypeRadio");
    ComRadio = named(new QRadioButton(tr("COM port"), ConnTypeRadio), "ComRadio");
    TcpRadio = named(new QRadioButton(tr("TCP/IP"), ConnTypeRadio), "TcpRadio");
    auto* radioLayout = new QHBoxLayout(ConnTypeRadio);
    radioLayout->addWidget(ComRadio);
    radioLayout->addWidget(TcpRadio);
    connect(ComRadio, &QRadioButton::toggled, this, &TCommSetupForm::showTypeControls);

    NumLabel = named(new QLabel(this), "NumLabel");
    SpeedLabel = named(new QLabel(this), "SpeedLabel");
    BitsLabel = named(new QLabel(QStringLiteral("bit/s"), this), "BitsLabel");
    ModeLabel = named(new QLabel(this), "ModeLabel");
    IPAddressLabel = named(new QLabel(this), "IPAddressLabel");
    IPPortLabel = named(new QLabel(this), "IPPortLabel");
    ComboPortNum = named(new QComboBox(this), "ComboPortNum");
    ComboPortSpeed = named(new QComboBox(this), "ComboPortSpeed");
    // Typed values are accepted but never added to the lists, so Enter confirms the dialog.
    for (QComboBox* combo : {ComboPortNum, ComboPortSpeed}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    DumpReadBox = named(new QCheckBox(this), "DumpReadBox");
    // The dump-read variant is chosen in the settings file only.
    ModeLabel->hide();
    DumpReadBox->hide();
    IPAddressEdit = named(new QLineEdit(this), "IPAddressEdit");
    IPPortEdit = named(new QLineEdit(this), "IPPortEdit");

    const OkCancelButtons buttons = addOkCancel(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    connect(OKButton, &QPushButton::clicked, this, &TCommSetupForm::OKButtonClick);
    enterPresses(ComboPortNum, OKButton);
    enterPresses(ComboPortSpeed, OKButton);

    auto* layout = new QGridLayout(this);
    layout->addWidget(ConnTypeRadio, 0, 0, 1, 3);
    layout->addWidget(NumLabel, 1, 0);
    layout->addWidget(ComboPortNum, 1, 1);
    layout->addWidget(SpeedLabel, 2, 0);
    layout->addWidget(ComboPortSpeed, 2, 1);
    layout->addWidget(BitsLabel, 2, 2);
    layout->addWidget(ModeLabel, 3, 0);
    layout->addWidget(DumpReadBox, 3, 1);
    layout->addWidget(IPAddressLabel, 4, 0);
    layout->addWidget(IPAddressEdit, 4, 1);
    layout->addWidget(IPPortLabel, 5, 0);
    layout->addWidget(IPPortEdit, 5, 1);
    // The rows of the kind not chosen are hidden; the room they leave, and any the user adds by
    // resizing, goes below the fields, not into the radio group.
    ConnTypeRadio->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->setRowStretch(6, 1);
    layout->setColumnStretch(1, 1);
    layout->addWidget(buttons.box, 7, 0, 1, 3);
}

void TCommSetupForm::InitForm(const std::vector<link::SerialPortEntry>& ports, const link::ConnectionSettings& settings)
{
    m_settings = settings;
    ComboPortNum->clear();
    for (const auto& port : ports) {
        ComboPortNum->addItem(fromCp(port.text));
    }
    ComboPortSpeed->clear();
    for (const auto& speed : link::SpeedList()) {
        ComboPortSpeed->addItem(QString::fromStdString(speed));
    }
    ComboPortNum->setCurrentIndex(link::PortIndex(ports, settings.ComNumber));
    ComboPortSpeed->setCurrentIndex(link::SpeedIndex(settings.ComSpeed));

    const link::SetupForm shown = link::FormFromSettings(settings);
    DumpReadBox->setChecked(shown.DumpReadBox);
    IPAddressEdit->setText(fromCp(shown.AddressText));
    IPPortEdit->setText(fromCp(shown.IPPortText));
    (shown.ConnectionType == link::ConnectionKind::TcpIp ? TcpRadio : ComRadio)->setChecked(true);
    showTypeControls();
}

bool TCommSetupForm::Nastav(link::TKomunikace& link)
{
    link.Zavri();
    const std::vector<link::SerialPortEntry> ports = link.InitForm();
    InitForm(ports, link.Settings);
    if (exec() != QDialog::Accepted) {
        return false;
    }
    if (m_settings.ConnectionType == link::ConnectionKind::ComPort) {
        link::KeepPortChoice(ports, m_settings.ComNumber, link.SerialPorts);
    }
    link.Settings = m_settings;
    link.NastavIni();
    return true;
}

void TCommSetupForm::showEvent(QShowEvent* event)
{
    setWindowTitle(fromCp(LangText(*m_lang, lang::kSetupCaption)));
    NumLabel->setText(fromCp(LangText(*m_lang, lang::kSetupPort)));
    SpeedLabel->setText(fromCp(LangText(*m_lang, lang::kSetupSpeed)));
    ModeLabel->setText(fromCp(LangText(*m_lang, lang::kSetupDumpRead)));
    ConnTypeRadio->setTitle(fromCp(LangText(*m_lang, lang::kSetupConnectOver)));
    IPAddressLabel->setText(fromCp(LangText(*m_lang, lang::kSetupIPAddress)));
    IPPortLabel->setText(fromCp(LangText(*m_lang, lang::kSetupTcpPort)));
    fitToContentAndCaption(*this);
    QDialog::showEvent(event);
}

void TCommSetupForm::showTypeControls()
{
    const bool com = ComRadio->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(NumLabel), static_cast<QWidget*>(ComboPortNum), static_cast<QWidget*>(SpeedLabel),
          static_cast<QWidget*>(ComboPortSpeed), static_cast<QWidget*>(BitsLabel)}) {
        w->setVisible(com);
    }
    for (QWidget* w : {static_cast<QWidget*>(IPAddressLabel), static_cast<QWidget*>(IPAddressEdit),
                       static_cast<QWidget*>(IPPortLabel), static_cast<QWidget*>(IPPortEdit)}) {
        w->setVisible(!com);
    }
}

link::SetupForm TCommSetupForm::form() const
{
    link::SetupForm f;
    f.ConnectionType = TcpRadio->isChecked() ? link::ConnectionKind::TcpIp : link::ConnectionKind::ComPort;
    f.PortText = toCp(ComboPortNum->currentText());
    f.SpeedText = toCp(ComboPortSpeed->currentText());
    f.AddressText = toCp(IPAddressEdit->text());
    f.IPPortText = toCp(IPPortEdit->text());
    f.DumpReadBox = DumpReadBox->isChecked();
    return f;
}

void TCommSetupForm::OKButtonClick()
{
    link::ConnectionSettings checked = m_settings;
    const link::SetupCheck check = link::CheckSetup(form(), checked);
    if (check.accepted) {
        m_settings = checked;
        accept();
        return;
    }
    Dialogs::error(this, fromCp(LangText(*m_lang, check.languageText)));
    switch (check.field) {
    case link::SetupField::Port:
        ComboPortNum->setFocus();
        ComboPortNum->lineEdit()->selectAll();
        break;
    case link::SetupField::Speed:
        ComboPortSpeed->setFocus();
        ComboPortSpeed->lineEdit()->selectAll();
        break;
    case link::SetupField::Address:
        IPAddressEdit->setFocus();
        IPAddressEdit->selectAll();
        break;
    case link::SetupField::IPPort:
        IPPortEdit->setFocus();
        IPPortEdit->selectAll();
        break;
    case link::SetupField::None:
        break;
    }
}

} // namespace vorbix::ui
