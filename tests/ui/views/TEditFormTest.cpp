#include "ui/views/TEditForm.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vorbix;

namespace {

class TEditFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.copyData("Tx.def");
        lang.assign(310, "");
        for (int n = 0; n < 310; ++n) {
            lang[static_cast<std::size_t>(n)] = "T" + std::to_string(n);
        }
        functions.SingleRelay = 0;
        functions.FuncNames = {"Pulse", "Toggle", "On", "Off", "Timed"};
        functions.TimeFunction = 4;
        functions.DecoderCodes = {"01", "02", "03", "04", "05"};
        functions.DecoderNames = functions.FuncNames;
        record.Position = 7;
        record.Empty = false;
        record.Serial = "12345";
        record.Prefix = "10";
        record.TxType = "Remote 4 buttons";
        record.Button = "8";
        record.Function = "05";
        record.Channels = "01";
        record.Times = "000A";
        record.Extra = std::string(18, '0');
        device.Model = "KV8MOD-T";
        ASSERT_TRUE(model::FindModel(VORBIX_DATA_DIR, device, lang, {}));
        device.Relays = 8;
    }

    template <typename T> T* child(const char* name) const
    {
        T* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void show()
    {
        form.FormShow(record, folder.path(), device, {"Code", "Name", "Place", "Note", "Phone"});
        form.show();
    }

    test::TempFolder folder;
    PopisType lang;
    model::TRxFnc functions;
    model::TData record;
    model::TDevice device;
    std::vector<std::string> messages;
    ui::TEditForm form{functions, lang, [this](const std::string& m) { messages.push_back(m); }};
};

