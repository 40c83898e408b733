// The path walk and its link rules, and the questions about a path. A path on which a link stands is walked
// one place at a time with no link left to the kernel, so that the rule for links in shared folders holds
// whether or not the kernel applies it, and no name that another user may have planted leads to a file he could
// not write; where no link stands, the kernel resolves the path in one call. The existence and folder questions,
// reading and writing all take this one walk, so they agree on what a path names. Only regular files are read,
// and without blocking.
#include "file_io.h"
#include "file_io_internal.h"

#include <cerrno>
#include <climits>
#include <ctime>
#include <fcntl.h>
#include <grp.h>
#include <linux/openat2.h>
#include <pwd.h>
#include <sys/syscall.h>
#include <algorithm>

namespace fsys {
namespace detail {
namespace {

// Appends the places of path to rest so that the first place is taken last. Empty places are dropped; a path
// that ends in "/" ends in "." instead, so that, as for the kernel, it names a folder or nothing.
void PushPlaces(const std::string& path, std::vector<std::string>& rest)
{
    std::vector<std::string> places;
    for (std::size_t at = 0;;) {
        const std::size_t slash = path.find('/', at);
        const std::size_t end = slash == std::string::npos ? path.size() : slash;
        if (end > at) places.push_back(path.substr(at, end - at));
        if (slash == std::string::npos) break;
        at = slash + 1;
    }
    if (path.empty() || path.back() == '/') places.push_back(".");
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

bool InGroupOf(uid_t user, gid_t gid)
{
    std::vector<char> buffer(16384);
    struct passwd entry, *found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return false;
    if (entry.pw_gid == gid) return true;
    int n = 64;
    std::vector<gid_t> groups(static_cast<std::size_t>(n));
    if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &n) < 0) {
        groups.resize(static_cast<std::size_t>(n));
        if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &n) < 0) return false;
    }
    return std::find(groups.begin(), groups.begin() + n, gid) != groups.begin() + n;
}

// Whether user may write the entry by its mode (ACLs aside, so that this errs on the side of no).
bool MayWrite(const struct stat& st, uid_t user)
{
    if (user == 0) return true;
    if (st.st_uid == user) return (st.st_mode & S_IWUSR) != 0;
    return (st.st_mode & (InGroupOf(user, st.st_gid) ? S_IWGRP : S_IWOTH)) != 0;
}

// Where the kernel lets anyone link any file he may see (fs.protected_hardlinks off, or unknown).
bool AnyoneMayLink()
{
    static const bool unprotected = [] {
        char value = '0';
        const int fd = ::open("/proc/sys/fs/protected_hardlinks", O_RDONLY | O_CLOEXEC);
        if (fd >= 0 && ::read(fd, &value, 1) != 1) value = '0';
        if (fd >= 0) ::close(fd);
        return value != '1';
    }();
    return unprotected;
}

// A name that another user may have put on the way (a symbolic link of his, or a second name of the file in a
// folder he may write) must not lead the writer to a file that this user could not write himself, nor make a
// new file in a folder he could not write. planters are the owners of the links followed.
bool NobodyPlanted(int dir, const struct stat& entry, bool exists, const std::vector<uid_t>& planters)
{
    struct stat folder;
    if ((!exists || (S_ISREG(entry.st_mode) && entry.st_nlink > 1) || !planters.empty()) &&
        ::fstat(dir, &folder) != 0) {
        return false;
    }
    if (exists && S_ISDIR(entry.st_mode)) return true;
    const struct stat& target = exists ? entry : folder;
    for (const uid_t user : planters) {
        if (!MayWrite(target, user)) return false;
    }
    if (!exists || !S_ISREG(entry.st_mode) || entry.st_nlink < 2) return true;
    // Who else may write the folder may have made the second name.
    const uid_t self = ::geteuid();
    if ((folder.st_mode & S_IWUSR) && folder.st_uid != self && folder.st_uid != 0 && !MayWrite(entry, folder.st_uid)) {
        return false;
    }
    if (!AnyoneMayLink()) return true;
    if ((folder.st_mode & S_IWOTH) && !(entry.st_mode & S_IWOTH)) return false;
    return !(folder.st_mode & S_IWGRP) || (entry.st_mode & S_IWOTH) ||
           (entry.st_gid == folder.st_gid && (entry.st_mode & S_IWGRP));
}

