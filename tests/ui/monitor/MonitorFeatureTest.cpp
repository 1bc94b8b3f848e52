#include "MainFormFixture.h"
#include "support/DataFileText.h"
#include "support/WindowParts.h"

#include "core/app/Settings.h"
#include "ui/lists/ListsFeature.h"
#include "ui/monitor/MonitorFeature.h"
#include "ui/monitor/MonitorPage.h"
#include "ui/monitor/MonitorTable.h"
#include "ui/monitor/TMonitorAddForm.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordViews.h"
#include "ui/views/RecordViewsFeature.h"
#include "ui/widgets/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace vorbix;
using ui::Dialogs;

namespace {

// A KV8MOD-T record: function, serial, button, channels, time, and an empty E field.

// Runs `step` on the next modal dialog once it is shown (exec waits in its own event loop).
void onNextDialog(const std::function<void(QDialog&)>& step)
{
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        step(*dialog);
    });
}

class MonitorFeatureTest : public test::MainFormFixture
{
protected:
    void SetUp() override
    {
        MainFormFixture::SetUp();
        for (const char* name : {"Rx.def", "RxFncUS.def", "Tx.def"}) {
            folder.copyData(name);
        }
        const std::string image =
            test::singleRelayRecord("12AB4", "3") + test::singleRelayRecord("00500", "4") + std::string(32, '0');
        dataFile = folder.write("set.rxd", test::crlf({"KV8MOD-T", "3", image, "1   17#Room 4#Gate##", "x0 -",
                                                       "2   5#Door###", "x0 -", "3   0#####", "x0 -"}));
    }
    void TearDown() override
    {
        if (form) {
            feature().setup().SetupSaved = true;
        }
        MainFormFixture::TearDown();
    }

    ui::MonitorFeature& feature() { return *form->feature<ui::MonitorFeature>(); }
    monitor::TMonitor& setup() { return feature().setup(); }
    ui::MonitorPage& page() { return feature().page(); }

    void trigger(const char* action)
    {
        form->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        settle();
    }
    void openDataSet()
    {
        Dialogs::preloadFileName(QString::fromStdString(dataFile));
        trigger("MenuOpen");
        ASSERT_TRUE(form->state().DataOpen);
    }
    void addMessage(const std::string& text)
    {
        monitor::MessageValues values;
        values.Text = text;
        setup().PridejZpravu(values);
        feature().MonitorGridRefresh();
    }
    std::vector<std::pair<std::string, std::string>> events(bool active, std::size_t message = 0)
    {
        std::vector<std::pair<std::string, std::string>> out;
        const monitor::TMonitorData& m = setup().Messages.at(message);
        for (const monitor::TEvent& e : active ? m.ActiveEvents : m.DeactiveEvents) {
            out.emplace_back(e.TxCode, e.ButtonCode);
        }
        return out;
    }

    std::string dataFile;
};

} // namespace

