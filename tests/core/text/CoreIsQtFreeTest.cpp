#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

// The core must build without Qt: the command-line tools and the simulator link it alone.
TEST(CoreLayerTest, NoCoreSourceIncludesQt)
{
    const std::filesystem::path core = std::filesystem::path(VORBIX_SOURCE_DIR) / "src" / "core";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(core)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            if (line.starts_with("#include")) {
                EXPECT_EQ(line.find("<Q"), std::string::npos) << entry.path() << ": " << line;
                EXPECT_EQ(line.find("ui/"), std::string::npos) << entry.path() << ": " << line;
            }
        }
    }
}
