// The translations shipped beside US.lng: each must give every English text, in the shape the
// program joins it with other texts, file names and numbers, and in code page 1250.
#include "core/app/Language.h"
#include "core/text/Cp1250.h"
#include "core/text/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <ostream>
#include <regex>
#include <set>
#include <vector>

using namespace vorbix;

namespace {

const std::string DataFolder = VORBIX_DATA_DIR;

// What of a text the program or the window relies on besides its wording.
struct TextShape
{
    std::string leading;                   // blanks before the text
    std::string trailing;                  // the run of blanks, dots, colons and dashes that ends it
    std::vector<std::string> placeholders; // "%s", "%1", "{0}" ... in order of appearance, sorted
    int accelerators = 0;                  // "&" marks ("&&" is a literal ampersand)

    bool operator==(const TextShape&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TextShape& shape)
{
    out << "leading \"" << shape.leading << "\", trailing \"" << shape.trailing << "\", " << shape.accelerators
        << " accelerators, placeholders";
    for (const std::string& p : shape.placeholders) {
        out << " " << p;
    }
    return out;
}

TextShape shapeOf(const std::string& text)
{
    TextShape shape;
    shape.leading = text.substr(0, text.find_first_not_of(' '));
    const auto lastWord = text.find_last_not_of(" .:-");
    shape.trailing = lastWord == std::string::npos ? text : text.substr(lastWord + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && std::isalnum(static_cast<unsigned char>(text[i + 1]))) {
            shape.placeholders.push_back(text.substr(i, 2));
        } else if (text[i] == '{' && text.find('}', i) != std::string::npos) {
            shape.placeholders.push_back(text.substr(i, text.find('}', i) - i + 1));
        } else if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                ++i;
            } else {
                ++shape.accelerators;
            }
        }
    }
    std::sort(shape.placeholders.begin(), shape.placeholders.end());
    return shape;
}

// The entry numbers the lines of a language file give (line 1 is the count).
std::set<int> entryNumbers(const std::string& content)
{
    const std::vector<std::string> lines = text::splitLines(content);
    std::set<int> numbers;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        numbers.insert(std::stoi(lines[i].substr(0, 3)));
    }
    return numbers;
}

// Every line ends with CR LF, the last one included.
bool endsEveryLineWithCrLf(const std::string& content)
{
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\n' && (i == 0 || content[i - 1] != '\r')) {
            return false;
        }
    }
    return content.ends_with("\r\n");
}

