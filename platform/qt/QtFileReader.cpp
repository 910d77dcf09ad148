#include "platform/qt/QtFileReader.h"

#include "entries/MediaPath.h"
#include "platform/qt/QtFolderListing.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::string> QtFileReader::read(const std::string &path, std::size_t maxBytes) const
{
    const QString written = QString::fromStdString(path);
    if (QFileInfo::exists(written))
        return readPlainFile(written, maxBytes);
    const std::string found = MediaPath::locate(QFileInfo(written).absoluteFilePath().toStdString(), QtFolderListing());
    if (found.empty())
        return std::nullopt;
    return readPlainFile(QString::fromStdString(found), maxBytes);
}

std::optional<std::string> QtFileReader::readPlainFile(const QString &path, std::size_t maxBytes)
{
    // O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer. The
    // type is checked on the open file, so nothing can be swapped in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info
    { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string content;
    content.reserve(std::min<std::size_t>(maxBytes, static_cast<std::size_t>(info.st_size)));
    char buffer[65536];
    while (content.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - content.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return content;
}
