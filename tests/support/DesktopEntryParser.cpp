#include "tests/support/DesktopEntryParser.h"

namespace DesktopEntryParser {

namespace {

QString unescape(const QString &raw)
{
    QString out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        const QChar next = raw[++i];
        if (next == u's')
            out += u' ';
        else if (next == u'n')
            out += u'\n';
        else if (next == u't')
            out += u'\t';
        else if (next == u'r')
            out += u'\r';
        else if (next == u'\\')
            out += u'\\';
        else {
            out += u'\\';
            out += next;
        }
    }
    return out;
}

} // namespace

Parsed parse(const QString &text)
{
    Parsed parsed;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.isEmpty() && i == lines.size() - 1)
            break;
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            parsed.groups << line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0) {
            parsed.wellFormed = false;
            continue;
        }
        const QString key = line.left(eq).trimmed();
        parsed.keys << key;
        parsed.values.insert(key, unescape(line.mid(eq + 1)));
    }
    return parsed;
}

std::optional<QStringList> execArguments(const QString &exec)
{
    QStringList args;
    QString current;
    bool inArgument = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == u'%') {
            if (i + 1 < exec.size() && exec[i + 1] == u'%') {
                current += u'%';
                inArgument = true;
                ++i;
                continue;
            }
            return std::nullopt; // field codes are not written by the program
        }
        if (c == u'"') {
            inArgument = true;
            for (++i;; ++i) {
                if (i >= exec.size())
                    return std::nullopt;
                const QChar q = exec[i];
                if (q == u'"')
                    break;
                if (q == u'\\') {
                    if (i + 1 >= exec.size())
                        return std::nullopt;
                    const QChar e = exec[++i];
                    if (e != u'"' && e != u'`' && e != u'$' && e != u'\\')
                        return std::nullopt;
                    current += e;
                } else if (q == u'%') {
                    if (i + 1 >= exec.size() || exec[i + 1] != u'%')
                        return std::nullopt;
                    current += u'%';
                    ++i;
                } else {
                    current += q;
                }
            }
            continue;
        }
        if (c == u' ') {
            if (inArgument)
                args << current;
            current.clear();
            inArgument = false;
            continue;
        }
        current += c;
        inArgument = true;
    }
    if (inArgument)
        args << current;
    return args;
}

} // namespace DesktopEntryParser
