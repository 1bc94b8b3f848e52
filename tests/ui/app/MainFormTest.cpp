#include "MainFormFixture.h"
#include "support/EventWait.h"
#include "support/WindowParts.h"

#include "core/app/InstanceLock.h"
#include "core/app/StatusView.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"
#include "ui/app/Feature.h"
#include "ui/app/FocusReturn.h"
#include "ui/app/MainActions.h"
#include "ui/app/ProgramEntry.h"
#include "ui/online/OnlinePanel.h"
#include "ui/setup/UserLoginFeature.h"
#include "ui/widgets/Dialogs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <cstdlib>
#include <filesystem>

using namespace vorbix;
using namespace vorbix::test;
using ui::Dialogs;

namespace {

QStringList messages()
{
    return Dialogs::shownMessages();
}

// A feature with something unsaved, as the monitor's setup will be; its save counts and succeeds.
class UnsavedFeature : public ui::Feature
{
public:
    UnsavedFeature(ui::Shell& shell, std::string question, int& saves)
        : Feature(shell), m_question(std::move(question)), m_saves(saves)
    {
    }
    std::optional<app::UnsavedItem> unsavedItem() override
    {
        return app::UnsavedItem{m_question, [this] { return ++m_saves > 0; }};
    }

private:
    std::string m_question;
    int& m_saves;
};

} // namespace

TEST_F(MainFormFixture, MissingDefinitionFileShowsItsNameAndEndsTheStart)
{
    for (const char* missing : {"Rx.def", "RxFncUS.def", "Tx.def"}) {
        SCOPED_TRACE(missing);
        const std::string saved = folder.read(missing);
        std::filesystem::remove(folder.file(missing));
        Dialogs::clear();
        ASSERT_TRUE(start());
        EXPECT_TRUE(form->startRefused());
        EXPECT_EQ(messages(), QStringList{QStringLiteral("T80 - ") + QString::fromStdString(folder.file(missing)) +
                                          QStringLiteral(": No such file or directory")});
        EXPECT_FALSE(form->isVisible()); // the window closed itself
        EXPECT_FALSE(form->state().StartupDone);
        // Nothing is saved when the start was refused.
        EXPECT_FALSE(text::fileExists(folder.file("Vorbix.ini")));
        form.reset();
        folder.write(missing, saved);
    }
}

TEST_F(MainFormFixture, LanguageFallsBackToUs)
{
    writeIni("[Setup]\r\nLanguage=CZ\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(messages(), QStringList{QStringLiteral("CZ languge file can not be open! - ") +
                                      QString::fromStdString(folder.file("CZ.lng")) +
                                      QStringLiteral(": No such file or directory")});
    EXPECT_EQ(form->languageCode(), "US");
    EXPECT_EQ(form->actions()->menu(QStringLiteral("MFile"))->title(), QStringLiteral("T0"));
    EXPECT_FALSE(form->startRefused());
}

// A file with fewer texts than the program uses would leave every later message empty: it is
// refused and the start goes on as without the file.
TEST_F(MainFormFixture, ShortLanguageFileFallsBackToUsAsAMissingOneDoes)
{
    writeIni("[Setup]\r\nLanguage=CZ\r\n");
    folder.write("CZ.lng", "005\r\n000 Soubor\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("Wrong language file format! - ") +
                          QString::fromStdString(folder.file("CZ.lng")) + QStringLiteral(": 5 texts, 310 needed")});
    EXPECT_EQ(form->languageCode(), "US");
    EXPECT_EQ(form->actions()->menu(QStringLiteral("MFile"))->title(), QStringLiteral("T0"));
    EXPECT_FALSE(form->startRefused());
}

