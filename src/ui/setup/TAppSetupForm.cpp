#include "ui/setup/TAppSetupForm.h"

#include "core/app/Settings.h"
#include "core/base/TextNumbers.h"
#include "ui/help/HelpContext.h"
#include "ui/setup/AccountsPage.h"
#include "ui/setup/ConnectionsPage.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vorbix::ui {
namespace {

constexpr const char* kFallbackFont = "Tahoma";

QString numberedName(const char* stem, int n)
{
    return QString::fromLatin1(stem) + QString::number(n);
}

QGroupBox* radioGroup(QWidget* parent, const char* name, int count, QButtonGroup*& group, QRadioButton** items,
                      const char* itemStem)
{
    auto* box = named(new QGroupBox(parent), name);
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < count; ++i) {
        items[i] = new QRadioButton(box);
        items[i]->setObjectName(numberedName(itemStem, i));
        group->addButton(items[i], i);
        layout->addWidget(items[i]);
    }
    return box;
}

} // namespace

TAppSetupForm::TAppSetupForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAppSetupForm"));
    setModal(true);
    setHelpContext(this, 240);

    PageControl = named(new QTabWidget(this), "PageControl");
    m_connections = new ConnectionsPage(PageControl);
    m_accounts = new AccountsPage(PageControl);
    PageControl->addTab(buildBasicPage(), QString());
    PageControl->addTab(buildOnlinePage(), QString());
    PageControl->addTab(buildStartUpPage(), QString());
    PageControl->addTab(m_connections, QString());
    PageControl->addTab(m_accounts, QString());
    setHelpContext(PageControl->widget(0), 410);
    setHelpContext(PageControl->widget(1), 420);
    setHelpContext(PageControl->widget(2), 430);
    setHelpContext(m_connections, 440);
    setHelpContext(m_accounts, 450);
    connect(m_connections, &ConnectionsPage::profilesChanged, m_accounts, &AccountsPage::profilesChanged);

    const OkCancelButtons buttons = addOkCancel(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    connect(OKButton, &QPushButton::clicked, this, &TAppSetupForm::OKButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addWidget(buttons.box);
    resize(720, 520);
}

QWidget* TAppSetupForm::buildBasicPage()
{
    auto* page = named(new QWidget(this), "BasicPage");
    LanguageLabel = named(new QLabel(page), "LanguageLabel");
    LanguageCombo = named(new QComboBox(page), "LanguageCombo");
    BackupBox = named(new QCheckBox(page), "BackupBox");
    UploadDiffBox = named(new QCheckBox(page), "UploadDiffBox");
    SoundRadioGroup = radioGroup(page, "SoundRadioGroup", 3, m_sound, SoundItems.data(), "SoundItem");

    UserGroup = named(new QGroupBox(page), "UserGroup");
    VisibleLabel = named(new QLabel(UserGroup), "VisibleLabel");
    auto* titles = new QGridLayout(UserGroup);
    titles->addWidget(VisibleLabel, 0, 2);
    const char* labelNames[] = {"UserIDLabel", "User1Label", "User2Label", "User3Label", "User4Label"};
    const char* editNames[] = {"UserIDEdit", "User1Edit", "User2Edit", "User3Edit", "User4Edit"};
    const char* boxNames[] = {"VisibleBoxID", "VisibleBox1", "VisibleBox2", "VisibleBox3", "VisibleBox4"};
    for (int i = 0; i < 5; ++i) {
        TitleLabels[i] = named(new QLabel(UserGroup), labelNames[i]);
        TitleEdits[i] = named(new QLineEdit(UserGroup), editNames[i]);
        TitleEdits[i]->setMaxLength(20);
        VisibleBoxes[i] = named(new QCheckBox(UserGroup), boxNames[i]);
        titles->addWidget(TitleLabels[i], i + 1, 0);
        titles->addWidget(TitleEdits[i], i + 1, 1);
        titles->addWidget(VisibleBoxes[i], i + 1, 2, Qt::AlignCenter);
        connect(TitleEdits[i], &QLineEdit::editingFinished, this, [this, i] { titleLeft(i); });
    }

    SortGroup = named(new QGroupBox(page), "SortGroup");
    ColLabel = named(new QLabel(SortGroup), "ColLabel");
    ColCombo = named(new QComboBox(SortGroup), "ColCombo");
    ColUp = named(new QRadioButton(SortGroup), "ColUp");
    ColDown = named(new QRadioButton(SortGroup), "ColDown");
    auto* sort = new QGridLayout(SortGroup);
    sort->addWidget(ColLabel, 0, 0);
    sort->addWidget(ColCombo, 0, 1);
    sort->addWidget(ColUp, 1, 0);
    sort->addWidget(ColDown, 1, 1);

    auto* language = new QHBoxLayout;
    language->addWidget(LanguageLabel);
    language->addWidget(LanguageCombo);
    language->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(language);
    left->addWidget(BackupBox);
    left->addWidget(UploadDiffBox);
    left->addWidget(SoundRadioGroup);
    left->addWidget(SortGroup);
    left->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addWidget(UserGroup, 0, Qt::AlignTop);
    return page;
}

QWidget* TAppSetupForm::buildOnlinePage()
{
    auto* page = named(new QWidget(this), "OnlinePage");
    BeepBox = named(new QCheckBox(page), "BeepBox");
    FindBox = named(new QCheckBox(page), "FindBox");
    HistoryRadio = radioGroup(page, "HistoryRadio", 5, m_history, HistoryItems.data(), "HistoryItem");
    BatteryRadio = radioGroup(page, "BatteryRadio", 5, m_battery, BatteryItems.data(), "BatteryItem");

    HistoryLengthGroup = named(new QGroupBox(page), "HistoryLengthGroup");
    HistoryLengthLabel1 = named(new QLabel(HistoryLengthGroup), "HistoryLengthLabel1");
    HistoryEdit = named(new QSpinBox(HistoryLengthGroup), "HistoryEdit");
    HistoryEdit->setRange(setup::kHistoryLengthMin, setup::kHistoryLengthMax);
    HistoryLengthLabel2 = named(new QLabel(HistoryLengthGroup), "HistoryLengthLabel2");
    HistoryClearBox = named(new QCheckBox(HistoryLengthGroup), "HistoryClearBox");
    auto* length = new QGridLayout(HistoryLengthGroup);
    length->addWidget(HistoryLengthLabel1, 0, 0);
    length->addWidget(HistoryEdit, 0, 1);
    length->addWidget(HistoryLengthLabel2, 0, 2);
    length->addWidget(HistoryClearBox, 1, 0, 1, 3);

    MonitorGroup = named(new QGroupBox(page), "MonitorGroup");
    MonitorFontCombo = named(new QComboBox(MonitorGroup), "MonitorFontCombo");
    MonitorTestLabel = named(new QLabel(MonitorGroup), "MonitorTestLabel");
    MonitorTestLabel->setMinimumHeight(40);
    auto* font = new QVBoxLayout(MonitorGroup);
    font->addWidget(MonitorFontCombo);
    font->addWidget(MonitorTestLabel);
    connect(MonitorFontCombo, &QComboBox::currentTextChanged, this, [this](const QString& family) {
        QFont sample(family);
        sample.setPointSize(14);
        MonitorTestLabel->setFont(sample);
    });

    auto* left = new QVBoxLayout;
    left->addWidget(BeepBox);
    left->addWidget(FindBox);
    left->addWidget(HistoryRadio);
    left->addWidget(BatteryRadio);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(HistoryLengthGroup);
    right->addWidget(MonitorGroup);
    right->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right);
    return page;
}