TEST_F(MonitorFeatureTest, AddWithoutAMessageAsksForOneAndCancellingAddsNothing)
{
    ASSERT_TRUE(start());
    form->showPage(app::Page::Monitor);
    onNextDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("TMonitorEditForm"));
        dialog.reject();
    });
    feature().AddButtonClick(true, QPoint(10, 10));
    EXPECT_TRUE(setup().Messages.empty());
    EXPECT_FALSE(page().addPopupMenu()->isVisible());

    onNextDialog([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("TextEdit"))->setText(QStringLiteral("Gate open"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    feature().AddButtonClick(true, QPoint(10, 10));
    ASSERT_EQ(setup().Messages.size(), 1u);
    EXPECT_EQ(setup().Messages[0].Text, "Gate open");
    EXPECT_TRUE(page().addPopupMenu()->isVisible());
    page().addPopupMenu()->hide();
}

TEST_F(MonitorFeatureTest, ThePopupOffersTheRecordViewsOnlyWhileTheyAreShown)
{
    ASSERT_TRUE(start());
    addMessage("a");
    const auto offered = [this] {
        feature().AddButtonClick(false, QPoint(10, 10));
        std::vector<bool> enabled;
        for (QAction* a : {page().addPopupSerialNumber(), page().addPopupMemory(), page().addPopupUser(),
                           page().addPopupHistory()}) {
            enabled.push_back(a->isEnabled());
        }
        page().addPopupMenu()->hide();
        return enabled;
    };
    EXPECT_EQ(offered(), (std::vector<bool>{true, false, false, true}));
    openDataSet();
    EXPECT_EQ(offered(), (std::vector<bool>{true, false, true, true}));
    form->state().LoggedIn = true;
    form->feature<ui::RecordViewsFeature>()->RebuildViews();
    EXPECT_EQ(offered(), (std::vector<bool>{true, true, true, true}));
    EXPECT_FALSE(setup().AddToActive);
}

TEST_F(MonitorFeatureTest, TheMemoryViewsSelectedRowsBecomeEventsThroughTheSelectionWindow)
{
    ASSERT_TRUE(start());
    openDataSet();
    form->state().LoggedIn = true;
    form->feature<ui::RecordViewsFeature>()->RebuildViews();
    addMessage("a");
    form->showPage(app::Page::Monitor);
    feature().AddButtonClick(true, QPoint(10, 10));
    page().addPopupMenu()->hide();
    page().addPopupMemory()->trigger();
    settle();
    EXPECT_EQ(form->currentPage(), app::Page::Memory);
    ASSERT_TRUE(feature().addForm().isVisible());
    EXPECT_EQ(feature().addForm().windowTitle(), QStringLiteral("T73"));

    ui::RecordGrid& memGrid = *form->feature<ui::RecordViewsFeature>()->views().memGrid();
    memGrid.selectRow(0);
    memGrid.selectionModel()->select(memGrid.model()->index(1, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    feature().addForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    settle();
    EXPECT_EQ(events(true), (std::vector<std::pair<std::string, std::string>>{{"x012AB4", "3"}, {"x000500", "4"}}));
    EXPECT_FALSE(feature().addForm().isVisible());
    EXPECT_EQ(form->currentPage(), app::Page::Monitor);
    // The events took the user data of their records.
    EXPECT_EQ(setup().Messages[0].ActiveEvents[0].ID, 17);
    EXPECT_EQ(page().eventGrid(true)->model()->rowCount(), 2);
}

TEST_F(MonitorFeatureTest, TheHistorysRowsAddTheirInputStatesAndADuplicateIsRefused)
{
    ASSERT_TRUE(start());
    auto& lists = *form->feature<ui::ListsFeature>();
    lists.AddEvent("A012345", "6", false, QDateTime(QDate(2009, 3, 7), QTime(8, 0)));
    addMessage("a");
    for (int round = 0; round < 2; ++round) {
        feature().AddButtonClick(false, QPoint(10, 10));
        page().addPopupMenu()->hide();
        page().addPopupHistory()->trigger();
        settle();
        ASSERT_EQ(form->currentPage(), app::Page::History);
        auto* history = form->findChild<QTableView*>(QStringLiteral("HistoryGrid"));
        history->selectRow(0);
        feature().addForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        settle();
    }
    EXPECT_EQ(events(false), (std::vector<std::pair<std::string, std::string>>{{"A012345", "A=1,B=0"}}));
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QStringLiteral("T127")});
}

TEST_F(MonitorFeatureTest, SwitchingPagesClosesTheSelectionWindow)
{
    ASSERT_TRUE(start());
    addMessage("a");
    feature().AddButtonClick(true, QPoint(10, 10));
    page().addPopupMenu()->hide();
    page().addPopupHistory()->trigger();
    settle();
    ASSERT_TRUE(feature().addForm().isVisible());
    test::pageControlOf(*form)->setCurrentIndex(static_cast<int>(app::Page::Battery));
    settle();
    EXPECT_FALSE(feature().addForm().isVisible());
    EXPECT_EQ(form->currentPage(), app::Page::Monitor);
    EXPECT_TRUE(setup().Messages[0].ActiveEvents.empty());
}

TEST_F(MonitorFeatureTest, TheSerialNumberPlaceholderIsDroppedWhenTheDialogIsCancelled)
{
    ASSERT_TRUE(start());
    addMessage("a");
    setup().SetupSaved = true;
    feature().AddButtonClick(true, QPoint(10, 10));
    page().addPopupMenu()->hide();
    onNextDialog([](QDialog& dialog) { dialog.reject(); });
    page().addPopupSerialNumber()->trigger();
    EXPECT_TRUE(setup().Messages[0].ActiveEvents.empty());
    EXPECT_TRUE(setup().SetupSaved);

    onNextDialog([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("KodEdit"))->setText(QStringLiteral("12ab4"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    page().addPopupSerialNumber()->trigger();
    EXPECT_EQ(events(true), (std::vector<std::pair<std::string, std::string>>{{"x012AB4", "0"}}));
}

TEST_F(MonitorFeatureTest, TheCaptionStarAndTheQuestionsFollowTheSavedState)
{
    ASSERT_TRUE(start());
    settle();
    EXPECT_EQ(tab(4), QStringLiteral("T231"));
    form->showPage(app::Page::Monitor);
    settle();
    onNextDialog([](QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click(); });
    trigger("MenuAdd"); // on this page the Edit menu adds a message
    ASSERT_EQ(setup().Messages.size(), 1u);
    settle();
    EXPECT_EQ(tab(4), QStringLiteral("T231*"));

    // Closing asks; Cancel keeps the program running.
    Dialogs::clear();
    Dialogs::preloadAnswer(app::Answer::Cancel);
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QStringLiteral("T84 - T231")});

    // Opening another setup asks first (text 97); Cancel stops there.
    Dialogs::clear();
    Dialogs::preloadAnswer(app::Answer::Cancel);
    trigger("MenuOpenMonitoring");
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QStringLiteral("T97")});
    EXPECT_EQ(setup().Messages.size(), 1u);

    // "Save all" asks for a name for a setup never saved, and the star goes.
    Dialogs::preloadFileName(QString::fromStdString(folder.file("new.mon")));
    trigger("MenuSave");
    EXPECT_TRUE(setup().SetupSaved);
    EXPECT_EQ(folder.read("new.mon"),
              "Vorbix monitor setup file\r\n1##0#8#0###0#0#0#\r\nActive:end\r\nDeactive:end\r\n");
    EXPECT_EQ(tab(4), QStringLiteral("T231"));
    EXPECT_EQ(form->settings().LastMonitorFile, folder.file("new.mon"));
}

TEST_F(MonitorFeatureTest, OpeningASetupFillsTheTablesAndABrokenOneChangesNothing)
{
    const std::string good =
        folder.write("a.mon", "Vorbix monitor setup file\r\n"
                              "1#Gate#1#12#4###1#0#1#\r\nActive:X212AB4#2#n#end\r\nDeactive:end\r\n"
                              "2#Door#0#8#0###0#0#0#\r\nActive:end\r\nDeactive:X21FFF0#C#n#end\r\n");
    const std::string broken =
        folder.write("b.mon", "Vorbix monitor setup file\r\n1#Broken#0#8#0###0#0#0#\r\nDeactive:end\r\n");
    ASSERT_TRUE(start());
    Dialogs::preloadFileName(QString::fromStdString(good));
    trigger("MenuOpenMonitoring");
    ui::MonitorTable& grid = *page().monitorGrid();
    ASSERT_EQ(grid.model()->rowCount(), 2);
    EXPECT_EQ(grid.model()->data(grid.model()->index(0, 4)).toString(), QStringLiteral("T228"));
    EXPECT_EQ(page().eventGrid(true)->model()->data(page().eventGrid(true)->model()->index(0, 0)).toString(),
              QStringLiteral("X212AB4"));
    grid.selectRow(1);
    EXPECT_EQ(page().eventGrid(true)->model()->rowCount(), 0);
    EXPECT_EQ(page().eventGrid(false)->model()->rowCount(), 1);

    // A title click sorts by that column, a second one turns the order round.
    grid.titleClicked(1);
    grid.titleClicked(1);
    EXPECT_EQ(form->settings().MonitorSortCol, 1);
    EXPECT_FALSE(form->settings().MonitorSortUp);
    EXPECT_EQ(grid.model()->data(grid.model()->index(0, 1)).toString(), QStringLiteral("Gate"));
    EXPECT_EQ(setup().Messages[0].Text, "Gate");

    Dialogs::preloadFileName(QString::fromStdString(broken));
    trigger("MenuOpenMonitoring");
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QString::fromStdString("Cyhba - " + broken)});
    EXPECT_EQ(setup().SetupFile, good);
    EXPECT_EQ(grid.model()->rowCount(), 2);
}

