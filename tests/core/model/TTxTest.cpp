#include "ModelTestSupport.h"

#include "core/model/TTx.h"

#include <gtest/gtest.h>

using namespace vorbix::model;
using vorbix::test::crlf;

namespace {

const std::vector<std::string> twoTypes = {"Remote", "B410",   "V16088", "V16564",     "H56082",
                                           "V56561", "Inputs", "I2A0",   "03 A=0,B=0", "15 Ini"};

class TTxTest : public ::testing::Test
{
protected:
    vorbix::test::TempFolder folder;
    vorbix::PopisType lang = vorbix::test::numberedTexts();
    vorbix::test::MessageLog log;
    std::vector<TTx> types;
};

TEST_F(TTxTest, ReadsButtonAndInputTypes)
{
    folder.write("Tx.def", crlf(twoTypes));
    ASSERT_TRUE(LoadTxTypes(folder.path(), types, lang, log.sink()));
    ASSERT_EQ(types.size(), 2U);
    const TTx& remote = types[0];
    EXPECT_EQ(remote.Name, "Remote");
    EXPECT_TRUE(remote.HasButtons);
    EXPECT_EQ(remote.Count, 4);
    EXPECT_EQ(remote.Prefix, "10");
    EXPECT_TRUE(remote.Buttons[1].Visible);
    EXPECT_EQ(remote.Buttons[1].Top, 16);
    EXPECT_EQ(remote.Buttons[1].Left, 56);
    EXPECT_EQ(remote.Buttons[1].Value, 4);
    EXPECT_FALSE(remote.Buttons[2].Visible);
    const TTx& inputs = types[1];
    EXPECT_FALSE(inputs.HasButtons);
    EXPECT_EQ(inputs.Prefix, "A0");
    ASSERT_EQ(inputs.Inputs.size(), 2U);
    EXPECT_EQ(inputs.Inputs[1].Code, 15);
    EXPECT_EQ(inputs.Inputs[1].Name, "Ini");
}

TEST_F(TTxTest, FormatErrorsKeepTheTypesReadSoFar)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"empty line after the last block", {""}},
        {"empty kind line", {"Third", ""}},
        {"count not a digit", {"Third", "BxC0", "V00008", "V00004", "V00002", "V00001"}},
        {"empty button line", {"Third", "B4C0", "V00008", "", "V00002", "V00001"}},
        {"value not a number", {"Third", "B4C0", "V00008", "V0000x", "V00002", "V00001"}},
        {"input code not a number", {"Third", "I1C0", "x3 Input"}},
    };
    for (const auto& [what, tail] : cases) {
        SCOPED_TRACE(what);
        std::vector<std::string> lines = twoTypes;
        lines.insert(lines.end(), tail.begin(), tail.end());
        // An empty last line needs a line end after it to be a line at all.
        folder.write("Tx.def", crlf(lines));
        log.messages.clear();
        EXPECT_FALSE(LoadTxTypes(folder.path(), types, lang, log.sink()));
        EXPECT_EQ(log.messages, std::vector<std::string>{"T82 - Tx.def"});
        EXPECT_EQ(types.size(), 2U);
    }
}

TEST_F(TTxTest, MissingFileReportsText80WithPathAndReason)
{
    EXPECT_FALSE(LoadTxTypes(folder.path(), types, lang, log.sink()));
    EXPECT_EQ(log.messages, std::vector<std::string>{"T80 - " + folder.file("Tx.def") + ": No such file or directory"});
}

} // namespace
