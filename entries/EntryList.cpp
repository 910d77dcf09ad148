#include "entries/EntryList.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

std::size_t EntryList::checked(int position)
{
    if (position < 0 || position > Capacity)
        throw std::out_of_range("entry list: position " + std::to_string(position) + " outside 0..1000");
    return static_cast<std::size_t>(position);
}

int EntryList::usableCount() const
{
    return std::clamp<int>(m_count, 0, Capacity);
}

const std::string &EntryList::file(int position) const
{
    return m_files[checked(position)];
}

const std::string &EntryList::description(int position) const
{
    return m_descriptions[checked(position)];
}

void EntryList::setEntry(int position, std::string file, std::string description)
{
    const std::size_t i = checked(position);
    m_files[i] = std::move(file);
    m_descriptions[i] = std::move(description);
}
