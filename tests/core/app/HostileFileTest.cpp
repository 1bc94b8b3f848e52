#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/Settings.h"
#include "core/app/Startup.h"
#include "core/app/SupportedReceivers.h"
#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"
#include "core/model/DataFile.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"
#include "core/model/TTx.h"
#include "core/monitor/MonitorJournal.h"
#include "core/monitor/TMonitor.h"
#include "core/setup/Accounts.h"
#include "core/text/TextFile.h"
#include "support/TempFolder.h"

#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vorbix;

namespace {

// What a new user's machine can hold where a file of the program belongs.
enum class Hostile
{
    Folder,
    NamedPipe,
    EndlessDevice, // a link to /dev/zero
    OverLimit,     // a regular file one byte over the limit (sparse, so it costs no disk)
};

struct HostileKind
{
    Hostile kind;
    const char* what;
    const char* reason; // what the message says after "PATH: "
};

const HostileKind kHostileKinds[] = {
    {Hostile::Folder, "a folder", "Is a directory"},
    {Hostile::NamedPipe, "a named pipe", "not a regular file (a named pipe)"},
    {Hostile::EndlessDevice, "a link to /dev/zero", "not a regular file (a device)"},
    {Hostile::OverLimit, "a file over the limit", "larger than 256 MiB, more than any file of the program holds"},
};

void plant(Hostile kind, const std::string& path)
{
    switch (kind) {
    case Hostile::Folder:
        ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
        break;
    case Hostile::NamedPipe:
        ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        break;
    case Hostile::EndlessDevice:
        ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0);
        break;
    case Hostile::OverLimit: {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(::ftruncate(fd, static_cast<off_t>(text::kMaxFileSize) + 1), 0);
        ::close(fd);
        break;
    }
    }
}

// Every reader and appender of the program's files, given something that is not a plain file of
// a sane size where its file belongs: each refuses at once with the path and the reason, and never
// waits on a pipe, reads without end or throws. Writers replace their file whole, so for them only
// what is not a regular file matters.
TEST(HostileFileTest, EveryReaderRefusesWithThePathAndTheReason)
{
    PopisType texts(100);
    texts[80] = "Cannot open";
    struct Case
    {
        const char* what;
        const char* name;
        const char* before; // what the message says before the path
        std::function<std::string(const std::string& folder)> read;
        bool writer = false;   // replaces the file whole: a regular file of any size is no fault
        bool appender = false; // opens without following links: a link is refused as such
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
         },
         true},
        {"data file", "set.rxd", "Cannot open - ",
         [&](const std::string& folder) {
             std::string message;
             model::LoadedDataFile loaded;
             EXPECT_FALSE(
                 model::ReadDataFile(folder + "/set.rxd", folder, nullptr, loaded, texts, lastMessage(message)));
             return message;
         }},
        {"history", "History.dat", "",
         [](const std::string& folder) {
             lists::THistory history(folder + "/History.dat");
             const lists::ListLoad load = history.LoadHistory();
             EXPECT_FALSE(load.opened);
             EXPECT_FALSE(load.missing);
             return load.error;
         }},
        {"history save", "History.dat", "",
         [](const std::string& folder) {
             lists::THistory history(folder + "/History.dat");
             std::string error;
             EXPECT_FALSE(history.AddEvent("X212AB4", "1", false, {}, 100, {}, error));
             return error;
         },
         true},
        {"low-battery list", "LowBatt.dat", "",
         [](const std::string& folder) {
             lists::TBatt batt(folder + "/LowBatt.dat");
             const lists::ListLoad load = batt.LoadLowBatt();
             EXPECT_FALSE(load.opened);
             EXPECT_FALSE(load.missing);
             return load.error;
         }},
        {"monitor setup", "alarms.mon", "Cannot open - ",
         [&](const std::string& folder) {
             monitor::TMonitor setup;
             setup.setMessages(&texts, {});
             std::string error;
             EXPECT_FALSE(setup.Nacti(folder + "/alarms.mon", error));
             return error;
         }},
        {"accounts", "Ucty.dat", "",
         [](const std::string& folder) {
             setup::AccountList accounts;
             std::string error;
             EXPECT_FALSE(setup::LoadAccounts(folder + "/Ucty.dat", accounts, error));
             return error;
         }},
        {"alarm journal", "MonitorJournal.csv", "",
         [](const std::string& folder) {
             std::string error;
             EXPECT_FALSE(monitor::appendJournalLine(folder + "/MonitorJournal.csv", "line", error));
             return error;
         },
         true, true},
    };
    for (const Case& c : cases) {
        for (const HostileKind& kind : kHostileKinds) {
            if (c.writer && kind.kind == Hostile::OverLimit) {
                continue;
            }
            SCOPED_TRACE(std::string(c.what) + " given " + kind.what);
            test::TempFolder folder;
            for (const char* name : {"Rx.def", "RxFncUS.def", "Tx.def"}) {
                if (std::string(name) != c.name) {
                    folder.write(name, "");
                }
            }
            const std::string path = folder.file(c.name);
            plant(kind.kind, path);
            const bool refusedAsLink = c.appender && kind.kind == Hostile::EndlessDevice;
            const std::string reason =
                refusedAsLink ? "a symbolic link, which the journal does not follow" : kind.reason;
            EXPECT_EQ(c.read(folder.path()), std::string(c.before) + path + ": " + reason);
        }
    }
}

