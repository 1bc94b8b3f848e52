#include "core/app/HelpTopics.h"
#include "core/app/Language.h"
#include "core/app/SupportedReceivers.h"
#include "core/base/ReceiverDescription.h"
#include "core/base/TextNumbers.h"
#include "core/text/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::app;

TEST(SupportedReceiversTest, ListsTheDescriptionOfEveryBlock)
{
    EXPECT_EQ(SupportedReceiversFromLines({"RX2", "Two relays", "2", "00FF", "#E", "RX4", "Four relays", "4", "#E"}),
              (std::vector<std::string>{"Two relays", "Four relays"}));
    // A block without its end mark runs to the end of the file.
    EXPECT_EQ(SupportedReceiversFromLines({"RX2", "Two relays", "2", "RX4", "Four relays"}),
              (std::vector<std::string>{"Two relays"}));
    EXPECT_TRUE(SupportedReceiversFromLines({}).empty());
}

TEST(SupportedReceiversTest, ShippedModelsAreDescribedInTheLanguageOthersAsTheirDefinitionSays)
{
    PopisType czech;
    std::string error;
    ASSERT_TRUE(LoadLanguage(VORBIX_DATA_DIR, "CZ", czech, error)) << error;
    std::vector<std::string> shipped;
    ASSERT_TRUE(ReadSupportedReceivers(std::string(VORBIX_DATA_DIR) + "/Rx.def", shipped, error, czech)) << error;
    std::vector<std::string> english;
    ASSERT_TRUE(ReadSupportedReceivers(std::string(VORBIX_DATA_DIR) + "/Rx.def", english, error));
    ASSERT_EQ(shipped.size(), english.size());
    ASSERT_FALSE(shipped.empty());
    for (std::size_t i = 0; i < shipped.size(); ++i) {
        EXPECT_NE(shipped[i], english[i]) << "no Czech description for " << english[i];
        EXPECT_TRUE(shipped[i].starts_with("P\xF8ij\xEDma\xE8")) << shipped[i]; // "Přijímač" in code page 1250
    }
    // A model this program does not ship, and a language file that predates the texts.
    EXPECT_EQ(SupportedReceiversFromLines({"RX2", "Two relays", "#E"}, czech), std::vector<std::string>{"Two relays"});
    PopisType older = czech;
    older.resize(static_cast<std::size_t>(lang::kReceiverKV1MOD));
    EXPECT_EQ(receivers::ReceiverDescription(older, "KV1MOD-T", "Receiver 1 relay with name memory"),
              "Receiver 1 relay with name memory");
}

TEST(SupportedReceiversTest, MissingFileIsReported)
{
    test::TempFolder folder;
    std::vector<std::string> list{"stale"};
    std::string error;
    EXPECT_FALSE(ReadSupportedReceivers(folder.file("Rx.def"), list, error));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(error, folder.file("Rx.def") + ": No such file or directory");
    folder.write("Rx.def", "RX8\r\nEight relays\r\n#E\r\n");
    ASSERT_TRUE(ReadSupportedReceivers(folder.file("Rx.def"), list, error));
    EXPECT_EQ(list, (std::vector<std::string>{"Eight relays"}));
}

TEST(HelpTopicsTest, ContextNumbersOpenTheirPagesInTheLanguageFolder)
{
    EXPECT_EQ(HelpTopicForContext(110), "memory.html");
    EXPECT_EQ(HelpTopicForContext(440), "setup.html#connections");
    EXPECT_EQ(HelpTopicForContext(12345), "index.html");
    EXPECT_EQ(HelpTopicPath("/p/Help/VORBIXUS/index.html", 120), "/p/Help/VORBIXUS/file.html");
}

TEST(HelpTopicsTest, EveryTopicPageShipsWithTheUsHelp)
{
    const int contexts[] = {100, 110, 120, 130, 140, 150, 170, 180, 210, 220, 230, 240,
                            250, 260, 300, 310, 320, 330, 340, 410, 420, 430, 440, 450};
    const std::string contents = std::string(VORBIX_DATA_DIR) + "/Help/VORBIXUS/index.html";
    ASSERT_TRUE(text::fileExists(contents));
    for (const int context : contexts) {
        std::string path = HelpTopicPath(contents, context);
        const auto hash = path.find('#');
        const std::string anchor = hash == std::string::npos ? "" : path.substr(hash + 1);
        path = path.substr(0, hash);
        std::string page;
        ASSERT_TRUE(text::readFile(path, page)) << path;
        if (!anchor.empty()) {
            EXPECT_NE(page.find("id=\"" + anchor + "\""), std::string::npos) << path << "#" << anchor;
        }
    }
}
