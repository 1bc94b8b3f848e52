#include "core/setup/Accounts.h"
#include "core/app/TConnection.h"
#include "core/setup/AccountEditor.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vorbix;
using namespace vorbix::setup;

namespace {

// One record as the file holds it, built by hand so the test does not use the writer it checks.
std::string record(const std::string& name, const std::string& password, char admin, const std::string& connection)
{
    std::string r(304, '\0');
    r.replace(0, name.size(), name);
    r.replace(101, password.size(), password);
    r[202] = admin;
    r.replace(203, connection.size(), connection);
    return r;
}

app::ConnectionList profiles(std::initializer_list<const char*> names)
{
    app::ConnectionList list(1);
    list[0].Name = "Default";
    for (const char* name : names) {
        app::TConnection p;
        p.Name = name;
        list.push_back(p);
    }
    return list;
}

} // namespace

TEST(AccountsTest, RecordsAreWrittenAndReadByteExact)
{
    // cp1250 bytes: "Čapek" and "heslo ž"
    const AccountList accounts = {{"\xC8"
                                   "apek",
                                   "heslo \x9E", true, "Plant"},
                                  {"guard", "", false, ""}};
    const std::string expected = record("\xC8"
                                        "apek",
                                        "heslo \x9E", '\1', "Plant") +
                                 record("guard", "", '\0', "");
    EXPECT_EQ(FormatAccounts(accounts), expected);

    const AccountList back = ParseAccounts(expected);
    ASSERT_EQ(back.size(), 2U);
    EXPECT_EQ(back[0].Name, "\xC8"
                            "apek");
    EXPECT_EQ(back[0].Password, "heslo \x9E");
    EXPECT_TRUE(back[0].Admin);
    EXPECT_EQ(back[0].Connection, "Plant");
    EXPECT_FALSE(back[1].Admin);
}

TEST(AccountsTest, FileEdgesAreRead)
{
    // A trailing partial record is ignored; a field without a zero byte is read to its 101st byte.
    std::string full(304, 'x');
    full[202] = '\0';
    const AccountList accounts = ParseAccounts(full + record("b", "p", '\1', "").substr(0, 303));
    ASSERT_EQ(accounts.size(), 1U);
    EXPECT_EQ(accounts[0].Name, std::string(101, 'x'));
    EXPECT_EQ(accounts[0].Password, std::string(101, 'x'));
    EXPECT_EQ(accounts[0].Connection, std::string(101, 'x'));
    EXPECT_FALSE(accounts[0].Admin);
    EXPECT_TRUE(ParseAccounts("").empty());
}

TEST(AccountsTest, LongTextsAreCutSoTheTypedPasswordNoLongerMatches)
{
    const std::string typed(120, 'p');
    const std::string content = FormatAccounts({{std::string(130, 'n'), typed, true, std::string(150, 'c')}});
    ASSERT_EQ(content.size(), 304U);
    EXPECT_EQ(content.substr(0, 101), std::string(100, 'n') + '\0');
    EXPECT_EQ(content.substr(101, 101), std::string(100, 'p') + '\0');
    EXPECT_EQ(content.substr(203, 101), std::string(100, 'c') + '\0');

    const AccountList back = ParseAccounts(content);
    EXPECT_EQ(MatchAccount(back, std::string(100, 'n'), typed), -1);
    EXPECT_EQ(MatchAccount(back, std::string(100, 'n'), typed.substr(0, 100)), 0);
}

TEST(AccountsTest, FileIsOwnerOnlyAndMissingMeansNoAccounts)
{
    test::TempFolder folder;
    const std::string path = folder.file("Ucty.dat");
    AccountList accounts{{"x", "y", false, ""}};
    std::string error;
    ASSERT_TRUE(LoadAccounts(path, accounts, error)) << error;
    EXPECT_TRUE(accounts.empty());

    ::umask(022);
    ASSERT_TRUE(SaveAccounts(path, {{"a", "secret", true, ""}}, error)) << error;
    struct stat st
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600U);

    // An existing file readable by others is tightened on the next save; an empty list still writes.
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    ASSERT_TRUE(SaveAccounts(path, {}, error)) << error;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600U);
    EXPECT_EQ(st.st_size, 0);
}

TEST(AccountsTest, ErrorsNeverCarryThePassword)
{
    test::TempFolder folder;
    const std::string path = folder.file("missing/Ucty.dat");
    std::string error;
    EXPECT_FALSE(SaveAccounts(path, {{"admin", "TopSecret42", true, ""}}, error));
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(error.find("TopSecret42"), std::string::npos);

    AccountList accounts;
    EXPECT_FALSE(LoadAccounts(folder.path(), accounts, error)); // a folder in place of the file
    EXPECT_NE(error.find(folder.path()), std::string::npos);

    // A shifted file would show each password, less a character, as a profile: it is refused whole.
    const std::string shifted =
        folder.write("Ucty.dat", std::string(101, 'x') + FormatAccounts({{"admin", "TopSecret42", true, "P"}}));
    accounts = {{"x", "y", false, ""}};
    EXPECT_FALSE(LoadAccounts(shifted, accounts, error));
    EXPECT_EQ(error, shifted + ": damaged, 405 bytes is not a whole number of 304-byte account records");
    EXPECT_TRUE(accounts.empty());
}

