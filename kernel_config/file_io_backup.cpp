// The backup copy: the bytes and time of a regular file under the first free name of a list, never
// replacing any entry. The copy appears under its name only when whole, and grants nobody more than the source
// did: no set-id or sticky bit, no ACL, no class of user that may do more with it than with the source, and no
// copy of a file reached through a name that someone who could not read it may have put on the way.
#include "file_io.h"
#include "file_io_internal.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/xattr.h>

namespace fsys {
namespace detail {
namespace {

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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

// Fills a backup's temporary file: the source's bytes, its owner and group where the writer may set them, a
// mode that grants nobody more than the source did, no ACL, and the source's times as closely as the file
// system keeps them. The times are set after the bytes have reached the disk, since a later flush would renew
// them.
bool FillBackup(TempFile& temp, const std::string& bytes, const std::string& aclValue, const struct stat& src)
{
    if (!temp.Create()) return false;
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
    // time is left out. The time is kept as closely as the file system holds it (FAT keeps two seconds, old ext
    // inodes one); a time that a late flush renewed is set once more. Only the bytes decide the copy.
    const struct timespec times[2] = {src.st_atim, src.st_mtim};
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (::futimens(fd, times) != 0 || ::fsync(fd) != 0 || ::fstat(fd, &now) != 0) break;
        const long long apart = static_cast<long long>(now.st_mtim.tv_sec) - src.st_mtim.tv_sec;
        if (apart >= -2 && apart <= 2) break;
    }
    return true;
}

// A named copy that its file system shows as neither the source's owner's nor this writer's (a FUSE mount that
// shows every file as one user's) would be his to open up: it goes.
bool StandsAsMeant(int dir, const std::string& name, int fd, uid_t owner)
{
    struct stat held, named;
    if (::fstat(fd, &held) != 0) return false;
    if (held.st_uid == owner || held.st_uid == ::geteuid()) return true;
    if (::fstatat(dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named)) {
        ::unlinkat(dir, name.c_str(), 0);
    }
    return false;
}

}  // namespace
}  // namespace detail

using namespace detail;

std::string CopyToFirstFree(const std::string& from, const std::vector<std::string>& names, bool& missing)
{
    // The source is read first, so that it is looked at again as every read is when its name is missing for a
    // moment. The copy is a new file holding those bytes: a name that another user may have put on the way to
    // the source must lead to a file that he may read himself, judged by the walk that opens the file read.
    std::string bytes, aclValue;
    struct stat src;
    missing = false;
    if (!ReadWhole(from, bytes, src, &aclValue, Look::Copy)) {
        // A link that leads round in a loop names nothing, as for the existence check.
        missing = errno == ENOENT || errno == ENOTDIR || errno == ELOOP;
        return std::string();
    }
    Fd dir;
    std::string first;
    if (names.empty() || !Locate(names.front(), Look::NewName, dir, first)) return std::string();
    TempFile temp(dir.Get(), RemoveLeftovers(dir.Get()));
    bool filled = false;
    for (const std::string& to : names) {
        const std::string name = NameOf(to);
        struct stat st;
        if (::fstatat(dir.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) continue;
        if (!filled) {
            if (!FillBackup(temp, bytes, aclValue, src)) return std::string();
            filled = true;
        }
        if (temp.Name(name)) {
            return StandsAsMeant(dir.Get(), name, temp.Handle(), src.st_uid) && SyncFolder(dir.Get()) ? to
                                                                                                     : std::string();
        }
        if (errno != EEXIST) return std::string();
    }
    return std::string();
}

}  // namespace fsys