TEST_F(MainFormFixture, NoLoadableLanguageEndsTheProgram)
{
    std::filesystem::remove(folder.file("US.lng"));
    writeIni("[Setup]\r\nLanguage=CZ\r\n");
    form = std::make_unique<ui::TMainForm>(folder.path(), std::vector<std::string>{});
    EXPECT_FALSE(form->create());
    const QString missing = QStringLiteral(": No such file or directory");
    EXPECT_EQ(messages(), (QStringList{QStringLiteral("CZ languge file can not be open! - ") +
                                           QString::fromStdString(folder.file("CZ.lng")) + missing,
                                       QStringLiteral("US languge file can not be open! - ") +
                                           QString::fromStdString(folder.file("US.lng")) + missing}));
    form.reset();
}

TEST_F(MainFormFixture, StartShowsTheShellWithItsTexts)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(form->state().StartupDone);
    EXPECT_TRUE(form->state().AdminRights);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(text::directoryExists(folder.file("Backup")));

    EXPECT_EQ(test::pageControlOf(*form)->count(), 6);
    const char* pages[] = {"MemoryPage", "UserPage", "HistoryPage", "BatteryPage", "MonitorPage", "DirectControlPage"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(test::pageControlOf(*form)->widget(i)->objectName(), QString::fromLatin1(pages[i]));
    }
    EXPECT_EQ(tab(0), QStringLiteral("T158"));
    EXPECT_EQ(tab(3), QStringLiteral("T200"));
    EXPECT_FALSE(test::pageControlOf(*form)->isTabVisible(5));
    EXPECT_TRUE(form->findChild<QWidget*>(QStringLiteral("MessagesPanel"))->isHidden());

    // Welcome is on by default: the welcome window sets the caption, so it stays "Vorbix".
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorbix"));
    EXPECT_EQ(panel(1), QStringLiteral("COM 1:9600"));

    auto* login = form->findChild<QAction*>(QStringLiteral("MenuLogin"));
    EXPECT_EQ(login->text(), QStringLiteral("T33"));
    EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("ToolButtonOnline"))->toolTip(), QStringLiteral("T24"));
    EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("MenuIndex"))->text(), QStringLiteral("Index"));
    EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("MenuQTXLogger"))->text(), QStringLiteral("QTX Logger"));
    for (const char* field : {"EditLastTx", "EditLastBtn", "EditLastMem"}) {
        EXPECT_EQ(form->findChild<QWidget*>(QString::fromLatin1(field))->property("text").toString(),
                  QStringLiteral("-"));
    }
}

TEST_F(MainFormFixture, WithoutWelcomeTheCaptionNamesTheProfile)
{
    writeIni("[Setup]\r\nWelcome=0\r\nConnectionType=1\r\nIPAddress=127.0.0.2\r\n"
             "[Connection1]\r\nName=Gate\r\nTitle=IP 127.0.0.2:10001\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorbix - Gate"));
    EXPECT_EQ(panel(1), QStringLiteral("IP 127.0.0.2:10001"));
}