QWidget* TAppSetupForm::buildStartUpPage()
{
    auto* page = named(new QWidget(this), "StartUpPage");
    WelcomeBox = named(new QCheckBox(page), "WelcomeBox");
    LoginBox = named(new QCheckBox(page), "LoginBox");
    DownloadBox = named(new QCheckBox(page), "DownloadBox");
    OnlineBox = named(new QCheckBox(page), "OnlineBox");
    MonitorBox = named(new QCheckBox(page), "MonitorBox");
    OpenDataBox = named(new QCheckBox(page), "OpenDataBox");
    DataEdit = named(new QLineEdit(page), "DataEdit");
    OpenDataButton = named(new QPushButton(page), "OpenDataButton");
    OpenMonitorBox = named(new QCheckBox(page), "OpenMonitorBox");
    MonitorEdit = named(new QLineEdit(page), "MonitorEdit");
    OpenMonitorButton = named(new QPushButton(page), "OpenMonitorButton");
    for (QPushButton* button : {OpenDataButton, OpenMonitorButton}) {
        button->setAutoDefault(false);
    }

    const std::pair<QCheckBox*, setup::StartupBox> boxes[] = {
        {WelcomeBox, setup::StartupBox::Welcome},         {LoginBox, setup::StartupBox::Login},
        {DownloadBox, setup::StartupBox::Download},       {OnlineBox, setup::StartupBox::Online},
        {MonitorBox, setup::StartupBox::Monitor},         {OpenDataBox, setup::StartupBox::OpenData},
        {OpenMonitorBox, setup::StartupBox::OpenMonitor},
    };
    for (const auto& [box, which] : boxes) {
        connect(box, &QCheckBox::toggled, this, [this, which](bool checked) { startupBoxChanged(which, checked); });
    }
    connect(OpenDataButton, &QPushButton::clicked, this, [this] {
        const QString path = Dialogs::openFileName(this, QStringLiteral("Data files (*.rxd)"), DataEdit->text());
        if (!path.isEmpty()) {
            DataEdit->setText(path);
        }
    });
    connect(OpenMonitorButton, &QPushButton::clicked, this, [this] {
        const QString path = Dialogs::openFileName(this, QStringLiteral("Monitor files (*.mon)"), MonitorEdit->text());
        if (!path.isEmpty()) {
            MonitorEdit->setText(path);
        }
    });

    auto* layout = new QGridLayout(page);
    layout->addWidget(WelcomeBox, 0, 0, 1, 3);
    layout->addWidget(LoginBox, 1, 0, 1, 3);
    layout->addWidget(DownloadBox, 2, 0, 1, 3);
    layout->addWidget(OnlineBox, 3, 0, 1, 3);
    layout->addWidget(MonitorBox, 4, 0, 1, 3);
    layout->addWidget(OpenDataBox, 5, 0);
    layout->addWidget(DataEdit, 5, 1);
    layout->addWidget(OpenDataButton, 5, 2);
    layout->addWidget(OpenMonitorBox, 6, 0);
    layout->addWidget(MonitorEdit, 6, 1);
    layout->addWidget(OpenMonitorButton, 6, 2);
    layout->setRowStretch(7, 1);
    layout->setColumnStretch(1, 1);
    return page;
}