TEST_F(TEditFormTest, ShowsTheRecordInItsControls)
{
    show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("T50"));
    EXPECT_EQ(child<QLineEdit>("KodEdit")->text(), QStringLiteral("1012345"));
    EXPECT_EQ(child<QLineEdit>("MistoEdit")->text(), QStringLiteral("7"));
    EXPECT_EQ(child<QComboBox>("TypCombo")->currentText(), QStringLiteral("Remote 4 buttons"));
    EXPECT_EQ(child<QComboBox>("FunkceCombo")->currentText(), QStringLiteral("Timed"));
    EXPECT_TRUE(child<QSpinBox>("SecEdit")->isEnabled());
    EXPECT_EQ(child<QSpinBox>("SecEdit")->value(), 1);
    EXPECT_TRUE(child<QCheckBox>("BtnBox1")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("BtnBox2")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("ChBox1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("ChBox8")->isEnabled());
    EXPECT_FALSE(child<QComboBox>("ReleCombo")->isEnabled());
    EXPECT_TRUE(messages.empty());
}

TEST_F(TEditFormTest, ButtonBoxesAndTheButtonCodeFollowEachOther)
{
    show();
    child<QCheckBox>("BtnBox4")->click();
    EXPECT_EQ(child<QComboBox>("BtnCombo")->currentText(), QStringLiteral("9"));
    child<QComboBox>("BtnCombo")->setCurrentText(QStringLiteral("6"));
    EXPECT_FALSE(child<QCheckBox>("BtnBox1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("BtnBox2")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("BtnBox3")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("BtnBox4")->isChecked());
}

// "Tx.def" places picture k at (Left, Top) of the group's client area and its box 8 pixels right of
// and below that corner; the box must lie on its own picture and take the click.
TEST_F(TEditFormTest, EachButtonBoxSitsOnItsOwnPictureAndTakesTheClick)
{
    record.Button = "0";
    for (const char* type : {"Remote 4 buttons", "Remote 2 buttons"}) {
        record.TxType = type;
        show();
        QTest::qWait(1);
        int shown = 0;
        for (int k = 1; k <= 4; ++k) {
            auto* picture = child<QWidget>(("Btn" + std::to_string(k)).c_str());
            auto* box = child<QCheckBox>(("BtnBox" + std::to_string(k)).c_str());
            ASSERT_EQ(picture->isVisibleTo(&form), box->isVisibleTo(&form)) << type << " " << k;
            if (!box->isVisibleTo(&form)) {
                continue;
            }
            ++shown;
            ASSERT_EQ(box->parentWidget(), picture->parentWidget());
            EXPECT_EQ(box->pos(), picture->pos() + QPoint(8, 8)) << type << " " << k;
            EXPECT_TRUE(picture->geometry().contains(box->geometry())) << type << " " << k;
            const QPoint centre = box->geometry().center();
            EXPECT_EQ(box->parentWidget()->childAt(centre), box) << type << " " << k;
            const bool before = box->isChecked();
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
            EXPECT_NE(box->isChecked(), before) << type << " " << k;
        }
        EXPECT_EQ(shown, std::string(type) == "Remote 4 buttons" ? 4 : 2);
        // The title of the group does not shift the pictures: button 1 of "V16088" is at (8, 16).
        EXPECT_EQ(child<QWidget>("Btn1")->pos(), QPoint(8, 16));
        form.hide();
    }
}

// The receivers that keep User 1 in the 18-digit E field hold one character per whole pair of
// digits from where the text starts; the field takes no more. A longer text from a data file stays.
TEST_F(TEditFormTest, UserOneTakesWhatTheModelKeeps)
{
    struct Case
    {
        const char* model;
        std::string user1;
        int maxLength;
    };
    const Case cases[] = {
        {"KV1MOD-T", "", 9},
        {"KVPMOD-T", "", 9},
        {"KV8MOD-T", "", 8},
        {"KV4MOD", "", 32767},
        {"KV8MOD-T", "Front gate east", 15},
    };
    for (const Case& c : cases) {
        functions.ModelName = c.model;
        record.User[0] = c.user1;
        show();
        auto* edit = child<QLineEdit>("Edit1");
        EXPECT_EQ(edit->maxLength(), c.maxLength) << c.model;
        EXPECT_EQ(edit->text().toStdString(), c.user1) << c.model;
        form.hide();
    }
}

TEST_F(TEditFormTest, AnInputDeviceShowsItsInputs)
{
    record.Prefix = "A0";
    record.TxType = "Input A/B";
    record.Button = "6";
    show();
    EXPECT_TRUE(child<QGroupBox>("InputRadio")->isVisibleTo(&form));
    EXPECT_FALSE(child<QGroupBox>("BtnGroup")->isVisibleTo(&form));
    // A serial number beginning with "A" offers the input functions and button code F.
    EXPECT_EQ(child<QComboBox>("FunkceCombo")->count(), 3);
    auto* second = form.findChild<QRadioButton*>(QStringLiteral("Input2"));
    ASSERT_NE(second, nullptr);
    second->click();
    EXPECT_EQ(child<QComboBox>("BtnCombo")->currentText(), QStringLiteral("6"));
}

TEST_F(TEditFormTest, AnUnreadableTransmitterFileIsReportedAndTheDialogShowsNoTypes)
{
    std::filesystem::remove(folder.file("Tx.def"));
    ASSERT_EQ(::mkdir(folder.file("Tx.def").c_str(), 0755), 0);
    show();
    EXPECT_EQ(messages, std::vector<std::string>{"T80 - " + folder.file("Tx.def") + ": Is a directory"});
    EXPECT_EQ(child<QComboBox>("TypCombo")->count(), 0);
}

TEST_F(TEditFormTest, LeavingTheSerialFieldCompletesIt)
{
    show();
    auto* kod = child<QLineEdit>("KodEdit");
    kod->setText(QStringLiteral("abcde"));
    emit kod->editingFinished();
    EXPECT_EQ(kod->text(), QStringLiteral("10ABCDE"));
    kod->setText(QStringLiteral("abc"));
    emit kod->editingFinished();
    EXPECT_EQ(kod->text(), QStringLiteral("1012345"));
    EXPECT_EQ(messages, std::vector<std::string>{"T138"});
}

// The receiver keeps five serial digits: a sixth after the "x" would be lost on upload.
TEST_F(TEditFormTest, OKRefusesASerialNumberTheReceiverCannotStore)
{
    show();
    auto* kod = child<QLineEdit>("KodEdit");
    kod->setText(QStringLiteral("x1a2b3c"));
    child<QPushButton>("OKButton")->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(messages, std::vector<std::string>{"T138"});
    EXPECT_EQ(kod->text(), QStringLiteral("1012345"));
    kod->setText(QStringLiteral("x0a2b3c"));
    child<QPushButton>("OKButton")->click();
    ASSERT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.acceptedRecord().Prefix + form.acceptedRecord().Serial, "x0A2B3C");
}

TEST_F(TEditFormTest, AcceptReplacesTheRecordOnlyWhenTheRulesPass)
{
    show();
    child<QLineEdit>("Edit1")->setText(QStringLiteral("Gate#1"));
    child<QPushButton>("OKButton")->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    ASSERT_EQ(messages.size(), 1U);

    child<QLineEdit>("Edit1")->setText(QStringLiteral("Gate \u017D"));
    child<QSpinBox>("EditID")->setValue(42);
    child<QSpinBox>("MinEdit")->setValue(110);
    emit child<QSpinBox>("MinEdit")->editingFinished();
    EXPECT_EQ(child<QSpinBox>("MinEdit")->value(), 109);
    EXPECT_EQ(child<QSpinBox>("SecEdit")->value(), 13);
    EXPECT_EQ(child<QSpinBox>("MilEdit")->value(), 500);
    child<QCheckBox>("ChBox3")->click();
    child<QPushButton>("OKButton")->click();
    ASSERT_EQ(form.result(), QDialog::Accepted);
    const model::TData& out = form.acceptedRecord();
    EXPECT_EQ(out.User[0], "Gate \x8E");
    EXPECT_EQ(out.ID, 42);
    EXPECT_EQ(out.Times, "FFFF");
    EXPECT_EQ(out.Channels, "05");
    EXPECT_EQ(out.Function, "05");
    EXPECT_EQ(out.Position, 7);
}

} // namespace
