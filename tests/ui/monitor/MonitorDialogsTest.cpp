#include "core/monitor/MonitorFile.h"
#include "support/TempFolder.h"
#include "ui/monitor/TMonitorEditForm.h"
#include "ui/monitor/TMonitorEventEditForm.h"
#include "ui/widgets/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace vorbix;

namespace {

PopisType numberedTexts()
{
    PopisType lang(310);
    for (std::size_t n = 0; n < lang.size(); ++n) {
        lang[n] = "T" + std::to_string(n);
    }
    return lang;
}

template <typename T> T* child(const QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

class TMonitorEditFormTest : public ::testing::Test
{
protected:
    void SetUp() override { ui::Dialogs::clear(); }

    // Shows the dialog on `values`, lets `change` work on it, presses OK; the accepted values.
    monitor::MessageValues confirm(const monitor::MessageValues& values, const std::function<void()>& change = {})
    {
        form.FormShow(values);
        form.show();
        if (change) {
            change();
        }
        child<QPushButton>(form, "OKButton")->click();
        return form.acceptedValues();
    }

    PopisType lang = numberedTexts();
    ui::TMonitorEditForm form{lang};
};

class TMonitorEventEditFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.copyData("Tx.def");
        ui::Dialogs::clear();
    }

    void show(const monitor::TEvent& event)
    {
        form.FormShow(event, folder.path(), {"ID", "Name", "Place", "Note", "Phone"});
        form.show();
    }

    QLineEdit* kod() { return child<QLineEdit>(form, "KodEdit"); }
    QComboBox* btn() { return child<QComboBox>(form, "BtnCombo"); }
    QComboBox* typ() { return child<QComboBox>(form, "TypCombo"); }

    test::TempFolder folder;
    PopisType lang = numberedTexts();
    std::vector<std::string> errors;
    ui::TMonitorEventEditForm form{lang, [this](const std::string& m) { errors.push_back(m); }};
};

} // namespace

TEST_F(TMonitorEditFormTest, ShowsTheValuesAndGivesThemBackAtOK)
{
    const monitor::MessageValues values{"Gate open", 3, 12, true, 6, "/snd/own.wav", "/pic/gate.jpg", true, true};
    form.FormShow(values);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("T250"));
    EXPECT_EQ(child<QComboBox>(form, "SoundCombo")->count(), 7);
    EXPECT_EQ(child<QComboBox>(form, "SoundCombo")->itemText(5), QStringLiteral("T265"));
    EXPECT_EQ(child<QComboBox>(form, "SoundCombo")->itemText(6), QStringLiteral("T264"));
    EXPECT_EQ(child<QComboBox>(form, "SizeCombo")->count(), 9);
    EXPECT_EQ(confirm(values), values);
}

TEST_F(TMonitorEditFormTest, TheWindowBoxLocksTheActivationAndUntickingRestoresIt)
{
    for (const bool opened : {false, true}) {
        form.FormShow({"a", 0, 8, false, 0, "", "", opened, false});
        form.show();
        auto* window = child<QCheckBox>(form, "WindowCheck");
        auto* active = child<QCheckBox>(form, "ActiveCheck");
        EXPECT_FALSE(child<QLineEdit>(form, "PictureEdit")->isEnabled());
        window->click();
        EXPECT_TRUE(active->isChecked());
        EXPECT_FALSE(active->isEnabled());
        EXPECT_TRUE(child<QLineEdit>(form, "PictureEdit")->isEnabled());
        window->click();
        EXPECT_EQ(active->isChecked(), opened);
        EXPECT_TRUE(active->isEnabled());
    }
}

TEST_F(TMonitorEditFormTest, OnlyTheOwnSoundFileEnablesTheFileOpenAndPlay)
{
    form.FormShow({});
    form.show();
    auto* sound = child<QComboBox>(form, "SoundCombo");
    for (int code = 0; code < 7; ++code) {
        sound->setCurrentIndex(code);
        for (const char* name : {"SoundFileEdit", "OpenSoundButton", "PlayButton"}) {
            EXPECT_EQ(child<QWidget>(form, name)->isEnabled(), code == 6) << name << " " << code;
        }
    }
}

TEST_F(TMonitorEditFormTest, SizesBelowFourOrNotNumbersBecomeEight)
{
    const struct
    {
        const char* typed;
        int size;
    } cases[] = {{"3", 8}, {"30", 30}, {"x", 8}, {"4", 4}, {"", 8}};
    for (const auto& c : cases) {
        const monitor::MessageValues accepted =
            confirm({}, [&] { child<QComboBox>(form, "SizeCombo")->setEditText(QString::fromLatin1(c.typed)); });
        EXPECT_EQ(accepted.Size, c.size) << c.typed;
    }
}

TEST_F(TMonitorEditFormTest, AFieldMarkInATextOrPathIsRefused)
{
    for (const char* name : {"TextEdit", "SoundFileEdit", "PictureEdit"}) {
        ui::Dialogs::clear();
        form.FormShow({});
        form.show();
        child<QLineEdit>(form, name)->setText(QStringLiteral("Room #4"));
        child<QPushButton>(form, "OKButton")->click();
        EXPECT_TRUE(form.isVisible()) << name;
        EXPECT_EQ(ui::Dialogs::shownMessages(), QStringList{QString::fromLatin1(monitor::HashInMonitorField)}) << name;
        form.reject();
    }
}

