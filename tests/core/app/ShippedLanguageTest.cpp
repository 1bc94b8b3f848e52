#include "core/app/Language.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using namespace vorbix;

namespace {

// Every literal text number the sources ask for: LangText(table, N) and named constants
// `constexpr int kText... = N`.
std::set<int> textNumbersUsedBySources()
{
    const std::regex call(R"(LangText\(\s*[^,()]+,\s*(\d+)\s*\))");
    const std::regex constant(R"(constexpr\s+int\s+kText\w*\s*=\s*(\d+))");
    std::set<int> used;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(VORBIX_SOURCE_DIR) + "/src")) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path());
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string source = buffer.str();
        for (const auto* re : {&call, &constant}) {
            for (std::sregex_iterator it(source.begin(), source.end(), *re), end; it != end; ++it) {
                used.insert(std::stoi((*it)[1]));
            }
        }
    }
    return used;
}

} // namespace

TEST(ShippedLanguageTest, UsFileSetsEveryTextTheProgramUses)
{
    PopisType table;
    std::string error;
    ASSERT_TRUE(app::LoadLanguage(VORBIX_DATA_DIR, "US", table, error)) << error;
    ASSERT_EQ(table.size(), static_cast<std::size_t>(app::kLanguageTextCount));
    for (int n = 0; n < app::kLanguageTextCount; ++n) {
        EXPECT_FALSE(table[static_cast<std::size_t>(n)].empty()) << "text " << n;
    }
    for (int n : textNumbersUsedBySources()) {
        EXPECT_LT(n, app::kLanguageTextCount) << "the program asks for text " << n << " beyond the file's count";
    }
}