TEST_F(MainFormFixture, MenusHoldTheirItemsInOrder)
{
    ASSERT_TRUE(start());
    auto names = [this](const char* menu) {
        QStringList list;
        for (QAction* a : form->actions()->menu(QString::fromLatin1(menu))->actions()) {
            list << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        }
        return list.join(QLatin1Char(' '));
    };
    EXPECT_EQ(names("MFile"),
              QStringLiteral("MenuNew MenuOpen MenuOpenMonitoring - MenuSave MenuSaveAs "
                             "MenuSaveMonitoringAs MenuClose - MenuExport MenuImport MenuImportCsv MenuOpenBackup "
                             "- MenuPrint MenuPrintPreview MenuPrintPdf - MenuExit"));
    EXPECT_EQ(names("MEdit"),
              QStringLiteral("MenuUndo MenuRedo - MenuAdd MenuEdit MenuDelete - MenuFind MenuFindNext - MenuCut "
                             "MenuCopy MenuPaste"));
    EXPECT_EQ(names("MCommunication"), QStringLiteral("MenuUpload MenuDownload - MenuLogin MenuPassChange - "
                                                      "MenuOnline MenuMonitor MenuSilence - MenuQTXLogger"));
    EXPECT_EQ(names("MSettings"), QStringLiteral("MenuAppSetup MenuCommSetup"));
    EXPECT_EQ(names("MHelp"), QStringLiteral("MenuIndex MenuAbout"));

    QStringList bar;
    for (QAction* a : form->actions()->toolBar()->actions()) {
        bar << (a->isSeparator() ? QStringLiteral("|") : a->objectName().mid(10));
    }
    // Every button shows a picture: the desktop theme's or the one shipped with the program.
    for (QAction* a : form->actions()->toolBar()->actions()) {
        EXPECT_TRUE(a->isSeparator() || !a->icon().pixmap(23, 23).isNull()) << a->objectName().toStdString();
    }
    EXPECT_FALSE(form->windowIcon().pixmap(32, 32).isNull());
    EXPECT_EQ(bar.join(QLatin1Char(' ')),
              QStringLiteral("New | Open Save | Add Edit Delete | Login | Upload Download | "
                             "Online | Monitor | Logger"));

    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"MenuOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"MenuSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"MenuAdd", QKeySequence(Qt::Key_F5)},
        {"MenuDelete", QKeySequence(Qt::Key_F7)},
        {"MenuFindNext", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"MenuDownload", QKeySequence(Qt::Key_F11)},
        {"MenuLogin", QKeySequence(Qt::Key_F9)},
        {"MenuMonitor", QKeySequence(Qt::CTRL | Qt::Key_F12)},
        {"MenuSilence", QKeySequence(Qt::CTRL | Qt::Key_M)},
    };
    for (const auto& [name, keys] : shortcuts) {
        EXPECT_EQ(form->actions()->action(QString::fromLatin1(name))->shortcut(), keys) << name;
    }
}

// A command that does nothing is not offered: every enabled menu item and tool button is connected.
TEST_F(MainFormFixture, EveryEnabledCommandIsConnected)
{
    ASSERT_TRUE(start());
    QAction loose;
    ASSERT_FALSE(QObject::disconnect(&loose, &QAction::triggered, nullptr, nullptr));
    QList<QAction*> commands = form->actions()->toolBar()->actions();
    for (const char* menu : {"MFile", "MEdit", "MCommunication", "MSettings", "MHelp"}) {
        commands += form->actions()->menu(QString::fromLatin1(menu))->actions();
    }
    for (QAction* command : commands) {
        if (command->isSeparator() || !command->isEnabled()) {
            continue;
        }
        // disconnect() says whether there was a connection to break (a loose action has none); the
        // window is not used after.
        EXPECT_TRUE(QObject::disconnect(command, &QAction::triggered, nullptr, nullptr))
            << command->objectName().toStdString();
    }
}

