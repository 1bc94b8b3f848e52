#include "ui/views/RecordTableModel.h"
#include "core/model/TDevice.h"
#include "core/model/TRxFnc.h"
#include "core/views/ColumnConfig.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <gtest/gtest.h>

using namespace vorbix;

namespace {

model::TData used(int slot, const std::string& serial, const std::string& button, const std::string& function)
{
    model::TData r;
    r.Position = slot;
    r.Empty = false;
    r.Serial = serial;
    r.Button = button;
    r.Function = function;
    r.Channels = "01";
    r.Times = "0005";
    return r;
}

class RecordTableModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        functions.FuncNames = {"Pulse", "Timed"};
        functions.TimeFunction = 1;
        functions.DecoderCodes = {"01", "02"};
        functions.DecoderNames = {"Pulse", "Timed"};
        device.Model = "KV2MIN-S";
        device.Relays = 2;
        device.RecordCount = 4;
        records.resize(5);
        records[2] = used(2, "12345", "8", "01");
        records[3] = used(3, "54321", "0", "01"); // faulty: button 0
        for (int k = 1; k <= 4; ++k) {
            records[static_cast<std::size_t>(k)].Position = k;
        }
        lang.assign(310, "");
        lang[27] = "Position";
        context.functions = &functions;
        context.device = &device;
        context.lang = &lang;
    }

    model::TRxFnc functions;
    model::TDevice device;
    model::RecordTable records;
    PopisType lang;
    views::ViewContext context;
};

TEST_F(RecordTableModelTest, AnswersCellsTitlesAndFaultyRowsFromTheView)
{
    views::MemoryView view;
    ui::RecordTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.rebuild(&view, [&] { view.build(records, context); });
    ASSERT_EQ(model.rowCount(), 2);
    ASSERT_EQ(model.columnCount(), 6);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Position"));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("x012345"));
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::ForegroundRole).isValid());
    EXPECT_EQ(model.data(model.index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_TRUE(model.data(model.index(1, 4), ui::RecordTableModel::FaultyRole).toBool());

    // A rebuild with fewer records and a switch to nothing keep the model consistent.
    records[2].Empty = true;
    model.rebuild(&view, [&] { view.build(records, context); });
    EXPECT_EQ(model.rowCount(), 1);
    model.setGrid(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
}

TEST_F(RecordTableModelTest, UserViewModelFollowsItsColumnCodes)
{
    views::ColumnConfig config;
    views::LoadColumnConfig(app::IniFile(), config);
    views::UserView view;
    ui::RecordTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.rebuild(&view, [&] {
        view.build(records, context, views::columnCodesFor(config, views::GridLayout::Single, 0), 6, false);
    });
    EXPECT_EQ(model.columnCount(), 12);
    EXPECT_EQ(model.data(model.index(0, 6), Qt::DisplayRole).toString(), QStringLiteral("x054321"));
}

} // namespace
