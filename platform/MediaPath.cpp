#include "platform/MediaPath.h"

#include <QDir>
#include <QFileInfo>

namespace MediaPath {

QString withoutVersionMark(const QString &name)
{
    return name.endsWith(QStringLiteral(";1")) ? name.chopped(2) : name;
}

QString matchEntry(const QString &part, const QStringList &entries)
{
    if (entries.contains(part))
        return part;
    QString found;
    for (const QString &entry : entries) {
        const bool same = entry.compare(part, Qt::CaseInsensitive) == 0
            || withoutVersionMark(entry).compare(part, Qt::CaseInsensitive) == 0;
        if (!same)
            continue;
        if (!found.isEmpty() && found != entry)
            return {}; // ambiguous: "Readme" and "README" both answer "readme"
        found = entry;
    }
    return found;
}

QString locate(const QString &path)
{
    if (path.isEmpty())
        return {};
    QString absolute = QFileInfo(path).absoluteFilePath();
    if (QFileInfo::exists(absolute))
        return absolute;

    QString current = QStringLiteral("/");
    const QStringList parts = absolute.split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        QString next = current.endsWith(u'/') ? current + part : current + u'/' + part;
        if (part != QStringLiteral(".") && part != QStringLiteral("..") && !QFileInfo::exists(next)) {
            const QStringList entries
                = QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            const QString match = matchEntry(part, entries);
            if (match.isEmpty())
                return {};
            next = current.endsWith(u'/') ? current + match : current + u'/' + match;
        }
        current = next;
    }
    return QFileInfo::exists(current) ? current : QString();
}

} // namespace MediaPath