// A file the program writes, planted as a link to a file outside the program folder: the writers
// replace the link with a file of their own, the journal refuses it, and the file outside keeps
// what it held.
TEST(HostileFileTest, WritersNeverWriteThroughALinkToAFileOutside)
{
    PopisType texts(100);
    texts[80] = "Cannot open";
    struct Case
    {
        const char* name;
        std::function<bool(const std::string& path, std::string& error)> write;
        bool replacesTheLink;
    };
    const Case cases[] = {
        {"Vorbix.ini",
         [](const std::string& path, std::string& error) {
             return app::SaveSettingsFile(path, app::Settings{}, {}, error);
         },
         true},
        {"History.dat",
         [](const std::string& path, std::string& error) {
             lists::THistory history(path);
             return history.AddEvent("X212AB4", "1", false, {}, 100, {}, error);
         },
         true},
        {"LowBatt.dat",
         [](const std::string& path, std::string& error) {
             lists::TBatt batt(path);
             batt.Records.resize(1);
             return batt.SaveLowBatt(error);
         },
         true},
        {"alarms.mon",
         [&](const std::string& path, std::string& error) {
             monitor::TMonitor setup;
             setup.setMessages(&texts, [&error](const std::string& m) { error = m; });
             return setup.UlozJako(path);
         },
         true},
        {"Ucty.dat",
         [](const std::string& path, std::string& error) {
             return setup::SaveAccounts(path, {{"a", "b", true, ""}}, error);
         },
         true},
        {"MonitorJournal.csv",
         [](const std::string& path, std::string& error) { return monitor::appendJournalLine(path, "line", error); },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder outside;
        test::TempFolder folder;
        const std::string target = outside.write("target", "kept\r\n");
        const std::string path = folder.file(c.name);
        ASSERT_EQ(::symlink(target.c_str(), path.c_str()), 0);
        std::string error;
        EXPECT_EQ(c.write(path, error), c.replacesTheLink) << error;
        EXPECT_EQ(outside.read("target"), "kept\r\n");
        struct stat st
        {
        };
        ASSERT_EQ(::lstat(path.c_str(), &st), 0);
        if (c.replacesTheLink) {
            EXPECT_TRUE(S_ISREG(st.st_mode));
        } else {
            EXPECT_TRUE(S_ISLNK(st.st_mode));
            EXPECT_EQ(error, path + ": a symbolic link, which the journal does not follow");
        }
    }
}

TEST(HostileFileTest, OnlyAMissingSettingsFileIsSilent)
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
