#pragma once

#include <array>
#include <cstdint>
#include <string>

// The entries of the information file. Positions 1..count hold entries; position 0
// is never filled. At most 1000 entries are kept, whatever count the file states.
class EntryList
{
public:
    static constexpr int Capacity = 1000;

    // The count as the file states it (a 16-bit value), 0 until read.
    std::int16_t count() const { return m_count; }
    // How many positions the window may show: the count, kept within 0..1000.
    int usableCount() const;

    // The fields at a position; a position outside 0..1000 throws std::out_of_range.
    const std::string &file(int position) const;
    const std::string &description(int position) const;

    void setCount(std::int16_t count) { m_count = count; }
    void setEntry(int position, std::string file, std::string description);

private:
    static std::size_t checked(int position);

    std::int16_t m_count = 0;
    std::array<std::string, Capacity + 1> m_files;
    std::array<std::string, Capacity + 1> m_descriptions;
};
