#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/Settings.h"
#include "core/app/Startup.h"
#include "core/app/SupportedReceivers.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"
#include "core/model/TTx.h"
#include "support/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vorbix;

namespace {

// Every reader of the program folder's files, given a folder where its file belongs: each refuses
// with the path and the system's reason and never throws.
TEST(FolderInPlaceOfFileTest, EveryReaderRefusesWithThePathAndTheReason)
{
    PopisType texts(100);
    texts[80] = "Cannot open";
    struct Case
    {
        const char* what;
        const char* name;
        const char* before; // what the message says before the path
        std::function<std::string(const std::string& folder)> read;
    };
    const auto lastMessage = [](std::string& into) { return [&into](const std::string& m) { into = m; }; };
    const Case cases[] = {
        {"login loader", "Rx.def", "Cannot open - ",
         [&](const std::string& folder) {
             std::string message;
             model::TDevice device;
             EXPECT_FALSE(model::LoadDefinition(folder, "X", device, texts, lastMessage(message)));
             return message;
         }},
        {"file loader", "Rx.def", "Cannot open - ",
         [&](const std::string& folder) {
             std::string message;
             model::TDevice device;
             device.Model = "X";
             EXPECT_FALSE(model::FindModel(folder, device, texts, lastMessage(message)));
             return message;
         }},
        {"model list", "Rx.def", "Cannot open - ",
         [&](const std::string& folder) {
             std::string message;
             std::vector<model::TRxArray> models;
             std::vector<std::string> descriptions;
             EXPECT_FALSE(model::LoadModelList(folder + "/Rx.def", models, descriptions, texts, lastMessage(message)));
             return message;
         }},
        {"about box list", "Rx.def", "",
         [](const std::string& folder) {
             std::string error;
             std::vector<std::string> descriptions;
             EXPECT_FALSE(app::ReadSupportedReceivers(folder + "/Rx.def", descriptions, error));
             return error;
         }},
        {"start-up check", "Rx.def", "Cannot open - ",
         [&](const std::string& folder) {
             std::string error;
             EXPECT_FALSE(app::CheckDefinitionFiles(folder, "RxFncUS.def", texts, error));
             return error;
         }},
        {"transmitter types", "Tx.def", "Cannot open - ",
         [&](const std::string& folder) {
             std::string message;
             std::vector<model::TTx> types;
             EXPECT_FALSE(model::LoadTxTypes(folder, types, texts, lastMessage(message)));
             return message;
         }},
        {"function file", "RxFncUS.def", "Cannot open - ",
         [&](const std::string& folder) {
             std::string message;
             model::TRxFnc functions;
             functions.Folder = folder;
             functions.FileName = "RxFncUS.def";
             functions.setMessages(&texts, lastMessage(message));
             EXPECT_FALSE(functions.LoadFunctions("X"));
             return message;
         }},
        {"language file", "US.lng", "US languge file can not be open! - ",
         [](const std::string& folder) {
             std::string error;
             PopisType table{"kept"};
             EXPECT_FALSE(app::LoadLanguage(folder, "US", table, error));
             EXPECT_EQ(table, PopisType{"kept"});
             return error;
         }},
        {"settings read", "Vorbix.ini", "",
         [](const std::string& folder) {
             std::string error;
             EXPECT_EQ(app::IniFile::load(folder + "/Vorbix.ini", error).text(), "");
             return error;
         }},
        {"settings save", "Vorbix.ini", "Unable to write to ",
         [](const std::string& folder) {
             std::string error;
             EXPECT_FALSE(app::SaveSettingsFile(folder + "/Vorbix.ini", app::Settings{}, {}, error));
             return error;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder folder;
        for (const char* name : {"Rx.def", "RxFncUS.def", "Tx.def"}) {
            if (std::string(name) != c.name) {
                folder.write(name, "");
            }
        }
        const std::string path = folder.file(c.name);
        ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
        EXPECT_EQ(c.read(folder.path()), std::string(c.before) + path + ": Is a directory");
    }
}

TEST(FolderInPlaceOfFileTest, OnlyAMissingSettingsFileIsSilent)
{
    test::TempFolder folder;
    std::string error = "stale";
    EXPECT_EQ(app::IniFile::load(folder.file("Vorbix.ini"), error).text(), "");
    EXPECT_TRUE(error.empty());
    ASSERT_TRUE(app::SaveSettingsFile(folder.file("Vorbix.ini"), app::Settings{}, {}, error)) << error;
    EXPECT_FALSE(app::IniFile::load(folder.file("Vorbix.ini"), error).text().empty());
    EXPECT_TRUE(error.empty());
}

} // namespace