void TAppSetupForm::setLanguage(const PopisType* lang)
{
    m_lang = lang != nullptr ? lang : &NoTexts();
}

void TAppSetupForm::showEvent(QShowEvent* event)
{
    applyTexts();
    QDialog::showEvent(event);
}

void TAppSetupForm::applyTexts()
{
    const PopisType& lang = *m_lang;
    const auto t = [&lang](int n) { return fromCp(LangText(lang, n)); };
    setWindowTitle(t(lang::kAppSetupCaption));
    const int pages[] = {lang::kPageBasic, lang::kPageOnline, lang::kPageStartUp, lang::kPageConnections,
                         lang::kPageAccounts};
    for (int i = 0; i < 5; ++i) {
        PageControl->setTabText(i, t(pages[i]));
    }
    LanguageLabel->setText(t(lang::kLanguageLabel));
    BackupBox->setText(t(lang::kBackupBox));
    UploadDiffBox->setText(t(lang::kUploadDiffBox));
    SoundRadioGroup->setTitle(t(lang::kSoundGroup));
    SoundItems[0]->setText(t(lang::kSoundCard));
    SoundItems[1]->setText(t(lang::kSoundSpeaker));
    SoundItems[2]->setText(t(lang::kSoundOff));
    UserGroup->setTitle(t(lang::kUserColumnsGroup));
    VisibleLabel->setText(t(lang::kVisibleLabel));
    for (int i = 0; i < 5; ++i) {
        TitleLabels[i]->setText(t(lang::kFirstUserTitle + i));
    }
    SortGroup->setTitle(t(lang::kSortGroup));
    ColLabel->setText(t(lang::kSortColumn));
    ColUp->setText(t(lang::kSortUp));
    ColDown->setText(t(lang::kSortDown));
    BeepBox->setText(t(lang::kBeepBox));
    FindBox->setText(t(lang::kFindBox));
    HistoryRadio->setTitle(t(lang::kHistoryLevelGroup));
    BatteryRadio->setTitle(t(lang::kBatteryLevelGroup));
    for (int i = 0; i < 5; ++i) {
        HistoryItems[i]->setText(t(lang::kFirstListLevel + i));
        BatteryItems[i]->setText(t(lang::kFirstListLevel + i));
    }
    HistoryLengthGroup->setTitle(t(lang::kHistoryLengthGroup));
    HistoryLengthLabel1->setText(t(lang::kHistoryLengthBefore));
    HistoryLengthLabel2->setText(t(lang::kHistoryLengthAfter));
    HistoryClearBox->setText(t(lang::kHistoryClearBox));
    MonitorGroup->setTitle(t(lang::kMonitorFontGroup));
    MonitorTestLabel->setText(t(lang::kMonitorFontSample));
    WelcomeBox->setText(t(lang::kWelcomeBox));
    LoginBox->setText(t(lang::kLoginBox));
    DownloadBox->setText(t(lang::kStartDownload));
    OnlineBox->setText(t(lang::kStartOnline));
    MonitorBox->setText(t(lang::kStartMonitor));
    OpenDataBox->setText(t(lang::kStartOpenData));
    OpenMonitorBox->setText(t(lang::kStartOpenMonitor));
    OpenDataButton->setText(t(lang::kBrowse));
    OpenMonitorButton->setText(t(lang::kBrowse));
    m_connections->applyTexts(lang);
    m_accounts->applyTexts(lang);
}