// The progress dialog, the busy window and the small dialogs open over the main window, wherever it
// stands, not in a corner of the screen.
TEST_F(MainFormFixture, DialogsOpenCentredOnTheMainWindow)
{
    ASSERT_TRUE(start());
    form->move(300, 200);
    form->resize(800, 600);
    settle();
    const QPoint centre = form->frameGeometry().center();
    int checked = 0;
    for (const char* name : {"TCommForm", "TInfoForm", "TLoginForm", "TChangePassForm", "TNewForm", "TFindForm"}) {
        auto* dialog = form->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(dialog, nullptr) << name;
        EXPECT_EQ(dialog->window(), dialog) << name;
        EXPECT_EQ(dialog->parentWidget()->window(), form.get()) << name;
        dialog->show();
        settle();
        EXPECT_LE((dialog->frameGeometry().center() - centre).manhattanLength(), 100)
            << name; // a corner would be ~900 off
        dialog->hide();
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST_F(MainFormFixture, ToolButtonsRunTheirMenuItems)
{
    ASSERT_TRUE(start());
    int runs = 0;
    QObject::connect(form->actions()->action(QStringLiteral("MenuDownload")), &QAction::triggered, [&runs] { ++runs; });
    form->actions()->action(QStringLiteral("ToolButtonDownload"))->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MainFormFixture, StatusBarAndCaptionsFollowTheState)
{
    ASSERT_TRUE(start());
    app::ShellState& s = form->state();
    s.DataOpen = true;
    s.DataSaved = false;
    s.DataFileName = folder.file("site.rxd");
    s.LoggedIn = true;
    s.MemoryChanged = true;
    s.OnLine = true;
    for (int i = 0; i < 3; ++i) { // repeated updates keep one mark
        form->RefreshStatus();
        settle();
    }
    EXPECT_EQ(tab(0), QStringLiteral("T158*"));
    EXPECT_EQ(tab(1), QStringLiteral("T159*"));
    EXPECT_EQ(panel(2), QStringLiteral("On-line"));
    EXPECT_EQ(panel(3), QString());
    EXPECT_EQ(panel(4), QString::fromStdString(s.DataFileName));

    s.DataSaved = true;
    s.MemoryChanged = false;
    s.OnLine = false;
    form->RefreshStatus();
    settle();
    EXPECT_EQ(tab(0), QStringLiteral("T158"));
    EXPECT_EQ(tab(1), QStringLiteral("T159"));
    EXPECT_EQ(panel(2), QString());
    EXPECT_EQ(panel(3), QStringLiteral("T88"));

    // A new language drops the captions' marks; the update that follows puts them back.
    s.DataSaved = false;
    ASSERT_TRUE(form->LoadLanguage("US"));
    settle();
    EXPECT_EQ(tab(1), QStringLiteral("T159*"));
}

TEST_F(MainFormFixture, StatusRequestsCoalesce)
{
    ASSERT_TRUE(start());
    const int before = form->statusUpdatesRun();
    for (int i = 0; i < 5; ++i) {
        form->RefreshStatus();
    }
    settle();
    EXPECT_EQ(form->statusUpdatesRun(), before + 1);
}

TEST_F(MainFormFixture, RecordCommandsFollowThePage)
{
    ASSERT_TRUE(start());
    struct Case
    {
        app::Page page;
        bool loggedIn;
        bool dataOpen;
        bool enabled;
    };
    const Case cases[] = {
        {app::Page::Memory, true, false, true},   {app::Page::Memory, false, true, false},
        {app::Page::User, true, false, false},    {app::Page::User, false, true, true},
        {app::Page::History, true, true, false},  {app::Page::Battery, true, true, false},
        {app::Page::Monitor, false, false, true}, {app::Page::DirectControl, true, true, false},
    };
    for (const Case& c : cases) {
        form->state().LoggedIn = c.loggedIn;
        form->state().DataOpen = c.dataOpen;
        test::pageControlOf(*form)->setCurrentIndex(static_cast<int>(c.page));
        form->RefreshStatus();
        settle();
        for (const char* name :
             {"MenuAdd", "MenuEdit", "MenuDelete", "ToolButtonAdd", "ToolButtonEdit", "ToolButtonDelete"}) {
            EXPECT_EQ(enabled(name), c.enabled) << name << " on page " << static_cast<int>(c.page);
        }
    }
}

TEST_F(MainFormFixture, LockingTouchesTheTwelveCommunicationControls)
{
    ASSERT_TRUE(start());
    const char* comm[] = {"MenuCommSetup",    "MenuLogin",          "MenuPassChange",   "MenuUpload",
                          "MenuDownload",     "MenuOnline",         "MenuMonitor",      "ToolButtonLogin",
                          "ToolButtonUpload", "ToolButtonDownload", "ToolButtonOnline", "ToolButtonMonitor"};
    auto* download = form->actions()->action(QStringLiteral("ToolButtonDownload"));
    download->setChecked(true);
    form->LockCommCommands();
    for (const char* name : comm) {
        EXPECT_FALSE(enabled(name)) << name;
    }
    EXPECT_TRUE(enabled("MenuQTXLogger"));
    EXPECT_TRUE(enabled("ToolButtonLogger"));
    form->UnlockCommCommands();
    for (const char* name : comm) {
        EXPECT_TRUE(enabled(name)) << name;
    }
    EXPECT_FALSE(download->isChecked());
}

TEST_F(MainFormFixture, StoredPageIsRestoredExceptDirectControl)
{
    for (const auto& [stored, shown] : {std::pair{3, 3}, std::pair{5, 0}, std::pair{9, 0}}) {
        writeIni("[Setup]\r\nPageControl=" + std::to_string(stored) + "\r\n");
        ASSERT_TRUE(start());
        EXPECT_EQ(test::pageControlOf(*form)->currentIndex(), shown) << "stored " << stored;
        form->close();
        form.reset();
    }
}

TEST_F(MainFormFixture, CloseQuestionPaths)
{
    ASSERT_TRUE(start());
    test::pageControlOf(*form)->setCurrentIndex(2);
    form->state().DataOpen = true;
    form->state().DataSaved = false;

    Dialogs::clear();
    Dialogs::preloadAnswer(app::Answer::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(messages(), QStringList{QStringLiteral("T84")});
    EXPECT_FALSE(text::fileExists(folder.file("Vorbix.ini")));

    Dialogs::preloadAnswer(app::Answer::Yes); // the set has no file and its save-as dialog is abandoned
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());

    // Both questions are asked when both apply: the data set's and another feature's.
    int monitorSaves = 0;
    form->addFeature(new UnsavedFeature(*form, app::MonitorSetupCloseQuestion(form->lang()), monitorSaves));
    Dialogs::clear();
    Dialogs::preloadAnswer(app::Answer::No);
    Dialogs::preloadAnswer(app::Answer::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages(), (QStringList{QStringLiteral("T84"), QStringLiteral("T84 - T231")}));
    EXPECT_EQ(monitorSaves, 1);
    EXPECT_FALSE(form->isVisible());

    // The close steps stored the settings, the active page among them.
    const std::string ini = folder.read("Vorbix.ini");
    EXPECT_NE(ini.find("PageControl=2"), std::string::npos);
}

TEST_F(MainFormFixture, CommandLineFileIsTakenOnlyWhenItExists)
{
    const std::string file = folder.write("site.rxd", "x");
    ASSERT_TRUE(start({folder.file("none.rxd")}));
    EXPECT_FALSE(form->state().StartFileGiven);
    EXPECT_TRUE(form->state().DataFileName.empty());
    form->close();

    ASSERT_TRUE(start({file}));
    EXPECT_TRUE(form->state().StartFileGiven);
    EXPECT_EQ(form->state().DataFileName, file);
    // A file on the command line suppresses the welcome window: the caption names the profile.
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorbix - Default"));
}

TEST_F(MainFormFixture, UserWithoutAdministratorRightsGetsTheCutDownWindow)
{
    writeIni("[Setup]\r\nLogin=1\r\nWelcome=0\r\n");
    form = std::make_unique<ui::TMainForm>(folder.path(), std::vector<std::string>{});
    ASSERT_TRUE(form->create());
    int logins = 0;
    form->feature<ui::UserLoginFeature>()->setLogin([&logins](bool& administrator) {
        ++logins;
        administrator = false;
        return true;
    });
    form->show();
    settle();
    EXPECT_EQ(logins, 1);
    EXPECT_FALSE(form->startRefused());
    EXPECT_FALSE(form->state().AdminRights);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorbix")); // the login sets the caption, not the start
    for (const int hidden : {0, 1, 4, 5}) {
        EXPECT_FALSE(test::pageControlOf(*form)->isTabVisible(hidden)) << hidden;
    }
    EXPECT_TRUE(test::pageControlOf(*form)->isTabVisible(2));
    EXPECT_TRUE(form->actions()->toolBar()->isHidden());
    EXPECT_TRUE(test::onlinePanelOf(*form)->isHidden());
    for (const char* menu : {"MFile", "MEdit", "MCommunication", "MSettings"}) {
        EXPECT_FALSE(form->actions()->menu(QString::fromLatin1(menu))->menuAction()->isVisible()) << menu;
    }
    EXPECT_TRUE(form->actions()->menu(QStringLiteral("MHelp"))->menuAction()->isVisible());
    for (const char* name : {"MenuDownload", "MenuUpload", "MenuLogin", "MenuOnline", "MenuMonitor"}) {
        EXPECT_TRUE(form->actions()->action(QString::fromLatin1(name))->shortcut().isEmpty()) << name;
    }
    EXPECT_FALSE(form->actions()->action(QStringLiteral("MenuOpen"))->shortcut().isEmpty());

    // Closing asks nothing about a data set this user can neither see nor save.
    form->state().DataOpen = true;
    form->state().DataSaved = false;
    Dialogs::clear();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MainFormFixture, CancelledUserLoginEndsTheProgram)
{
    writeIni("[Setup]\r\nLogin=1\r\n");
    form = std::make_unique<ui::TMainForm>(folder.path(), std::vector<std::string>{});
    ASSERT_TRUE(form->create());
    form->feature<ui::UserLoginFeature>()->setLogin([](bool&) { return false; });
    form->show();
    settle();
    EXPECT_TRUE(form->startRefused());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainFormFixture, UnwritableSettingsAreReportedAndTheProgramStillEnds)
{
    ASSERT_TRUE(start());
    writeIni("[Setup]\r\n");
    ASSERT_TRUE(text::setReadOnly(folder.file("Vorbix.ini")));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("Unable to write to ") + QString::fromStdString(folder.file("Vorbix.ini")) +
                          QStringLiteral(": the file is read-only")});
}

