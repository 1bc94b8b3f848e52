#include "support/TempFolder.h"
#include "ui/views/TFindForm.h"
#include "ui/views/TNewForm.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorbix;

namespace {

PopisType numberedTexts()
{
    PopisType lang;
    for (int n = 0; n < 310; ++n) {
        lang.push_back("T" + std::to_string(n));
    }
    return lang;
}

TEST(TNewFormTest, ChoosesTheModelOfTheSelectedOrTypedDescription)
{
    test::TempFolder folder;
    folder.copyData("Rx.def");
    const PopisType lang = numberedTexts();
    std::vector<std::string> messages;
    ui::TNewForm form(lang, [&](const std::string& m) { messages.push_back(m); });
    form.FormShow(folder.path());
    auto* combo = form.findChild<QComboBox*>(QStringLiteral("ComboRxTyp"));
    auto* ok = form.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_GT(combo->count(), 1);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("T163"));

    combo->setEditText(QStringLiteral("No such receiver"));
    ok->click();
    EXPECT_EQ(messages, std::vector<std::string>{"T99"});
    EXPECT_EQ(form.result(), QDialog::Rejected);

    combo->setEditText(QStringLiteral("Receiver 4 relays, own function time per relay"));
    ok->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosenModel(), "KV4MUL-M");
}

// The dialog opens with the first model selected and the focus in the list: one Enter confirms it,
// as in every other dialog.
TEST(TNewFormTest, TheFirstEnterConfirmsTheSelectedModel)
{
    test::TempFolder folder;
    folder.copyData("Rx.def");
    const PopisType lang = numberedTexts();
    ui::TNewForm form(lang, {});
    form.FormShow(folder.path());
    form.show();
    form.activateWindow();
    QTest::qWait(1);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.chosenModel(), "KV1MOD-T");
}

TEST(TFindFormTest, AnEmptyTextCancelsAndKeepsThePreviousSearch)
{
    const PopisType lang = numberedTexts();
    views::TFinder finder;
    ui::TFindForm form(finder, lang);
    auto* combo = form.findChild<QComboBox*>(QStringLiteral("FindCombo"));
    auto* ok = form.findChild<QPushButton*>(QStringLiteral("OKButton"));

    form.FormShow({"All", "Position", "Serial"});
    ASSERT_NE(form.findChild<QRadioButton*>(QStringLiteral("ColItem2")), nullptr);
    form.findChild<QRadioButton*>(QStringLiteral("ColItem2"))->setChecked(true);
    combo->setEditText(QStringLiteral("x0"));
    ok->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(finder.searchText(), "x0");
    EXPECT_EQ(finder.searchColumn(), 2);

    form.FormShow({});
    EXPECT_EQ(form.findChild<QRadioButton*>(QStringLiteral("ColItem0")), nullptr); // no items on this page
    combo->setEditText(QString());
    ok->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(finder.searchText(), "x0");
    EXPECT_EQ(combo->count(), 1); // the texts searched for during the run
}

} // namespace