TEST_F(TMonitorEditFormTest, PlayHandsAnExistingFileToTheHook)
{
    test::TempFolder folder;
    const std::string wav = folder.write("own.wav", "RIFF");
    std::vector<std::pair<int, QString>> played;
    form.FormShow({"", 0, 8, false, 6, folder.file("missing.wav"), "", false, false});
    form.show();
    child<QPushButton>(form, "PlayButton")->click(); // no file: nothing
    form.playSound = [&](int code, const QString& file) { played.emplace_back(code, file); };
    child<QPushButton>(form, "PlayButton")->click();
    child<QLineEdit>(form, "SoundFileEdit")->setText(QString::fromStdString(wav));
    child<QPushButton>(form, "PlayButton")->click();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].first, 6);
    EXPECT_EQ(played[0].second, QString::fromStdString(wav));
}

TEST_F(TMonitorEventEditFormTest, TheCodeFieldTakesTheAcceptedForms)
{
    show({"1012345", "8", 0, {}});
    EXPECT_EQ(typ()->currentText(), QStringLiteral("Remote 4 buttons"));
    struct Case
    {
        const char* type; // nullptr: as it is
        const char* typed;
        const char* code;
    };
    const Case cases[] = {
        {nullptr, "12AB4", "1012AB4"},
        {"-", "12AB4", "x012AB4"},
        {nullptr, "x12ab4f", "x12AB4F"},
        {nullptr, "12G45", "1012345"}, // text 138; back to the stored code
    };
    for (const Case& c : cases) {
        if (c.type != nullptr) {
            typ()->setEditText(QString::fromLatin1(c.type));
        }
        kod()->setText(QString::fromLatin1(c.typed));
        emit kod()->editingFinished();
        EXPECT_EQ(kod()->text(), QString::fromLatin1(c.code)) << c.typed;
        show({"1012345", "8", 0, {}});
    }
    EXPECT_EQ(errors, std::vector<std::string>{"T138"});
}

TEST_F(TMonitorEventEditFormTest, TickedButtonsGiveTheButtonCode)
{
    show({"1012345", "0", 7, {"Gate", "", "", ""}});
    EXPECT_EQ(child<QLineEdit>(form, "EditID")->text(), QStringLiteral("7"));
    EXPECT_EQ(child<QLineEdit>(form, "Edit1")->text(), QStringLiteral("Gate"));
    child<QCheckBox>(form, "BtnBox1")->click();
    child<QCheckBox>(form, "BtnBox3")->click();
    EXPECT_EQ(btn()->currentText(), QStringLiteral("A"));
    btn()->setCurrentText(QStringLiteral("6"));
    EXPECT_FALSE(child<QCheckBox>(form, "BtnBox1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(form, "BtnBox2")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(form, "BtnBox3")->isChecked());
    child<QPushButton>(form, "OKButton")->click();
    EXPECT_EQ(form.acceptedEvent().ButtonCode, "6");
    EXPECT_EQ(form.acceptedEvent().TxCode, "1012345");
}

TEST_F(TMonitorEventEditFormTest, AnInputDeviceShowsItsInputsAndKeepsItsStateTexts)
{
    show({"A012345", "A=1,B=0", 0, {}});
    EXPECT_EQ(btn()->currentText(), QStringLiteral("6"));
    EXPECT_TRUE(child<QGroupBox>(form, "InputRadio")->isVisibleTo(&form));
    EXPECT_FALSE(child<QGroupBox>(form, "BtnGroup")->isVisibleTo(&form));
    // The monitor gives the input device its four inputs, whatever "Tx.def" says.
    EXPECT_EQ(form.findChildren<QRadioButton*>().size(), 4);
    auto* second = form.findChild<QRadioButton*>(QStringLiteral("Input2"));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isChecked());
    form.findChild<QRadioButton*>(QStringLiteral("Input4"))->click();
    EXPECT_EQ(btn()->currentText(), QStringLiteral("C"));
    child<QPushButton>(form, "OKButton")->click();
    EXPECT_EQ(form.acceptedEvent().ButtonCode, "A=1,B=1");

    // Choosing the input type for a button transmitter turns the buttons into the input list.
    show({"1012345", "8", 0, {}});
    EXPECT_TRUE(child<QGroupBox>(form, "BtnGroup")->isVisibleTo(&form));
    typ()->setCurrentText(QStringLiteral("Input A/B"));
    EXPECT_TRUE(child<QGroupBox>(form, "InputRadio")->isVisibleTo(&form));
    EXPECT_EQ(kod()->text(), QStringLiteral("A012345"));
    EXPECT_EQ(btn()->currentText(), QStringLiteral("0")); // no input has the code 8
}

TEST_F(TMonitorEventEditFormTest, CancelLeavesTheEventAsItWas)
{
    monitor::TEvent event{"1012345", "8", 0, {}};
    show(event);
    kod()->setText(QStringLiteral("54321"));
    child<QPushButton>(form, "StornoButton")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(event.TxCode, "1012345");
}
