// The small file layer under the document: see file_io.h.
#include "file_io.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
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
#include <sys/xattr.h>
#include <unistd.h>

namespace fsys {
namespace {

// Hidden names of temporary files that had to be named. A writer holds a lock on its own while it lives, so an
// unlocked one (or, on file systems without locks, one whose process is gone) is a leftover of a killed writer.
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
    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    bool Close()
    {
        const int fd = Release();
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

// A write that takes no byte would be repeated forever: it counts as a failure.
bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The whole content from offset 0, without moving the file position; false for a write-only descriptor.
bool PReadAll(int fd, std::size_t sizeHint, std::string& bytes)
{
    try {
        std::string data(std::max<std::size_t>(sizeHint + 1, 4096), '\0');
        std::size_t used = 0;
        for (;;) {
            if (used == data.size()) data.resize(data.size() * 2);
            const ssize_t n = ::pread(fd, &data[used], data.size() - used, static_cast<off_t>(used));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return false;
            if (n == 0) break;
            used += static_cast<std::size_t>(n);
        }
        data.resize(used);
        bytes.swap(data);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

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

// Walks path one place at a time without letting the kernel follow any link, and opens the folder that holds
// the file it names; name receives the file's name in that folder. A link in the last place is followed too
// when followLast is set. False with errno when a place is missing or is a link that may not be followed.
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

// --- Extended attributes and access control lists -------------------------------------------------------

// The names of a file's extended attributes; a file system without any has none.
bool ListAttributes(int fd, std::vector<std::string>& names)
{
    names.clear();
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0) return errno == EOPNOTSUPP || errno == ENOSYS;
        std::string list(static_cast<std::size_t>(size), '\0');
        const ssize_t got = size == 0 ? 0 : ::flistxattr(fd, &list[0], list.size());
        if (got < 0 && errno == ERANGE) continue;
        if (got < 0) return false;
        for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
            const std::size_t end = list.find('\0', at);
            if (end == std::string::npos || end == at) break;
            names.push_back(list.substr(at, end - at));
            at = end + 1;
        }
        return true;
    }
    return false;
}

// One attribute's value; false (errno ENODATA) when the file has none of that name.
bool GetAttribute(int fd, const char* path, const std::string& name, std::string& value)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = fd >= 0 ? ::fgetxattr(fd, name.c_str(), nullptr, 0)
                                     : ::getxattr(path, name.c_str(), nullptr, 0);
        if (size < 0) return false;
        value.assign(static_cast<std::size_t>(size), '\0');
        if (size == 0) return true;
        const ssize_t got = fd >= 0 ? ::fgetxattr(fd, name.c_str(), &value[0], value.size())
                                    : ::getxattr(path, name.c_str(), &value[0], value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) return false;
    }
    return false;
}

const char kAccessAcl[] = "system.posix_acl_access";
const char kDefaultAcl[] = "system.posix_acl_default";

// The permission bits of a POSIX ACL as the kernel stores it: owner, owning group, mask, and other, -1 where
// absent, and the bits that every named user or group entry allows (7 without such entries).
struct AclBits {
    int user = -1, group = -1, mask = -1, other = -1, named = 7;
};

bool ParseAcl(const std::string& value, AclBits& bits)
{
    // A 4-byte version (2), then entries of a 2-byte tag, 2-byte permissions and a 4-byte id, little-endian.
    const auto at = [&](std::size_t pos, int size) {
        unsigned v = 0;
        for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(value[pos + i]);
        return v;
    };
    if (value.size() < 4 || (value.size() - 4) % 8 != 0 || at(0, 4) != 2) return false;
    for (std::size_t pos = 4; pos < value.size(); pos += 8) {
        const int perm = static_cast<int>(at(pos + 2, 2) & 7);
        switch (at(pos, 2)) {
        case 0x01: bits.user = perm; break;
        case 0x04: bits.group = perm; break;
        case 0x10: bits.mask = perm; break;
        case 0x20: bits.other = perm; break;
        default: bits.named &= perm; break;
        }
    }
    return true;
}