TEST_F(MonitorFeatureTest, DeletingOnThisPageRemovesTheSelectedMessages)
{
    ASSERT_TRUE(start());
    for (const char* t : {"a", "b", "c"}) {
        addMessage(t);
    }
    form->showPage(app::Page::Monitor);
    settle();
    page().monitorGrid()->selectRow(1);
    trigger("MenuDelete");
    ASSERT_EQ(setup().Messages.size(), 2u);
    EXPECT_EQ(setup().Messages[1].Text, "c");
    EXPECT_EQ(setup().Messages[1].Number, 2);
}

TEST_F(MonitorFeatureTest, TheGroupHeightsComeFromTheSettingsAndGoBackThere)
{
    writeIni("[ActiveGrid]\r\nHeight=150\r\n[DeactiveGrid]\r\nHeight=140\r\n");
    ASSERT_TRUE(start());
    form->showPage(app::Page::Monitor);
    settle();
    EXPECT_EQ(page().activeHeight(), 150);
    EXPECT_EQ(page().deactiveHeight(), 140);
    // Below its minimum a group does not shrink.
    page().setGroupHeights(60, 130);
    emit page().heightsChanged();
    EXPECT_EQ(form->settings().ActiveHeight, 125);
    EXPECT_EQ(form->settings().DeactiveHeight, 130);
}

