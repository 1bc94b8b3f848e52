#include "ToolRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

namespace {

using vorbix::ctl::test::runTool;
using vorbix::ctl::test::ToolRun;

} // namespace

TEST(ListCommandsTest, HistoryPrintsTheFileInItsOrderAsTextOrJson)
{
    vorbix::test::TempFolder folder;
    folder.write("History.dat", "X212AB4#2#07.03.2009 08:15:30#0#17#Room \"4\"#Gate#Main##\r\n"
                                "A0000F2#Ini#08.03.2009#1#0#\xE8\x61j####\r\n"
                                "X1#1#bad time#0#0#####\r\n");
    const ToolRun json = runTool("--folder '" + folder.path() + "' history --json");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "{\"tx\":\"X212AB4\",\"code\":\"2\",\"time\":\"2009-03-07T08:15:30\",\"lowbatt\":false,"
                        "\"id\":17,\"user\":[\"Room \\\"4\\\"\",\"Gate\",\"Main\",\"\"]}\n"
                        "{\"tx\":\"A0000F2\",\"code\":\"Ini\",\"time\":\"2009-03-08T00:00:00\",\"lowbatt\":true,"
                        "\"id\":0,\"user\":[\"\xC4\x8D"
                        "aj\",\"\",\"\",\"\"]}\n");
    const ToolRun plain = runTool("--folder '" + folder.path() + "' history");
    EXPECT_EQ(plain.out, "X212AB4\t2\t07.03.2009 08:15:30\t0\t17\tRoom \"4\"\tGate\tMain\t\n"
                         "A0000F2\tIni\t08.03.2009\t1\t0\t\xC4\x8D"
                         "aj\t\t\t\n");
    EXPECT_EQ(runTool("--folder '" + folder.path() + "' history --xml").exitCode, 2);
}

TEST(ListCommandsTest, BatteryPrintsItsListAndAMissingFileIsEmpty)
{
    vorbix::test::TempFolder folder;
    EXPECT_EQ(runTool("--folder '" + folder.path() + "' battery --json").out, "");
    folder.write("LowBatt.dat", "X212AB4#1#07.03.2009 08:15:30#17#Room 4#Gate#Main##\r\n");
    const ToolRun json = runTool("--folder '" + folder.path() + "' battery --json");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "{\"tx\":\"X212AB4\",\"state\":1,\"time\":\"2009-03-07T08:15:30\",\"id\":17,"
                        "\"user\":[\"Room 4\",\"Gate\",\"Main\",\"\"]}\n");
}

TEST(ListCommandsTest, AccountsListNamesRightsAndProfilesButNoPasswords)
{
    vorbix::test::TempFolder folder;
    EXPECT_EQ(runTool("--folder '" + folder.path() + "' accounts").out, "");
    std::string file(608, '\0');
    file.replace(0, 5,
                 "\xC8"
                 "apek");
    file.replace(101, 9, "Secret-99");
    file[202] = '\1';
    file.replace(203, 5, "Plant");
    file.replace(304, 5, "guard");
    file.replace(405, 9, "Secret-77");
    folder.write("Ucty.dat", file);

    const ToolRun json = runTool("--folder '" + folder.path() + "' accounts --json");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "{\"name\":\"\xC4\x8C"
                        "apek\",\"rights\":\"administrator\",\"profile\":\"Plant\"}\n"
                        "{\"name\":\"guard\",\"rights\":\"user\",\"profile\":\"\"}\n");
    const ToolRun plain = runTool("--folder '" + folder.path() + "' accounts");
    EXPECT_EQ(plain.out, "\xC4\x8C"
                         "apek\tadministrator\tPlant\nguard\tuser\t\n");
    EXPECT_EQ((plain.out + json.out).find("Secret"), std::string::npos);
    EXPECT_EQ(runTool("--folder '" + folder.path() + "' accounts --all").exitCode, 2);
}

// Human output shows control characters from a file as "?": a tab would split a line into extra
// columns, an escape sequence would reach the terminal. JSON escapes them instead.
TEST(ListCommandsTest, ControlCharactersInTextsShowAsQuestionMarks)
{
    vorbix::test::TempFolder folder;
    folder.write("History.dat", "X212AB4#2#07.03.2009#0#17#Ro\tom#\x1b[31mred#\x81#\x7f#\r\n");
    const ToolRun plain = runTool("--folder '" + folder.path() + "' history");
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, "X212AB4\t2\t07.03.2009\t0\t17\tRo?om\t?[31mred\t?\t?\n");
    EXPECT_NE(runTool("--folder '" + folder.path() + "' history --json").out.find("\"Ro\\u0009om\""),
              std::string::npos);
    // A note that quotes a line of the file is shown the same way.
    folder.write("History.dat", "text in place of the list\x1b]0;title\x07\r\n");
    runTool("--folder '" + folder.path() + "' history 2>'" + folder.file("err") + "'; exit $?");
    EXPECT_NE(folder.read("err").find("the first: text in place of the list?]0;title?\n"), std::string::npos);

    // Whatever else a message quotes, here a folder name, is shown the same way.
    const std::string odd = folder.file("a\x1b[31m\xc2\x9b");
    ASSERT_EQ(::mkdir(odd.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((odd + "/History.dat").c_str(), 0755), 0);
    runTool("--folder '" + odd + "' history 2>'" + folder.file("err") + "'; exit $?");
    EXPECT_EQ(folder.read("err"), "vorbixctl: " + folder.path() + "/a?[31m?/History.dat: Is a directory\n");
}

// What is not a plain file where a list or the accounts belong fails the command at once, with
// the path and the reason, instead of waiting on a pipe or passing for an empty list.
TEST(ListCommandsTest, APipeOrAFolderInPlaceOfAFileFailsWithTheReason)
{
    const struct
    {
        const char* command;
        const char* file;
    } cases[] = {{"history", "History.dat"}, {"battery", "LowBatt.dat"}, {"accounts", "Ucty.dat"}};
    for (const auto& c : cases) {
        for (const bool pipe : {true, false}) {
            SCOPED_TRACE(std::string(c.command) + (pipe ? " given a pipe" : " given a folder"));
            vorbix::test::TempFolder folder;
            const std::string path = folder.file(c.file);
            ASSERT_EQ(pipe ? ::mkfifo(path.c_str(), 0644) : ::mkdir(path.c_str(), 0755), 0);
            const ToolRun run =
                runTool("--folder '" + folder.path() + "' " + c.command + " 2>'" + folder.file("err") + "'; exit $?");
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(
                folder.read("err").find(path + (pipe ? ": not a regular file (a named pipe)" : ": Is a directory")),
                std::string::npos);
        }
    }
}
