#include "MainFormFixture.h"
#include "support/DataFileText.h"
#include "support/WindowParts.h"

#include "core/app/StatusView.h"
#include "core/base/TextNumbers.h"
#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/text/TextFile.h"
#include "core/views/RecordChanges.h"
#include "ui/app/RecordData.h"
#include "ui/online/OnlineFeature.h"
#include "ui/online/OnlinePanel.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordViews.h"
#include "ui/views/RecordViewsFeature.h"
#include "ui/views/TEditForm.h"
#include "ui/views/TFindForm.h"
#include "ui/views/TNewForm.h"
#include "ui/widgets/Dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

using namespace vorbix;
using ui::Dialogs;

namespace {

const std::string Zeros18(18, '0');

// A KV8MOD-T record: function, serial, button, channels, time, and an empty E field.
std::string rec(const std::string& function, const std::string& serial, const std::string& button,
                const std::string& channels = "01", const std::string& time = "0005")
{
    return function + serial + button + channels + time + Zeros18;
}

class RecordViewsFeatureTest : public test::MainFormFixture
{
protected:
    void SetUp() override
    {
        MainFormFixture::SetUp();
        for (const char* name : {"Rx.def", "RxFncUS.def", "Tx.def"}) {
            folder.copyData(name);
        }
        const std::string image = rec("01", "00012", "8") + rec("02", "00500", "4") + rec("01", "00120", "2") +
                                  rec("05", "ABC12", "1", "05", "000A") + rec("01", "00003", "0") +
                                  std::string(32, '0');
        dataFile =
            folder.write("set.rxd", test::crlf({"KV8MOD-T", "6", image, "1   5#Gate###", "x0 -", "2   12#Door###",
                                                "x0 -", "3   2#abc###", "x0 -", "4   7#ABC###", "10 Remote 4 buttons",
                                                "5   1#X 12###", "x0 -", "6   0#####", "x0 -"}));
        ASSERT_TRUE(start());
    }

    void trigger(const char* action)
    {
        auto* a = form->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
        settle();
    }

    void open()
    {
        Dialogs::preloadFileName(QString::fromStdString(dataFile));
        trigger("MenuOpen");
        ASSERT_TRUE(form->state().DataOpen);
    }

    ui::RecordViewsFeature& part() { return *form->feature<ui::RecordViewsFeature>(); }
    model::ReceiverMemory& memory() { return form->records().memory; }
    ui::RecordGrid& userGrid() { return *part().views().userGrid(); }
    const views::UserView& userView() { return part().views().userView(); }

    std::vector<int> shownSlots()
    {
        std::vector<int> result;
        for (int row = 0; row < userView().rowCount(); ++row) {
            result.push_back(userView().slotOfRow(row));
        }
        return result;
    }

