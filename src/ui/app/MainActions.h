#pragma once

#include "core/base/LanguageTable.h"

#include <QObject>
#include <QString>
#include <map>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

namespace vorbix::ui {

// The main window's commands: the five menus with their items, shortcuts and separators, and the
// tool bar whose buttons run the menu items of the same name. Every item and button is a QAction
// child of the window named like the component (MenuNew, ToolButtonNew, ...), so other windows and
// tests find them by name. Connecting the operations is left to the owners of those operations.
class MainActions : public QObject
{
    Q_OBJECT
public:
    explicit MainActions(QMainWindow* window);

    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QToolBar* toolBar() const { return m_toolBar; }

    // Menu captions and tool-bar hints from the language table. MenuIndex, MenuQTXLogger and
    // ToolButtonLogger keep their fixed captions.
    void applyTexts(const PopisType& lang, bool loggedIn, bool onLine);

    // The twelve communication controls; unlocking also releases the pressed state of the
    // download and upload buttons. The logger commands are never touched.
    void LockCommCommands();
    void UnlockCommCommands();

    void setRecordCommandsEnabled(bool enabled);

    // For an application user without administrator rights: only the Help menu stays, the tool bar
    // goes, and the communication shortcuts are removed.
    void cutDownForUser();
    // The monitor layout: the tool bar goes (and comes back for an administrator only), and the
    // menus and buttons that change data or the link are disabled, to get their state back on
    // leaving. Monitoring and Silence of the Communication menu stay.
    void enterMonitorLayout();
    void leaveMonitorLayout(bool adminRights);

private:
    void setCommCommandsEnabled(bool enabled);
    QAction* addMenuAction(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut);
    QAction* addToolAction(const char* name, const char* menuName, const char* themeIcon, const char* shippedIcon);
    void setText(const char* name, const PopisType& lang, int n);
    void setHint(const char* name, const PopisType& lang, int n);

    QMainWindow* m_window;
    QToolBar* m_toolBar = nullptr;
    std::map<QString, QAction*> m_actions;
    std::map<QString, QMenu*> m_menus;
    // The enabled state of the controls the monitor layout disables.
    std::map<QAction*, bool> m_beforeMonitorLayout;
};

} // namespace vorbix::ui
