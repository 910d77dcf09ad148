#include "tools/check/posix/PosixMediumFiles.h"

#include "tools/check/FileSystems.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string nameOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string writeAll(int fd, const std::string &bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return std::strerror(written < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(written);
    }
    return {};
}

} // namespace

std::string PosixMediumFiles::write(const std::string &path, const std::string &bytes,
                                    const std::optional<std::string> &current)
{
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryBeside(path);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0 && errno != EEXIST)
            return std::strerror(errno);
    }
    if (fd < 0)
        return "no file of its own could be made beside it";
    // A replaced file keeps its permissions.
    struct stat before
    { };
    if (current && ::stat(path.c_str(), &before) == 0)
        ::fchmod(fd, before.st_mode & 07777);
    std::string failure = writeAll(fd, bytes);
    if (failure.empty() && ::fsync(fd) != 0 && errno != EINVAL)
        failure = std::strerror(errno); // a full disk or a pulled stick may tell only now
    if (::close(fd) != 0 && failure.empty())
        failure = std::strerror(errno);
    if (failure.empty())
        failure = current ? replace(temporary, path, *current) : placeNew(temporary, path);
    if (!failure.empty())
        ::unlink(temporary.c_str());
    return failure;
}

std::string PosixMediumFiles::replace(const std::string &temporary, const std::string &path,
                                      const std::string &current) const
{
    if (!holds(path, current))
        return nameOf(path) + " was changed after it was checked";
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return std::strerror(errno);
    return {};
}

std::string PosixMediumFiles::placeNew(const std::string &temporary, const std::string &path)
{
    std::string exists = nameOf(path) + " exists";
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno == EEXIST)
        return exists;
    if (errno != EINVAL && errno != ENOSYS)
        return std::strerror(errno);
    // The file system cannot rename without replacing; a hard link never replaces either.
    if (::link(temporary.c_str(), path.c_str()) == 0) {
        ::unlink(temporary.c_str());
        return {};
    }
    if (errno == EEXIST)
        return exists;
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return std::strerror(errno);
    // Neither (a FUSE FAT mount): look last, then rename.
    struct stat there
    { };
    if (::lstat(path.c_str(), &there) == 0 || errno != ENOENT)
        return exists;
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return std::strerror(errno);
    return {};
}

std::string PosixMediumFiles::fileSystemType(const std::string &path) const
{
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    const std::string real(resolved);
    std::free(resolved);
    std::ifstream table("/proc/self/mountinfo", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(table)), std::istreambuf_iterator<char>());
    return FileSystems::typeFromMountInfo(text, real);
}
