#include "ui/setup/AccountsPage.h"

#include "core/base/TextNumbers.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QButtonGroup>
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

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

AccountsPage::AccountsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AccPage"));
    AccNameLabel = named(new QLabel(this), "AccNameLabel");
    AccNameEdit = named(new QLineEdit(this), "AccNameEdit");
    AccPassLabel = named(new QLabel(this), "AccPassLabel");
    // A password is typed hidden, shown only on request, and a stored one never reaches the field.
    AccPassEdit = named(new QLineEdit(this), "AccPassEdit");
    AccPassEdit->setEchoMode(QLineEdit::Password);
    AccPassShow = named(new QCheckBox(this), "AccPassShow");
    connect(AccPassShow, &QCheckBox::toggled, this,
            [this](bool shown) { AccPassEdit->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password); });
    for (QLineEdit* edit : {AccNameEdit, AccPassEdit}) {
        edit->setMaxLength(static_cast<int>(setup::kAccountTextLength));
    }
    AccRightsGroup = named(new QGroupBox(this), "AccRightsGroup");
    AccAdminRadio = named(new QRadioButton(AccRightsGroup), "AccAdminRadio");
    AccUserRadio = named(new QRadioButton(AccRightsGroup), "AccUserRadio");
    m_rights = new QButtonGroup(this);
    m_rights->addButton(AccAdminRadio, 0);
    m_rights->addButton(AccUserRadio, 1);
    auto* rightsLayout = new QHBoxLayout(AccRightsGroup);
    rightsLayout->addWidget(AccAdminRadio);
    rightsLayout->addWidget(AccUserRadio);
    AccConnLabel = named(new QLabel(this), "AccConnLabel");
    AccConnCombo = named(new QComboBox(this), "AccConnCombo");
    AccConnCombo->setEditable(true);
    AccConnCombo->setInsertPolicy(QComboBox::NoInsert);

    AccAddButton = named(new QPushButton(this), "AccAddButton");
    AccSaveButton = named(new QPushButton(this), "AccSaveButton");
    AccDelButton = named(new QPushButton(this), "AccDelButton");
    for (QPushButton* button : {AccAddButton, AccSaveButton, AccDelButton}) {
        button->setAutoDefault(false);
    }
    connect(AccAddButton, &QPushButton::clicked, this,
            [this] { finishEdit(setup::AddAccount(m_accounts, selectedRow(), form())); });
    connect(AccSaveButton, &QPushButton::clicked, this,
            [this] { finishEdit(setup::SaveAccount(m_accounts, selectedRow(), form())); });
    connect(AccDelButton, &QPushButton::clicked, this, [this] {
        const setup::AccountEdit edit = setup::DeleteAccount(m_accounts, selectedRow());
        fillGrid();
        selectRow(edit.row);
        rowSelected(edit.row);
    });

    AccGrid = named(new QTableWidget(this), "AccGrid");
    AccGrid->setColumnCount(3);
    AccGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    AccGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    AccGrid->verticalHeader()->hide();
    const int widths[] = {40, 223, 216};
    for (int c = 0; c < 3; ++c) {
        AccGrid->setColumnWidth(c, widths[c]);
    }
    connect(AccGrid, &QTableWidget::currentCellChanged, this, [this](int row) { rowSelected(row + 1); });

    auto* editor = new QGridLayout;
    editor->addWidget(AccNameLabel, 0, 0);
    editor->addWidget(AccNameEdit, 0, 1);
    editor->addWidget(AccPassLabel, 1, 0);
    auto* password = new QHBoxLayout;
    password->addWidget(AccPassEdit, 1);
    password->addWidget(AccPassShow);
    editor->addLayout(password, 1, 1);
    editor->addWidget(AccConnLabel, 2, 0);
    editor->addWidget(AccConnCombo, 2, 1);
    editor->addWidget(AccRightsGroup, 0, 2, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AccAddButton);
    buttons->addWidget(AccSaveButton);
    buttons->addWidget(AccDelButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editor);
    layout->addLayout(buttons);
    layout->addWidget(AccGrid, 1);
}

void AccountsPage::applyTexts(const PopisType& lang)
{
    m_lang = &lang;
    const auto t = [&lang](int n) { return fromCp(LangText(lang, n)); };
    AccNameLabel->setText(t(lang::kNameLabel));
    AccPassLabel->setText(t(lang::kPassword));
    AccPassShow->setText(t(lang::kShowPassword));
    AccRightsGroup->setTitle(t(lang::kRightsGroup));
    AccAdminRadio->setText(t(lang::kRightsAdministrator));
    AccUserRadio->setText(t(lang::kRightsUser));
    AccConnLabel->setText(t(lang::kProfileLabel));
    AccAddButton->setText(t(lang::kAddButton));
    AccSaveButton->setText(t(lang::kSaveButton));
    AccDelButton->setText(t(lang::kDeleteButton));
    AccGrid->setHorizontalHeaderLabels(
        {QString(), t(lang::kNameLabel), t(lang::kRightsGroup) + QStringLiteral(" - ") + t(lang::kProfileLabel)});
}

