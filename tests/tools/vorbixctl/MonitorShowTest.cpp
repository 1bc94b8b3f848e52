#include "ToolRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vorbix::ctl::test::runTool;
using vorbix::ctl::test::ToolRun;

const std::string kSetup = "Vorbix monitor setup file\r\n"
                           "1#Gate open#1#12#4###1#0#1#\r\n"
                           "Active:X212AB4#2#n#end\r\n"
                           "Deactive:end\r\n"
                           "2#\xC8\x65rven\xE1#6#8#6#/snd/own.wav##0#1#0#\r\n"
                           "Active:A012345#A=1,B=0#n#end\r\n"
                           "Deactive:X212AB4#2#n#end\r\n";

// The message on stderr of a run: the shared runner leaves stderr out, so it goes to a file here.
std::string stderrOf(const vorbix::test::TempFolder& folder, const std::string& arguments)
{
    runTool(arguments + " 2>'" + folder.file("stderr.txt") + "'; exit $?");
    return folder.read("stderr.txt");
}

} // namespace

TEST(MonitorShowTest, PrintsEachMessageWithItsEventsAsTextOrJson)
{
    vorbix::test::TempFolder folder;
    folder.copyData("US.lng");
    const std::string file = folder.write("a.mon", kSetup);
    const ToolRun json = runTool("--folder '" + folder.path() + "' monitor-show '" + file + "' --json");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "{\"number\":1,\"text\":\"Gate open\",\"colour\":1,\"size\":12,\"blink\":true,\"sound\":4,"
                        "\"sound_file\":\"\",\"picture\":\"\",\"activate\":false,\"window\":true,"
                        "\"active\":[{\"tx\":\"X212AB4\",\"button\":\"2\"}],\"deactive\":[]}\n"
                        "{\"number\":2,\"text\":\"\xC4\x8C"
                        "erven\xC3\xA1\",\"colour\":6,\"size\":8,\"blink\":false,\"sound\":6,"
                        "\"sound_file\":\"/snd/own.wav\",\"picture\":\"\",\"activate\":true,\"window\":false,"
                        "\"active\":[{\"tx\":\"A012345\",\"button\":\"A=1,B=0\"}],"
                        "\"deactive\":[{\"tx\":\"X212AB4\",\"button\":\"2\"}]}\n");
    const ToolRun text = runTool("--folder '" + folder.path() + "' monitor-show '" + file + "'");
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "1\tGate open\tcolour=1\tsize=12\tblink=yes\tsound=4\twindow=yes\tactivate=no\n"
                        "\tactive\tX212AB4\t2\n"
                        "2\t\xC4\x8C"
                        "erven\xC3\xA1\tcolour=6\tsize=8\tblink=no\tsound=6:/snd/own.wav\twindow=no\tactivate=yes\n"
                        "\tactive\tA012345\tA=1,B=0\n"
                        "\tdeactive\tX212AB4\t2\n");
}

TEST(MonitorShowTest, AFileThatDoesNotLoadPrintsWhyAndFails)
{
    vorbix::test::TempFolder folder;
    folder.copyData("US.lng");
    struct Case
    {
        const char* name;
        std::string content;
        const char* message;
    };
    const Case cases[] = {
        {"broken.mon", "Vorbix monitor setup file\r\n1#A#0#8#0###0#0#0#\r\nDeactive:end\r\n", "Cyhba - "},
        {"other.mon", "Some other file\r\n", "Invalid file format - "},
    };
    for (const Case& c : cases) {
        const std::string file = folder.write(c.name, c.content);
        const ToolRun run = runTool("--folder '" + folder.path() + "' monitor-show '" + file + "'");
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_EQ(run.out, "") << c.name;
        const std::string err = stderrOf(folder, "--folder '" + folder.path() + "' monitor-show '" + file + "'");
        EXPECT_NE(err.find(c.message), std::string::npos) << c.name << ": " << err;
        // monitor loads the setup the same way, before it needs a receiver, and says why once.
        const std::string monitorErr = stderrOf(folder, "--folder '" + folder.path() + "' monitor '" + file + "'");
        EXPECT_EQ(monitorErr, err) << c.name;
    }
    EXPECT_EQ(runTool("--folder '" + folder.path() + "' monitor-show '" + folder.file("none.mon") + "'").exitCode, 1);
    EXPECT_EQ(runTool("--folder '" + folder.path() + "' monitor-show").exitCode, 2);
    EXPECT_EQ(runTool("--folder '" + folder.path() + "' monitor-show a.mon b.mon").exitCode, 2);
}
