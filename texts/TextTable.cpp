#include "texts/TextTable.h"

#include <stdexcept>
#include <string>
#include <utility>

int TextTable::position(int language, int row)
{
    if (language < 0 || language >= Languages)
        throw std::out_of_range("text table: language column " + std::to_string(language) + " outside 0..10");
    if (row < 0 || row >= Rows)
        throw std::out_of_range("text table: row " + std::to_string(row) + " outside 0..200");
    return language + Languages * row;
}

const std::string &TextTable::cell(int language, int row) const
{
    return m_cells[static_cast<std::size_t>(position(language, row))];
}

void TextTable::setCell(int language, int row, std::string text)
{
    m_cells[static_cast<std::size_t>(position(language, row))] = std::move(text);
}