bool TAppSetupForm::Open(const Inputs& inputs)
{
    applyTexts();
    fill(inputs);
    PageControl->setCurrentIndex(0);
    return exec() == QDialog::Accepted;
}

void TAppSetupForm::fill(const Inputs& in)
{
    m_options = in.options;
    m_accountsPath = in.accountsPath;
    const setup::SetupOptions& o = m_options;

    ColCombo->clear();
    for (const std::string& item : in.sortItems) {
        ColCombo->addItem(fromCp(item));
    }
    m_titles.remember(in.sortItems, o.titles);
    for (int i = 0; i < 5; ++i) {
        TitleEdits[i]->setText(fromCp(o.titles[static_cast<std::size_t>(i)]));
        VisibleBoxes[i]->setChecked(o.visible[static_cast<std::size_t>(i)]);
    }

    fillFonts(o.MonitorFont);
    SoundItems[static_cast<std::size_t>(setup::SoundItem(o.SoundCard, o.SoundSpeaker))]->setChecked(true);
    const auto level = [](int value) { return static_cast<std::size_t>(std::clamp(value, 0, 4)); };
    BatteryItems[level(o.BatteryMonitorLevel)]->setChecked(true);
    HistoryItems[level(o.HistoryMonitorLevel)]->setChecked(true);
    HistoryEdit->setValue(o.HistoryLength);
    HistoryClearBox->setChecked(false);
    ColCombo->setCurrentIndex(o.SortCol >= 0 && o.SortCol < ColCombo->count() ? o.SortCol : -1);
    (o.SortUp ? ColUp : ColDown)->setChecked(true);

    LanguageCombo->clear();
    const std::vector<std::string> codes = setup::LanguageCodes(in.programFolder);
    for (const std::string& code : codes) {
        LanguageCombo->addItem(QString::fromStdString(code));
    }
    LanguageCombo->setCurrentIndex(setup::LanguageIndex(codes, o.Language));

    FindBox->setChecked(o.FindLast);
    BackupBox->setChecked(o.Backup);
    UploadDiffBox->setChecked(o.UploadDiff);
    BeepBox->setChecked(o.Beep);
    DataEdit->setText(fromCp(o.OpenDataPath));
    MonitorEdit->setText(fromCp(o.OpenMonitorPath));
    app::Settings startup;
    startup.Welcome = o.Welcome;
    startup.Login = o.Login;
    startup.Download = o.Download;
    startup.Online = o.Online;
    startup.Monitor = o.Monitor;
    startup.OpenDataFile = o.OpenDataFile;
    startup.OpenMonitorFile = o.OpenMonitorFile;
    showStartupBoxes(setup::FillStartupBoxes(startup));

    m_connections->setProfiles(in.profiles);
    m_accounts->setProfiles(in.profiles);
    m_accounts->LoadAccounts(in.accountsPath);
}

void TAppSetupForm::fillFonts(const std::string& current)
{
    const QSignalBlocker blocker(MonitorFontCombo);
    MonitorFontCombo->clear();
    const QStringList families = QFontDatabase::families();
    MonitorFontCombo->addItems(families);
    QString chosen = fromCp(current);
    if (!families.contains(chosen)) {
        // A font that is no longer installed gives way to the default one; a system without it
        // still lists it, so that it can be chosen and is drawn with its nearest substitute.
        chosen = QString::fromLatin1(kFallbackFont);
        if (!families.contains(chosen)) {
            MonitorFontCombo->addItem(chosen);
        }
    }
    MonitorFontCombo->setCurrentIndex(MonitorFontCombo->findText(chosen));
    QFont sample(chosen);
    sample.setPointSize(14);
    MonitorTestLabel->setFont(sample);
}

