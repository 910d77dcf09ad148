#pragma once

#include <QString>

#include <optional>

// Reads the fields of the information file one by one. Commas and line ends
// (CR LF, LF or CR) separate fields; a field in double quotes may hold commas;
// blanks around an unquoted field are not part of it; blank lines are skipped.
class FieldReader
{
public:
    explicit FieldReader(QString text);

    // The next field, or nothing once the text has ended.
    std::optional<QString> next();

private:
    bool isLineEnd(qsizetype at) const;
    void consumeTerminator();

    QString m_text;
    qsizetype m_pos = 0;
    bool m_afterComma = false; // a comma promises one more field, even an empty one
};