// Follows the places in rest from dir, one at a time, with no link left to the kernel.
bool Walk(Fd& dir, std::vector<std::string>& rest, bool followLast, std::string& name, struct stat& entry,
          bool& exists)
{
    std::vector<uid_t> planters;
    int links = 0;
    while (dir.Get() >= 0 && !rest.empty()) {
        const std::string place = rest.back();
        rest.pop_back();
        const bool last = rest.empty();
        struct stat st;
        Fd next;
        if (place == "." && !last) continue;
        if (last) {
            // The last place is only looked at: the callers open it as they need.
            if (::fstatat(dir.Get(), place.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno != ENOENT) return false;
                name = place;
                exists = false;
                return NobodyPlanted(dir.Get(), st, false, planters) || (errno = EPERM, false);
            }
        } else {
            next.Reset(::openat(dir.Get(), place.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
            if (next.Get() < 0 || ::fstat(next.Get(), &st) != 0) return false;
        }
        if (S_ISLNK(st.st_mode) && (!last || followLast)) {
            if (++links > 40 || !MayFollow(dir.Get(), st)) {
                errno = links > 40 ? ELOOP : EPERM;
                return false;
            }
            if (st.st_uid != ::geteuid() && st.st_uid != 0) planters.push_back(st.st_uid);
            std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
            const ssize_t n = ::readlinkat(dir.Get(), place.c_str(), buffer.data(), buffer.size());
            if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) return false;
            if (buffer[0] == '/') dir.Reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            PushPlaces(std::string(buffer.data(), static_cast<std::size_t>(n)), rest);
            continue;
        }
        if (last) {
            name = place;
            entry = st;
            exists = true;
            return NobodyPlanted(dir.Get(), st, true, planters) || (errno = EPERM, false);
        }
        if (!S_ISDIR(st.st_mode)) {
            errno = ENOTDIR;
            return false;
        }
        dir.Reset(next.Release());
    }
    return false;
}

// The folder of a path whose last place is a plain name, opened by the kernel in one call unless a link
// stands on the way (or the path is too long for it): false then, with nothing opened.
bool OpenFolderDirectly(const std::string& path, Fd& dir, std::string& name)
{
    const std::size_t slash = path.find_last_of('/');
    name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return false;
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    struct open_how how{};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_NO_SYMLINKS;
    const long fd = ::syscall(SYS_openat2, AT_FDCWD, folder.c_str(), &how, sizeof how);
    if (fd < 0) return false;
    dir.Reset(static_cast<int>(fd));
    return true;
}

}  // namespace

bool Locate(const std::string& path, bool followLast, Fd& dir, std::string& name, struct stat* entry)
{
    if (path.empty()) {
        errno = ENOENT;
        return false;
    }
    std::vector<std::string> rest;
    std::string last;
    if (OpenFolderDirectly(path, dir, last)) {
        rest.push_back(last);
    } else {
        // A failure that the walk would meet as well is its answer.
        if (errno != ELOOP && errno != ENAMETOOLONG && errno != ENOSYS && errno != EPERM && errno != EXDEV &&
            !last.empty() && last != "." && last != "..") {
            return false;
        }
        dir.Reset(::open(path[0] == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
        PushPlaces(path, rest);
    }
    struct stat st{};
    bool exists = false;
    if (!Walk(dir, rest, followLast, name, st, exists)) return false;
    if (entry != nullptr) {
        *entry = st;
        if (!exists) entry->st_mode = 0;
    }
    return true;
}

// A regular file with a single name, reached through no link at all, is what no link rule concerns: the
// kernel finds and opens it by the whole path, without a walk. -1 for any other path.
int OpenPlainFile(const std::string& path, struct stat& named)
{
    if (path.empty() || ::fstatat(AT_FDCWD, path.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(named.st_mode) || named.st_nlink != 1) {
        return -1;
    }
    struct open_how how{};
    how.flags = O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
    how.resolve = RESOLVE_NO_SYMLINKS;
    return static_cast<int>(::syscall(SYS_openat2, AT_FDCWD, path.c_str(), &how, sizeof how));
}

// Only a regular file is opened at all, and without blocking, so that a FIFO or a device never holds the
// caller; the check is repeated on the open file in case the name changed in between. Another writer's rename
// may replace the file, or on FUSE file systems hide its name for a moment, between the look and the open: the
// look is then taken again (a few times where the name was missing at the look itself).
bool ReadWhole(const std::string& path, std::string& bytes, struct stat& st, std::string* acl)
{
    for (int attempt = 0, missing = 0; attempt < kLooks; ++attempt) {
        if (attempt >= 2) PauseAMoment();
        struct stat named;
        Fd fd(OpenPlainFile(path, named));
        if (fd.Get() < 0) {
            Fd dir;
            std::string name;
            if (!Locate(path, true, dir, name, &named)) return false;
            if (named.st_mode == 0 && ++missing < 3) continue;
            if (!S_ISREG(named.st_mode)) {
                errno = named.st_mode == 0 ? ENOENT : EINVAL;
                return false;
            }
            fd.Reset(::openat(dir.Get(), name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
            if (fd.Get() < 0 && errno == ENOENT) continue;
        }
        if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0) return false;
        if (!SameFile(st, named)) continue;
        if (acl != nullptr && !GetAttribute(fd.Get(), nullptr, kAccessAcl, *acl)) acl->clear();
        return PReadAll(fd.Get(), static_cast<std::size_t>(st.st_size), bytes) && fd.Close();
    }
    return false;
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
    Fd dir;
    std::string name;
    struct stat st;
    return Locate(path, true, dir, name, &st) && st.st_mode != 0;
}

bool IsRefused(const std::string& path)
{
    Fd dir;
    std::string name;
    return !Locate(path, true, dir, name) && errno == EPERM;
}

bool IsDirectory(const std::string& path)
{
    Fd dir;
    std::string name;
    struct stat st;
    return Locate(path, true, dir, name, &st) && S_ISDIR(st.st_mode);
}

bool IsReadOnly(const std::string& path)
{
    Fd dir;
    std::string name;
    struct stat st;
    return Locate(path, true, dir, name, &st) && st.st_mode != 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
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
