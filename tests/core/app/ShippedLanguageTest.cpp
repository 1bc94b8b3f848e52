#include "core/app/Language.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using namespace vorbix;

namespace {

// Every literal text number the sources ask for: LangText(table, N), named constants
// `constexpr int kText... = N`, and every constant of a "...Texts.h" header of text numbers.
std::set<int> textNumbersUsedBySources()
{
    const std::regex call(R"(LangText\(\s*[^,()]+,\s*(\d+)\s*\))");
    const std::regex constant(R"(constexpr\s+int\s+kText\w*\s*=\s*(\d+))");
    const std::regex textsHeaderConstant(R"(constexpr\s+int\s+k\w*\s*=\s*(\d+))");
    std::set<int> used;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(VORBIX_SOURCE_DIR) + "/src")) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path());
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string source = buffer.str();
        const bool textsHeader = entry.path().filename().string().ends_with("Texts.h");
        for (const auto* re : {&call, textsHeader ? &textsHeaderConstant : &constant}) {
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
    ASSERT_EQ(table.size(), static_cast<std::size_t>(app::kAllTextCount));
    for (int n = 0; n < app::kAllTextCount; ++n) {
        EXPECT_FALSE(table[static_cast<std::size_t>(n)].empty()) << "text " << n;
    }
    // The loader refuses files with fewer texts than kLanguageTextCount, so it must cover the
    // highest text the program asks for.
    const std::set<int> used = textNumbersUsedBySources();
    ASSERT_FALSE(used.empty());
    EXPECT_LT(*used.rbegin(), app::kAllTextCount)
        << "the program asks for text " << *used.rbegin() << " beyond the texts it knows";
}
