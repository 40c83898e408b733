// The path walk and its link rules, and the questions about a path. Every path is walked one place at a
// time with no link left to the kernel, so that the rule for links in shared folders holds whether or not the
// kernel applies it; reading and writing find the same file. Only regular files are
// read, and without blocking.
#include "file_io.h"
#include "file_io_internal.h"

#include <cerrno>
#include <climits>
#include <ctime>
#include <fcntl.h>

namespace fsys {
namespace detail {
namespace {

// Appends the places of path to rest so that the first place is taken last; "." and empty places are dropped.
void PushPlaces(const std::string& path, std::vector<std::string>& rest)
{
    std::vector<std::string> places;
    for (std::size_t at = 0; at <= path.size();) {
        std::size_t slash = path.find('/', at);
        if (slash == std::string::npos) slash = path.size();
        const std::string place = path.substr(at, slash - at);
        if (!place.empty() && place != ".") places.push_back(place);
        at = slash + 1;
    }
    rest.insert(rest.end(), places.rbegin(), places.rend());
}

// The kernel's rule for links in shared folders (fs.protected_symlinks), applied whether or not it is switched
// on: in a sticky, world-writable folder only a link of the follower or of the folder's owner is followed, so
// that nobody can send a privileged writer to another file through a link planted there.
bool MayFollow(int dir, const struct stat& link)
{
    struct stat folder;
    if (::fstat(dir, &folder) != 0) return false;
    if ((folder.st_mode & (S_ISVTX | S_IWOTH)) != (S_ISVTX | S_IWOTH)) return true;
    return link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

}  // namespace

bool Locate(const std::string& path, bool followLast, Fd& dir, std::string& name)
{
    if (path.empty() || path.back() == '/') {
        errno = ENOENT;
        return false;
    }
    dir.Reset(::open(path[0] == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    std::vector<std::string> rest;
    PushPlaces(path, rest);
    int links = 0;
    while (dir.Get() >= 0 && !rest.empty()) {
        const std::string place = rest.back();
        rest.pop_back();
        const bool last = rest.empty();
        if (last && !followLast) {
            name = place;
            return true;
        }
        Fd next(::openat(dir.Get(), place.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat st;
        if (next.Get() < 0) {
            if (!last || errno != ENOENT) return false;
            name = place;
            return true;
        }
        if (::fstat(next.Get(), &st) != 0) return false;
        if (S_ISLNK(st.st_mode)) {
            if (++links > 40 || !MayFollow(dir.Get(), st)) {
                errno = links > 40 ? ELOOP : EACCES;
                return false;
            }
            std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
            const ssize_t n = ::readlinkat(next.Get(), "", buffer.data(), buffer.size());
            if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) return false;
            if (buffer[0] == '/') dir.Reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            PushPlaces(std::string(buffer.data(), static_cast<std::size_t>(n)), rest);
            if (rest.empty()) {
                errno = EISDIR;
                return false;
            }
            continue;
        }
        if (last) {
            name = place;
            return true;
        }
        if (!S_ISDIR(st.st_mode)) {
            errno = ENOTDIR;
            return false;
        }
        dir.Reset(next.Release());
    }
    return false;
}

// Only a regular file is opened at all, and without blocking, so that a FIFO or a device never holds the
// caller; the check is repeated on the open file in case the name changed in between.
bool ReadWhole(const std::string& path, std::string& bytes, struct stat& st, std::string* acl)
{
    Fd dir;
    std::string name;
    if (!Locate(path, true, dir, name)) return false;
    if (::fstatat(dir.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) return false;
    Fd fd(::openat(dir.Get(), name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (acl != nullptr && !GetAttribute(fd.Get(), nullptr, kAccessAcl, *acl)) acl->clear();
    return PReadAll(fd.Get(), static_cast<std::size_t>(st.st_size), bytes) && fd.Close();
}

}  // namespace detail

using detail::Fd;
using detail::Locate;
using detail::ReadWhole;

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
    Fd dir;
    std::string name;
    struct stat st;
    return Locate(path, true, dir, name) && ::fstatat(dir.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
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