TEST_F(MonitorFeatureTest, EditingAMessageByDoubleClickStoresTheDialogsValues)
{
    ASSERT_TRUE(start());
    addMessage("a");
    addMessage("b");
    setup().SetupSaved = true;
    onNextDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("TextEdit"))->text(), QStringLiteral("b"));
        dialog.findChild<QLineEdit*>(QStringLiteral("TextEdit"))->setText(QStringLiteral("Back door"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    page().monitorGrid()->selectRow(1);
    emit page().monitorGrid()->rowsActivated(1);
    EXPECT_EQ(setup().Messages[1].Text, "Back door");
    EXPECT_FALSE(setup().SetupSaved);
    EXPECT_EQ(page().monitorGrid()->model()->data(page().monitorGrid()->model()->index(1, 1)).toString(),
              QStringLiteral("Back door"));
}

TEST_F(MonitorFeatureTest, ADoubleClickOnARecordIsTheSelectionWindowsOK)
{
    ASSERT_TRUE(start());
    openDataSet();
    addMessage("a");
    feature().AddButtonClick(true, QPoint(10, 10));
    page().addPopupMenu()->hide();
    page().addPopupUser()->trigger();
    settle();
    ASSERT_EQ(form->currentPage(), app::Page::User);
    ui::RecordGrid& userGrid = *form->feature<ui::RecordViewsFeature>()->views().userGrid();
    // Should the record views' edit dialog open all the same, it must not wait for a user.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << dialog->objectName().toStdString();
            dialog->reject();
        }
    });
    guard.start(50);
    const QRect cell = userGrid.visualRect(userGrid.model()->index(1, 0));
    QTest::mouseClick(userGrid.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(userGrid.viewport(), Qt::LeftButton, {}, cell.center());
    settle();
    // The double-clicked row, whichever record the file view's sort put there.
    ASSERT_EQ(events(true).size(), 1u);
    QStringList rowTexts;
    for (int column = 0; column < userGrid.model()->columnCount(); ++column) {
        rowTexts << userGrid.model()->data(userGrid.model()->index(1, column)).toString();
    }
    EXPECT_TRUE(rowTexts.contains(QString::fromStdString(events(true)[0].first))) << rowTexts.join(',').toStdString();
    EXPECT_FALSE(feature().addForm().isVisible());
    EXPECT_EQ(form->currentPage(), app::Page::Monitor);
}