// Gives to the extended attributes of from (the ACL included) and no others; false when one cannot be set or
// removed, or those of from cannot be read.
bool CopyAttributes(int from, int to)
{
    std::vector<std::string> wanted, present;
    if (!ListAttributes(from, wanted) || !ListAttributes(to, present)) return false;
    for (const std::string& name : present) {
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(to, name.c_str()) != 0 && errno != ENODATA) {
            return false;
        }
    }
    for (const std::string& name : wanted) {
        std::string value, current;
        if (!GetAttribute(from, nullptr, name, value)) {
            if (errno == ENODATA) continue;
            return false;
        }
        if (GetAttribute(to, nullptr, name, current) && current == value) continue;
        if (::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0) return false;
    }
    return true;
}

// Only a regular file is opened at all, and without blocking, so that a FIFO or a device never holds the
// caller; the check is repeated on the open file in case the name changed in between.
bool ReadWhole(const std::string& path, std::string& bytes, struct stat& st, std::string* acl = nullptr)
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

// Makes a changed name last through a power loss. A folder the writer may not list, or a file system that
// cannot sync folders, is taken as it is.
bool SyncFolder(int dir)
{
    const Fd list(::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (list.Get() < 0) return true;
    return ::fsync(list.Get()) == 0 || errno == EINVAL || errno == EROFS || errno == EOPNOTSUPP;
}

// The mode a file created with 0666 in the folder would get: its default ACL, where it has one, takes the
// place of the umask.
mode_t NewFileMode(int dir)
{
    std::string value;
    AclBits acl;
    const std::string self = "/proc/self/fd/" + std::to_string(dir);
    if (GetAttribute(-1, self.c_str(), kDefaultAcl, value) && ParseAcl(value, acl) && acl.user >= 0 &&
        acl.other >= 0) {
        const int group = acl.mask >= 0 ? acl.mask : std::max(acl.group, 0);
        return static_cast<mode_t>(0666 & ((acl.user << 6) | (group << 3) | acl.other));
    }
    mode_t mask = 022;
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned value8 = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr) {
            found = std::sscanf(line, "Umask: %o", &value8) == 1;
        }
        std::fclose(status);
        if (found) mask = static_cast<mode_t>(value8);
    } else {
        mask = ::umask(022);
        ::umask(mask);
    }
    return static_cast<mode_t>(0666 & ~mask);
}

bool InGroup(gid_t gid)
{
    if (gid == ::getegid()) return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)) + 1);
    const int n = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return n > 0 && std::find(groups.begin(), groups.begin() + n, gid) != groups.begin() + n;
}

// The mode of a backup owned by uid and gid of the source src (whose ACL, if it has one, is given). Set-id and
// sticky bits are never copied. A class of the backup keeps only what every person in it could do with the
// source: the owning group's own ACL entry counts rather than the mask, named ACL entries limit group and
// others, a different owning group keeps only what the source's group and others both had (and so do others),
// and when the owner differs, the source's owner, now in group or others, limits both, while the new owner
// gets the bits of the class he was in.
mode_t BackupMode(const struct stat& src, const AclBits* acl, uid_t uid, gid_t gid)
{
    const unsigned u = (src.st_mode >> 6) & 7, o = src.st_mode & 7;
    unsigned g = (src.st_mode >> 3) & 7, limit = 7;
    if (acl != nullptr) {
        if (acl->group >= 0) g = static_cast<unsigned>(acl->group) & (acl->mask >= 0 ? acl->mask : 7);
        limit = static_cast<unsigned>(acl->named) & (acl->mask >= 0 ? acl->mask : 7);
    }
    unsigned nu = u, ng = g & limit, no = o & limit;
    if (gid != src.st_gid) ng = no = ng & no;
    if (uid != src.st_uid) {
        ng &= u;
        no &= u;
        nu = uid == 0 ? u : InGroup(src.st_gid) ? g : o;
    }
    return static_cast<mode_t>((nu << 6) | (ng << 3) | no);
}

