// Whole-file writing: a file's text is replaced whole or not at all. Normally the new text is built in a
// temporary file that has no name until it is whole and then renamed over the old one; where that cannot keep
// the file what it is (its owner, attributes, other names, a mount over it) or the folder takes no new entry or
// gives up no name, the file is written in place, and a failure puts the old bytes back (not for a file the
// writer may not read). Writers at the same moment each leave a whole text, the last one standing. Temporary
// files that a killed writer left are removed by the next writer into that folder.
#include "file_io.h"
#include "file_io_internal.h"

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
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/xattr.h>
#include <new>
#include <stdexcept>

namespace fsys {
namespace detail {
namespace {

// Hidden names of temporary files that had to be named, with the writer's process id: the prefix, the id, a
// moment in hexadecimal and a count, as FreshName makes them. No other name is ever taken for a leftover. A
// writer holds a lock on its own while it lives; one that nobody holds is a killed writer's.
const char kTempPrefix[] = ".qvtmp-";

// Reads a number in base (10, or 16 in lower case) without a leading zero, and no more than digits long.
bool TakeNumber(const char*& at, unsigned base, std::size_t digits, unsigned long long& value)
{
    const char* start = at;
    value = 0;
    for (; *at >= '0' && (*at <= '9' || (base == 16 && *at >= 'a' && *at <= 'f')); ++at) {
        value = value * base + static_cast<unsigned>(*at <= '9' ? *at - '0' : *at - 'a' + 10);
        if (static_cast<std::size_t>(at - start) >= digits) return false;
    }
    return at > start && (*start != '0' || at == start + 1);
}

// Whether name is one that FreshName makes; pid receives the writer's process id.
bool IsTempName(const char* name, long& pid)
{
    if (std::strncmp(name, kTempPrefix, sizeof kTempPrefix - 1) != 0) return false;
    const char* at = name + sizeof kTempPrefix - 1;
    unsigned long long id = 0, moment = 0, count = 0;
    const bool ours = TakeNumber(at, 10, 10, id) && id > 0 && id <= INT_MAX && *at++ == '-' &&
                      TakeNumber(at, 16, 2 * sizeof(long), moment) && *at++ == '-' &&
                      TakeNumber(at, 10, 10, count) && count > 0 && count <= UINT_MAX && *at == '\0';
    pid = static_cast<long>(id);
    return ours;
}

// When the process that now has the id pid started, in seconds of the clock that file times follow; false when
// it cannot be told. Its start counts from boot in clock ticks.
bool StartOf(long pid, std::time_t& start)
{
    char line[1024] = "";
    std::FILE* stat = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "re");
    if (stat == nullptr) return false;
    const bool read = std::fgets(line, sizeof line, stat) != nullptr;
    std::fclose(stat);
    // The fields after the command's name, which may hold anything, end in its last ')'; the start is the 22nd.
    const char* field = read ? std::strrchr(line, ')') : nullptr;
    for (int n = 2; field != nullptr && n < 22; ++n) field = std::strchr(field + 1, ' ');
    const long ticks = ::sysconf(_SC_CLK_TCK);
    struct timespec boot{}, now{};
    if (field == nullptr || ticks <= 0 || ::clock_gettime(CLOCK_BOOTTIME, &boot) != 0 ||
        ::clock_gettime(CLOCK_REALTIME, &now) != 0) {
        return false;
    }
    const unsigned long long since = std::strtoull(field + 1, nullptr, 10) / static_cast<unsigned long>(ticks);
    start = now.tv_sec - (boot.tv_sec - static_cast<std::time_t>(since));
    return true;
}

// On file systems without locks: a writer is gone when his process is, or when the process that now has his
// id started after the file last changed (a second's rounding and a clock's small steps apart), so that a
// reused id keeps no leftover. This process's own id names a leftover too, since its writers run one at a time.
bool WriterGone(long pid, const struct stat& file)
{
    std::time_t start = 0;
    if (pid == ::getpid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) return true;
    return StartOf(pid, start) && file.st_ctim.tv_sec + 2 < start;
}

}  // namespace

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

// The whole content from offset 0, without moving the file position; false for a write-only descriptor. A short
// read that ends exactly at the size the file had is its end, so that a whole read takes one call: /proc and
// /sys files, whose size tells nothing, are read until a read returns nothing, or fail (EFBIG) once they pass
// both their size and the read limit, so that one that never ends (/proc/self/pagemap) ends the read.
bool PReadAll(int fd, std::size_t sizeHint, std::string& bytes)
{
    const std::size_t bound = std::max(sizeHint, kReadLimit);
    try {
        std::string data(std::min(std::max<std::size_t>(sizeHint + 1, 4096), bound + 1), '\0');
        std::size_t used = 0;
        for (;;) {
            if (used > bound) {
                errno = EFBIG;
                return false;
            }
            if (used == data.size()) data.resize(std::min(data.size() * 2, bound + 1));
            const ssize_t n = ::pread(fd, &data[used], data.size() - used, static_cast<off_t>(used));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return false;
            if (n == 0) break;
            used += static_cast<std::size_t>(n);
            if (used == sizeHint) break;
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

// Makes a changed name last through a power loss. A folder the writer may not list, or a file system that
// cannot sync folders, is taken as it is.
bool SyncFolder(int dir)
{
    const Fd list(::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (list.Get() < 0) return true;
    return ::fsync(list.Get()) == 0 || errno == EINVAL || errno == EROFS || errno == EOPNOTSUPP;
}

// Removes temporary files that killed writers left in the folder, whoever they were handed to, where this
// writer may remove them: only names that FreshName makes, and of those the ones whose lock can be taken, since
// a living writer holds his. False when one that this writer may remove (his own, or any for root) stays: the
// folder refuses to give names up, although it may not say so (FUSE).
bool RemoveLeftovers(int dir)
{
    const int listFd = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0) return true;
    DIR* list = ::fdopendir(listFd);
    if (list == nullptr) {
        ::close(listFd);
        return true;
    }
    bool removed = true;
    while (const struct dirent* entry = ::readdir(list)) {
        long pid = 0;
        if (!IsTempName(entry->d_name, pid)) continue;
        // Looked at once without opening it, and opened for its lock through that look: a FIFO or a device
        // swapped in under the name is never opened.
        struct stat held, named;
        const Fd at(::openat(dir, entry->d_name, O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (at.Get() < 0 || ::fstat(at.Get(), &held) != 0 || !S_ISREG(held.st_mode)) continue;
        Fd fd(Reopen(at.Get(), dir, entry->d_name, O_RDONLY | O_NONBLOCK | O_NOCTTY));
        if (fd.Get() < 0 || ::fstat(fd.Get(), &named) != 0 || !SameFile(held, named)) continue;
        // A shared lock: a writer's own keeps cleaners off his file, while two cleaners at once do not take each
        // other for its writer.
        if (::flock(fd.Get(), LOCK_SH | LOCK_NB) != 0 && (errno == EWOULDBLOCK || !WriterGone(pid, held))) continue;
        if (::fstatat(dir, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named) &&
            ::unlinkat(dir, entry->d_name, 0) != 0 && errno != ENOENT &&
            (named.st_uid == ::geteuid() || ::geteuid() == 0)) {
            removed = false;
        }
    }
    ::closedir(list);
    return removed;
}

bool TempFile::Create()
{
    m_fd.Reset(::openat(m_dir, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    if (m_fd.Get() >= 0) {
        Lock();
        return true;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
    if (!m_named) {
        errno = EPERM;
        return false;
    }
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
        Discard();
    }
    m_fd.Reset();
    errno = EEXIST;
    return false;
}

bool TempFile::Name(const std::string& name, bool exclusive)
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
        // File systems without that rename (FUSE): a second name replaces nothing either, however slow the disk,
        // and the temporary name then goes (where the folder lets it go; else the next writer finds it).
        if (::linkat(m_dir, m_name.c_str(), m_dir, name.c_str(), 0) == 0) {
            ::unlinkat(m_dir, m_name.c_str(), 0);
        } else if (errno == EEXIST || !MoveOnto(name, exclusive)) {
            return false;
        }
    }
    m_name.clear();
    return true;
}

// No hard links either (FAT). An exclusive create, which these file systems honour, takes the name, so the
// empty file it makes is this writer's own until the whole file replaces it, however long the move takes.
// Unless exclusive, the name is only found free just before the move: a writer that names it meanwhile is
// replaced, as by a save a moment later.
bool TempFile::MoveOnto(const std::string& name, bool exclusive)
{
    struct stat taken, named;
    if (!exclusive) {
        if (::fstatat(m_dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) {
            errno = EEXIST;
            return false;
        }
        return ::renameat(m_dir, m_name.c_str(), m_dir, name.c_str()) == 0;
    }
    const Fd empty(::openat(m_dir, name.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (empty.Get() < 0) return false;
    const bool own = ::fstat(empty.Get(), &taken) == 0 &&
                     ::fstatat(m_dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(taken, named);
    if (own && ::renameat(m_dir, m_name.c_str(), m_dir, name.c_str()) == 0) return true;
    const int error = own ? errno : EEXIST;
    if (own) ::unlinkat(m_dir, name.c_str(), 0);
    errno = error;
    return false;
}

bool TempFile::Replace(const std::string& name)
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

// A cleaner that took the new file for a leftover before the lock was held holds it only for a moment (it never
// waits), and then the name is gone. Anyone else who holds it (where anyone may open the file, as on FAT) is not
// waited for long: the file goes without, and cleaners leave it alone while he holds it.
void TempFile::Lock()
{
    for (int look = 0; look < kLooks && ::flock(m_fd.Get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK; ++look) {
        PauseAMoment();
    }
}

bool TempFile::StillNamed() const
{
    struct stat held, named;
    return ::fstat(m_fd.Get(), &held) == 0 &&
           ::fstatat(m_dir, m_name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named);
}

// The name carries this process's id, so no other writer makes it: it goes even when the file cannot be
// looked at.
void TempFile::Discard()
{
    if (!m_name.empty()) ::unlinkat(m_dir, m_name.c_str(), 0);
    m_name.clear();
}

std::string TempFile::FreshName()
{
    static unsigned counter = 0;
    struct timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    char name[64];
    std::snprintf(name, sizeof name, "%s%ld-%lx-%u", kTempPrefix, static_cast<long>(::getpid()),
                  static_cast<unsigned long>(now.tv_nsec), ++counter);
    return name;
}

namespace {

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

// The mode a file keeps after a write through another user's name (foreign): as the kernel does for a writer
// without privilege, the set-user-id bit goes, and the set-group-id bit where the group may execute the file.
mode_t KeptMode(const struct stat& st, bool foreign)
{
    mode_t mode = st.st_mode & 07777;
    if (foreign) mode &= ~(S_ISUID | ((mode & S_IXGRP) ? S_ISGID : 0));
    return mode;
}

// Before a write in place through another user's name: the set-id bits and the file capability go first, as
// the kernel takes them on his write. A caller without privilege needs nothing: the kernel takes them on its
// write. False when they cannot be taken, or it cannot be told whether there is a capability; then nothing is
// written.
bool GiveNoPrivilege(int fd, const struct stat& st)
{
    if (::geteuid() != 0) return true;
    const mode_t mode = KeptMode(st, true);
    std::string capability;
    if (mode != (st.st_mode & 07777) && ::fchmod(fd, mode) != 0) return false;
    if (!GetAttribute(fd, nullptr, kCapability, capability)) return errno == ENODATA || errno == EOPNOTSUPP;
    return ::fremovexattr(fd, kCapability) == 0 || errno == ENODATA;
}

// The temporary file takes the old file's owner, group, extended attributes and mode (without set-id bits or
// file capability where foreign); false when they cannot all be kept. Attributes come after the owner, since a
// change of owner drops file capabilities.
bool TakeOver(int temp, int file, const struct stat& old, bool foreign)
{
    struct stat now;
    const mode_t mode = KeptMode(old, foreign);
    return ::fchown(temp, old.st_uid, old.st_gid) == 0 && CopyAttributes(file, temp, !foreign) &&
           ::fchmod(temp, mode) == 0 && ::fstat(temp, &now) == 0 && now.st_uid == old.st_uid &&
           now.st_gid == old.st_gid && (now.st_mode & 07777) == mode;
}

// A missing file: 1 created, 0 failed, -1 when another writer created the name meanwhile.
int CreateNew(int dir, const std::string& name, const std::string& text, bool givesUpNames)
{
    TempFile temp(dir, givesUpNames);
    if (!temp.Create() || !WriteAll(temp.Handle(), text)) return 0;
    // The mode a plain creation would give, now that the file is whole. File systems with fixed modes refuse
    // the change and keep theirs.
    (void)::fchmod(temp.Handle(), NewFileMode(dir));
    if (::fsync(temp.Handle()) != 0) return 0;
    if (temp.Name(name, false)) return SyncFolder(dir) ? 1 : 0;
    return errno == EEXIST ? -1 : 0;
}

// A folder marked append-only or immutable (chattr +a, +i) gives up no name; nor, as far as the writer can
// tell, does one whose flags cannot be read, unless its file system has no such flags (FUSE).
bool KeepsEveryName(int dir)
{
    const Fd folder(::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    int flags = 0;
    if (folder.Get() < 0 || ::ioctl(folder.Get(), FS_IOC_GETFLAGS, &flags) != 0) {
        return folder.Get() < 0 || (errno != ENOTTY && errno != EOPNOTSUPP && errno != ENOSYS);
    }
    return (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL)) != 0;
}

// again is set when another writer removed or replaced the name meanwhile. givesUpNames is false where the
// folder already kept a temporary file that it should have given up. foreign: the way followed another user's
// link, so the new text gives no privilege he would not get by writing it himself.
bool ReplaceExisting(int dir, int at, const std::string& name, const struct stat& old, const std::string& text,
                     bool givesUpNames, bool foreign, bool& again)
{
    if (!S_ISREG(old.st_mode)) return false;
    // The file's own permission decides, for the rename as well; reading it lets a failed write in place be
    // undone. It is the very file the walk judged, opened through the walk's descriptor.
    const int flags = O_NONBLOCK | O_NOCTTY;
    Fd file(Reopen(at, dir, name, O_RDWR | flags));
    if (file.Get() < 0 && errno == EACCES) file.Reset(Reopen(at, dir, name, O_WRONLY | flags));
    struct stat opened;
    again = file.Get() < 0 && errno == ENOENT;
    if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0) return false;
    if (!SameFile(old, opened)) {
        again = true;
        return false;
    }
    const auto inPlace = [&] {
        return (!foreign || GiveNoPrivilege(file.Get(), opened)) && WriteInPlace(file.Get(), text);
    };
    // A file with several names stays one file. FUSE may show a link count of a moment ago: ask the file
    // system itself.
    struct statx now;
    const bool linked = ::statx(file.Get(), "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_NLINK, &now) == 0
                            ? now.stx_nlink > 1
                            : opened.st_nlink > 1;
    if (linked) return inPlace();

    // A folder that takes new entries but lets none go (append-only) would keep every temporary file.
    if (!givesUpNames || KeepsEveryName(dir)) return inPlace();
    TempFile temp(dir);
    if (!temp.Create()) {
        // A folder that takes no new entry while the file itself is writable, or proc's folder of a process's
        // open files, where a link opened a file, perhaps deleted, that has no folder of its own.
        return (errno == EACCES || errno == EPERM || errno == ENOENT) && inPlace();
    }
    // Owner and mode are set after the bytes, since a write may clear set-id bits.
    if (!WriteAll(temp.Handle(), text)) return false;
    if (!TakeOver(temp.Handle(), file.Get(), opened, foreign)) return inPlace();
    if (::fsync(temp.Handle()) != 0) return false;
    if (temp.Replace(name)) return SyncFolder(dir);
    // A file mounted over the name (a container's single-file bind mount) cannot be renamed over, nor can a
    // name that the folder or a sandbox refuses to give up.
    return (errno == EBUSY || errno == EPERM || errno == EACCES) && inPlace();
}

}  // namespace
}  // namespace detail

using namespace detail;

bool WriteWhole(const std::string& path, const std::string& text)
{
    // Two writers that create the same new file at once: the later one replaces the earlier one's whole file.
    // Another writer's rename may also replace the file, or on FUSE file systems remove its name for a moment,
    // between the look and the open: then the path is walked again, after a pause from the third time on, so
    // that the link rules always judge the very file that is opened.
    bool givesUpNames = true;
    for (int attempt = 0; attempt < kLooks; ++attempt) {
        if (attempt >= 2) PauseAMoment();
        Fd dir, at;
        std::string name;
        struct stat old;
        bool foreign = false;
        if (!Locate(path, Look::Write, dir, name, &old, &at, &foreign)) return false;
        if (attempt == 0) givesUpNames = RemoveLeftovers(dir.Get());
        if (old.st_mode != 0) {
            bool again = false;
            if (ReplaceExisting(dir.Get(), at.Get(), name, old, text, givesUpNames, foreign, again)) return true;
            if (!again) return false;
            continue;
        }
        const int made = CreateNew(dir.Get(), name, text, givesUpNames);
        if (made >= 0) return made == 1;
    }
    return false;
}

}  // namespace fsys