TEST_F(MainFormFixture, AFolderNamedLikeTheSettingsIsReportedAndTheProgramRunsOnItsDefaults)
{
    const std::string path = folder.file("Vorbix.ini");
    ASSERT_TRUE(std::filesystem::create_directory(path));
    ASSERT_TRUE(start());
    EXPECT_FALSE(form->startRefused());
    const QString reason = QString::fromStdString(path) + QStringLiteral(": Is a directory");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("T80 - ") + reason});
    EXPECT_EQ(form->languageCode(), "US");
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages(),
              (QStringList{QStringLiteral("T80 - ") + reason, QStringLiteral("Unable to write to ") + reason}));
    EXPECT_TRUE(text::directoryExists(path));
}

TEST(ProgramEntryTest, SecondCopyFromTheSameFolderEndsAtOnce)
{
    TempFolder runtime;
    TempFolder programs;
    const std::string folder = programs.file("Vorbix");
    std::filesystem::create_directory(folder);
    const char* oldRuntime = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = oldRuntime != nullptr ? oldRuntime : "";
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);

    app::InstanceLock first;
    std::string error;
    std::string lockFolder;
    ASSERT_TRUE(app::PrivateRuntimeFolder(lockFolder, error)) << error;
    EXPECT_EQ(lockFolder, runtime.path());
    ASSERT_TRUE(first.acquire(lockFolder, app::InstanceName(folder), error)) << error;

    text::CommandLine line;
    line.programFolder = folder;
    const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
    EXPECT_EQ(ui::runProgram(line), 0);
    EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);
    EXPECT_TRUE(first.held()); // the first copy keeps its lock

    if (oldRuntime != nullptr) {
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_RUNTIME_DIR");
    }
}

