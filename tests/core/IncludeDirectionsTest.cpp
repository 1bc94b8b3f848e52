#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

// The layers of the sources and which of them each may include. The core builds without Qt: the
// command-line tools and the simulator link it alone. Inside the core every folder builds on the
// folders below it only, so no two folders depend on each other:
//
//   base   the language table, the error sink, the clock: the vocabulary of every folder
//   text   code page 1250 texts and files
//   model  receiver definitions, memory image, records, data files
//   link   serial port, TCP, the link and the receiver protocol
//   online on-line mode: the status block, hand-overs, relay commands, the listening session
//   app    settings, language files, help, the shell's rules
//   views  the record views, their columns and find
//   lists  the history and low-battery lists, their files and grids
//   export the spreadsheet export and the print layout of the pages' tables
//   pdf    the command line's PDF printout through cairo (the windows print through Qt instead)
//   setup  connection profiles, the setup dialog's rules, user accounts and login
//   monitor monitor setups: messages, events, the setup file and the page's tables
//
// A folder of src/core that is missing here fails the test, so a new one gets its row.
namespace {

namespace fs = std::filesystem;

const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"core/base", {"core/base"}},
    {"core/text", {"core/base", "core/text"}},
    {"core/model", {"core/base", "core/text", "core/model"}},
    {"core/link", {"core/base", "core/text", "core/model", "core/link"}},
    {"core/online", {"core/base", "core/text", "core/model", "core/link", "core/online"}},
    {"core/app", {"core/base", "core/text", "core/link", "core/app"}},
    {"core/views", {"core/base", "core/text", "core/model", "core/app", "core/views"}},
    {"core/lists", {"core/base", "core/text", "core/model", "core/app", "core/lists"}},
    {"core/export", {"core/base", "core/text", "core/model", "core/app", "core/views", "core/lists", "core/export"}},
    {"core/setup", {"core/base", "core/text", "core/link", "core/app", "core/views", "core/setup"}},
    {"core/monitor",
     {"core/base", "core/text", "core/model", "core/app", "core/online", "core/views", "core/lists", "core/monitor"}},
    {"core/pdf", {"core/base", "core/text", "core/export", "core/pdf"}},
    {"tools",
     {"core/base", "core/text", "core/model", "core/link", "core/online", "core/app", "core/views", "core/lists",
      "core/export", "core/setup", "core/monitor", "core/pdf", "tools"}},
    {"ui",
     {"core/base", "core/text", "core/model", "core/link", "core/online", "core/app", "core/views", "core/lists",
      "core/export", "core/setup", "core/monitor", "ui"}},
};

// Layers whose files must not include a Qt header.
const std::set<std::string> kQtFree = {"core/base",    "core/text",  "core/model", "core/link",   "core/online",
                                       "core/app",     "core/views", "core/lists", "core/export", "core/setup",
                                       "core/monitor", "core/pdf",   "tools"};

// "core/link/Rx.h" -> "core/link", "ui/app/TMainForm.h" -> "ui", "tools/rxsim/SimLog.h" -> "tools".
std::string layerOf(const std::string& pathBelowSrc)
{
    const std::size_t slash = pathBelowSrc.find('/');
    const std::string top = pathBelowSrc.substr(0, slash);
    if (top != "core" || slash == std::string::npos) {
        return top;
    }
    const std::size_t second = pathBelowSrc.find('/', slash + 1);
    return second == std::string::npos ? top : pathBelowSrc.substr(0, second);
}

struct Include
{
    std::string file; // below src
    int line = 0;
    std::string text;
};

std::vector<Include> includesBelow(const fs::path& src)
{
    std::vector<Include> found;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) {
            continue;
        }
        std::ifstream in(entry.path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            if (text.starts_with("#include")) {
                found.push_back({fs::relative(entry.path(), src).generic_string(), line, text});
            }
        }
    }
    return found;
}

// The path of a quoted include, or empty for a system one.
std::string quotedPath(const std::string& include)
{
    const std::size_t open = include.find('"');
    const std::size_t close = include.find('"', open + 1);
    return open == std::string::npos || close == std::string::npos ? std::string()
                                                                   : include.substr(open + 1, close - open - 1);
}

} // namespace

TEST(IncludeDirectionsTest, EveryIncludeFollowsTheLayerTable)
{
    const fs::path src = fs::path(VORBIX_SOURCE_DIR) / "src";
    for (const auto& entry : fs::directory_iterator(src / "core")) {
        if (entry.is_directory()) {
            EXPECT_TRUE(kMayInclude.contains("core/" + entry.path().filename().string()))
                << "src/core/" << entry.path().filename().string() << " has no row in the layer table";
        }
    }

    const std::vector<Include> includes = includesBelow(src);
    ASSERT_FALSE(includes.empty());
    for (const Include& include : includes) {
        const std::string from = layerOf(include.file);
        const std::string where = "src/" + include.file + ":" + std::to_string(include.line) + ": " + include.text;
        const auto allowed = kMayInclude.find(from);
        ASSERT_NE(allowed, kMayInclude.end()) << where;

        if (kQtFree.contains(from)) {
            EXPECT_EQ(include.text.find("<Q"), std::string::npos) << where << "\n  " << from << " includes no Qt";
        }
        const std::string path = quotedPath(include.text);
        if (path.empty() || path.find('/') == std::string::npos) {
            continue; // a system header, or one beside the including file
        }
        const std::string to = layerOf(path);
        EXPECT_TRUE(allowed->second.contains(to)) << where << "\n  " << from << " may not include " << to;
    }
}
