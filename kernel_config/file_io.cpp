// The small file layer under the document: see file_io.h.
#include "file_io.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fsys {
namespace {

// Hidden names of temporary files that had to be named; a writer holds an exclusive lock on its own while it
// lives, so an unlocked one is a leftover of a killed writer.
const char kTempPrefix[] = ".qvtmp-";

class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { Reset(); }
    int Get() const { return m_fd; }
    void Reset(int fd = -1)
    {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
    }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The file a write should replace: the final target when path is a symbolic link.
std::string ResolveTarget(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(current.c_str(), buffer.data(), buffer.size() - 1);
        if (n < 0) return current;
        std::string target(buffer.data(), static_cast<std::size_t>(n));
        current = (!target.empty() && target[0] == '/') ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

// Only a regular file is opened at all, and without blocking, so that a FIFO or a device never holds the
// caller; the check is repeated on the open file in case the name changed in between.
bool ReadWhole(const std::string& path, std::string& bytes, struct stat& st)
{
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    try {
        // One block of the known size plus one byte, so that the end is normally seen without growing.
        std::string data(std::max<std::size_t>(static_cast<std::size_t>(st.st_size) + 1, 4096), '\0');
        std::size_t used = 0;
        for (;;) {
            if (used == data.size()) data.resize(data.size() * 2);
            const ssize_t n = ::read(fd.Get(), &data[used], data.size() - used);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return false;
            if (n == 0) break;
            used += static_cast<std::size_t>(n);
        }
        data.resize(used);
        if (!fd.Close()) return false;
        bytes.swap(data);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

// Removes temporary files that killed writers left in the folder; a living writer's file is locked.
void RemoveLeftovers(int dir)
{
    const int listFd = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0) return;
    DIR* list = ::fdopendir(listFd);
    if (list == nullptr) {
        ::close(listFd);
        return;
    }
    while (const struct dirent* entry = ::readdir(list)) {
        if (std::strncmp(entry->d_name, kTempPrefix, sizeof kTempPrefix - 1) != 0) continue;
        Fd fd(::openat(dir, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat held, named;
        if (fd.Get() < 0 || ::fstat(fd.Get(), &held) != 0 || !S_ISREG(held.st_mode)) continue;
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) continue;
        if (::fstatat(dir, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named)) {
            ::unlinkat(dir, entry->d_name, 0);
        }
    }
    ::closedir(list);
}

// A new file in a folder that has no name until it is whole: an O_TMPFILE where the file system offers one,
// else a hidden named file that the next writer into the folder removes if this process is killed.
class TempFile {
public:
    explicit TempFile(int dir) : m_dir(dir) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile()
    {
        if (!m_name.empty()) ::unlinkat(m_dir, m_name.c_str(), 0);
    }

    int Handle() const { return m_fd.Get(); }

    // errno tells why on failure.
    bool Create(mode_t mode)
    {
        m_fd.Reset(::openat(m_dir, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
        if (m_fd.Get() >= 0) return ::flock(m_fd.Get(), LOCK_EX) == 0;
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = FreshName();
            m_fd.Reset(::openat(m_dir, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
            if (m_fd.Get() < 0) {
                if (errno == EEXIST) continue;
                return false;
            }
            // A cleaner may have taken it for a leftover before the lock was held; then try another name.
            struct stat held, named;
            if (::flock(m_fd.Get(), LOCK_EX) == 0 && ::fstat(m_fd.Get(), &held) == 0 &&
                ::fstatat(m_dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named)) {
                m_name = name;
                return true;
            }
        }
        errno = EEXIST;
        return false;
    }

    // Gives the whole file the name; never replaces an existing entry (errno EEXIST then).
    bool Link(const std::string& name)
    {
        if (!m_name.empty()) return ::linkat(m_dir, m_name.c_str(), m_dir, name.c_str(), 0) == 0;
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd.Get());
        if (::linkat(AT_FDCWD, self.c_str(), m_dir, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
        if (errno == EEXIST) return false;
        // Without /proc, only a privileged process may link an open file by its descriptor.
        return ::linkat(m_fd.Get(), "", m_dir, name.c_str(), AT_EMPTY_PATH) == 0;
    }

    // Puts the whole file in place of name in one step.
    bool Replace(const std::string& name)
    {
        for (int attempt = 0; m_name.empty() && attempt < 100; ++attempt) {
            const std::string hidden = FreshName();
            if (Link(hidden)) {
                m_name = hidden;
            } else if (errno != EEXIST) {
                return false;
            }
        }
        if (m_name.empty() || ::renameat(m_dir, m_name.c_str(), m_dir, name.c_str()) != 0) return false;
        m_name.clear();
        return true;
    }

private:
    static std::string FreshName()
    {
        static unsigned counter = 0;
        struct timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        char name[64];
        std::snprintf(name, sizeof name, "%s%ld-%lx-%u", kTempPrefix, static_cast<long>(::getpid()),
                      static_cast<unsigned long>(now.tv_nsec), ++counter);
        return name;
    }

    int m_dir;
    Fd m_fd;
    std::string m_name;
};

// The new text over the old bytes of the one file: the space is reserved first, so a full disk fails before
// anything changes.
bool WriteInPlace(int fd, const std::string& text)
{
    if (!text.empty() && ::posix_fallocate(fd, 0, static_cast<off_t>(text.size())) != 0) return false;
    return WriteAll(fd, text) && ::ftruncate(fd, static_cast<off_t>(text.size())) == 0 && ::fsync(fd) == 0;
}

// The temporary file takes the old file's owner, group and mode; false when they cannot all be kept.
bool TakeOver(int fd, const struct stat& old)
{
    struct stat now;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0 && ::fchmod(fd, old.st_mode & 07777) == 0 &&
           ::fstat(fd, &now) == 0 && now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
           (now.st_mode & 07777) == (old.st_mode & 07777);
}

}  // namespace

bool ReadRegular(const std::string& path, std::string& bytes)
{
    struct stat st;
    return ReadWhole(path, bytes, st);
}

bool Exists(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsReadOnly(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool WriteWhole(const std::string& path, const std::string& text)
{
    if (path.empty()) return false;
    const std::string target = ResolveTarget(path);
    const std::string name = NameOf(target);
    const Fd dir(::open(FolderOf(target).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (name.empty() || dir.Get() < 0) return false;
    RemoveLeftovers(dir.Get());

    struct stat old;
    if (::fstatat(dir.Get(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) return false;
        TempFile temp(dir.Get());
        return temp.Create(0666) && WriteAll(temp.Handle(), text) && ::fsync(temp.Handle()) == 0 && temp.Link(name);
    }
    if (!S_ISREG(old.st_mode)) return false;
    // The file's own permission decides, for the rename as well.
    const Fd file(::openat(dir.Get(), name.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    struct stat opened;
    if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0 || !SameFile(old, opened)) return false;
    // A file with several names stays one file.
    if (opened.st_nlink > 1) return WriteInPlace(file.Get(), text);

    TempFile temp(dir.Get());
    if (!temp.Create(0600)) {
        // A folder that takes no new entry while the file itself is writable.
        return (errno == EACCES || errno == EPERM) && WriteInPlace(file.Get(), text);
    }
    // Owner and mode are set after the bytes, since a write may clear set-id bits.
    if (!WriteAll(temp.Handle(), text)) return false;
    if (!TakeOver(temp.Handle(), opened)) return WriteInPlace(file.Get(), text);
    return ::fsync(temp.Handle()) == 0 && temp.Replace(name);
}

std::string CopyToFirstFree(const std::string& from, const std::vector<std::string>& names)
{
    if (names.empty()) return std::string();
    const Fd dir(::open(FolderOf(names.front()).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() < 0) return std::string();
    RemoveLeftovers(dir.Get());
    TempFile temp(dir.Get());
    bool filled = false;
    for (const std::string& to : names) {
        const std::string name = NameOf(to);
        struct stat st;
        if (::fstatat(dir.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) continue;
        if (!filled) {
            std::string bytes;
            if (!ReadWhole(from, bytes, st) || !temp.Create(0600)) return std::string();
            // The copy keeps the source's modification time; set after the bytes, which would renew it.
            const struct timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
            if (!WriteAll(temp.Handle(), bytes) || ::fchmod(temp.Handle(), st.st_mode & 07777) != 0 ||
                ::futimens(temp.Handle(), times) != 0 || ::fsync(temp.Handle()) != 0) {
                return std::string();
            }
            filled = true;
        }
        if (temp.Link(name)) return to;
        if (errno != EEXIST) return std::string();
    }
    return std::string();
}

std::string CurrentDir()
{
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return std::string();
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

Date LocalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace fsys
