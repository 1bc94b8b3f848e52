#include "ui/setup/ConnectionsPage.h"

#include "core/base/TextNumbers.h"
#include "core/link/ConnectionSetup.h"
#include "core/text/TextFile.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vorbix::ui {
namespace {

constexpr int kHighestPort = 32;
// The path fields share their row with the long file box captions of some languages: without a
// floor a narrowed dialog squeezes them to a few characters.
constexpr int kPathFieldMinimum = 120;

QTableWidgetItem* cell(const std::string& text)
{
    auto* item = new QTableWidgetItem(fromCp(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// The file name without its folder, as the grid shows it.
std::string shortName(const std::string& path)
{
    return path.empty() ? std::string() : text::baseName(path);
}

} // namespace

ConnectionsPage::ConnectionsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ConnectionsPage"));
    NameLabel = named(new QLabel(this), "NameLabel");
    NameEdit = named(new QLineEdit(this), "NameEdit");
    NameEdit->setMaxLength(100);

    ConnTypeRadio = named(new QGroupBox(this), "ConnTypeRadio");
    ComRadio = named(new QRadioButton(QStringLiteral("COM port"), ConnTypeRadio), "ComRadio");
    TcpRadio = named(new QRadioButton(QStringLiteral("TCP/IP"), ConnTypeRadio), "TcpRadio");
    auto* radioLayout = new QHBoxLayout(ConnTypeRadio);
    radioLayout->addWidget(ComRadio);
    radioLayout->addWidget(TcpRadio);
    connect(ComRadio, &QRadioButton::toggled, this, &ConnectionsPage::showTypeControls);

    NumLabel = named(new QLabel(this), "NumLabel");
    ComboPortNum = named(new QComboBox(this), "ComboPortNum");
    SpeedLabel = named(new QLabel(this), "SpeedLabel");
    ComboPortSpeed = named(new QComboBox(this), "ComboPortSpeed");
    BitsLabel = named(new QLabel(QStringLiteral("bit/s"), this), "BitsLabel");
    for (int n = 1; n <= kHighestPort; ++n) {
        ComboPortNum->addItem(QStringLiteral("COM %1").arg(n));
    }
    for (const std::string& speed : link::SpeedList()) {
        ComboPortSpeed->addItem(QString::fromStdString(speed));
    }
    for (QComboBox* combo : {ComboPortNum, ComboPortSpeed}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    IPAddressLabel = named(new QLabel(this), "IPAddressLabel");
    IPAddressEdit = named(new QLineEdit(this), "IPAddressEdit");
    IPPortLabel = named(new QLabel(this), "IPPortLabel");
    IPPortEdit = named(new QLineEdit(this), "IPPortEdit");

    ConnDownloadBox = named(new QCheckBox(this), "ConnDownloadBox");
    ConnOnlineBox = named(new QCheckBox(this), "ConnOnlineBox");
    ConnMonitorBox = named(new QCheckBox(this), "ConnMonitorBox");
    ConnOpenDataBox = named(new QCheckBox(this), "ConnOpenDataBox");
    ConnDataEdit = named(new QLineEdit(this), "ConnDataEdit");
    ConnOpenDataButton = named(new QPushButton(QStringLiteral("..."), this), "ConnOpenDataButton");
    ConnOpenMonitorBox = named(new QCheckBox(this), "ConnOpenMonitorBox");
    ConnMonitorEdit = named(new QLineEdit(this), "ConnMonitorEdit");
    ConnOpenMonitorButton = named(new QPushButton(this), "ConnOpenMonitorButton");
    for (QLineEdit* path : {ConnDataEdit, ConnMonitorEdit}) {
        path->setMinimumWidth(kPathFieldMinimum);
    }
    connect(ConnOpenDataBox, &QCheckBox::toggled, this, &ConnectionsPage::enableFileFields);
    connect(ConnOpenMonitorBox, &QCheckBox::toggled, this, &ConnectionsPage::enableFileFields);
    connect(ConnOpenDataButton, &QPushButton::clicked, this, [this] {
        const QString path = Dialogs::openFileName(this, QStringLiteral("Data files (*.rxd)"), ConnDataEdit->text());
        if (!path.isEmpty()) {
            ConnDataEdit->setText(path);
        }
    });
    connect(ConnOpenMonitorButton, &QPushButton::clicked, this, [this] {
        const QString path =
            Dialogs::openFileName(this, QStringLiteral("Monitor files (*.mon)"), ConnMonitorEdit->text());
        if (!path.isEmpty()) {
            ConnMonitorEdit->setText(path);
        }
    });

    AddButton = named(new QPushButton(this), "AddButton");
    SaveButton = named(new QPushButton(this), "SaveButton");
    DelButton = named(new QPushButton(this), "DelButton");
    for (QPushButton* button : {AddButton, SaveButton, DelButton, ConnOpenDataButton, ConnOpenMonitorButton}) {
        button->setAutoDefault(false); // Enter confirms the dialog, not the editor
    }
    connect(AddButton, &QPushButton::clicked, this, &ConnectionsPage::AddButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &ConnectionsPage::SaveButtonClick);
    connect(DelButton, &QPushButton::clicked, this, &ConnectionsPage::DelButtonClick);

    ConnGrid = named(new QTableWidget(this), "ConnGrid");
    ConnGrid->setColumnCount(6);
    ConnGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ConnGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ConnGrid->verticalHeader()->hide();
    const int widths[] = {30, 153, 128, 97, 96, 105};
    for (int c = 0; c < 6; ++c) {
        ConnGrid->setColumnWidth(c, widths[c]);
    }
    connect(ConnGrid, &QTableWidget::currentCellChanged, this, [this](int row) { rowSelected(row + 1); });

    auto* editor = new QGridLayout;
    editor->addWidget(NameLabel, 0, 0);
    editor->addWidget(NameEdit, 0, 1, 1, 2);
    editor->addWidget(ConnTypeRadio, 1, 0, 1, 3);
    editor->addWidget(NumLabel, 2, 0);
    editor->addWidget(ComboPortNum, 2, 1);
    editor->addWidget(SpeedLabel, 3, 0);
    editor->addWidget(ComboPortSpeed, 3, 1);
    editor->addWidget(BitsLabel, 3, 2);
    editor->addWidget(IPAddressLabel, 4, 0);
    editor->addWidget(IPAddressEdit, 4, 1);
    editor->addWidget(IPPortLabel, 5, 0);
    editor->addWidget(IPPortEdit, 5, 1);
    auto* actions = new QGridLayout;
    actions->addWidget(ConnDownloadBox, 0, 0, 1, 3);
    actions->addWidget(ConnOnlineBox, 1, 0, 1, 3);
    actions->addWidget(ConnMonitorBox, 2, 0, 1, 3);
    actions->addWidget(ConnOpenDataBox, 3, 0);
    actions->addWidget(ConnDataEdit, 3, 1);
    actions->addWidget(ConnOpenDataButton, 3, 2);
    actions->addWidget(ConnOpenMonitorBox, 4, 0);
    actions->addWidget(ConnMonitorEdit, 4, 1);
    actions->addWidget(ConnOpenMonitorButton, 4, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddButton);
    buttons->addWidget(SaveButton);
    buttons->addWidget(DelButton);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(editor, 1);
    top->addLayout(actions, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addWidget(ConnGrid, 1);
    ComRadio->setChecked(true);
    showTypeControls();
    enableFileFields();
}

void ConnectionsPage::applyTexts(const PopisType& lang)
{
    m_lang = &lang;
    const auto t = [&lang](int n) { return fromCp(LangText(lang, n)); };
    NameLabel->setText(t(lang::kNameLabel));
    ConnTypeRadio->setTitle(t(lang::kSetupConnectOver));
    NumLabel->setText(t(lang::kSetupPort));
    SpeedLabel->setText(t(lang::kSetupSpeed));
    IPAddressLabel->setText(t(lang::kSetupIPAddress));
    IPPortLabel->setText(t(lang::kSetupTcpPort));
    ConnDownloadBox->setText(t(lang::kStartDownload));
    ConnOnlineBox->setText(t(lang::kStartOnline));
    ConnMonitorBox->setText(t(lang::kStartMonitor));
    ConnOpenDataBox->setText(t(lang::kStartOpenData));
    ConnOpenMonitorBox->setText(t(lang::kStartOpenMonitor));
    ConnOpenMonitorButton->setText(t(lang::kBrowse));
    AddButton->setText(t(lang::kAddButton));
    SaveButton->setText(t(lang::kSaveButton));
    DelButton->setText(t(lang::kDeleteButton));
    ConnGrid->setHorizontalHeaderLabels(
        {QString(), t(lang::kNameLabel), t(lang::kConnectionColumn), QString(), QString(), QString()});
}

void ConnectionsPage::setProfiles(app::ConnectionList* profiles)
{
    m_profiles = profiles;
    fillGrid();
    selectRow(1);
    rowSelected(1);
}

int ConnectionsPage::selectedRow() const
{
    return std::max(0, ConnGrid->currentRow()) + 1;
}

void ConnectionsPage::selectRow(int row)
{
    ConnGrid->setCurrentCell(row - 1, 0);
}

void ConnectionsPage::fillGrid()
{
    const QSignalBlocker blocker(ConnGrid);
    const app::ConnectionList& list = *m_profiles;
    ConnGrid->clearContents();
    ConnGrid->setRowCount(setup::ProfileGridRows(list));
    for (std::size_t n = 1; n < list.size(); ++n) {
        const app::TConnection& p = list[n];
        const int row = static_cast<int>(n) - 1;
        ConnGrid->setItem(row, 0, cell(std::to_string(n)));
        ConnGrid->setItem(row, 1, cell(p.Name));
        ConnGrid->setItem(row, 2, cell(p.Title));
        ConnGrid->setItem(row, 3, cell(setup::ProfileActionsText(p)));
        ConnGrid->setItem(row, 4, cell(shortName(p.Data)));
        ConnGrid->setItem(row, 5, cell(shortName(p.Monitor)));
    }
    emit profilesChanged();
}

void ConnectionsPage::rowSelected(int row)
{
    if (m_profiles == nullptr) {
        return;
    }
    const bool own = row >= 1 && static_cast<std::size_t>(row) < m_profiles->size();
    const setup::ProfileForm shown = setup::FormForRow(*m_profiles, row);
    if (own) {
        showForm(shown);
        return;
    }
    // A row without a profile shows the current connection and leaves the rest as it is.
    NameEdit->setText(fromCp(shown.Name));
    (shown.kind == link::ConnectionKind::TcpIp ? TcpRadio : ComRadio)->setChecked(true);
    ComboPortNum->setCurrentIndex(ComboPortNum->findText(fromCp(shown.PortText)));
    ComboPortSpeed->setCurrentIndex(ComboPortSpeed->findText(fromCp(shown.SpeedText)));
    IPAddressEdit->setText(fromCp(shown.AddressText));
    IPPortEdit->setText(fromCp(shown.IPPortText));
}

void ConnectionsPage::showForm(const setup::ProfileForm& f)
{
    NameEdit->setText(fromCp(f.Name));
    (f.kind == link::ConnectionKind::TcpIp ? TcpRadio : ComRadio)->setChecked(true);
    ComboPortNum->setCurrentIndex(ComboPortNum->findText(fromCp(f.PortText)));
    ComboPortSpeed->setCurrentIndex(ComboPortSpeed->findText(fromCp(f.SpeedText)));
    IPAddressEdit->setText(fromCp(f.AddressText));
    IPPortEdit->setText(fromCp(f.IPPortText));
    ConnDownloadBox->setChecked(f.GoDownload);
    ConnOnlineBox->setChecked(f.GoOnline);
    ConnMonitorBox->setChecked(f.GoMonitor);
    ConnOpenDataBox->setChecked(f.OpenData);
    ConnDataEdit->setText(f.OpenData ? fromCp(f.DataText) : QString());
    ConnOpenMonitorBox->setChecked(f.OpenMonitor);
    ConnMonitorEdit->setText(f.OpenMonitor ? fromCp(f.MonitorText) : QString());
    enableFileFields();
}

setup::ProfileForm ConnectionsPage::form() const
{
    setup::ProfileForm f;
    f.Name = toCp(NameEdit->text());
    if (ComRadio->isChecked()) {
        f.kind = link::ConnectionKind::ComPort;
    } else if (TcpRadio->isChecked()) {
        f.kind = link::ConnectionKind::TcpIp;
    }
    f.PortText = toCp(ComboPortNum->currentText());
    f.SpeedText = toCp(ComboPortSpeed->currentText());
    f.AddressText = toCp(IPAddressEdit->text());
    f.IPPortText = toCp(IPPortEdit->text());
    f.GoDownload = ConnDownloadBox->isChecked();
    f.GoOnline = ConnOnlineBox->isChecked();
    f.GoMonitor = ConnMonitorBox->isChecked();
    f.OpenData = ConnOpenDataBox->isChecked();
    f.DataText = toCp(ConnDataEdit->text());
    f.OpenMonitor = ConnOpenMonitorBox->isChecked();
    f.MonitorText = toCp(ConnMonitorEdit->text());
    return f;
}

void ConnectionsPage::finishEdit(const setup::ProfileEdit& edit)
{
    if (edit.check.accepted) {
        fillGrid();
        selectRow(edit.row);
        return;
    }
    Dialogs::error(this, fromCp(LangText(*m_lang, edit.check.languageText)));
    QLineEdit* field = nullptr;
    switch (edit.check.field) {
    case setup::ProfileField::Name:
        field = NameEdit;
        break;
    case setup::ProfileField::Port:
        field = ComboPortNum->lineEdit();
        break;
    case setup::ProfileField::Speed:
        field = ComboPortSpeed->lineEdit();
        break;
    case setup::ProfileField::Address:
        field = IPAddressEdit;
        break;
    case setup::ProfileField::IPPort:
        field = IPPortEdit;
        break;
    case setup::ProfileField::None:
        break;
    }
    if (field != nullptr) {
        field->setFocus();
        field->selectAll();
    }
}

void ConnectionsPage::AddButtonClick()
{
    finishEdit(setup::AddProfile(*m_profiles, selectedRow(), form()));
}

void ConnectionsPage::SaveButtonClick()
{
    finishEdit(setup::SaveProfile(*m_profiles, selectedRow(), form()));
}

void ConnectionsPage::DelButtonClick()
{
    const setup::ProfileEdit edit = setup::DeleteProfile(*m_profiles, selectedRow());
    fillGrid();
    selectRow(edit.row);
    rowSelected(edit.row);
}

void ConnectionsPage::showTypeControls()
{
    const bool com = ComRadio->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{NumLabel, ComboPortNum, SpeedLabel, ComboPortSpeed, BitsLabel}) {
        w->setVisible(com);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{IPAddressLabel, IPAddressEdit, IPPortLabel, IPPortEdit}) {
        w->setVisible(!com);
    }
}

void ConnectionsPage::enableFileFields()
{
    ConnDataEdit->setEnabled(ConnOpenDataBox->isChecked());
    ConnOpenDataButton->setEnabled(ConnOpenDataBox->isChecked());
    ConnMonitorEdit->setEnabled(ConnOpenMonitorBox->isChecked());
    ConnOpenMonitorButton->setEnabled(ConnOpenMonitorBox->isChecked());
}

} // namespace vorbix::ui
