#include "MainFormFixture.h"
#include "support/DataFileText.h"

#include "core/app/Settings.h"
#include "ui/app/RecordData.h"
#include "ui/lists/BatteryPage.h"
#include "ui/lists/HistoryPage.h"
#include "ui/lists/ListGrid.h"
#include "ui/lists/ListTableModel.h"
#include "ui/lists/ListsFeature.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordViews.h"
#include "ui/views/RecordViewsFeature.h"
#include "ui/views/TFindForm.h"
#include "ui/widgets/Dialogs.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace vorbix;
using ui::Dialogs;

namespace {

// A KV8MOD-T record: function, serial, button, channels, time, and an empty E field.

QDateTime at(int minute)
{
    return QDateTime(QDate(2009, 3, 7), QTime(8, minute, 0));
}

class ListsFeatureTest : public test::MainFormFixture
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

    ui::ListsFeature& lists() { return *form->feature<ui::ListsFeature>(); }
    ui::ListGrid& historyGrid() { return *lists().historyPage().grid(); }
    ui::ListGrid& batteryGrid() { return *lists().batteryPage().grid(); }

    static QString cell(const ui::ListGrid& grid, int row, int column)
    {
        return grid.model()->data(grid.model()->index(row, column)).toString();
    }
    static QStringList columnTexts(const ui::ListGrid& grid, int column)
    {
        QStringList texts;
        for (int row = 0; row < grid.model()->rowCount(); ++row) {
            texts << cell(grid, row, column);
        }
        return texts;
    }
    static void clickTitle(ui::ListGrid& grid, int column)
    {
        QHeaderView* header = grid.horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        settle();
    }
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

    std::string dataFile;
};