TEST(AccountsTest, LoginMatch)
{
    const AccountList accounts = {
        {"anna", "one", false, "First"},
        {"anna", "one", true, "Second"},
        {"Bob", "two", true, ""},
    };
    struct Case
    {
        const char* name;
        const char* password;
        int expected;
    };
    const Case cases[] = {
        {"anna", "one", 0},  // the first of two equal accounts wins
        {"Bob", "two", 2},   //
        {"bob", "two", -1},  // names compare with case
        {"Bob", "Two", -1},  // passwords too
        {"Bob", "two ", -1}, // and whole
        {"Bob", "tw", -1},   //
        {"", "", -1},        //
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchAccount(accounts, c.name, c.password), c.expected) << c.name << "/" << c.password;
    }
    EXPECT_TRUE(SamePassword("", ""));
    EXPECT_FALSE(SamePassword("a", std::string("a\0", 2)));
}

TEST(AccountsTest, ProfileChoiceAndLoginResult)
{
    app::ConnectionList list = profiles({"Plant", "Gate", "Plant"});
    EXPECT_EQ(ProfileForAccount(list, "Plant"), 3U); // the last saved profile of that name
    EXPECT_EQ(ProfileForAccount(list, "Gate"), 2U);
    EXPECT_EQ(ProfileForAccount(list, "Nowhere"), 0U); // logs in with "Default"
    EXPECT_EQ(ProfileForAccount(list, "Default"), 0U);
    EXPECT_EQ(ProfileForAccount(list, ""), 0U);

    app::TConnection withAction;
    withAction.GoDownload = true;
    const app::TConnection without;
    struct Case
    {
        const app::TConnection* profile;
        bool admin;
        bool loggedIn;
        bool cancelled;
    };
    const Case cases[] = {
        {&withAction, false, false, true},
        {&withAction, false, true, false},
        {&withAction, true, false, false},
        {&without, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoginCancelled(*c.profile, c.admin, c.loggedIn), c.cancelled) << c.admin << c.loggedIn;
    }
}

TEST(AccountEditorTest, AddSaveDeleteAndTheGrid)
{
    const app::ConnectionList list = profiles({"Plant"});
    PopisType lang(300);
    lang[187] = "Administrator";
    lang[188] = "User";
    AccountList accounts;

    AccountEdit edit = AddAccount(accounts, 1, {"", "p", true, ""});
    EXPECT_FALSE(edit.check.accepted);
    EXPECT_EQ(edit.check.languageText, 128);
    edit = AddAccount(accounts, 1, {"anna", "p", std::nullopt, ""});
    EXPECT_EQ(edit.check.languageText, 129);
    EXPECT_EQ(edit.check.field, AccountField::Rights);
    EXPECT_TRUE(accounts.empty());

    edit = AddAccount(accounts, 1, {"anna", "p", true, "Plant"});
    EXPECT_EQ(edit.row, 1);
    edit = AddAccount(accounts, 1, {"bob", "q", false, "Elsewhere"});
    EXPECT_EQ(edit.row, 2);
    ASSERT_EQ(accounts.size(), 2U);
    EXPECT_EQ(AccountRightsText(accounts[0], list, lang), "Administrator - Plant");
    EXPECT_EQ(AccountRightsText(accounts[1], list, lang), "User"); // no saved profile of that name
    EXPECT_EQ(AccountFormForRow(accounts, list, 2).Connection, "");

    // Add with an existing name saves over the selected row.
    edit = AddAccount(accounts, 2, {"anna", "new", false, ""});
    EXPECT_EQ(edit.row, 2);
    ASSERT_EQ(accounts.size(), 2U);
    EXPECT_EQ(accounts[1].Name, "anna");
    EXPECT_EQ(accounts[1].Password, "new");
    // The form never carries a stored password; saving it empty keeps the one stored.
    EXPECT_EQ(AccountFormForRow(accounts, list, 2).Password, "");
    edit = SaveAccount(accounts, 2, AccountFormForRow(accounts, list, 2));
    EXPECT_EQ(accounts[1].Password, "new");

    edit = SaveAccount(accounts, 3, {"carl", "r", true, ""}); // the row after the last appends
    EXPECT_EQ(edit.row, 3);
    ASSERT_EQ(accounts.size(), 3U);

    DeleteAccount(accounts, 1);
    ASSERT_EQ(accounts.size(), 2U);
    EXPECT_EQ(accounts[0].Name, "anna");
    EXPECT_EQ(accounts[1].Name, "carl");
    DeleteAccount(accounts, 5);
    EXPECT_EQ(accounts.size(), 2U);
    EXPECT_FALSE(AccountFormForRow(accounts, list, 3).admin.has_value());
}
