#include "ui/help/HelpFeature.h"

#include "core/app/Language.h"
#include "core/base/TextNumbers.h"
#include "core/text/TextFile.h"
#include "ui/app/MainActions.h"
#include "ui/app/Shell.h"
#include "ui/help/HelpContext.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/TAboutForm.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QAction>
#include <QApplication>
#include <QShortcut>

namespace vorbix::ui {

HelpFeature::HelpFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("HelpFeature"));
    m_aboutForm = new TAboutForm(shell.mainWindow());
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), shell.mainWindow());
    help->setContext(Qt::ApplicationShortcut);
    connect(help, &QShortcut::activated, this, &HelpFeature::showHelpForFocus);
}

void HelpFeature::connectActions(MainActions& actions)
{
    connect(actions.action(QStringLiteral("MenuAbout")), &QAction::triggered, this, &HelpFeature::MenuAboutClick);
    connect(actions.action(QStringLiteral("MenuIndex")), &QAction::triggered, this, &HelpFeature::MenuIndexClick);
}

void HelpFeature::applyLanguage(const PopisType& lang)
{
    m_aboutForm->setLanguage(&lang);
    m_helpFile = app::HelpFileFor(shell().programFolder(), shell().languageCode());
    if (m_helpWindow != nullptr) {
        m_helpWindow->setContentsPage(fromCp(m_helpFile));
        m_helpWindow->applyTexts(lang);
    }
}

void HelpFeature::closeSteps()
{
    if (m_helpWindow != nullptr) {
        m_helpWindow->close();
    }
}

HelpWindow* HelpFeature::helpWindow()
{
    if (m_helpWindow == nullptr) {
        m_helpWindow = new HelpWindow(shell().mainWindow());
        m_helpWindow->setContentsPage(fromCp(m_helpFile));
        m_helpWindow->applyTexts(shell().lang());
    }
    return m_helpWindow;
}

bool HelpFeature::helpAvailable()
{
    std::string reason;
    if (text::fileExists(m_helpFile, reason)) {
        return true;
    }
    Dialogs::error(shell().mainWindow(), fromCp(LangText(shell().lang(), lang::kFileCannotBeOpened) + " - " + reason));
    return false;
}

void HelpFeature::MenuIndexClick()
{
    if (helpAvailable()) {
        helpWindow()->showContents();
    }
}

void HelpFeature::showHelpForFocus()
{
    if (helpAvailable()) {
        QWidget* focus = QApplication::focusWidget();
        helpWindow()->showContext(helpContextOf(focus != nullptr ? focus : shell().mainWindow()));
    }
}

void HelpFeature::MenuAboutClick()
{
    m_aboutForm->setRxDefPath(text::joinPath(shell().programFolder(), "Rx.def"));
    m_aboutForm->exec();
}

} // namespace vorbix::ui