std::vector<std::string> translationCodes()
{
    std::vector<std::string> codes;
    for (const auto& entry : std::filesystem::directory_iterator(DataFolder)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".lng" && name != "US.lng") {
            codes.push_back(entry.path().stem().string());
        }
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

// The anchors (id="...") and link targets (href="...") of a help page, in page order.
std::vector<std::string> anchorsAndLinks(const std::string& page)
{
    static const std::regex attribute(R"((id|href)="[^"]*")");
    std::vector<std::string> found;
    for (std::sregex_iterator it(page.begin(), page.end(), attribute), end; it != end; ++it) {
        found.push_back(it->str());
    }
    return found;
}

std::vector<std::string> helpPages(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ShippedTranslationTest, EveryTranslationGivesEachEnglishTextInItsShape)
{
    std::string usContent;
    ASSERT_TRUE(text::readFile(DataFolder + "/US.lng", usContent));
    PopisType us;
    std::string error;
    ASSERT_TRUE(app::LoadLanguage(DataFolder, "US", us, error)) << error;

    const std::vector<std::string> codes = translationCodes();
    ASSERT_TRUE(std::find(codes.begin(), codes.end(), "CZ") != codes.end());
    for (const std::string& code : codes) {
        SCOPED_TRACE(code);
        std::string content;
        ASSERT_TRUE(text::readFile(DataFolder + "/" + code + ".lng", content));
        EXPECT_TRUE(endsEveryLineWithCrLf(content));
        // Bytes that code page 1250 leaves undefined show as control characters, never as letters.
        for (const char undefined : {'\x81', '\x83', '\x88', '\x90', '\x98'}) {
            EXPECT_EQ(content.find(undefined), std::string::npos)
                << "undefined code page 1250 byte " << static_cast<int>(static_cast<unsigned char>(undefined));
        }
        PopisType table;
        ASSERT_TRUE(app::LoadLanguage(DataFolder, code, table, error)) << error;
        ASSERT_EQ(table.size(), us.size());
        const std::set<int> own = entryNumbers(content);
        const std::set<int> english = entryNumbers(usContent);
        std::vector<int> missing;
        std::set_difference(english.begin(), english.end(), own.begin(), own.end(), std::back_inserter(missing));
        EXPECT_EQ(missing, std::vector<int>{}) << "text numbers US.lng has and this file lacks";
        for (std::size_t n = 0; n < us.size(); ++n) {
            EXPECT_FALSE(table[n].empty()) << "text " << n;
            EXPECT_EQ(shapeOf(table[n]), shapeOf(us[n]))
                << "text " << n << ": \"" << cp1250::toUtf8(table[n]) << "\" for \"" << us[n] << "\"";
        }
    }
}

TEST(ShippedTranslationTest, TextShapesSeeSeparatorsPlaceholdersAndAccelerators)
{
    struct Case
    {
        const char* text;
        TextShape shape;
    };
    const Case cases[] = {
        {"Open ...", {"", " ...", {}, 0}},
        {"Find :", {"", " :", {}, 0}},
        {"Failed - ", {"", " - ", {}, 0}},
        {"  Indented", {"  ", "", {}, 0}},
        {"Slot %d of {0}: %s", {"", "", {"%d", "%s", "{0}"}, 0}},
        {"&Save && close", {"", "", {}, 1}},
        {"...", {"", "...", {}, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shapeOf(c.text), c.shape) << c.text;
    }
}

TEST(ShippedTranslationTest, CzechIsWrittenInCzechLettersOfCodePage1250)
{
    PopisType cz;
    std::string error;
    ASSERT_TRUE(app::LoadLanguage(DataFolder, "CZ", cz, error)) << error;
    // A file saved as UTF-8 or ISO 8859-2 would decode to letters outside this set.
    const std::string czechLetters = cp1250::fromUtf8("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    ASSERT_EQ(czechLetters.find('?'), std::string::npos);
    for (std::size_t n = 0; n < cz.size(); ++n) {
        for (const char c : cz[n]) {
            const bool printableAscii = c >= ' ' && c <= '~';
            EXPECT_TRUE(printableAscii || czechLetters.find(c) != std::string::npos)
                << "text " << n << ": \"" << cp1250::toUtf8(cz[n]) << "\"";
        }
    }
    EXPECT_EQ(cp1250::toUtf8(cz[1]), "Úpravy");
    EXPECT_EQ(cp1250::toUtf8(cz[3]), "Nastavení");
    EXPECT_EQ(cp1250::toUtf8(cz[33]), "Přihlásit se k přijímači");
}

TEST(ShippedTranslationTest, EveryTranslatedHelpHasTheEnglishPagesAnchorsAndLinks)
{
    const std::string usFolder = DataFolder + "/Help/VORBIXUS";
    const std::vector<std::string> usPages = helpPages(usFolder);
    const std::vector<std::string> codes = translationCodes();
    for (const std::string& code : codes) {
        SCOPED_TRACE(code);
        const std::string contents = app::HelpFileFor(DataFolder, code);
        ASSERT_EQ(contents, DataFolder + "/Help/VORBIX" + code + "/index.html");
        const std::string folder = DataFolder + "/Help/VORBIX" + code;
        // With the same pages and anchors, F1 finds every topic of the English help here too.
        ASSERT_EQ(helpPages(folder), usPages);
        for (const std::string& name : usPages) {
            std::string english;
            std::string own;
            ASSERT_TRUE(text::readFile(usFolder + "/" + name, english));
            ASSERT_TRUE(text::readFile(folder + "/" + name, own));
            EXPECT_NE(own.find("<meta charset=\"utf-8\">"), std::string::npos) << name;
            EXPECT_EQ(anchorsAndLinks(own), anchorsAndLinks(english)) << name;
        }
    }
}