// The settings keep the client area, and a start puts the client area back: the window does not
// move between starts. A place off every screen is brought back onto one.
TEST_F(MainFormFixture, TheWindowOpensWhereItWasAndAlwaysOnAScreen)
{
    writeIni("[Setup]\r\nWelcome=0\r\n[Window]\r\nWidth=700\r\nHeight=520\r\nTop=79\r\nLeft=100\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(form->geometry(), QRect(100, 79, 700, 520));
    form->close();
    form.reset();
    const std::string kept = folder.read("Vorbix.ini");
    EXPECT_NE(kept.find("Top=79\r\n"), std::string::npos) << kept;
    EXPECT_NE(kept.find("Left=100\r\n"), std::string::npos) << kept;

    writeIni("[Setup]\r\nWelcome=0\r\n[Window]\r\nWidth=700\r\nHeight=520\r\nTop=-81\r\nLeft=100\r\n");
    ASSERT_TRUE(start());
    const QRect area = form->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(form->geometry().topLeft())) << "title bar reachable";
}

// After a dialog the main window is active again and the page's table has the keys, so that the
// commands' keys work at once.
TEST_F(MainFormFixture, AClosedDialogGivesTheKeysBackToTheTableOfThePage)
{
    writeIni("[Setup]\r\nWelcome=0\r\n");
    ASSERT_TRUE(start());
    for (const char* name : {"TNewForm", "TInfoForm", "TLoginForm"}) {
        SCOPED_TRACE(name);
        auto* dialog = form->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(dialog, nullptr);
        dialog->show();
        dialog->activateWindow();
        settle();
        ASSERT_EQ(QApplication::activeWindow(), dialog);
        dialog->hide();
        EXPECT_TRUE(test::waitUntil([&] { return QApplication::activeWindow() == form.get(); }, 2));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus, ui::FocusReturn::focusTarget(form.get()));
        EXPECT_EQ(focus->window(), form.get());
    }
}