void AccountsPage::setProfiles(const app::ConnectionList* profiles)
{
    m_profiles = profiles;
    profilesChanged();
}

void AccountsPage::profilesChanged()
{
    const QString typed = AccConnCombo->currentText();
    AccConnCombo->clear();
    if (m_profiles != nullptr) {
        for (std::size_t i = 1; i < m_profiles->size(); ++i) {
            AccConnCombo->addItem(fromCp((*m_profiles)[i].Name));
        }
    }
    AccConnCombo->setCurrentText(typed);
    fillGrid();
}

void AccountsPage::LoadAccounts(const std::string& path)
{
    std::string error;
    m_readable = setup::LoadAccounts(path, m_accounts, error);
    if (!m_readable) {
        Dialogs::error(this, fromCp(LangText(*m_lang, lang::kFileCannotBeOpened) + " - " + error));
    }
    setEnabled(m_readable);
    fillGrid();
    selectRow(1);
    rowSelected(1);
}

bool AccountsPage::SaveAccounts(const std::string& path)
{
    if (!m_readable) {
        return true;
    }
    std::string error;
    if (!setup::SaveAccounts(path, m_accounts, error)) {
        Dialogs::error(this, fromCp(LangText(*m_lang, lang::kFileCannotBeOpened) + " - " + error));
        return false;
    }
    return true;
}

int AccountsPage::selectedRow() const
{
    return std::max(0, AccGrid->currentRow()) + 1;
}

void AccountsPage::selectRow(int row)
{
    AccGrid->setCurrentCell(row - 1, 0);
}

void AccountsPage::fillGrid()
{
    const QSignalBlocker blocker(AccGrid);
    static const app::ConnectionList none;
    const app::ConnectionList& profiles = m_profiles != nullptr ? *m_profiles : none;
    AccGrid->clearContents();
    AccGrid->setRowCount(setup::AccountGridRows(m_accounts));
    for (std::size_t n = 0; n < m_accounts.size(); ++n) {
        const setup::TAccount& a = m_accounts[n];
        const int row = static_cast<int>(n);
        AccGrid->setItem(row, 0, cell(QString::number(row + 1)));
        AccGrid->setItem(row, 1, cell(fromCp(a.Name)));
        AccGrid->setItem(row, 2, cell(fromCp(setup::AccountRightsText(a, profiles, *m_lang))));
    }
}

void AccountsPage::setRights(std::optional<bool> admin)
{
    m_rights->setExclusive(false);
    AccAdminRadio->setChecked(admin.has_value() && *admin);
    AccUserRadio->setChecked(admin.has_value() && !*admin);
    m_rights->setExclusive(true);
}

void AccountsPage::rowSelected(int row)
{
    static const app::ConnectionList none;
    const setup::AccountForm f = setup::AccountFormForRow(m_accounts, m_profiles != nullptr ? *m_profiles : none, row);
    AccNameEdit->setText(fromCp(f.Name));
    AccPassEdit->clear();
    AccPassShow->setChecked(false);
    AccPassEdit->setPlaceholderText(row >= 1 && static_cast<std::size_t>(row) <= m_accounts.size() && m_lang != nullptr
                                        ? QStringLiteral("(") + fromCp(LangText(*m_lang, lang::kPasswordUnchanged)) +
                                              QStringLiteral(")")
                                        : QString());
    setRights(f.admin);
    AccConnCombo->setCurrentIndex(-1);
    AccConnCombo->setCurrentText(fromCp(f.Connection));
}

setup::AccountForm AccountsPage::form() const
{
    setup::AccountForm f;
    f.Name = toCp(AccNameEdit->text());
    f.Password = toCp(AccPassEdit->text());
    if (AccAdminRadio->isChecked()) {
        f.admin = true;
    } else if (AccUserRadio->isChecked()) {
        f.admin = false;
    }
    f.Connection = toCp(AccConnCombo->currentText());
    return f;
}

void AccountsPage::finishEdit(const setup::AccountEdit& edit)
{
    if (edit.check.accepted) {
        fillGrid();
        selectRow(edit.row);
        return;
    }
    Dialogs::error(this, fromCp(LangText(*m_lang, edit.check.languageText)));
    if (edit.check.field == setup::AccountField::Name) {
        AccNameEdit->setFocus();
    } else {
        AccAdminRadio->setFocus();
    }
}

} // namespace vorbix::ui
