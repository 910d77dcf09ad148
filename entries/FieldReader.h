#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Reads the fields of the information file one by one. Commas and line ends
// (CR LF, LF or CR) separate fields; a field in double quotes may hold commas;
// blanks around an unquoted field are not part of it; blank lines are skipped.
// The text is UTF-8, whose separators are single bytes, so it is read byte by byte.
class FieldReader
{
public:
    explicit FieldReader(std::string text);

    // The next field, or nothing once the text has ended.
    std::optional<std::string> next();

    // The line, counted from 1, on which the field last returned began.
    int line() const { return m_fieldLine; }

    // True when the field last returned was in double quotes.
    bool quoted() const { return m_quoted; }

    // What followed that field's closing quote on its way to the separator, which the
    // reader drops (blanks around it left out): "Ole "Bo" Hansen" reads as "Ole " and drops Bo" Hansen".
    const std::string &dropped() const { return m_dropped; }

private:
    bool isLineEnd(std::size_t at) const;
    void consumeTerminator();
    // Counts the line ends (CR LF, LF or CR, each one) in a stretch of the text.
    void countLines(std::size_t from, std::size_t to);

    std::string m_text;
    std::size_t m_pos = 0;
    bool m_afterComma = false; // a comma promises one more field, even an empty one
    int m_line = 1; // the line at m_pos
    int m_fieldLine = 0;
    bool m_quoted = false;
    std::string m_dropped;
};
