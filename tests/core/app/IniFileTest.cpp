#include "core/app/IniFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using vorbix::app::IniFile;

TEST(IniFileTest, ReadsValuesWithoutRegardToCaseAndSkipsMalformedLines)
{
    const IniFile ini("; comment\r\ngarbage line\r\n[SETUP]\r\nlanguage = CZ \r\n=nokey\r\nBeep=2\r\n"
                      "Hex=0x1F\r\nHexUpper=0XfF\r\nNeg=-3\r\nBad=12abc\r\nEmpty=\r\n[Other]\r\nBeep=0\r\n");
    EXPECT_EQ(ini.readString("Setup", "Language", "US"), "CZ");
    EXPECT_EQ(ini.readString("setup", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.readString("Nosection", "Language", "US"), "US");
    EXPECT_TRUE(ini.readBool("Setup", "Beep", false));
    EXPECT_FALSE(ini.readBool("Other", "beep", true));

    struct Case
    {
        const char* key;
        int expected;
    } cases[] = {{"Hex", 31}, {"HexUpper", 255}, {"Neg", -3}, {"Bad", 7}, {"Empty", 7}, {"Missing", 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(ini.readInteger("Setup", c.key, 7), c.expected) << c.key;
    }
}

TEST(IniFileTest, LongStringsAreCutAt2047Characters)
{
    const IniFile ini("[S]\r\nK=" + std::string(3000, 'x') + "\r\n");
    EXPECT_EQ(ini.readString("S", "K", "").size(), 2047u);
}

TEST(IniFileTest, WritesKeepEverythingElse)
{
    IniFile ini("; keep me\r\n[Setup]\r\nA=1\r\nunknown line\r\nB=2\r\n\r\n[Other]\r\nC=3\r\n");
    ini.writeInteger("setup", "b", 5);    // replaced in place, under the new spelling
    ini.writeString("Setup", "New", "x"); // appended after the section's last line, before the blank
    ini.writeBool("Fresh", "On", true);   // new section at the end
    ini.deleteKey("Setup", "A");
    EXPECT_EQ(ini.text(), "; keep me\r\n[Setup]\r\nunknown line\r\nb=5\r\nNew=x\r\n\r\n[Other]\r\nC=3\r\n"
                          "[Fresh]\r\nOn=1\r\n");

    ini.eraseSection("OTHER");
    EXPECT_FALSE(ini.sectionExists("Other"));
    EXPECT_TRUE(ini.sectionExists("Fresh"));
    EXPECT_TRUE(ini.valueExists("Fresh", "on"));
}

TEST(IniFileTest, SaveFailureNamesThePathAndKeepsTheOldFile)
{
    vorbix::test::TempFolder dir;
    IniFile ini;
    ini.writeString("S", "K", "V");
    std::string error;
    const std::string missing = dir.file("no/such/folder/Vorbix.ini");
    EXPECT_FALSE(ini.save(missing, error));
    EXPECT_EQ(error, "Unable to write to " + missing + ": No such file or directory");

    const std::string path = dir.file("Vorbix.ini");
    ASSERT_TRUE(ini.save(path, error)) << error;
    EXPECT_EQ(IniFile::load(path).readString("S", "K", ""), "V");
    EXPECT_EQ(IniFile::load(dir.file("absent.ini")).text(), "");
}
