#include "ui/setup/WelcomeFeature.h"

#include "core/app/Settings.h"
#include "core/link/Komunikace.h"
#include "core/text/TextFile.h"
#include "ui/app/MainActions.h"
#include "ui/app/Shell.h"
#include "ui/app/ShellEvents.h"
#include "ui/link/LinkSession.h"
#include "ui/setup/ProfileRunner.h"
#include "ui/setup/TWelcomeForm.h"
#include "ui/widgets/QtText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace vorbix::ui {

WelcomeFeature::WelcomeFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("WelcomeFeature"));
    m_form = new TWelcomeForm(shell.mainWindow());
    m_runner = std::make_unique<ProfileRunner>(
        shell, [this](const QString& path) { emit openDataFileRequested(path); },
        [this](const QString& path) { emit monitorFileRequested(path); });

    connect(m_form->BtnNew, &QPushButton::clicked, this, &WelcomeFeature::BtnNewClick);
    connect(m_form->BtnOpen, &QPushButton::clicked, this, &WelcomeFeature::BtnOpenClick);
    connect(m_form->BtnOpen2, &QPushButton::clicked, this, &WelcomeFeature::BtnOpen2Click);
    connect(m_form->BtnLogin, &QPushButton::clicked, this, &WelcomeFeature::BtnLoginClick);
    connect(m_form->BitBtn1, &QPushButton::clicked, this, &WelcomeFeature::BitBtn1Click);
    connect(m_form->BtnSetup, &QPushButton::clicked, this, &WelcomeFeature::BtnSetupClick);
    connect(m_form->ConnCombo, &QComboBox::activated, this, &WelcomeFeature::ConnComboChange);
    connect(m_form->ConnOpenButton, &QPushButton::clicked, this, &WelcomeFeature::ConnOpenButtonClick);
    connect(m_form, &QDialog::finished, this, &WelcomeFeature::closed);
    // The welcome window stays in front of the main window.
    connect(&shell.events(), &ShellEvents::windowActivated, this, [this] {
        if (m_form->isVisible()) {
            m_form->raise();
            m_form->activateWindow();
        }
    });
}

WelcomeFeature::~WelcomeFeature() = default;

void WelcomeFeature::applyLanguage(const PopisType& lang)
{
    m_form->setLanguage(&lang);
}

bool WelcomeFeature::startup(const app::StartupPlan& plan)
{
    if (plan.welcome) {
        ShowWelcome();
    }
    return true;
}

void WelcomeFeature::ShowWelcome()
{
    m_form->applyTexts();
    const std::string& last = shell().settings().LastFile;
    m_form->LabelRecent->setText(last.empty() ? QStringLiteral("-") : fromCp(text::baseName(last)));
    m_form->BtnOpen2->setEnabled(!last.empty());
    showConnection();

    const app::ConnectionList& profiles = shell().settings().profiles;
    m_form->ConnCombo->clear();
    for (const app::TConnection& profile : profiles) {
        m_form->ConnCombo->addItem(fromCp(profile.Name));
    }
    m_form->ConnCombo->setCurrentIndex(
        app::FindProfileByTitle(profiles, shell().linkSession().link().ConnectionText()));

    m_form->show();
    m_form->raise();
    m_form->activateWindow();
}

void WelcomeFeature::showConnection()
{
    m_form->LabelConn->setText(fromCp(shell().linkSession().link().ConnectionText()));
}

void WelcomeFeature::trigger(const char* actionName)
{
    if (QAction* action = shell().actions()->action(QString::fromLatin1(actionName))) {
        action->trigger();
    }
}

void WelcomeFeature::closed()
{
    if (m_form->ShowBox->isChecked()) {
        shell().settings().Welcome = false;
    }
    shell().mainWindow()->setWindowTitle(QStringLiteral("Vorbix - ") + m_form->ConnCombo->currentText());
}

void WelcomeFeature::BtnNewClick()
{
    trigger("MenuNew");
    if (shell().state().DataOpen) {
        m_form->close();
    }
}

void WelcomeFeature::BtnOpenClick()
{
    trigger("MenuOpen");
    if (shell().state().DataOpen) {
        m_form->close();
    }
}

void WelcomeFeature::BtnOpen2Click()
{
    m_form->close();
    emit openDataFileRequested(fromCp(shell().settings().LastFile));
}

void WelcomeFeature::BtnLoginClick()
{
    m_form->close();
    if (!shell().state().LoggedIn) {
        trigger("MenuLogin");
    }
    if (!shell().state().LoggedIn) {
        ShowWelcome();
    }
}

void WelcomeFeature::BitBtn1Click()
{
    m_form->close();
    if (!shell().state().LoggedIn) {
        trigger("MenuLogin");
    }
    if (shell().state().LoggedIn) {
        trigger("MenuMonitor");
    } else {
        ShowWelcome();
    }
}

void WelcomeFeature::BtnSetupClick()
{
    trigger("MenuCommSetup");
    showConnection();
    shell().RefreshStatus();
}

void WelcomeFeature::ConnComboChange(int index)
{
    const app::ConnectionList& profiles = shell().settings().profiles;
    if (index < 0 || static_cast<std::size_t>(index) >= profiles.size()) {
        return;
    }
    m_runner->takeConnection(profiles[static_cast<std::size_t>(index)], true);
    showConnection();
}

void WelcomeFeature::ConnOpenButtonClick()
{
    const int index = m_form->ConnCombo->currentIndex();
    const app::ConnectionList& profiles = shell().settings().profiles;
    if (index < 0 || static_cast<std::size_t>(index) >= profiles.size()) {
        return;
    }
    const app::TConnection profile = profiles[static_cast<std::size_t>(index)];
    m_runner->openFiles(profile);
    m_form->close();
    m_runner->runActions(profile);
    (void)shell().SaveSettings();
}

} // namespace vorbix::ui
