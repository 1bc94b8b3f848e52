#include "ToolRun.h"
#include "support/DataFileText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vorbix::ctl::test::runTool;
using vorbix::ctl::test::ToolRun;

std::string lines(const std::vector<std::string>& rows)
{
    std::string out;
    for (const std::string& row : rows) {
        out += row + "\n";
    }
    return out;
}

const std::string Zeros18(18, '0');

class ShowCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"Rx.def", "RxFncUS.def", "Tx.def", "US.lng"}) {
            folder.copyData(name);
        }
        // Slot 1 a pulse on relay 1; slot 2 timed on relays 1 and 3 with button 0 (faulty); slot 3
        // empty. The name "Žofie" is code page 1250.
        const std::string image = "01123458010005" + Zeros18 + "05ABCDE005000A" + Zeros18 + std::string(32, '0');
        file = folder.write("set.rxd",
                            vorbix::test::crlf({"KV8MOD-T", "3", image, "1   5#Gate#North###", "10 Remote 4 buttons",
                                                "2   12#\x8E"
                                                "ofie####",
                                                "x0 -", "3   0#####", "x0 -"}));
        folder.write("Vorbix.ini", "[Setup]\nUserID=Code\nUser1=Name\nUserSingle3Visible=0\n"
                                   "[Grid_Config]\nUser_Single=11,0,1,8,7,9,11,2,3,4,5,6,10,\n");
    }

    std::string show(const std::string& options)
    {
        return "--folder '" + folder.path() + "' show '" + file + "' " + options;
    }

    vorbix::test::TempFolder folder;
    std::string file;
};

TEST_F(ShowCommandTest, FileViewUsesTheFoldersColumnConfiguration)
{
    const ToolRun run = runTool(show(""));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        run.out,
        lines({"Position\tSerial number\tName\tCode\tUser 2\tUser 4\tType\tButton\tFunction\tChannels\tTime\tfaulty",
               "1\t1012345\tGate\t5\tNorth\t\tRemote 4 buttons\t8\tPulse\t1\t-\t0",
               "2\tx0ABCDE\t\xC5\xBD"
               "ofie\t12\t\t\t-\t0\tTimed\t1, 3\t0:01,0\t1"}));
}

TEST_F(ShowCommandTest, SortsByTheGivenColumnAndDirection)
{
    struct Case
    {
        const char* options;
        std::vector<std::string> firstCells;
    } cases[] = {
        {"--sort 0 --desc", {"2", "1"}},
        {"--sort 3", {"1", "2"}}, // Code 5 before 12
        {"--sort 2", {"1", "2"}}, // "Gate" before the code page's "Ž"
        {"--sort 2 --desc", {"2", "1"}},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool(show(c.options));
        ASSERT_EQ(run.exitCode, 0) << c.options;
        std::vector<std::string> firstCells;
        std::size_t start = run.out.find('\n') + 1;
        while (start < run.out.size()) {
            firstCells.push_back(run.out.substr(start, run.out.find('\t', start) - start));
            start = run.out.find('\n', start) + 1;
        }
        EXPECT_EQ(firstCells, c.firstCells) << c.options;
    }
}

TEST_F(ShowCommandTest, MemoryViewShowsTheReceiversColumns)
{
    const ToolRun run = runTool(show("--view memory"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, lines({"Position\tSerial number\tButton\tFunction\tChannels\tTime\tName\tfaulty",
                              "1\t1012345\t8\tPulse\t1\t-\tGate\t0",
                              "2\tx0ABCDE\t0\tTimed\t1, 3\t0:01,0\t\xC5\xBD"
                              "ofie\t1"}));
}

TEST_F(ShowCommandTest, ExitCodes)
{
    struct Case
    {
        std::string arguments;
        int exitCode;
    } cases[] = {
        {show("--view list"), 2},
        {show("--sort 11"), 2},
        {show("--sort x"), 2},
        {"--folder '" + folder.path() + "' show", 2},
        {"--folder '" + folder.path() + "' show '" + folder.file("missing.rxd") + "'", 1},
        {"--folder '" + folder.path() + "' list", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(runTool(c.arguments).exitCode, c.exitCode) << c.arguments;
    }
}

} // namespace
