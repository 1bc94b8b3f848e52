#include "ui/setup/AppSetupFeature.h"

#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/link/Komunikace.h"
#include "core/model/TRxFnc.h"
#include "core/setup/Accounts.h"
#include "core/setup/SetupOptions.h"
#include "core/text/TextFile.h"
#include "core/views/ColumnConfig.h"
#include "ui/app/MainActions.h"
#include "ui/app/RecordData.h"
#include "ui/app/Shell.h"
#include "ui/link/LinkSession.h"
#include "ui/setup/TAppSetupForm.h"

#include <QAction>

namespace vorbix::ui {

AppSetupFeature::AppSetupFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("AppSetupFeature"));
    m_form = new TAppSetupForm(shell.mainWindow());
}

void AppSetupFeature::connectActions(MainActions& actions)
{
    if (QAction* action = actions.action(QStringLiteral("MenuAppSetup"))) {
        connect(action, &QAction::triggered, this, &AppSetupFeature::MenuAppSetupClick);
    }
}

void AppSetupFeature::applyLanguage(const PopisType& lang)
{
    m_form->setLanguage(&lang);
}

void AppSetupFeature::MenuAppSetupClick()
{
    app::Settings& settings = shell().settings();
    const bool multi = !shell().records().functions.isSingleLayout();
    const views::GridLayout layout = multi ? views::GridLayout::Multi : views::GridLayout::Single;
    views::ColumnConfig columns;
    views::LoadColumnConfig(app::IniFile::load(shell().settingsPath()), columns);
    const views::VisibleFlags visible = columns.visible[static_cast<std::size_t>(layout)];

    // Profile 0 always mirrors the link's current connection.
    if (settings.profiles.empty()) {
        settings.profiles.emplace_back();
        settings.profiles[0].Name = "Default";
    }
    settings.profiles[0].connection = shell().linkSession().link().Settings;

    TAppSetupForm::Inputs inputs;
    inputs.options = setup::OptionsFromSettings(settings, multi, visible);
    inputs.sortItems = m_sortItems ? m_sortItems() : std::vector<std::string>{};
    inputs.profiles = &settings.profiles;
    inputs.programFolder = shell().programFolder();
    inputs.accountsPath = text::joinPath(shell().programFolder(), setup::kAccountFileName);
    if (!m_form->Open(inputs)) {
        return;
    }

    const setup::SetupOptions& chosen = m_form->options();
    setup::ApplyOptions(chosen, settings, multi);
    for (const setup::ColumnChange& change : setup::ColumnChanges(visible, chosen.visible)) {
        emit userColumnVisibilityChanged(change.code, change.visible);
    }
    emit historySetupChanged(chosen.HistoryLength, chosen.clearHistory);
    (void)shell().SaveSettings();
    if (chosen.Language != shell().languageCode()) {
        emit languageChosen(chosen.Language);
    }
    emit viewsRebuildRequested();
    shell().RefreshStatus();
}

} // namespace vorbix::ui