// --- Temporary files ----------------------------------------------------------------------------------------

// A lost lock attempt on a file system without locks: the writer of a leftover is known gone when the process
// named in it no longer exists.
bool WriterGone(const char* name)
{
    char* end = nullptr;
    const long pid = std::strtol(name + sizeof kTempPrefix - 1, &end, 10);
    return end != nullptr && *end == '-' && pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes temporary files that this user's killed writers left in the folder; a living writer's file is
// locked, and other users' files are theirs.
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
        struct stat held, named;
        if (::fstatat(dir, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
            named.st_uid != ::geteuid()) {
            continue;
        }
        Fd fd(::openat(dir, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (fd.Get() < 0 || ::fstat(fd.Get(), &held) != 0 || !SameFile(held, named)) continue;
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || !WriterGone(entry->d_name))) {
            continue;
        }
        if (::fstatat(dir, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named)) {
            ::unlinkat(dir, entry->d_name, 0);
        }
    }
    ::closedir(list);
}

// A new file in a folder that has no name until it is whole, and that only its writer may open meanwhile
// (mode 0600): an O_TMPFILE where the file system offers one, else a hidden named file that the next writer
// into the folder removes if this process is killed. Named temporary files only ever move to their final
// name, so that none can be left as a second name of a kept file.
class TempFile {
public:
    explicit TempFile(int dir) : m_dir(dir) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { Discard(); }

    int Handle() const { return m_fd.Get(); }
    bool Close() { return m_fd.Close(); }

