#include "entries/FieldReader.h"

FieldReader::FieldReader(QString text)
    : m_text(std::move(text))
{ }

bool FieldReader::isLineEnd(qsizetype at) const
{
    return m_text[at] == u'\r' || m_text[at] == u'\n';
}

void FieldReader::consumeTerminator()
{
    m_afterComma = false;
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == u',') {
        ++m_pos;
        m_afterComma = true;
    } else if (m_text[m_pos] == u'\r') {
        ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
    } else if (m_text[m_pos] == u'\n') {
        ++m_pos;
    }
}

std::optional<QString> FieldReader::next()
{
    const qsizetype size = m_text.size();
    for (;;) {
        while (m_pos < size && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
            ++m_pos;
        if (m_pos >= size) {
            if (!m_afterComma)
                return std::nullopt;
            m_afterComma = false;
            return QString();
        }
        if (!isLineEnd(m_pos))
            break;
        if (m_afterComma) { // "a," then the line ends: an empty last field
            consumeTerminator();
            return QString();
        }
        consumeTerminator(); // a blank line
    }

    if (m_text[m_pos] == u'"') {
        const qsizetype start = m_pos + 1;
        const qsizetype close = m_text.indexOf(u'"', start);
        if (close < 0) { // an unterminated quote takes the rest of the text
            m_pos = size;
            m_afterComma = false;
            return m_text.mid(start);
        }
        QString value = m_text.mid(start, close - start);
        m_pos = close + 1;
        while (m_pos < size && m_text[m_pos] != u',' && !isLineEnd(m_pos))
            ++m_pos; // anything between the closing quote and the separator is dropped
        consumeTerminator();
        return value;
    }

    const qsizetype start = m_pos;
    while (m_pos < size && m_text[m_pos] != u',' && !isLineEnd(m_pos))
        ++m_pos;
    QString value = m_text.mid(start, m_pos - start);
    while (!value.isEmpty() && (value.back() == u' ' || value.back() == u'\t'))
        value.chop(1);
    consumeTerminator();
    return value;
}
