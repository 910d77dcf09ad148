#include "platform/qt/IniSettingsStore.h"

#include "platform/qt/IniText.h"
#include "platform/qt/QtFileReader.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A settings file is a few lines; anything bigger is not ours to rewrite.
constexpr std::size_t MaxFileSize = std::size_t(1024) * 1024;
// Another copy of the program holds the lock only for one small write.
constexpr int LockWaitMs = 2000;

// The file's bytes: an empty text when there is no file, nothing when something
// is there that cannot be read as a settings file (a folder, no permission, a
// pipe, too big).
std::optional<std::string> readStore(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::string();
    std::optional<std::string> text = QtFileReader::readPlainFile(path, MaxFileSize + 1);
    if (!text || text->size() > MaxFileSize)
        return std::nullopt;
    return text;
}

} // namespace

IniSettingsStore::IniSettingsStore(std::string filePath)
    : m_path(std::move(filePath))
{ }

std::string IniSettingsStore::defaultPath()
{
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/Varnholt Danmark.ini"))
        .toStdString();
}

std::string IniSettingsStore::value(const std::string &section, const std::string &key) const
{
    // No lock needed: a write replaces the whole file at once, so a read sees the
    // old file or the new one.
    const std::optional<std::string> text = readStore(QString::fromStdString(m_path));
    if (!text)
        return {};
    return IniText::value(*text, section, key).value_or(std::string());
}

void IniSettingsStore::setValue(const std::string &section, const std::string &key, const std::string &value)
{
    const QString path = QString::fromStdString(m_path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return;

    // Read, change and write under one lock, so that two copies of the program
    // writing at once cannot lose each other's key.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs))
        return;
    const std::optional<std::string> text = readStore(path);
    if (!text)
        return; // never replace a file we could not read: its other lines would be lost
    if (IniText::value(*text, section, key) == value)
        return; // already stored: rewriting the file would change nothing
    const std::string changed = IniText::withValue(*text, section, key, value);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    if (file.write(changed.data(), static_cast<qint64>(changed.size())) != static_cast<qint64>(changed.size())) {
        file.cancelWriting();
        return;
    }
    file.commit();
}
