#include "entries/FieldReader.h"

#include <utility>

FieldReader::FieldReader(std::string text)
    : m_text(std::move(text))
{ }

bool FieldReader::isLineEnd(std::size_t at) const
{
    return m_text[at] == '\r' || m_text[at] == '\n';
}

void FieldReader::consumeTerminator()
{
    m_afterComma = false;
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == ',') {
        ++m_pos;
        m_afterComma = true;
    } else if (m_text[m_pos] == '\r') {
        ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '\n')
            ++m_pos;
        ++m_line;
    } else if (m_text[m_pos] == '\n') {
        ++m_pos;
        ++m_line;
    }
}

void FieldReader::countLines(std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i) {
        if (m_text[i] == '\n' || (m_text[i] == '\r' && (i + 1 >= m_text.size() || m_text[i + 1] != '\n')))
            ++m_line;
    }
}

std::optional<std::string> FieldReader::next()
{
    const std::size_t size = m_text.size();
    m_quoted = false;
    m_dropped.clear();
    for (;;) {
        while (m_pos < size && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
            ++m_pos;
        if (m_pos >= size) {
            if (!m_afterComma)
                return std::nullopt;
            m_afterComma = false;
            m_fieldLine = m_line;
            return std::string();
        }
        if (!isLineEnd(m_pos))
            break;
        if (m_afterComma) { // "a," then the line ends: an empty last field
            m_fieldLine = m_line;
            consumeTerminator();
            return std::string();
        }
        consumeTerminator(); // a blank line
    }

    m_fieldLine = m_line;
    if (m_text[m_pos] == '"') {
        m_quoted = true;
        const std::size_t start = m_pos + 1;
        const std::size_t close = m_text.find('"', start);
        if (close == std::string::npos) { // an unterminated quote takes the rest of the text
            countLines(start, size);
            m_pos = size;
            m_afterComma = false;
            return m_text.substr(start);
        }
        std::string value = m_text.substr(start, close - start);
        countLines(start, close);
        m_pos = close + 1;
        const std::size_t after = m_pos;
        while (m_pos < size && m_text[m_pos] != ',' && !isLineEnd(m_pos))
            ++m_pos; // anything between the closing quote and the separator is dropped
        m_dropped = m_text.substr(after, m_pos - after);
        const std::size_t first = m_dropped.find_first_not_of(" \t");
        m_dropped = first == std::string::npos ? std::string()
                                               : m_dropped.substr(first, m_dropped.find_last_not_of(" \t") + 1 - first);
        consumeTerminator();
        return value;
    }

    const std::size_t start = m_pos;
    while (m_pos < size && m_text[m_pos] != ',' && !isLineEnd(m_pos))
        ++m_pos;
    std::string value = m_text.substr(start, m_pos - start);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
        value.pop_back();
    consumeTerminator();
    return value;
}
