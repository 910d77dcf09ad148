#include "tests/fuzz/FuzzChecks.h"

#include "entries/LoadEntryList.h"
#include "shortcut/DesktopEntry.h"
#include "tests/support/DesktopEntryParser.h"

namespace FuzzChecks {

QString entryReader(const QByteArray &bytes)
{
    int failures = 0;
    const EntryList list = ReadEntryList(bytes, [&] { ++failures; });
    if (failures > 2)
        return QStringLiteral("%1 messages").arg(failures);
    if (list.usableCount() < 0 || list.usableCount() > EntryList::Capacity)
        return QStringLiteral("usable count %1").arg(list.usableCount());
    qsizetype total = 0;
    for (int i = 0; i <= list.usableCount(); ++i)
        total += list.file(i).size() + list.description(i).size();
    if (total > bytes.size())
        return QStringLiteral("%1 characters read from %2 bytes").arg(total).arg(bytes.size());
    if (!list.file(0).isEmpty() || !list.description(0).isEmpty())
        return QStringLiteral("position 0 filled");
    return {};
}

QString desktopEntry(const QByteArray &bytes)
{
    // A folder name as the file system gives it: valid text, no NUL.
    const QString folder = QString::fromUtf8(bytes);
    if (folder.contains(QChar(0)) || folder.toUtf8() != bytes)
        return {};

    DesktopEntry::Launcher launcher;
    launcher.name = QStringLiteral("Zezuzav - Quillmere");
    launcher.comment = QStringLiteral("Zezuzav Quillmere - StartupProgram");
    launcher.program = folder + QStringLiteral("/startprogram");
    launcher.workingDirectory = folder;
    launcher.icon = folder + QStringLiteral("/icon.png");
    const QString text = QString::fromUtf8(DesktopEntry::text(launcher).toUtf8());

    const DesktopEntryParser::Parsed parsed = DesktopEntryParser::parse(text);
    const QStringList keys {"Type", "Name", "Comment", "Exec", "Path", "Icon", "Terminal"};
    if (!parsed.wellFormed || parsed.keys != keys || parsed.groups != QStringList {"Desktop Entry"})
        return QStringLiteral("keys: ") + parsed.keys.join(u',');
    const std::optional<QStringList> args = DesktopEntryParser::execArguments(parsed.values.value("Exec"));
    if (!args || *args != QStringList {launcher.program})
        return QStringLiteral("Exec parses to ") + (args ? args->join(u'|') : QStringLiteral("nothing"));
    if (parsed.values.value("Path") != folder)
        return QStringLiteral("Path parses to ") + parsed.values.value("Path");
    if (parsed.values.value("Icon") != launcher.icon)
        return QStringLiteral("Icon parses to ") + parsed.values.value("Icon");
    return {};
}

} // namespace FuzzChecks
