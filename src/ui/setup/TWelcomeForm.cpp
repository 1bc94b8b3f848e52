#include "ui/setup/TWelcomeForm.h"

#include "core/base/TextNumbers.h"
#include "ui/app/Icons.h"
#include "ui/help/HelpContext.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorbix::ui {
namespace {

QPushButton* actionButton(QWidget* parent, const char* name, const char* themeIcon, const char* shippedIcon)
{
    auto* button = named(new QPushButton(parent), name);
    button->setIcon(toolIcon(themeIcon, shippedIcon));
    button->setIconSize(QSize(23, 23));
    button->setFixedSize(36, 34);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TWelcomeForm::TWelcomeForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TWelcomeForm"));
    setModal(false);
    setHelpContext(this, 310);

    Label1 = named(new QLabel(this), "Label1");
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label1->setFont(heading);

    BtnNew = actionButton(this, "BtnNew", "document-new", "new");
    LabelNew = named(new QLabel(this), "LabelNew");
    BtnOpen = actionButton(this, "BtnOpen", "document-open", "open");
    LabelOpen = named(new QLabel(this), "LabelOpen");
    BtnOpen2 = actionButton(this, "BtnOpen2", "document-open-recent", "open");
    LabelOpen2 = named(new QLabel(this), "LabelOpen2");
    LabelRecent = named(new QLabel(this), "LabelRecent");
    BtnLogin = actionButton(this, "BtnLogin", "dialog-password", "login");
    LabelLogin = named(new QLabel(this), "LabelLogin");
    BitBtn1 = actionButton(this, "BitBtn1", "utilities-system-monitor", "monitor");
    LabelMonitor = named(new QLabel(this), "LabelMonitor");
    BtnSetup = actionButton(this, "BtnSetup", "preferences-system-network", "online");
    LabelSetup = named(new QLabel(this), "LabelSetup");
    LabelConn = named(new QLabel(this), "LabelConn");
    for (QLabel* detail : {LabelRecent, LabelConn}) {
        QFont f = detail->font();
        f.setItalic(true);
        detail->setFont(f);
    }

    ConnLabel = named(new QLabel(this), "ConnLabel");
    ConnCombo = named(new QComboBox(this), "ConnCombo");
    ConnCombo->setMinimumWidth(180);
    ConnOpenButton = named(new QPushButton(this), "ConnOpenButton");
    ConnOpenButton->setAutoDefault(false);
    ShowBox = named(new QCheckBox(QStringLiteral("Don't show next time"), this), "ShowBox");

    auto* grid = new QGridLayout;
    const std::tuple<QPushButton*, QLabel*, QLabel*> rows[] = {
        {BtnNew, LabelNew, nullptr},     {BtnOpen, LabelOpen, nullptr},    {BtnOpen2, LabelOpen2, LabelRecent},
        {BtnLogin, LabelLogin, nullptr}, {BitBtn1, LabelMonitor, nullptr}, {BtnSetup, LabelSetup, LabelConn},
    };
    int row = 0;
    for (const auto& [button, label, detail] : rows) {
        grid->addWidget(button, row, 0);
        auto* texts = new QVBoxLayout;
        texts->setSpacing(0);
        texts->addWidget(label);
        if (detail != nullptr) {
            texts->addWidget(detail);
        }
        grid->addLayout(texts, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    auto* profile = new QHBoxLayout;
    profile->addWidget(ConnLabel);
    profile->addWidget(ConnCombo, 1);
    profile->addWidget(ConnOpenButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(profile);
    layout->addWidget(ShowBox);
}

void TWelcomeForm::applyTexts()
{
    const auto t = [this](int n) { return fromCp(LangText(*m_lang, n)); };
    setWindowTitle(t(lang::kWelcomeCaption));
    Label1->setText(t(lang::kWelcomeHeading));
    LabelNew->setText(t(lang::kWelcomeNew));
    LabelOpen->setText(t(lang::kWelcomeOpen));
    LabelOpen2->setText(t(lang::kWelcomeOpenLast));
    ShowBox->setText(t(lang::kWelcomeDontShow));
    LabelLogin->setText(t(lang::kMenuLogIn));
    LabelSetup->setText(t(lang::kMenuCommSetup));
    LabelMonitor->setText(t(lang::kMenuMonitor));
    ConnLabel->setText(t(lang::kProfileLabel));
    ConnOpenButton->setText(t(lang::kWelcomeRunProfile));
    fitToContentAndCaption(*this);
}

} // namespace vorbix::ui