    void selectSlots(const std::vector<int>& slotNumbers)
    {
        userGrid().clearSelection();
        for (int slot : slotNumbers) {
            userGrid().selectionModel()->select(userGrid().model()->index(userView().rowOfSlot(slot), 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    // Runs `act` on the next modal dialog as soon as it is open.
    static void whenOpen(std::function<void()> act) { QTimer::singleShot(0, std::move(act)); }

    std::string dataFile;
};

TEST_F(RecordViewsFeatureTest, OpenShowsTheDataSetInTheFileView)
{
    open();
    EXPECT_TRUE(form->state().DataSaved);
    EXPECT_EQ(form->state().DataFileName, dataFile);
    EXPECT_EQ(test::pageControlOf(*form)->currentIndex(), static_cast<int>(app::Page::User));
    EXPECT_TRUE(userGrid().isVisibleTo(form.get()));
    EXPECT_EQ(userGrid().model()->columnCount(), 12);
    // The default sort: the first column, the ID, ascending.
    EXPECT_EQ(shownSlots(), (std::vector<int>{5, 3, 1, 4, 2}));
    EXPECT_TRUE(userView().isFaulty(userView().rowOfSlot(5))); // button 0
    EXPECT_TRUE(part().views().memGrid()->isHidden());         // not logged in
}

TEST_F(RecordViewsFeatureTest, ColumnsShowTheirWholeTitleAndSizedOnesKeepTheirWidth)
{
    // The ID column was sized by the user; the second one too, narrower than its title (a width kept
    // from another language); the others have no stored width.
    folder.write("Vorbix.ini", folder.read("Vorbix.ini") + "[UserGrid_Single]\r\nCol1=150\r\nCol2=12\r\n");
    open();
    QCoreApplication::processEvents();
    const QHeaderView* header = userGrid().horizontalHeader();
    EXPECT_EQ(userGrid().columnWidth(0), 150);
    for (int column = 1; column < header->count(); ++column) {
        const QString title = userGrid().model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_GE(userGrid().columnWidth(column), header->fontMetrics().horizontalAdvance(title))
            << title.toStdString();
        if (column > 1) {
            EXPECT_GE(userGrid().columnWidth(column), 64);
        }
    }
}

TEST_F(RecordViewsFeatureTest, MemoryGridShowsWhileLoggedIn)
{
    open();
    form->state().LoggedIn = true;
    part().RebuildViews();
    const ui::RecordGrid& memGrid = *part().views().memGrid();
    EXPECT_FALSE(memGrid.isHidden());
    EXPECT_EQ(memGrid.model()->rowCount(), 5);
    EXPECT_EQ(memGrid.model()->columnCount(), 7); // KV8MOD-T shows User 1 too
    EXPECT_EQ(memGrid.model()->data(memGrid.model()->index(3, 5)).toString(), QStringLiteral("0:01,0"));
    EXPECT_EQ(memGrid.model()->data(memGrid.model()->index(3, 6)).toString(), QStringLiteral("ABC"));
    // No width stored yet: each title shows whole.
    for (int column = 0; column < memGrid.model()->columnCount(); ++column) {
        const QString title = memGrid.model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_GE(memGrid.columnWidth(column), memGrid.horizontalHeader()->fontMetrics().horizontalAdvance(title))
            << title.toStdString();
    }

    form->state().LoggedIn = false;
    part().RebuildViews();
    EXPECT_TRUE(memGrid.isHidden());
    EXPECT_TRUE(part().views().MemoryViewEmpty());
}

TEST_F(RecordViewsFeatureTest, EditThroughTheDialogSaveAndReadBack)
{
    open();
    selectSlots({2});
    whenOpen([this] {
        ui::TEditForm& dialog = part().editForm();
        ASSERT_TRUE(dialog.isVisible());
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("Hall"));
        dialog.findChild<QLineEdit*>(QStringLiteral("KodEdit"))->setText(QStringLiteral("abcde"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuEdit");
    EXPECT_FALSE(form->state().DataSaved);
    EXPECT_TRUE(form->state().MemoryChanged);
    EXPECT_EQ(userView().cellText(userView().rowOfSlot(2), 2), "Hall");

    trigger("MenuSave");
    EXPECT_TRUE(form->state().DataSaved);
    model::LoadedDataFile reread;
    const PopisType lang(310);
    ASSERT_TRUE(model::ReadDataFile(dataFile, folder.path(), nullptr, reread, lang, {}));
    const int slot = model::FindBySerial(reread.Records, "ABCDE");
    ASSERT_GT(slot, 0);
    EXPECT_EQ(reread.Records[static_cast<std::size_t>(slot)].User[1], "Hall");
    EXPECT_EQ(reread.Records[static_cast<std::size_t>(slot)].ID, 12);
    EXPECT_EQ(reread.Records[static_cast<std::size_t>(slot)].Prefix, "x0");
}

TEST_F(RecordViewsFeatureTest, CancellingTheEditLeavesTheRecord)
{
    open();
    selectSlots({1});
    whenOpen([this] {
        part().editForm().findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Changed"));
        part().editForm().reject();
    });
    trigger("MenuEdit");
    EXPECT_TRUE(form->state().DataSaved);
    EXPECT_EQ(memory().Records[1].User[0], "Gate");
}

TEST_F(RecordViewsFeatureTest, DeleteClearsTheSelectedRows)
{
    open();
    selectSlots({1, 3, 5}); // rows 0-2 in ID order
    trigger("MenuDelete");
    EXPECT_EQ(shownSlots(), (std::vector<int>{4, 2}));
    EXPECT_TRUE(memory().Records[3].Empty);
    EXPECT_FALSE(form->state().DataSaved);
}

TEST_F(RecordViewsFeatureTest, AddWithSerial00000LeavesTheSlotEmpty)
{
    open();
    whenOpen([this] {
        EXPECT_EQ(part().editForm().findChild<QLineEdit*>(QStringLiteral("MistoEdit"))->text(), QStringLiteral("6"));
        part().editForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuAdd");
    EXPECT_TRUE(memory().Records[6].Empty);
    EXPECT_TRUE(form->state().DataSaved);

    whenOpen([this] {
        part().editForm().findChild<QLineEdit*>(QStringLiteral("KodEdit"))->setText(QStringLiteral("77777"));
        part().editForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuAdd");
    EXPECT_FALSE(memory().Records[6].Empty);
    EXPECT_NE(userView().rowOfSlot(6), -1);
    EXPECT_FALSE(form->state().DataSaved);
}

TEST_F(RecordViewsFeatureTest, OnlineAddTakesTheLastTransmitter)
{
    open();
    // The panel as on-line mode left it after a received transmitter no table holds.
    ui::OnlinePanel& panel = form->feature<ui::OnlineFeature>()->panel();
    online::PanelView received;
    received.lastTx = "10ABCDE";
    received.lastButton = "4";
    panel.showStatus(received);
    panel.offerAdd(true);
    auto* add = test::partOf<QPushButton>(*form, "BtnAdd");
    whenOpen([this] { part().editForm().reject(); });
    add->click();
    settle();
    EXPECT_TRUE(add->isEnabled());

    whenOpen([this] {
        EXPECT_EQ(part().editForm().findChild<QLineEdit*>(QStringLiteral("KodEdit"))->text(),
                  QStringLiteral("10ABCDE"));
        part().editForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    add->click();
    settle();
    EXPECT_FALSE(add->isEnabled());
    const model::TData& added = memory().Records[6];
    EXPECT_FALSE(added.Empty);
    EXPECT_EQ(added.Serial, "ABCDE");
    EXPECT_EQ(added.Prefix, "10");
    EXPECT_EQ(added.Button, "4");
}

TEST_F(RecordViewsFeatureTest, DraggingATitleMovesTheColumnCode)
{
    open();
    QHeaderView* header = userGrid().horizontalHeader();
    header->moveSection(1, 4); // User 1 behind User 4
    settle();
    for (int visual = 0; visual < header->count(); ++visual) {
        EXPECT_EQ(header->logicalIndex(visual), visual);
    }
    EXPECT_EQ(userView().codeOf(4), views::code::User1);
    EXPECT_EQ(userView().codeOf(1), views::code::User1 + 1);
    EXPECT_EQ(userView().title(4), "T154");
}

TEST_F(RecordViewsFeatureTest, HidingAUserColumnShortensTheGrid)
{
    open();
    part().views().setUserColumnVisible(views::code::User1 + 1, false);
    part().RebuildViews();
    // With a data set open the codes and the flags are stored together.
    app::IniFile ini = app::IniFile::load(form->settingsPath());
    EXPECT_FALSE(ini.readBool("Setup", "UserSingle2Visible", true));
    EXPECT_EQ(userGrid().model()->columnCount(), 11);
    EXPECT_EQ(userView().codes().codeAt(11), views::code::User1 + 1);
    part().views().setUserColumnVisible(views::code::User1 + 1, true);
    part().RebuildViews();
    EXPECT_EQ(userGrid().model()->columnCount(), 12);
    EXPECT_EQ(userView().codeOf(11), views::code::User1 + 1);
}

TEST_F(RecordViewsFeatureTest, TitleClicksSortAndTurnTheOrder)
{
    open();
    QHeaderView* header = userGrid().horizontalHeader();
    const int serialColumn = userView().codes().shownColumnOf(views::code::Serial);
    emit header->sectionClicked(serialColumn);
    settle();
    EXPECT_EQ(shownSlots(), (std::vector<int>{5, 1, 3, 2, 4}));
    EXPECT_EQ(header->sortIndicatorSection(), serialColumn);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    emit header->sectionClicked(serialColumn);
    settle();
    EXPECT_EQ(shownSlots(), (std::vector<int>{4, 2, 3, 1, 5}));
    EXPECT_EQ(form->settings().SortColSingle, serialColumn);
    EXPECT_FALSE(form->settings().SortUpSingle);
}

TEST_F(RecordViewsFeatureTest, DraggingAColumnKeepsTheSortOnIt)
{
    open();
    const int sortColumn = form->settings().SortColSingle;
    part().views().UserGridColumnMoved(0, 3);
    EXPECT_EQ(form->settings().SortColSingle, 3);
    EXPECT_EQ(userView().codeOf(3), views::code::ID);
    const std::string stored = app::IniFile::load(form->settingsPath()).readString("Grid_Config", "User_Single", "");
    EXPECT_EQ(stored.substr(0, 14), "12,8,9,10,7,11");
    EXPECT_EQ(sortColumn, 0);
}

TEST_F(RecordViewsFeatureTest, FindWalksDownAndWrapsAfterText146)
{
    open();
    whenOpen([this] {
        auto* combo = part().findForm().findChild<QComboBox*>(QStringLiteral("FindCombo"));
        combo->setEditText(QStringLiteral("12"));
        part().findForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuFind");
    // In ID order: slot 5 ("X 12"), 3 ("x000120"), 1 ("x000012"), 4 ("10ABC12"), 2 (ID 12).
    std::vector<int> hits{userView().slotOfRow(userGrid().currentIndex().row())};
    for (int i = 0; i < 4; ++i) {
        trigger("MenuFindNext");
        hits.push_back(userView().slotOfRow(userGrid().currentIndex().row()));
    }
    EXPECT_EQ(hits, (std::vector<int>{5, 3, 1, 4, 2}));
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());
    trigger("MenuFindNext");
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QStringLiteral("T146")});
    trigger("MenuFindNext");
    EXPECT_EQ(userView().slotOfRow(userGrid().currentIndex().row()), 5);
}

TEST_F(RecordViewsFeatureTest, CloseAsksAboutUnsavedChanges)
{
    open();
    selectSlots({1});
    trigger("MenuDelete");
    Dialogs::preloadAnswer(app::Answer::Cancel);
    trigger("MenuClose");
    EXPECT_TRUE(form->state().DataOpen);
    EXPECT_EQ(Dialogs::shownMessages().back(), QStringLiteral("T84"));

    Dialogs::preloadAnswer(app::Answer::No);
    trigger("MenuClose");
    EXPECT_FALSE(form->state().DataOpen);
    EXPECT_TRUE(form->state().DataFileName.empty());
    EXPECT_TRUE(userGrid().isHidden());
    EXPECT_EQ(test::pageControlOf(*form)->currentIndex(), static_cast<int>(app::Page::Memory));
}

TEST_F(RecordViewsFeatureTest, NewAsksForTheModelAndSaveAsWritesIt)
{
    whenOpen([this] {
        auto* combo = part().newForm().findChild<QComboBox*>(QStringLiteral("ComboRxTyp"));
        combo->setCurrentIndex(combo->findText(QStringLiteral("Receiver 2 relays, compact memory")));
        part().newForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuNew");
    ASSERT_TRUE(form->state().DataOpen);
    EXPECT_EQ(memory().Device.Model, "KV2MIN-S");
    EXPECT_TRUE(userView().isEmpty());

    const std::string target = folder.file("new.rxd");
    Dialogs::preloadFileName(QString::fromStdString(target));
    trigger("MenuSaveAs");
    EXPECT_TRUE(form->state().DataSaved);
    EXPECT_EQ(form->state().DataFileName, target);
    std::vector<std::string> lines;
    ASSERT_TRUE(text::readLines(target, lines));
    EXPECT_EQ(lines[0], "KV2MIN-S");
    EXPECT_EQ(lines[1], "2048");
}

TEST_F(RecordViewsFeatureTest, OpenAsksBeforeReplacingUnsavedChanges)
{
    open();
    selectSlots({1});
    trigger("MenuDelete");
    Dialogs::preloadAnswer(app::Answer::Cancel);
    trigger("MenuOpen");
    EXPECT_EQ(Dialogs::shownMessages().back(), QStringLiteral("T97"));
    EXPECT_FALSE(form->state().DataSaved);

    // Yes saves first, then opens.
    Dialogs::preloadAnswer(app::Answer::Yes);
    Dialogs::preloadFileName(QString::fromStdString(dataFile));
    trigger("MenuOpen");
    EXPECT_TRUE(form->state().DataSaved);
    EXPECT_EQ(shownSlots().size(), 4U);
}

TEST_F(RecordViewsFeatureTest, ImportAsksFirstAndFillsOnlyEmptyComments)
{
    open();
    selectSlots({1});
    trigger("MenuDelete");
    Dialogs::preloadAnswer(app::Answer::No);
    Dialogs::preloadFileName(QString::fromStdString(dataFile));
    trigger("MenuImport");
    EXPECT_EQ(Dialogs::shownMessages().back(), QStringLiteral("T96"));

    memory().Records[2].User[0] = "";
    Dialogs::preloadAnswer(app::Answer::Yes);
    trigger("MenuImport");
    EXPECT_EQ(memory().Records[2].User[0], "Door");
    EXPECT_EQ(memory().Records[4].User[0], "ABC");
}

TEST_F(RecordViewsFeatureTest, FindNextWithCtrlHeldSelectsExactlyOneRow)
{
    open();
    whenOpen([this] {
        part().findForm().findChild<QComboBox*>(QStringLiteral("FindCombo"))->setEditText(QStringLiteral("12"));
        part().findForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuFind");
    // Ctrl+N: the Ctrl key is still down while the find selects the hit.
    QTest::keyPress(&userGrid(), Qt::Key_Control, Qt::ControlModifier);
    trigger("MenuFindNext");
    trigger("MenuFindNext");
    QTest::keyRelease(&userGrid(), Qt::Key_Control, Qt::NoModifier);
    ASSERT_EQ(userGrid().selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(userGrid().selectionModel()->selectedRows().front().row(), userGrid().currentIndex().row());
    EXPECT_EQ(userView().slotOfRow(userGrid().currentIndex().row()), 1);

    trigger("MenuDelete");
    EXPECT_EQ(shownSlots().size(), 4U);
}

TEST_F(RecordViewsFeatureTest, UndoAndRedoTakeBackDeleteAddAndEditInBothViews)
{
    open();
    QAction* undo = form->findChild<QAction*>(QStringLiteral("MenuUndo"));
    QAction* redo = form->findChild<QAction*>(QStringLiteral("MenuRedo"));
    EXPECT_FALSE(undo->isEnabled());

    // File view: delete two rows, undo, redo.
    selectSlots({1, 3});
    trigger("MenuDelete");
    EXPECT_TRUE(memory().Records[1].Empty);
    EXPECT_TRUE(undo->isEnabled());
    trigger("MenuUndo");
    EXPECT_FALSE(memory().Records[1].Empty);
    EXPECT_EQ(memory().Records[3].User[0], "abc");
    EXPECT_EQ(shownSlots().size(), 5U);
    EXPECT_TRUE(redo->isEnabled());
    trigger("MenuRedo");
    EXPECT_TRUE(memory().Records[1].Empty);
    EXPECT_TRUE(memory().Records[3].Empty);
    trigger("MenuUndo");

    // Add into the first free slot, undone.
    whenOpen([this] {
        part().editForm().findChild<QLineEdit*>(QStringLiteral("KodEdit"))->setText(QStringLiteral("77777"));
        part().editForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuAdd");
    ASSERT_FALSE(memory().Records[6].Empty);
    trigger("MenuUndo");
    EXPECT_TRUE(memory().Records[6].Empty);
    EXPECT_EQ(userView().rowOfSlot(6), -1);

    // Memory view: an edit, undone and redone.
    form->state().LoggedIn = true;
    part().RebuildViews();
    form->showPage(app::Page::Memory);
    ui::RecordGrid& memGrid = *part().views().memGrid();
    memGrid.selectRow(part().views().memoryView().rowOfSlot(2));
    whenOpen([this] {
        part().editForm().findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Porch"));
        part().editForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuEdit");
    ASSERT_EQ(memory().Records[2].User[0], "Porch");
    EXPECT_EQ(undo->text(), QStringLiteral("Undo T13"));
    trigger("MenuUndo");
    EXPECT_EQ(memory().Records[2].User[0], "Door");
    trigger("MenuRedo");
    EXPECT_EQ(memory().Records[2].User[0], "Porch");
    EXPECT_FALSE(form->state().DataSaved);

    // Opening a data set again starts a new history.
    trigger("MenuSave");
    open();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(part().undoStack().count(), 0);
}

TEST_F(RecordViewsFeatureTest, UndoBackToTheSavedOrTheReceiversRecordsCountsAsUnchanged)
{
    open();
    auto userCaption = [this] { return test::pageControlOf(*form)->tabText(1); };
    selectSlots({1});
    trigger("MenuDelete");
    EXPECT_FALSE(form->state().DataSaved);
    EXPECT_TRUE(userCaption().endsWith(QLatin1Char('*')));
    trigger("MenuUndo");
    EXPECT_TRUE(form->state().DataSaved);
    EXPECT_FALSE(userCaption().endsWith(QLatin1Char('*')));
    trigger("MenuRedo");
    EXPECT_FALSE(form->state().DataSaved);

    // Saved after the delete (a save packs the records and starts a new history), then changed
    // and undone: back at what the file now holds.
    trigger("MenuSave");
    ASSERT_TRUE(form->state().DataSaved);
    selectSlots({3});
    trigger("MenuDelete");
    trigger("MenuUndo");
    EXPECT_TRUE(form->state().DataSaved);

    // The receiver's records: the memory handed over (the history starts again), then an edit
    // undone; the history stays.
    form->records().dataSet.markMemoryExchanged();
    ASSERT_FALSE(form->state().MemoryChanged);
    selectSlots({2});
    trigger("MenuDelete");
    ASSERT_TRUE(form->state().MemoryChanged);
    trigger("MenuUndo");
    EXPECT_FALSE(form->state().MemoryChanged);
    EXPECT_TRUE(part().undoStack().canRedo());
}

TEST_F(RecordViewsFeatureTest, AnAddedRecordIsSelected)
{
    open();
    userGrid().selectRow(0);
    whenOpen([this] {
        part().editForm().findChild<QLineEdit*>(QStringLiteral("KodEdit"))->setText(QStringLiteral("77777"));
        part().editForm().findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger("MenuAdd");
    ASSERT_FALSE(memory().Records[6].Empty);
    EXPECT_EQ(userGrid().currentRow(), userView().rowOfSlot(6));
}

TEST_F(RecordViewsFeatureTest, UndoTakesBackACommentImport)
{
    open();
    memory().Records[2].User[0] = "";
    Dialogs::preloadAnswer(app::Answer::Yes);
    Dialogs::preloadFileName(QString::fromStdString(dataFile));
    trigger("MenuImport");
    ASSERT_EQ(memory().Records[2].User[0], "Door");
    trigger("MenuUndo");
    EXPECT_EQ(memory().Records[2].User[0], "");
}

// The shipped example (a KV8MOD-T with records in slots 1 to 12) and a CSV file with a row that
// changes slot 1, one that adds a record and one the record dialog's rules refuse.
TEST_F(RecordViewsFeatureTest, CsvImportShowsTheReportFirstAndAppliesTheGoodRowsAsOneUndoStep)
{
    std::string exampleBytes;
    ASSERT_TRUE(text::readFile(std::string(VORBIX_DATA_DIR) + "/Examples/Example.rxd", exampleBytes));
    const std::string example = folder.write("example.rxd", exampleBytes);
    Dialogs::preloadFileName(QString::fromStdString(example));
    trigger("MenuOpen");
    ASSERT_TRUE(form->state().DataOpen);
    QAction* import = form->findChild<QAction*>(QStringLiteral("MenuImportCsv"));
    ASSERT_TRUE(import->isEnabled());
    const model::RecordTable original = memory().Records;
    // The columns by the titles the file view shows (the test language's texts).
    const auto title = [this](int n) { return LangText(form->lang(), n) + ","; };
    const std::string csv =
        folder.write("in.csv", title(lang::kColumnSerial) + title(lang::kColumnButton) + title(lang::kColumnPosition) +
                                   title(lang::kFirstUserTitle + 1) + "Remarks\r\n"
                                   "x01388F,8,1,Hall one,\r\n"
                                   "x012345,2,,New,\r\n"
                                   "x0ZZZZZ,2,,Bad,\r\n");
    const auto importCsv = [&](app::Answer answer) {
        Dialogs::clear();
        Dialogs::preloadFileName(QString::fromStdString(csv));
        Dialogs::preloadAnswer(answer);
        trigger("MenuImportCsv");
        return Dialogs::shownMessages().join(QLatin1Char('|'));
    };

    // Cancel: the report was shown, nothing changed.
    const QString report = importCsv(app::Answer::No);
    for (const char* part :
         {"Encoding of the file: UTF-8", "Rows to add: 1", "Rows to change: 1", "Rows refused: 1",
          "Columns ignored: Remarks", "2\t1\tchanges the record", "3\t13\tnew record", "4\t\trefused: "}) {
        EXPECT_TRUE(report.contains(QString::fromLatin1(part))) << part << " in " << report.toStdString();
    }
    EXPECT_TRUE(views::changedRecords(original, memory().Records).empty());
    EXPECT_TRUE(form->state().DataSaved);
    EXPECT_EQ(part().undoStack().count(), 0);

    // OK: the good rows are applied as one step, and one undo takes the whole import back.
    (void)importCsv(app::Answer::Yes);
    EXPECT_EQ(memory().Records[1].User[0], "Hall one");
    EXPECT_FALSE(memory().Records[13].Empty);
    EXPECT_EQ(memory().Records[13].Serial, "12345");
    EXPECT_FALSE(form->state().DataSaved);
    EXPECT_EQ(part().undoStack().count(), 1);
    trigger("MenuUndo");
    EXPECT_TRUE(views::changedRecords(original, memory().Records).empty());

    // A file that is no CSV: the reason, and nothing changed.
    folder.write("in.csv", std::string("\x01\x00\x02", 3));
    const QString refused = importCsv(app::Answer::Yes);
    EXPECT_TRUE(refused.startsWith(QStringLiteral("The file cannot be imported:"))) << refused.toStdString();
    EXPECT_TRUE(views::changedRecords(original, memory().Records).empty());
    EXPECT_EQ(part().undoStack().count(), 1) << "only the undone import is on the stack";
}

} // namespace
