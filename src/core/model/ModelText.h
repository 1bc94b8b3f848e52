#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Small text helpers shared by the definition and data file readers.
namespace vorbix::model {

// The ordinary integer conversion of the definition and data files: an optional sign and one or
// more decimal digits, nothing else, within 32 bits.
[[nodiscard]] bool parseDecimal(std::string_view text, int& value);

// One Lnn selector item: a field letter and a two-digit decimal position.
struct SelectorItem
{
    char letter = 0;
    int position = 0;
};

// Reads item `index` (from 0) of a selector string. False when the item is cut short or its two
// position characters are not decimal digits.
[[nodiscard]] bool selectorItem(std::string_view selector, std::size_t index, SelectorItem& item);

// Number of items of a selector, a cut-short last item included.
inline std::size_t selectorItemCount(std::string_view selector)
{
    return (selector.size() + 2) / 3;
}

bool isFieldLetter(char letter);

// Four upper-case hex digits of a value in 0..FFFF (values outside are clamped).
std::string hexWord(int value);

// Lines of a definition file read in order; reading past the last line yields empty lines.
class LineReader
{
public:
    explicit LineReader(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    bool atEnd() const { return m_next >= m_lines.size(); }
    std::string next() { return atEnd() ? std::string() : m_lines[m_next++]; }

private:
    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
};

} // namespace vorbix::model
