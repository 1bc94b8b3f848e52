#include "MainFormFixture.h"
#include "ModalHelper.h"
#include "core/app/Settings.h"
#include "core/setup/Accounts.h"
#include "core/text/TextFile.h"
#include "ui/app/MainActions.h"
#include "ui/setup/AccountsPage.h"
#include "ui/setup/ConnectionsPage.h"
#include "ui/setup/TAppSetupForm.h"
#include "ui/widgets/Dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <sys/stat.h>

using namespace vorbix;
using vorbix::test::MainFormFixture;

namespace {

class AppSetupTest : public MainFormFixture
{
protected:
    void SetUp() override
    {
        MainFormFixture::SetUp();
        writeIni("[Setup]\r\nWelcome=0\r\nMonitorFont=No Such Font Family\r\n");
    }

    // Opens the setup dialog from its menu item and runs `body` on it.
    void runSetup(std::function<void(ui::TAppSetupForm&)> body)
    {
        test::whenModal<ui::TAppSetupForm>(form.get(), [body](ui::TAppSetupForm& dialog) {
            body(dialog);
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        form->actions()->action(QStringLiteral("MenuAppSetup"))->trigger();
        settle();
    }

    // The editing every test does: options changed, a profile and an account added.
    static void edit(ui::TAppSetupForm& d)
    {
        d.BackupBox->setChecked(false);
        d.HistoryEdit->setValue(500);
        d.TitleEdits[1]->setText(QStringLiteral("Badge"));
        d.LoginBox->setChecked(true);
        ui::ConnectionsPage& c = *d.connectionsPage();
        c.NameEdit->setText(QStringLiteral("Plant"));
        c.TcpRadio->setChecked(true);
        c.IPAddressEdit->setText(QStringLiteral("127.0.0.1"));
        c.IPPortEdit->setText(QStringLiteral("10001"));
        c.ConnOnlineBox->setChecked(true);
        c.AddButton->click();
        ui::AccountsPage& a = *d.accountsPage();
        a.AccNameEdit->setText(QStringLiteral("guard"));
        a.AccPassEdit->setText(QStringLiteral("night"));
        a.AccUserRadio->setChecked(true);
        a.AccConnCombo->setCurrentText(QStringLiteral("Plant"));
        a.AccAddButton->click();
    }

    std::string ini() const { return folder.read("Vorbix.ini"); }
};

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(AppSetupTest, ConfirmedDialogIsAppliedAndSaved)
{
    folder.write("History.dat", "X212AB4#2#07.03.2009 08:15:30#0#17#####\r\n");
    ASSERT_TRUE(start());
    QString grid;
    QString firstSortItem;
    runSetup([&](ui::TAppSetupForm& d) {
        firstSortItem = d.ColCombo->itemText(0);
        d.HistoryClearBox->setChecked(true);
        // The start-up boxes exclude each other as they change.
        d.WelcomeBox->setChecked(true);
        d.DownloadBox->setChecked(true);
        EXPECT_FALSE(d.WelcomeBox->isChecked());
        edit(d);
        EXPECT_FALSE(d.DownloadBox->isChecked());
        grid = d.connectionsPage()->ConnGrid->item(0, 2)->text() + QStringLiteral("|") +
               d.connectionsPage()->ConnGrid->item(0, 3)->text() + QStringLiteral("|") +
               d.accountsPage()->AccGrid->item(0, 2)->text();
        d.OKButton->click();
    });
    EXPECT_EQ(grid, QStringLiteral("IP 127.0.0.1:10001|Online|T188 - Plant"));
    EXPECT_EQ(firstSortItem, QStringLiteral("T153")); // the user grid's first column, no data set open
    EXPECT_EQ(folder.read("History.dat"), "");
    EXPECT_TRUE(ui::Dialogs::shownMessages().isEmpty())
        << ui::Dialogs::shownMessages().join(QStringLiteral("; ")).toStdString();

    const std::string saved = ini();
    for (const char* line :
         {"Backup=0", "HistoryLength=500", "Login=1", "Welcome=0", "Download=0", "User1=Badge", "MonitorFont=Tahoma",
          "[Connection1]", "Name=Plant", "Title=IP 127.0.0.1:10001", "GoOnline=1"}) {
        EXPECT_TRUE(contains(saved, line)) << line << "\n" << saved;
    }
    EXPECT_FALSE(contains(saved, "UserID=")); // equal to its language default: no key
    EXPECT_FALSE(form->settings().Backup);
    EXPECT_EQ(form->settings().userTitles[1], "Badge");

    setup::AccountList accounts;
    std::string error;
    ASSERT_TRUE(setup::LoadAccounts(folder.file("Ucty.dat"), accounts, error));
    ASSERT_EQ(accounts.size(), 1U);
    EXPECT_EQ(accounts[0].Name, "guard");
    EXPECT_FALSE(accounts[0].Admin);
    EXPECT_EQ(accounts[0].Connection, "Plant");
    struct stat st
    {
    };
    ASSERT_EQ(::stat(folder.file("Ucty.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600U);
}

TEST_F(AppSetupTest, CancelKeepsTheOptionsAndTheFilesButNotTheProfileChanges)
{
    ASSERT_TRUE(start());
    const std::string before = ini();
    runSetup([](ui::TAppSetupForm& d) {
        edit(d);
        d.CancelButton->click();
    });
    EXPECT_EQ(ini(), before);
    EXPECT_FALSE(text::fileExists(folder.file("Ucty.dat")));
    EXPECT_TRUE(form->settings().Backup);
    EXPECT_EQ(form->settings().HistoryLength, 100);
    ASSERT_EQ(form->settings().profiles.size(), 2U); // the profile added stays ...
    EXPECT_EQ(form->settings().profiles[1].Name, "Plant");

    form->close(); // ... and is written with the next settings save
    form.reset();
    const std::string after = ini();
    EXPECT_TRUE(contains(after, "[Connection1]"));
    EXPECT_TRUE(contains(after, "Name=Plant"));
    EXPECT_TRUE(contains(after, "Backup=1"));
}

TEST_F(AppSetupTest, MissingFontShowsTahomaAndEmptyTitlesFallBack)
{
    ASSERT_TRUE(start());
    QString shown;
    QString sortItem;
    runSetup([&](ui::TAppSetupForm& d) {
        shown = d.MonitorFontCombo->currentText();
        d.TitleEdits[0]->setText(QString());
        d.OKButton->click();
        sortItem = d.TitleEdits[0]->text();
    });
    EXPECT_EQ(shown, QStringLiteral("Tahoma"));
    EXPECT_EQ(sortItem, QStringLiteral("T153"));
    EXPECT_EQ(form->settings().MonitorFont, "Tahoma");
    EXPECT_EQ(form->settings().userTitles[0], "T153");
}

TEST_F(AppSetupTest, ProfileAndAccountErrorsKeepTheListsAsTheyWere)
{
    ASSERT_TRUE(start());
    runSetup([](ui::TAppSetupForm& d) {
        ui::ConnectionsPage& c = *d.connectionsPage();
        c.NameEdit->setText(QStringLiteral("Gate"));
        c.TcpRadio->setChecked(true);
        c.IPAddressEdit->setText(QStringLiteral("10.0.1"));
        c.AddButton->click();
        ui::AccountsPage& a = *d.accountsPage();
        a.AccNameEdit->setText(QStringLiteral("nobody"));
        a.AccAddButton->click(); // no rights chosen
        d.OKButton->click();
    });
    EXPECT_EQ(ui::Dialogs::shownMessages(), (QStringList{QStringLiteral("T101"), QStringLiteral("T129")}));
    EXPECT_EQ(form->settings().profiles.size(), 1U);
    EXPECT_EQ(folder.read("Ucty.dat"), "");
}

TEST_F(AppSetupTest, ChosenLanguageIsLoadedAfterTheSaveAndReachesTheFileWithTheNextOne)
{
    std::string czech = "310 CZ\r\n";
    for (int n = 0; n < 310; ++n) {
        char number[4];
        std::snprintf(number, sizeof number, "%03d", n);
        czech += std::string(number) + " C" + std::to_string(n) + "\r\n";
    }
    folder.write("CZ.lng", czech);
    ASSERT_TRUE(start());
    QStringList offered;
    runSetup([&](ui::TAppSetupForm& d) {
        for (int i = 0; i < d.LanguageCombo->count(); ++i) {
            offered << d.LanguageCombo->itemText(i);
        }
        EXPECT_EQ(d.LanguageCombo->currentText(), QStringLiteral("US"));
        d.LanguageCombo->setCurrentIndex(0);
        d.OKButton->click();
    });
    EXPECT_EQ(offered, (QStringList{QStringLiteral("CZ"), QStringLiteral("US")}));
    EXPECT_EQ(form->languageCode(), "CZ");
    EXPECT_EQ(tab(0), QStringLiteral("C158"));
    EXPECT_EQ(form->settings().userTitles[0], "C153"); // the default title follows the language
    EXPECT_TRUE(contains(ini(), "Language=US"));

    form->close();
    form.reset();
    EXPECT_TRUE(contains(ini(), "Language=CZ"));
}

// An accounts file that cannot be read is reported, its page takes no changes, and OK leaves the file
// as it is: the empty list the page shows must not replace the accounts.
TEST_F(AppSetupTest, AnUnreadableAccountsFileIsLeftAsItIs)
{
    const std::string damaged(305, 'x'); // not a whole number of account records
    folder.write("Ucty.dat", damaged);
    ASSERT_TRUE(start());
    bool pageEnabled = true;
    runSetup([&](ui::TAppSetupForm& d) {
        pageEnabled = d.accountsPage()->AccGrid->isEnabled();
        d.OKButton->click();
    });
    EXPECT_FALSE(pageEnabled);
    ASSERT_EQ(ui::Dialogs::shownMessages().size(), 1);
    EXPECT_TRUE(ui::Dialogs::shownMessages().at(0).contains(QStringLiteral("damaged")))
        << ui::Dialogs::shownMessages().at(0).toStdString();
    EXPECT_EQ(folder.read("Ucty.dat"), damaged);
}

// The accounts page never shows a stored password: the field stays empty and hidden, Save with it
// empty keeps the password, and a typed one is hidden unless the user asks to see it.
TEST_F(AppSetupTest, TheAccountsPageNeverShowsAStoredPassword)
{
    std::string error;
    ASSERT_TRUE(setup::SaveAccounts(folder.file("Ucty.dat"), {{"guard", "night", false, ""}}, error)) << error;
    ASSERT_TRUE(start());
    runSetup([](ui::TAppSetupForm& d) {
        ui::AccountsPage& a = *d.accountsPage();
        a.selectRow(1);
        EXPECT_EQ(a.AccNameEdit->text(), QStringLiteral("guard"));
        EXPECT_TRUE(a.AccPassEdit->text().isEmpty());
        EXPECT_EQ(a.AccPassEdit->echoMode(), QLineEdit::Password);
        a.AccAdminRadio->setChecked(true);
        a.AccSaveButton->click(); // rights changed, password left empty
        a.AccPassEdit->setText(QStringLiteral("typed"));
        a.AccPassShow->setChecked(true);
        EXPECT_EQ(a.AccPassEdit->echoMode(), QLineEdit::Normal);
        a.AccPassEdit->clear();
        d.OKButton->click();
    });
    setup::AccountList accounts;
    ASSERT_TRUE(setup::LoadAccounts(folder.file("Ucty.dat"), accounts, error)) << error;
    ASSERT_EQ(accounts.size(), 1U);
    EXPECT_TRUE(accounts[0].Admin);
    EXPECT_EQ(accounts[0].Password, "night");
}