setup::StartupBoxes TAppSetupForm::startupBoxes() const
{
    setup::StartupBoxes b;
    b.Welcome = WelcomeBox->isChecked();
    b.Login = LoginBox->isChecked();
    b.Download = DownloadBox->isChecked();
    b.Online = OnlineBox->isChecked();
    b.Monitor = MonitorBox->isChecked();
    b.OpenData = OpenDataBox->isChecked();
    b.OpenMonitor = OpenMonitorBox->isChecked();
    return b;
}

void TAppSetupForm::showStartupBoxes(const setup::StartupBoxes& b)
{
    const std::pair<QCheckBox*, bool> boxes[] = {
        {WelcomeBox, b.Welcome}, {LoginBox, b.Login},       {DownloadBox, b.Download},       {OnlineBox, b.Online},
        {MonitorBox, b.Monitor}, {OpenDataBox, b.OpenData}, {OpenMonitorBox, b.OpenMonitor},
    };
    for (const auto& [box, checked] : boxes) {
        const QSignalBlocker blocker(box);
        box->setChecked(checked);
    }
    DataEdit->setEnabled(b.OpenData);
    OpenDataButton->setEnabled(b.OpenData);
    MonitorEdit->setEnabled(b.OpenMonitor);
    OpenMonitorButton->setEnabled(b.OpenMonitor);
}

void TAppSetupForm::startupBoxChanged(setup::StartupBox box, bool checked)
{
    showStartupBoxes(setup::SetStartupBox(startupBoxes(), box, checked));
}

void TAppSetupForm::titleLeft(int index)
{
    const std::size_t at = static_cast<std::size_t>(index);
    const std::string kept = m_titles.leave(index, toCp(TitleEdits[at]->text()), *m_lang);
    TitleEdits[at]->setText(fromCp(kept));
    const std::vector<std::string>& items = m_titles.items();
    for (std::size_t i = 0; i < items.size() && static_cast<int>(i) < ColCombo->count(); ++i) {
        ColCombo->setItemText(static_cast<int>(i), fromCp(items[i]));
    }
}

void TAppSetupForm::OKButtonClick()
{
    if (!m_accounts->SaveAccounts(m_accountsPath)) {
        return;
    }
    for (int i = 0; i < 5; ++i) {
        titleLeft(i);
    }
    setup::SetupOptions& o = m_options;
    o.Backup = BackupBox->isChecked();
    o.UploadDiff = UploadDiffBox->isChecked();
    o.Welcome = WelcomeBox->isChecked();
    o.FindLast = FindBox->isChecked();
    o.Beep = BeepBox->isChecked();
    o.SoundCard = SoundItems[0]->isChecked();
    o.SoundSpeaker = SoundItems[1]->isChecked();
    o.clearHistory = HistoryClearBox->isChecked();
    const int language = LanguageCombo->currentIndex() >= 0 ? LanguageCombo->currentIndex() : 0;
    if (language < LanguageCombo->count()) {
        o.Language = toCp(LanguageCombo->itemText(language));
    }
    if (MonitorFontCombo->currentIndex() >= 0) {
        o.MonitorFont = toCp(MonitorFontCombo->currentText());
    }
    o.SortCol = m_titles.sortColumnOf(toCp(ColCombo->currentText()));
    if (ColUp->isChecked()) {
        o.SortUp = true;
    } else if (ColDown->isChecked()) {
        o.SortUp = false;
    }
    o.BatteryMonitorLevel = std::max(0, m_battery->checkedId());
    o.HistoryMonitorLevel = std::max(0, m_history->checkedId());
    o.HistoryLength = HistoryEdit->value();
    o.Download = DownloadBox->isChecked();
    o.Online = OnlineBox->isChecked();
    o.Monitor = MonitorBox->isChecked();
    o.OpenDataFile = OpenDataBox->isChecked();
    o.OpenMonitorFile = OpenMonitorBox->isChecked();
    o.OpenDataPath = toCp(DataEdit->text());
    o.OpenMonitorPath = toCp(MonitorEdit->text());
    o.Login = LoginBox->isChecked();
    for (int i = 0; i < 5; ++i) {
        o.titles[static_cast<std::size_t>(i)] = toCp(TitleEdits[i]->text());
        o.visible[static_cast<std::size_t>(i)] = VisibleBoxes[i]->isChecked();
    }
    accept();
}

} // namespace vorbix::ui
