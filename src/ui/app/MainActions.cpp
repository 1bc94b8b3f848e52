#include "ui/app/MainActions.h"

#include "core/app/CommandNames.h"
#include "core/base/TextNumbers.h"
#include "ui/app/Icons.h"
#include "ui/help/HelpContext.h"
#include "ui/widgets/QtText.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace vorbix::ui {

MainActions::MainActions(QMainWindow* window) : QObject(window), m_window(window)
{
    QMenuBar* bar = window->menuBar();
    auto addMenu = [&](const char* name, const QString& title, int helpContext) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        setHelpContext(menu, helpContext);
        m_menus[menu->objectName()] = menu;
        return menu;
    };
    const QKeySequence none;

    QMenu* file = addMenu("MFile", tr("&File"), 210);
    addMenuAction(file, "MenuNew", tr("New"), none);
    addMenuAction(file, "MenuOpen", tr("Open ..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    addMenuAction(file, "MenuOpenMonitoring", tr("Open monitoring ..."), none);
    file->addSeparator();
    addMenuAction(file, "MenuSave", tr("Save all"), QKeySequence(Qt::CTRL | Qt::Key_S));
    addMenuAction(file, "MenuSaveAs", tr("Save as ..."), none);
    addMenuAction(file, "MenuSaveMonitoringAs", tr("Save monitoring as ..."), none);
    addMenuAction(file, "MenuClose", tr("Close"), none);
    file->addSeparator();
    addMenuAction(file, "MenuExport", tr("Export ..."), none);
    addMenuAction(file, "MenuImport", tr("Import comments ..."), none);
    addMenuAction(file, "MenuImportCsv", tr("Import records from a CSV file ..."), none)->setEnabled(false);
    addMenuAction(file, "MenuOpenBackup", tr("Open backup ..."), none);
    file->addSeparator();
    addMenuAction(file, "MenuPrint", tr("Print ..."), none);
    file->addSeparator();
    addMenuAction(file, "MenuExit", tr("Exit"), none);

    QMenu* edit = addMenu("MEdit", tr("&Edit"), 220);
    // Undo and Redo name the step they take; the record views keep their captions.
    addMenuAction(edit, "MenuUndo", tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z))->setEnabled(false);
    QAction* redo = addMenuAction(edit, "MenuRedo", tr("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setEnabled(false);
    edit->addSeparator();
    addMenuAction(edit, "MenuAdd", tr("Add"), QKeySequence(Qt::Key_F5));
    addMenuAction(edit, "MenuEdit", tr("Edit"), QKeySequence(Qt::Key_F6));
    addMenuAction(edit, "MenuDelete", tr("Delete"), QKeySequence(Qt::Key_F7));
    edit->addSeparator();
    addMenuAction(edit, "MenuFind", tr("Find ..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    addMenuAction(edit, "MenuFindNext", tr("Find next"), QKeySequence(Qt::CTRL | Qt::Key_N));
    edit->addSeparator();
    // The tables are read-only texts: they can be copied, not cut or pasted into.
    addMenuAction(edit, "MenuCut", tr("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X))->setEnabled(false);
    addMenuAction(edit, "MenuCopy", tr("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    addMenuAction(edit, "MenuPaste", tr("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V))->setEnabled(false);

    QMenu* comm = addMenu("MCommunication", tr("&Communication"), 230);
    addMenuAction(comm, "MenuUpload", tr("Upload"), QKeySequence(Qt::Key_F10));
    addMenuAction(comm, "MenuDownload", tr("Download"), QKeySequence(Qt::Key_F11));
    comm->addSeparator();
    addMenuAction(comm, "MenuLogin", tr("Login"), QKeySequence(Qt::Key_F9));
    addMenuAction(comm, "MenuPassChange", tr("Change password ..."), none);
    comm->addSeparator();
    addMenuAction(comm, "MenuOnline", tr("On-line"), QKeySequence(Qt::Key_F12));
    addMenuAction(comm, "MenuMonitor", tr("Monitoring"), QKeySequence(Qt::CTRL | Qt::Key_F12));
    // Only in monitor mode. The window holds it too, so that its key works where an operator has
    // no Communication menu.
    QAction* silence = addMenuAction(comm, "MenuSilence", tr("Silence"), QKeySequence(Qt::CTRL | Qt::Key_M));
    silence->setEnabled(false);
    window->addAction(silence);
    comm->addSeparator();
    addMenuAction(comm, "MenuQTXLogger", QStringLiteral("QTX Logger"), none);

    QMenu* settings = addMenu("MSettings", tr("&Settings"), 240);
    addMenuAction(settings, "MenuAppSetup", tr("Application setup ..."), none);
    setHelpContext(action(QStringLiteral("MenuAppSetup")), 240);
    addMenuAction(settings, "MenuCommSetup", tr("Communication setup ..."), none);

    QMenu* help = addMenu("MHelp", tr("&Help"), 100);
    addMenuAction(help, "MenuIndex", QStringLiteral("Index"), none);
    addMenuAction(help, "MenuAbout", tr("About ..."), none);

    m_toolBar = new QToolBar(window);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(23, 23));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->toggleViewAction()->setEnabled(false);
    setHelpContext(m_toolBar, 100);
    window->addToolBar(Qt::TopToolBarArea, m_toolBar);

    addToolAction("ToolButtonNew", "MenuNew", "document-new", "new");
    m_toolBar->addSeparator();
    addToolAction("ToolButtonOpen", "MenuOpen", "document-open", "open");
    addToolAction("ToolButtonSave", "MenuSave", "document-save", "save");
    m_toolBar->addSeparator();
    addToolAction("ToolButtonAdd", "MenuAdd", "list-add", "add");
    addToolAction("ToolButtonEdit", "MenuEdit", "document-properties", "edit");
    addToolAction("ToolButtonDelete", "MenuDelete", "list-remove", "delete");
    m_toolBar->addSeparator();
    addToolAction("ToolButtonLogin", "MenuLogin", "dialog-password", "login");
    m_toolBar->addSeparator();
    addToolAction("ToolButtonUpload", "MenuUpload", "go-up", "upload");
    addToolAction("ToolButtonDownload", "MenuDownload", "go-down", "download");
    m_toolBar->addSeparator();
    addToolAction("ToolButtonOnline", "MenuOnline", "network-receive", "online");
    m_toolBar->addSeparator();
    addToolAction("ToolButtonMonitor", "MenuMonitor", "utilities-system-monitor", "monitor");
    m_toolBar->addSeparator();
    addToolAction("ToolButtonLogger", "MenuQTXLogger", "text-x-generic", "logger");
    action(QStringLiteral("ToolButtonLogger"))->setToolTip(QStringLiteral("QTX Logger"));

    // The buttons that show a running transfer as pressed.
    action(QStringLiteral("ToolButtonDownload"))->setCheckable(true);
    action(QStringLiteral("ToolButtonUpload"))->setCheckable(true);
}

QAction* MainActions::addMenuAction(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut)
{
    auto* a = new QAction(text, m_window);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    menu->addAction(a);
    m_actions[a->objectName()] = a;
    return a;
}

QAction* MainActions::addToolAction(const char* name, const char* menuName, const char* themeIcon,
                                    const char* shippedIcon)
{
    QAction* menuAction = action(QString::fromLatin1(menuName));
    auto* a = new QAction(menuAction->text(), m_window);
    a->setObjectName(QString::fromLatin1(name));
    a->setIcon(toolIcon(themeIcon, shippedIcon));
    connect(a, &QAction::triggered, menuAction, [menuAction] { menuAction->trigger(); });
    m_toolBar->addAction(a);
    if (QWidget* button = m_toolBar->widgetForAction(a)) {
        button->setObjectName(QString::fromLatin1(name));
    }
    m_actions[a->objectName()] = a;
    return a;
}

QAction* MainActions::action(const QString& name) const
{
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* MainActions::menu(const QString& name) const
{
    const auto it = m_menus.find(name);
    return it == m_menus.end() ? nullptr : it->second;
}

void MainActions::setText(const char* name, const PopisType& lang, int n)
{
    action(QString::fromLatin1(name))->setText(fromCp(LangText(lang, n)));
}

void MainActions::setHint(const char* name, const PopisType& lang, int n)
{
    QAction* a = action(QString::fromLatin1(name));
    a->setText(fromCp(LangText(lang, n)));
    a->setToolTip(fromCp(LangText(lang, n)));
}

void MainActions::applyTexts(const PopisType& lang, bool loggedIn, bool onLine)
{
    const char* menus[] = {"MFile", "MEdit", "MCommunication", "MSettings", "MHelp"};
    for (int i = 0; i < 5; ++i) {
        menu(QString::fromLatin1(menus[i]))->setTitle(fromCp(LangText(lang, lang::kMenuFile + i)));
    }
    struct Text
    {
        const char* name;
        int n;
    };
    static constexpr Text menuTexts[] = {
        {"MenuNew", lang::kMenuNew},
        {"MenuOpen", lang::kMenuOpen},
        {"MenuSave", lang::kMenuSaveAll},
        {"MenuSaveAs", lang::kMenuSaveAs},
        {"MenuImport", lang::kMenuImportComments},
        {"MenuImportCsv", lang::kMenuImportCsv},
        {"MenuExport", lang::kMenuExport},
        {"MenuPrint", lang::kMenuPrint},
        {"MenuClose", lang::kMenuClose},
        {"MenuExit", lang::kMenuExit},
        {"MenuAdd", lang::kMenuAdd},
        {"MenuEdit", lang::kMenuEdit},
        {"MenuDelete", lang::kMenuDelete},
        {"MenuOpenBackup", lang::kMenuOpenBackup},
        {"MenuCut", lang::kMenuCut},
        {"MenuCopy", lang::kMenuCopy},
        {"MenuPaste", lang::kMenuPaste},
        {"MenuCommSetup", lang::kMenuCommSetup},
        {"MenuAppSetup", lang::kMenuAppSetup},
        {"MenuPassChange", lang::kMenuChangePassword},
        {"MenuUpload", lang::kMenuUpload},
        {"MenuDownload", lang::kMenuDownload},
        {"MenuAbout", lang::kMenuAbout},
        {"MenuFind", lang::kMenuFind},
        {"MenuFindNext", lang::kMenuFindNext},
        {"MenuMonitor", lang::kMenuMonitor},
        {"MenuOpenMonitoring", lang::kMenuOpenMonitoring},
        {"MenuSaveMonitoringAs", lang::kMenuSaveMonitoringAs},
        {"MenuSilence", lang::kMonitorSilence},
    };
    for (const Text& t : menuTexts) {
        setText(t.name, lang, t.n);
    }
    static constexpr Text hints[] = {
        {"ToolButtonNew", lang::kMenuNew},         {"ToolButtonOpen", lang::kMenuOpen},
        {"ToolButtonSave", lang::kMenuSaveAll},    {"ToolButtonAdd", lang::kMenuAdd},
        {"ToolButtonEdit", lang::kMenuEdit},       {"ToolButtonDelete", lang::kMenuDelete},
        {"ToolButtonUpload", lang::kMenuUpload},   {"ToolButtonDownload", lang::kMenuDownload},
        {"ToolButtonMonitor", lang::kMenuMonitor},
    };
    for (const Text& t : hints) {
        setHint(t.name, lang, t.n);
    }
    const int login = loggedIn ? lang::kMenuLogOut : lang::kMenuLogIn;
    setText("MenuLogin", lang, login);
    setHint("ToolButtonLogin", lang, login);
    const int online = onLine ? lang::kMenuStopOnline : lang::kMenuStartOnline;
    setText("MenuOnline", lang, online);
    setHint("ToolButtonOnline", lang, online);
}

void MainActions::LockCommCommands()
{
    setCommCommandsEnabled(false);
}

void MainActions::UnlockCommCommands()
{
    setCommCommandsEnabled(true);
    action(QStringLiteral("ToolButtonDownload"))->setChecked(false);
    action(QStringLiteral("ToolButtonUpload"))->setChecked(false);
}

void MainActions::setCommCommandsEnabled(bool enabled)
{
    for (const char* name : app::kCommCommands) {
        QAction* control = action(QString::fromLatin1(name));
        // The monitor layout holds some of them out of reach (the status reads of monitor mode lock
        // and unlock the commands): they get the new state when it ends.
        if (const auto held = m_beforeMonitorLayout.find(control); held != m_beforeMonitorLayout.end()) {
            held->second = enabled;
        } else {
            control->setEnabled(enabled);
        }
    }
}

void MainActions::setRecordCommandsEnabled(bool enabled)
{
    for (const char* name : app::kRecordCommands) {
        action(QString::fromLatin1(name))->setEnabled(enabled);
    }
}

void MainActions::cutDownForUser()
{
    m_toolBar->hide();
    for (const char* name : {"MFile", "MEdit", "MCommunication", "MSettings"}) {
        menu(QString::fromLatin1(name))->menuAction()->setVisible(false);
    }
    for (const char* name :
         {"MenuDownload", "MenuUpload", "MenuLogin", "MenuOnline", "MenuMonitor", "MenuUndo", "MenuRedo"}) {
        action(QString::fromLatin1(name))->setShortcut(QKeySequence());
    }
}

void MainActions::enterMonitorLayout()
{
    // What the monitor layout takes out of reach: the menus by their menu entries, the rest as actions.
    // The Communication menu stays for Monitoring (the documented way out that keeps the messages
    // active) and Silence; its other items go, the logger's too, which would end on-line mode.
    static constexpr const char* kMenus[] = {"MFile", "MEdit"};
    static constexpr const char* kActions[] = {
        "MenuCommSetup",      "MenuUpload",       "MenuDownload",     "MenuLogin",       "MenuPassChange",
        "MenuOnline",         "MenuQTXLogger",    "ToolButtonNew",    "ToolButtonOpen",  "ToolButtonSave",
        "ToolButtonAdd",      "ToolButtonEdit",   "ToolButtonDelete", "ToolButtonLogin", "ToolButtonUpload",
        "ToolButtonDownload", "ToolButtonOnline", "ToolButtonLogger"};
    m_toolBar->hide();
    m_beforeMonitorLayout.clear();
    for (const char* name : kMenus) {
        if (QMenu* found = menu(QString::fromLatin1(name))) {
            m_beforeMonitorLayout[found->menuAction()] = found->menuAction()->isEnabled();
        }
    }
    for (const char* name : kActions) {
        if (QAction* found = action(QString::fromLatin1(name))) {
            m_beforeMonitorLayout[found] = found->isEnabled();
        }
    }
    for (auto& [control, enabled] : m_beforeMonitorLayout) {
        control->setEnabled(false);
    }
}

void MainActions::leaveMonitorLayout(bool adminRights)
{
    // A user without administrator rights has no tool bar to give back.
    if (adminRights) {
        m_toolBar->show();
    }
    for (auto& [control, enabled] : m_beforeMonitorLayout) {
        control->setEnabled(enabled);
    }
    m_beforeMonitorLayout.clear();
}

} // namespace vorbix::ui
