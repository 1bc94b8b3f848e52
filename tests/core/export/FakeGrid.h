#pragma once

#include "core/views/GridText.h"

#include <string>
#include <vector>

namespace vorbix::test {

// A grid given as its texts.
class FakeGrid final : public views::GridText
{
public:
    FakeGrid(std::vector<std::string> titles, std::vector<std::vector<std::string>> rows)
        : m_titles(std::move(titles)), m_rows(std::move(rows))
    {
    }
    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    int columnCount() const override { return static_cast<int>(m_titles.size()); }
    std::string title(int column) const override { return m_titles[static_cast<std::size_t>(column)]; }
    std::string cellText(int row, int column) const override
    {
        return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    bool isFaulty(int /*row*/) const override { return false; }

private:
    std::vector<std::string> m_titles;
    std::vector<std::vector<std::string>> m_rows;
};

} // namespace vorbix::test
