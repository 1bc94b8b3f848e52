#include "core/app/Language.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::app;

TEST(LanguageTest, ParsesEntriesInAnyOrderLaterWins)
{
    PopisType table;
    std::string error;
    ASSERT_TRUE(ParseLanguage("005 entries\r\n002 two\r\n000 zero\r\n002 Two again\r\n 12\r\n  3 three\r\n", table,
                              error) == false); // 12 is beyond the count of 5
    EXPECT_EQ(error, "Wrong language file format!");
    EXPECT_EQ(table.size(), 5u);
    EXPECT_EQ(table[2], "Two again"); // lines before the bad one stay

    table.clear();
    ASSERT_TRUE(ParseLanguage("015\r\n012 x\r\n012\r\n001 one\r\n  3 three\r\n014 last", table, error)) << error;
    EXPECT_EQ(table.size(), 15u);
    EXPECT_EQ(table[12], "");
    EXPECT_EQ(table[1], "one");
    EXPECT_EQ(table[3], "three");
    EXPECT_EQ(table[14], "last");
    EXPECT_EQ(table[0], "");

    ASSERT_TRUE(ParseLanguage("015\r\n012 \r\n", table, error));
    EXPECT_EQ(table[12], "");
}

TEST(LanguageTest, MalformedFilesAreRefused)
{
    const char* bad[] = {
        "",                     // no count
        "abc\r\n",              // count not a number
        "010\r\n001 a\r\n\r\n", // empty last line
        "010\r\n\r\n001 a\r\n", // empty line inside
        "010\r\nx01 a\r\n",     // entry number not a number
        "010\r\n010 a\r\n",     // entry number equal to the count
    };
    for (const char* content : bad) {
        PopisType table;
        std::string error;
        EXPECT_FALSE(ParseLanguage(content, table, error)) << content;
        EXPECT_EQ(error, "Wrong language file format!") << content;
    }
}

TEST(LanguageTest, ReloadKeepsTextsTheNewFileDoesNotSet)
{
    PopisType table;
    std::string error;
    ASSERT_TRUE(ParseLanguage("004\r\n000 File\r\n001 Edit\r\n002 Help\r\n003 Quit\r\n", table, error));
    ASSERT_TRUE(ParseLanguage("003\r\n000 Soubor\r\n", table, error));
    EXPECT_EQ(table, (PopisType{"Soubor", "Edit", "Help"}));
    ASSERT_TRUE(ParseLanguage("005\r\n001 Upravy\r\n", table, error));
    EXPECT_EQ(table, (PopisType{"Soubor", "Upravy", "Help", "", ""}));
}

TEST(LanguageTest, MissingFileAndFileChoices)
{
    test::TempFolder dir;
    PopisType table{"keep"};
    std::string error;
    EXPECT_FALSE(LoadLanguage(dir.path(), "CZ", table, error));
    EXPECT_EQ(error, "CZ languge file can not be open! - " + dir.file("CZ.lng") + ": No such file or directory");
    EXPECT_EQ(table, PopisType{"keep"});

    dir.write("CZ.lng", "310\r\n000 Soubor\r\n001 Upravy\r\n");
    ASSERT_TRUE(LoadLanguage(dir.path(), "CZ", table, error)) << error;
    EXPECT_EQ(table.size(), static_cast<std::size_t>(kAllTextCount)) << "the added texts are filled";
    EXPECT_EQ(table[1], "Upravy");
    EXPECT_EQ(table[310], "Contents") << "an older file's missing added text reads in English";
    dir.write("CZ.lng", "312\r\n000 Soubor\r\n310 Obsah\r\n");
    ASSERT_TRUE(LoadLanguage(dir.path(), "CZ", table, error)) << error;
    EXPECT_EQ(table[310], "Obsah");
    EXPECT_EQ(table[311], "Back");

    EXPECT_EQ(DefinitionFileFor(dir.path(), "CZ"), "RxFncUS.def");
    EXPECT_EQ(HelpFileFor(dir.path(), "CZ"), dir.path() + "/Help/VORBIXUS/index.html");
    dir.write("RxFncCZ.def", "");
    dir.write("Help/VORBIXCZ/index.html", "<html></html>");
    EXPECT_EQ(DefinitionFileFor(dir.path(), "CZ"), "RxFncCZ.def");
    EXPECT_EQ(HelpFileFor(dir.path(), "CZ"), dir.path() + "/Help/VORBIXCZ/index.html");
}

TEST(LanguageTest, AFileWithFewerTextsThanTheProgramUsesIsRefused)
{
    test::TempFolder dir;
    ASSERT_EQ(kLanguageTextCount, 310);
    for (const char* count : {"000", "0", "005", "309"}) {
        SCOPED_TRACE(count);
        dir.write("CZ.lng", std::string(count) + "\r\n000 Soubor\r\n");
        PopisType table{"keep"};
        std::string error;
        EXPECT_FALSE(LoadLanguage(dir.path(), "CZ", table, error));
        EXPECT_EQ(error, "Wrong language file format! - " + dir.file("CZ.lng") + ": " +
                             std::to_string(std::stoi(count)) + " texts, 310 needed");
        EXPECT_EQ(table, PopisType{"keep"});
    }
    dir.write("CZ.lng", "310 texts\n000 Soubor\n");
    PopisType table;
    std::string error;
    ASSERT_TRUE(LoadLanguage(dir.path(), "CZ", table, error)) << error;
    EXPECT_EQ(table.size(), static_cast<std::size_t>(kAllTextCount));
}

TEST(LanguageTest, TextsThatNameSomethingPutTheNameWhereTheLanguageDoes)
{
    const PopisType table{"Undo %1", "Zpět: %1", "Undo", ""};
    EXPECT_EQ(LangTextWith(table, 0, "Edit"), "Undo Edit");
    EXPECT_EQ(LangTextWith(table, 1, "Upravit"), "Zpět: Upravit");
    EXPECT_EQ(LangTextWith(table, 2, "Edit"), "Undo Edit") << "a file that lost the place keeps the name";
    EXPECT_EQ(LangTextWith(table, 3, "Edit"), "Edit");
    EXPECT_EQ(LangTextWith(table, 9, "Edit"), "Edit");
}
