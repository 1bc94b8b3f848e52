#include "core/text/CsvReader.h"

#include <gtest/gtest.h>

using namespace vorbix;

namespace {

using Fields = std::vector<std::string>;

struct ReadCase
{
    const char* name;
    std::string bytes;
    csv::Encoding encoding;
    std::vector<std::pair<int, Fields>> records; // line and fields
};

TEST(CsvReaderTest, ReadsRecordsQuotesLineBreaksAndEncodings)
{
    const std::vector<ReadCase> cases = {
        {"plain, CR LF and a last line without its break",
         "a,b\r\n1,2",
         csv::Encoding::Utf8,
         {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"quotes, doubled quotes, empty fields, blank lines left out",
         "a,\"x,\"\"y\"\"\",\n\n,\"\"\n",
         csv::Encoding::Utf8,
         {{1, {"a", "x,\"y\"", ""}}, {3, {"", ""}}}},
        {"a quoted line break: the next record's line counts it",
         "t\n\"one\r\ntwo\"\nlast\n",
         csv::Encoding::Utf8,
         {{1, {"t"}}, {2, {"one\r\ntwo"}}, {4, {"last"}}}},
        {"UTF-8 with its byte order mark becomes code page 1250",
         "\xEF\xBB\xBF\xC5\xBE,\xC4\x8D\n",
         csv::Encoding::Utf8,
         {{1, {"\x9E", "\xE8"}}}},
        {"bytes that are not UTF-8 are code page 1250",
         "\x9E\x61,\xE8\n",
         csv::Encoding::Cp1250,
         {{1, {"\x9E\x61", "\xE8"}}}},
        {"semicolons as a spreadsheet in a Czech locale writes",
         "a;b,c;d\n1;2,5;3\n",
         csv::Encoding::Utf8,
         {{1, {"a", "b,c", "d"}}, {2, {"1", "2,5", "3"}}}},
    };
    for (const ReadCase& c : cases) {
        csv::Content content;
        std::string error;
        ASSERT_TRUE(csv::parse(c.bytes, content, error)) << c.name << ": " << error;
        EXPECT_EQ(content.encoding, c.encoding) << c.name;
        ASSERT_EQ(content.records.size(), c.records.size()) << c.name;
        for (std::size_t i = 0; i < c.records.size(); ++i) {
            EXPECT_EQ(content.records[i].line, c.records[i].first) << c.name << " record " << i;
            EXPECT_EQ(content.records[i].fields, c.records[i].second) << c.name << " record " << i;
        }
    }
}

TEST(CsvReaderTest, FilesThatAreNoTableAreRefusedWithTheReason)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "the file is empty"},
        {"\r\n\n\r\n", "the file is empty"},
        {std::string("PK\x03\x04\0\0binary", 12), "the file is not a text file (it holds NUL bytes)"},
        {"a,b\n1,\"open\n2,3\n", "line 2: a quote is not closed by the end of the file"},
    };
    for (const auto& [bytes, reason] : cases) {
        csv::Content content;
        std::string error;
        EXPECT_FALSE(csv::parse(bytes, content, error)) << reason;
        EXPECT_EQ(error, reason);
        EXPECT_TRUE(content.records.empty());
    }
}

TEST(CsvReaderTest, AHundredThousandRowsRead)
{
    std::string bytes = "Serial number,Button\r\n";
    for (int i = 0; i < 100000; ++i) {
        bytes += "x012345,2\r\n";
    }
    csv::Content content;
    std::string error;
    ASSERT_TRUE(csv::parse(bytes, content, error)) << error;
    ASSERT_EQ(content.records.size(), 100001u);
    EXPECT_EQ(content.records.back().line, 100001);
}

} // namespace