TEST_F(MainFormFixture, ListMonitorAndMessageGridsKeepTheirWidthsAcrossARestart)
{
    const char* grids[] = {"HistoryGrid", "BatteryGrid", "MonitorGrid", "ActiveGrid", "DeactiveGrid", "MessageGrid"};
    ASSERT_TRUE(start());
    int width = 71;
    for (const char* name : grids) {
        auto* grid = form->findChild<QTableView*>(QString::fromLatin1(name));
        ASSERT_NE(grid, nullptr) << name;
        grid->horizontalHeader()->resizeSection(0, width++); // as the user drags a border
    }
    form->close();
    form.reset();

    ASSERT_TRUE(start());
    width = 71;
    for (const char* name : grids) {
        EXPECT_EQ(form->findChild<QTableView*>(QString::fromLatin1(name))->columnWidth(0), width++) << name;
    }
}

TEST_F(MainFormFixture, AddEditAndDeleteRunThePageOnShowsCommandsAndNothingInTheMonitorLayout)
{
    ASSERT_TRUE(start());
    std::vector<std::string> ran;
    for (const app::Page page : {app::Page::History, app::Page::Battery}) {
        const std::string name = page == app::Page::History ? "history " : "battery ";
        form->setPageCommands(page, {[&ran, name] { ran.push_back(name + "add"); },
                                     [&ran, name] { ran.push_back(name + "edit"); },
                                     [&ran, name] { ran.push_back(name + "delete"); }});
    }
    // Emitted, not triggered: the status may have disabled the commands on these pages.
    const auto command = [this](const char* name) {
        emit form->actions()->action(QString::fromLatin1(name))->triggered();
    };
    form->showPage(app::Page::History);
    command("MenuAdd");
    command("MenuDelete");
    form->showPage(app::Page::Battery);
    command("MenuEdit");
    form->showPage(app::Page::DirectControl); // a page without commands
    command("MenuAdd");
    form->showPage(app::Page::History);
    form->enterMonitorLayout();
    command("MenuAdd");
    form->leaveMonitorLayout();
    EXPECT_EQ(ran, (std::vector<std::string>{"history add", "history delete", "battery edit"}));
}