    // errno tells why on failure.
    bool Create()
    {
        m_fd.Reset(::openat(m_dir, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
        if (m_fd.Get() >= 0) {
            Lock();
            return true;
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = FreshName();
            m_fd.Reset(::openat(m_dir, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
            if (m_fd.Get() < 0) {
                if (errno == EEXIST) continue;
                return false;
            }
            m_name = name;
            Lock();
            // A cleaner may have taken it for a leftover before the lock was held; then try another name.
            if (StillNamed()) return true;
            m_name.clear();
        }
        m_fd.Reset();
        errno = EEXIST;
        return false;
    }

    // Gives the whole file the name; never replaces an existing entry (errno EEXIST then).
    bool Name(const std::string& name)
    {
        if (m_name.empty()) {
            const std::string self = "/proc/self/fd/" + std::to_string(m_fd.Get());
            if (::linkat(AT_FDCWD, self.c_str(), m_dir, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
            if (errno == EEXIST) return false;
            // Without /proc, only a privileged process may link an open file by its descriptor.
            return ::linkat(m_fd.Get(), "", m_dir, name.c_str(), AT_EMPTY_PATH) == 0;
        }
        if (::renameat2(m_dir, m_name.c_str(), m_dir, name.c_str(), RENAME_NOREPLACE) != 0) {
            if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
            // File systems without that rename (FAT, FUSE): the name must be free just before the move.
            struct stat st;
            if (::fstatat(m_dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) {
                errno = EEXIST;
                return false;
            }
            if (!StillNamed() || ::renameat(m_dir, m_name.c_str(), m_dir, name.c_str()) != 0) return false;
        }
        m_name.clear();
        return true;
    }

    // Puts the whole file in place of name in one step.
    bool Replace(const std::string& name)
    {
        for (int attempt = 0; m_name.empty() && attempt < 100; ++attempt) {
            const std::string hidden = FreshName();
            if (Name(hidden)) {
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
    // Tells cleaners that this writer lives. It is never waited for, and goes without on file systems that
    // have no locks.
    void Lock() { ::flock(m_fd.Get(), LOCK_EX | LOCK_NB); }

    bool StillNamed() const
    {
        struct stat held, named;
        return ::fstat(m_fd.Get(), &held) == 0 &&
               ::fstatat(m_dir, m_name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named);
    }

    void Discard()
    {
        if (!m_name.empty() && StillNamed()) ::unlinkat(m_dir, m_name.c_str(), 0);
        m_name.clear();
    }

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

// --- Writing ------------------------------------------------------------------------------------------------

// The new text over the old bytes of the one file. The space is reserved first where the file system can, so
// that a full disk normally fails before anything changes; once a byte may have changed, any failure puts the
// old bytes, read first, and the old length back before it is reported. A file the writer may not read cannot
// be put back; it is still written, reserved first.
bool WriteInPlace(int fd, const std::string& text)
{
    struct stat st;
    std::string old;
    if (::fstat(fd, &st) != 0) return false;
    const bool canUndo = PReadAll(fd, static_cast<std::size_t>(st.st_size), old);
    const off_t size = static_cast<off_t>(text.size());
    // FUSE and some network file systems have no fallocate; the put-back covers a full disk there.
    if (!text.empty() && ::fallocate(fd, 0, 0, size) != 0 && errno != EOPNOTSUPP && errno != ENOSYS) {
        const int error = errno;
        struct stat now;
        if (::fstat(fd, &now) == 0 && now.st_size != st.st_size) ::ftruncate(fd, st.st_size);
        errno = error;
        return false;
    }
    if (WriteAll(fd, text) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0) return true;
    const int error = errno;
    if (canUndo && ::lseek(fd, 0, SEEK_SET) == 0) {
        WriteAll(fd, old);
        ::ftruncate(fd, static_cast<off_t>(old.size()));
        ::fsync(fd);
    }
    errno = error;
    return false;
}

// The temporary file takes the old file's owner, group, extended attributes and mode; false when they cannot
// all be kept. Attributes come after the owner, since a change of owner drops file capabilities.
bool TakeOver(int temp, int file, const struct stat& old)
{
    struct stat now;
    return ::fchown(temp, old.st_uid, old.st_gid) == 0 && CopyAttributes(file, temp) &&
           ::fchmod(temp, old.st_mode & 07777) == 0 && ::fstat(temp, &now) == 0 && now.st_uid == old.st_uid &&
           now.st_gid == old.st_gid && (now.st_mode & 07777) == (old.st_mode & 07777);
}

// A missing file: 1 created, 0 failed, -1 when another writer created the name meanwhile.
int CreateNew(int dir, const std::string& name, const std::string& text)
{
    TempFile temp(dir);
    if (!temp.Create() || !WriteAll(temp.Handle(), text)) return 0;
    // The mode a plain creation would give, now that the file is whole. File systems with fixed modes refuse
    // the change and keep theirs.
    (void)::fchmod(temp.Handle(), NewFileMode(dir));
    if (::fsync(temp.Handle()) != 0) return 0;
    if (temp.Name(name)) return SyncFolder(dir) ? 1 : 0;
    return errno == EEXIST ? -1 : 0;
}

bool ReplaceExisting(int dir, const std::string& name, const struct stat& old, const std::string& text)
{
    if (!S_ISREG(old.st_mode)) return false;
    // The file's own permission decides, for the rename as well; reading it lets a failed write in place be
    // undone.
    const int flags = O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
    Fd file(::openat(dir, name.c_str(), O_RDWR | flags));
    if (file.Get() < 0 && errno == EACCES) file.Reset(::openat(dir, name.c_str(), O_WRONLY | flags));
    struct stat opened;
    if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0 || !SameFile(old, opened)) return false;
    // A file with several names stays one file. FUSE may show a link count of a moment ago: ask the file
    // system itself.
    struct statx now;
    const bool linked = ::statx(file.Get(), "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_NLINK, &now) == 0
                            ? now.stx_nlink > 1
                            : opened.st_nlink > 1;
    if (linked) return WriteInPlace(file.Get(), text);

    TempFile temp(dir);
    if (!temp.Create()) {
        // A folder that takes no new entry while the file itself is writable.
        return (errno == EACCES || errno == EPERM) && WriteInPlace(file.Get(), text);
    }
    // Owner and mode are set after the bytes, since a write may clear set-id bits.
    if (!WriteAll(temp.Handle(), text)) return false;
    if (!TakeOver(temp.Handle(), file.Get(), opened)) return WriteInPlace(file.Get(), text);
    if (::fsync(temp.Handle()) != 0) return false;
    if (temp.Replace(name)) return SyncFolder(dir);
    // A file mounted over the name (a container's single-file bind mount) cannot be renamed over.
    return errno == EBUSY && WriteInPlace(file.Get(), text);
}

// Fills a backup's temporary file: the source's bytes, its owner and group where the writer may set them, a
// mode that grants nobody more than the source did, no ACL, and the source's times. The times are set after
// the bytes have reached the disk, since a later flush would renew them.
bool FillBackup(TempFile& temp, const std::string& from, struct stat& src)
{
    std::string bytes, aclValue;
    if (!ReadWhole(from, bytes, src, &aclValue) || !temp.Create()) return false;
    const int fd = temp.Handle();
    // The folder's default ACL would give the copy entries that the source may lack.
    if (::fremovexattr(fd, kAccessAcl) != 0 && errno != ENODATA && errno != EOPNOTSUPP) return false;
    if (!WriteAll(fd, bytes)) return false;
    if (::fchown(fd, src.st_uid, src.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), src.st_gid);
    AclBits acl;
    const bool hasAcl = !aclValue.empty() && ParseAcl(aclValue, acl);
    struct stat now;
    if (::fstat(fd, &now) != 0) return false;
    const mode_t mode = BackupMode(src, hasAcl ? &acl : nullptr, now.st_uid, now.st_gid);
    // File systems with fixed modes refuse the change; their mode must then grant no more.
    (void)::fchmod(fd, mode);
    if (::fstat(fd, &now) != 0 || (now.st_mode & 07777 & ~mode) != 0 || ::fsync(fd) != 0) return false;
    // Both times are given: FUSE file systems (exFAT, bindfs) renew the modification time when the access
    // time is left out. A time that still did not take is a failed copy.
    const struct timespec times[2] = {src.st_atim, src.st_mtim};
    return ::futimens(fd, times) == 0 && ::fsync(fd) == 0 && ::fstat(fd, &now) == 0 &&
           now.st_mtim.tv_sec == src.st_mtim.tv_sec && now.st_mtim.tv_nsec == src.st_mtim.tv_nsec;
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
    Fd dir;
    std::string name;
    struct stat st;
    return Locate(path, true, dir, name) && ::fstatat(dir.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool WriteWhole(const std::string& path, const std::string& text)
{
    Fd dir;
    std::string name;
    if (!Locate(path, true, dir, name)) return false;
    RemoveLeftovers(dir.Get());
    // Two writers that create the same new file at once: the later one replaces the earlier one's whole file.
    for (int attempt = 0; attempt < 3; ++attempt) {
        struct stat old;
        if (::fstatat(dir.Get(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
            return ReplaceExisting(dir.Get(), name, old, text);
        }
        if (errno != ENOENT) return false;
        const int made = CreateNew(dir.Get(), name, text);
        if (made >= 0) return made == 1;
    }
    return false;
}

std::string CopyToFirstFree(const std::string& from, const std::vector<std::string>& names)
{
    Fd dir;
    std::string first;
    if (names.empty() || !Locate(names.front(), false, dir, first)) return std::string();
    RemoveLeftovers(dir.Get());
    TempFile temp(dir.Get());
    struct stat src;
    bool filled = false;
    for (const std::string& to : names) {
        const std::string name = NameOf(to);
        struct stat st;
        if (::fstatat(dir.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) continue;
        if (!filled) {
            if (!FillBackup(temp, from, src)) return std::string();
            filled = true;
        }
        if (temp.Name(name)) return SyncFolder(dir.Get()) ? to : std::string();
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