TEST_F(ListsFeatureTest, HistoryPageShowsNewestFirstAndTitleClicksSortWithTheSelectionFollowed)
{
    ASSERT_TRUE(start());
    QAbstractItemModelTester tester(historyGrid().model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    lists().AddEvent("X200002", "1", false, at(2));
    lists().AddEvent("X100003", "2", true, at(3));
    lists().AddEvent("X300001", "1", false, at(1));
    form->showPage(app::Page::History);
    settle();
    EXPECT_EQ(columnTexts(historyGrid(), 0), (QStringList{"X100003", "X200002", "X300001"}));
    EXPECT_EQ(historyGrid().model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("T216"));
    EXPECT_EQ(cell(historyGrid(), 0, 3), QStringLiteral("T204"));
    EXPECT_EQ(historyGrid().model()->data(historyGrid().model()->index(0, 3), Qt::ForegroundRole).value<QColor>(),
              QColor(255, 0, 0));
    EXPECT_EQ(historyGrid().horizontalHeader()->sortIndicatorSection(), 2);
    EXPECT_EQ(historyGrid().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

    historyGrid().selectRow(1); // X200002
    clickTitle(historyGrid(), 2);
    EXPECT_EQ(columnTexts(historyGrid(), 0), (QStringList{"X300001", "X200002", "X100003"}));
    clickTitle(historyGrid(), 0);
    EXPECT_EQ(columnTexts(historyGrid(), 0), (QStringList{"X100003", "X200002", "X300001"}));
    EXPECT_EQ(historyGrid().selectedRows(), std::vector<int>{1});
    EXPECT_EQ(historyGrid().horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);

    // A new event while the page is on show goes in by the sort in force.
    lists().AddEvent("X150000", "1", false, at(4));
    EXPECT_EQ(columnTexts(historyGrid(), 0), (QStringList{"X100003", "X150000", "X200002", "X300001"}));
    EXPECT_EQ(cell(historyGrid(), historyGrid().selectedRows().front(), 0), QStringLiteral("X200002"));

    // Showing the page again: newest first, read from the file.
    form->showPage(app::Page::Memory);
    form->showPage(app::Page::History);
    settle();
    EXPECT_EQ(columnTexts(historyGrid(), 0), (QStringList{"X150000", "X100003", "X200002", "X300001"}));
}

TEST_F(ListsFeatureTest, ListsLinkToTheOpenDataSetAndFollowTheLevels)
{
    writeIni("[Setup]\r\nHistoryMonitorLevel=2\r\nBatteryMonitorLevel=3\r\n");
    ASSERT_TRUE(start());
    lists().ReceiveStatus("X212AB4", "1", true, true, at(1)); // no data set yet: level 2 takes nothing
    EXPECT_TRUE(lists().history().Records.empty());
    ASSERT_EQ(lists().batt().Records.size(), 1u);
    openDataSet();
    EXPECT_EQ(lists().batt().Records[0].ID, 17); // linked when the data set opened
    lists().ReceiveStatus("X212AB4", "1", false, true, at(2));
    ASSERT_EQ(lists().history().Records.size(), 1u);
    EXPECT_EQ(lists().history().Records[0].User[0], "Room 4");
    EXPECT_EQ(lists().batt().Records[0].State, 1);
    EXPECT_EQ(folder.read("History.dat"), "X212AB4#1#07.03.2009 08:02:00#0#17#Room 4#Gate###\r\n");
    EXPECT_EQ(folder.read("LowBatt.dat"), "X212AB4#1#07.03.2009 08:02:00#17#Room 4#Gate###\r\n");
}

TEST_F(ListsFeatureTest, BatteryTitleClicksSortByTheFieldTheColumnShows)
{
    // ID and User 1 hidden: column 3 shows User 2 (key 5).
    writeIni("[Setup]\r\nUserSingleIDVisible=0\r\nUserSingle1Visible=0\r\n");
    ASSERT_TRUE(start());
    QAbstractItemModelTester tester(batteryGrid().model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    form->showPage(app::Page::Battery);
    lists().ReportBattery("X1", true, at(1));
    lists().ReportBattery("X2", true, at(2));
    lists().batt().Records[0].User[1] = "b";
    lists().batt().Records[1].User[1] = "a";
    lists().batt().Records[0].User[0] = "a";
    lists().batt().Records[1].User[0] = "b";
    lists().ShowLists();
    ASSERT_EQ(batteryGrid().model()->columnCount(), 6);
    clickTitle(batteryGrid(), 3);
    EXPECT_EQ(form->settings().BatteryMonitorSortCol, 5);
    EXPECT_TRUE(form->settings().BatteryMonitorSortUp);
    EXPECT_EQ(columnTexts(batteryGrid(), 0), (QStringList{"X2", "X1"}));
    EXPECT_EQ(batteryGrid().horizontalHeader()->sortIndicatorSection(), 3);
    clickTitle(batteryGrid(), 3);
    EXPECT_FALSE(form->settings().BatteryMonitorSortUp);
    EXPECT_EQ(columnTexts(batteryGrid(), 0), (QStringList{"X1", "X2"}));
}

TEST_F(ListsFeatureTest, ClearPanelRemovesSelectedChangedOrAll)
{
    ASSERT_TRUE(start());
    form->showPage(app::Page::Battery);
    ui::BatteryPage& page = lists().batteryPage();
    for (const char* tx : {"X1", "X2", "X3", "X4", "X5", "X6"}) {
        lists().ReportBattery(tx, true, at(1));
    }
    lists().ReportBattery("X6", false, at(2));
    EXPECT_EQ(batteryGrid().model()->data(batteryGrid().model()->index(5, 1), Qt::ForegroundRole).value<QColor>(),
              QColor(0, 0x80, 0));

    page.clearBox(0)->click();
    page.clearBox(1)->click();
    EXPECT_FALSE(page.clearBox(0)->isChecked());
    EXPECT_TRUE(page.clearBox(1)->isChecked());
    page.clearBox(1)->click();
    page.clearButton()->click(); // nothing ticked: nothing changes
    EXPECT_EQ(batteryGrid().model()->rowCount(), 6);

    batteryGrid().selectionModel()->select(
        QItemSelection(batteryGrid().model()->index(1, 0), batteryGrid().model()->index(3, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    page.clearBox(0)->click();
    page.clearButton()->click();
    EXPECT_EQ(columnTexts(batteryGrid(), 0), (QStringList{"X1", "X5", "X6"}));
    EXPECT_FALSE(page.clearBox(0)->isChecked());

    page.clearBox(1)->click();
    page.clearButton()->click();
    EXPECT_EQ(columnTexts(batteryGrid(), 0), (QStringList{"X1", "X5"}));
    page.clearBox(2)->click();
    page.clearButton()->click();
    EXPECT_EQ(batteryGrid().model()->rowCount(), 0);
    EXPECT_EQ(folder.read("LowBatt.dat"), "");
}

TEST_F(ListsFeatureTest, DoubleClickFindsTheTransmitterInTheFileView)
{
    ASSERT_TRUE(start());
    openDataSet();
    lists().ReportBattery("X200500", true, at(1));
    lists().ReportBattery("X277777", true, at(2));
    form->showPage(app::Page::Battery);
    settle();
    const QRect first = batteryGrid().visualRect(batteryGrid().model()->index(0, 0));
    QTest::mouseDClick(batteryGrid().viewport(), Qt::LeftButton, {}, first.center());
    settle();
    EXPECT_EQ(form->currentPage(), app::Page::User);
    ui::RecordViewsFeature& views = *form->feature<ui::RecordViewsFeature>();
    const int row = views.views().userGrid()->currentIndex().row();
    EXPECT_EQ(views.views().userView().slotOfRow(row), 2);
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());

    // A transmitter the data set does not hold: text 146, and the battery page again.
    form->showPage(app::Page::Battery);
    const QRect second = batteryGrid().visualRect(batteryGrid().model()->index(1, 0));
    QTest::mouseDClick(batteryGrid().viewport(), Qt::LeftButton, {}, second.center());
    settle();
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QStringLiteral("T146")});
    EXPECT_EQ(form->currentPage(), app::Page::Battery);
}

TEST_F(ListsFeatureTest, FindWorksOnTheHistoryPage)
{
    ASSERT_TRUE(start());
    for (const char* tx : {"X100001", "X200002", "X100003"}) {
        lists().AddEvent(tx, "1", false, at(1));
    }
    form->showPage(app::Page::History);
    settle();
    ui::TFindForm& findForm = form->feature<ui::RecordViewsFeature>()->findForm();
    QTimer::singleShot(0, [&findForm] {
        findForm.findChild<QComboBox*>(QStringLiteral("FindCombo"))->setEditText(QStringLiteral("X1"));
        findForm.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuFind");
    // Newest first: X100003, X200002, X100001 (equal times keep the list's order).
    EXPECT_EQ(historyGrid().selectedRows(), std::vector<int>{0});
    trigger("MenuFindNext");
    EXPECT_EQ(historyGrid().selectedRows(), std::vector<int>{2});
    trigger("MenuFindNext");
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QStringLiteral("T146")});
}

TEST_F(ListsFeatureTest, ABadTimeLineIsLeftOutAtStartAndTheRestSurvivesTheNextSave)
{
    folder.write("History.dat", "X1#1#07.03.2009#0#0#####\r\nX2#1#99.03.2009#0#0#####\r\nX3#1#08.03.2009#0#0#####\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(lists().history().Records.size(), 2u);
    lists().AddEvent("X4", "1", false, at(1));
    EXPECT_EQ(folder.read("History.dat"), "X4#1#07.03.2009 08:01:00#0#0#####\r\nX1#1#07.03.2009#0#0#####\r\n"
                                          "X3#1#08.03.2009#0#0#####\r\n");
}

} // namespace
