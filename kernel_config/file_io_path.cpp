// The path walk and its link rules, and the questions about a path. A path on which a link stands is walked
// one name at a time, each opened once and judged and used through that descriptor, with no link left to the
// kernel but those of proc, so that the rule for links in shared folders holds whether or not the kernel applies
// it, and no name that another user may have planted leads a write (a copy) to a file he could not write
// (read); where no link stands (the whole path, or what follows a link: its folders, and for a read the file
// too), the kernel resolves it in one call. The existence and folder questions, reading and writing all take
// this one walk, so they agree on what a path names. Only regular files are read, without blocking, and no other
// kind of file is opened to be read or written, whatever is swapped meanwhile.
#include "file_io.h"
#include "file_io_internal.h"

#include <cerrno>
#include <climits>
#include <ctime>
#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <linux/openat2.h>
#include <pwd.h>
#include <linux/magic.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <sys/syscall.h>
#include <algorithm>
#include <system_error>
#include <thread>

namespace fsys {
namespace detail {
namespace {

// A question for the kernel: may a user do bits (4 read, 2 write, 1 search) to what fd holds.
struct Ask {
    int fd;
    unsigned bits;
};

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

// Opens path from the folder from as the kernel resolves it, where no link stands on the way; -1 otherwise.
int OpenWithoutLinks(int from, const std::string& path, int flags)
{
    struct open_how how{};
    how.flags = static_cast<unsigned>(flags | O_CLOEXEC);
    how.resolve = RESOLVE_NO_SYMLINKS;
    return static_cast<int>(::syscall(SYS_openat2, from, path.c_str(), &how, sizeof how));
}

// The kernel's rule for links in shared folders (fs.protected_symlinks), applied whether or not it is switched
// on: in a sticky, world-writable folder only a link of the follower or of the folder's owner is followed, so
// that nobody can send a privileged writer to another file through a link planted there.
bool MayFollow(int dir, const struct stat& link)
{
    if (link.st_uid == ::geteuid()) return true;
    struct stat folder;
    if (::fstat(dir, &folder) != 0) return false;
    if ((folder.st_mode & (S_ISVTX | S_IWOTH)) != (S_ISVTX | S_IWOTH)) return true;
    return link.st_uid == folder.st_uid;
}

// The groups the account database gives user, his own first; false when it knows him not. Asked only for a
// write through another user's name, never for a read.
bool AccountGroups(uid_t user, std::vector<gid_t>& groups)
{
    std::vector<char> buffer(16384);
    struct passwd entry, *found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return false;
    int n = 64;
    groups.assign(static_cast<std::size_t>(n), entry.pw_gid);
    if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &n) < 0) {
        groups.assign(static_cast<std::size_t>(n), entry.pw_gid);
        if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &n) < 0) return false;
    }
    groups.resize(static_cast<std::size_t>(n));
    groups.insert(groups.begin(), entry.pw_gid);
    return true;
}

// Whether user may do bits (4 read, 2 write, 1 search, or a sum) to the entry by its mode, as the kernel decides: the
// owner's bits for the owner, else the group's for a member, else the others'; where membership cannot be
// known, both group and others must grant it.
bool ModeGrants(const struct stat& st, uid_t user, const std::vector<gid_t>* groups, unsigned bits)
{
    const unsigned mode = st.st_mode;
    if (st.st_uid == user) return ((mode >> 6) & bits) == bits;
    const bool member = groups != nullptr && std::find(groups->begin(), groups->end(), st.st_gid) != groups->end();
    const unsigned have = member ? mode >> 3 : groups != nullptr ? mode : (mode >> 3) & mode;
    return (have & bits) == bits;
}

// Drops every capability from the calling thread's effective set with the raw call, which changes that thread
// alone, and tells whether none is left: a capability kept through the change of identity (the securebit
// no_setuid_fixup keeps them) would answer for the kernel instead of the user's permissions.
bool DropCapabilities()
{
    struct __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    struct __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, caps) != 0) return false;
    for (auto& cap : caps) cap.effective = 0;
    if (::syscall(SYS_capset, &header, caps) != 0) return false;
    struct __user_cap_data_struct now[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, now) != 0) return false;
    for (const auto& cap : now) {
        if (cap.effective != 0) return false;
    }
    return true;
}

// The kernel's own answer, ACLs included, for root: a thread of its own takes on user's file identity with the
// raw calls, which change that thread alone (the C library's setgroups would change every thread), and gives up
// its capabilities before it asks. False when the kernel could not be asked so: the thread could not start,
// the identity did not hold, a capability stayed, or a question gave no answer.
bool KernelGrants(uid_t user, gid_t gid, const std::vector<gid_t>& groups, const std::vector<Ask>& asks,
                  bool& granted)
{
    bool asked = false;
    try {
        std::thread([&] {
            if (::syscall(SYS_setgroups, groups.size(), groups.data()) != 0) return;
            ::syscall(SYS_setfsgid, gid);
            ::syscall(SYS_setfsuid, user);
            // Each call answers with the identity it found: -1 changes nothing and tells whether the change held.
            if (static_cast<uid_t>(::syscall(SYS_setfsuid, -1)) != user ||
                static_cast<gid_t>(::syscall(SYS_setfsgid, -1)) != gid || !DropCapabilities()) {
                return;
            }
            granted = true;
            for (const Ask& ask : asks) {
                const int mode = (ask.bits & 4 ? R_OK : 0) | (ask.bits & 2 ? W_OK : 0) | (ask.bits & 1 ? X_OK : 0);
                if (::syscall(SYS_faccessat2, ask.fd, "", mode, AT_EACCESS | AT_EMPTY_PATH) == 0) continue;
                if (errno != EACCES && errno != EPERM && errno != EROFS && errno != ETXTBSY) return;
                granted = false;
            }
            asked = true;
        }).join();
    } catch (const std::system_error&) {
        return false;
    }
    return asked;
}

// A user who stands for a whole class: he owns no file and is named by no ACL entry.
const uid_t kAnyone = static_cast<uid_t>(-2);

// Whether user, a member of groups (his own first; nullptr where the account database cannot tell), may do what
// each ask names: for root the kernel's answer, and no where it cannot be had (the modes would miss his ACL
// entries); for any other caller the modes'. An unknown membership counts against him: he must be granted it
// both as a member of every group concerned and as a member of none.
bool Grants(uid_t user, const std::vector<gid_t>* groups, const std::vector<Ask>& asks)
{
    std::vector<gid_t> all;
    std::vector<struct stat> entries(asks.size());
    for (std::size_t i = 0; i < asks.size(); ++i) {
        if (::fstat(asks[i].fd, &entries[i]) != 0) return false;
        all.push_back(entries[i].st_gid);
    }
    if (::geteuid() == 0) {
        bool granted = false, asMember = false;
        const gid_t none = static_cast<gid_t>(-2);  // a group that no file is expected to have
        if (groups != nullptr) {
            return KernelGrants(user, groups->empty() ? none : groups->front(), *groups, asks, granted) && granted;
        }
        return KernelGrants(user, none, {}, asks, granted) && granted &&
               KernelGrants(user, none, all, asks, asMember) && asMember;
    }
    for (std::size_t i = 0; i < asks.size(); ++i) {
        if (!ModeGrants(entries[i], user, groups, asks[i].bits)) return false;
    }
    return true;
}

// Whether user may do what each ask names, with the groups the account database gives him.
bool MayDo(uid_t user, const std::vector<Ask>& asks)
{
    if (user == 0) return true;
    std::vector<gid_t> groups;
    const bool known = AccountGroups(user, groups);
    return Grants(user, known ? &groups : nullptr, asks);
}

// A switch of the kernel's link protection (fs.protected_*) as it stood when first asked: on only when it
// reads 1.
bool LinkProtection(const char* setting)
{
    char value = '0';
    const int fd = ::open(setting, O_RDONLY | O_CLOEXEC);
    if (fd >= 0 && ::read(fd, &value, 1) != 1) value = '0';
    if (fd >= 0) ::close(fd);
    return value == '1';
}

// Where the kernel lets anyone link any file he may see (fs.protected_hardlinks off, or unknown).
bool AnyoneMayLink()
{
    static const bool unprotected = !LinkProtection("/proc/sys/fs/protected_hardlinks");
    return unprotected;
}

// Who may have put a name on the way to a written or copied entry, and from which folder on he must be able to
// search to reach the entry himself: the owners of the links followed, and whoever may put a name in the folder
// of such a link or of a file with several names, there by renaming another's (neither this user nor root).
struct Planter {
    uid_t user;        // kAnyone for a class: the members of group, or with member unset all others
    bool member;
    gid_t group;
    std::size_t from;  // his folders to search: folders[from] on
};
struct Planters {
    Planters() = default;
    Planters(const Planters&) = delete;
    Planters& operator=(const Planters&) = delete;
    ~Planters()
    {
        for (const Ask& folder : folders) ::close(folder.fd);
    }
    // One already named has as many folders to search, or more.
    void Add(uid_t user, bool member = false, gid_t group = 0)
    {
        const auto same = [&](const Planter& p) { return p.user == user && p.member == member && p.group == group; };
        if (user == ::geteuid() || user == 0 || std::any_of(who.begin(), who.end(), same)) return;
        who.push_back(Planter{user, member, group, folders.size()});
    }
    // Who may put any name in the folder dir: its owner, whatever its mode, as he may change it; and, where
    // others' names may be moved or linked there (anyName: not sticky, or hard links unprotected), its group's
    // members, the users and groups that its ACL lets write it, and all others, as far as its mode lets them.
    void AddWriters(int dir, const struct stat& folder, bool anyName)
    {
        Add(folder.st_uid);
        if (!anyName) return;
        if (folder.st_mode & S_IWGRP) {
            Add(kAnyone, true, folder.st_gid);
            // Under an ACL the group's bits are its mask; an ACL that cannot be read may name anyone.
            std::string value;
            AclBits acl;
            const std::string self = "/proc/self/fd/" + std::to_string(dir);
            if (GetAttribute(-1, self.c_str(), kAccessAcl, value) ? !ParseAcl(value, acl)
                                                                  : errno != ENODATA && errno != EOPNOTSUPP) {
                Add(kAnyone);
            }
            for (const auto& named : acl.writers) named.first ? Add(kAnyone, true, named.second) : Add(named.second);
        }
        if (folder.st_mode & S_IWOTH) Add(kAnyone);
    }
    std::vector<Planter> who;
    std::vector<Ask> folders;  // owned descriptors, each to be searched
};

// A name that anyone else may have put on the way (a symbolic link, or a second name of the file) must not lead
// the writer to a file that he could not write himself (read, for a copy), nor make a new file (whatever stands
// under the name a new file is to take) in a folder he could not write.
bool NobodyPlanted(int dir, int at, const struct stat* entry, Look look, Planters& planted)
{
    const bool fresh = entry == nullptr || look == Look::NewName;
    if (!fresh && S_ISDIR(entry->st_mode)) return true;
    if (!fresh && S_ISREG(entry->st_mode) && entry->st_nlink > 1) {
        struct stat folder;
        if (::fstat(dir, &folder) != 0) return false;
        planted.AddWriters(dir, folder, !(folder.st_mode & S_ISVTX) || AnyoneMayLink());
    }
    const Ask target = fresh ? Ask{dir, 3} : Ask{at, look == Look::Copy ? 4u : 2u};
    for (const Planter& who : planted.who) {
        std::vector<Ask> asks(planted.folders.begin() + static_cast<std::ptrdiff_t>(who.from),
                              planted.folders.end());
        asks.push_back(target);
        // A class: every member of the group as such (by its bits), or every user in no group concerned.
        const std::vector<gid_t> classGroups = who.member ? std::vector<gid_t>{who.group} : std::vector<gid_t>{};
        if (!(who.user == kAnyone ? Grants(kAnyone, &classGroups, asks) : MayDo(who.user, asks))) return false;
    }
    return true;
}

// The places of rest, first to last, as one path ("/" before it where absolute); only those before the last
// place, each followed by "/", where folders is set.
std::string Joined(const std::vector<std::string>& rest, bool absolute, bool folders)
{
    std::string path = absolute ? "/" : "";
    for (std::size_t i = rest.size(); i > (folders ? 1u : 0u); --i) path += rest[i - 1] + (i > 1 ? "/" : "");
    return path;
}

// Opens from dir the folder of the last place in rest, through the places before it, when no link stands on
// the way; then only the last place remains.
bool OpenToLast(int from, bool absolute, std::vector<std::string>& rest, Fd& dir)
{
    if (rest.size() < 2) return false;
    const int fd = OpenWithoutLinks(from, Joined(rest, absolute, true), O_PATH | O_DIRECTORY);
    if (fd < 0) return false;
    dir.Reset(fd);
    rest.resize(1);
    return true;
}

// Whether nobody but this user and root may change the names in the folder dir (AT_FDCWD: the current one): it
// is theirs and neither group nor others may write it (an ACL entry that would let them shows in the group's
// bits), on a file system that shows the modes it keeps (a FUSE daemon answers as it likes). A name looked at
// there is still what it was when it is opened.
bool OnlyOursChange(int dir)
{
    struct stat folder;
    if (::fstatat(dir, "", &folder, AT_EMPTY_PATH) != 0 || (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0 ||
        (folder.st_uid != 0 && folder.st_uid != ::geteuid())) {
        return false;
    }
    struct statfs fs;
    return major(folder.st_dev) != 0 ||
           ((dir == AT_FDCWD ? ::statfs(".", &fs) : ::fstatfs(dir, &fs)) == 0 && fs.f_type != FUSE_SUPER_MAGIC);
}

// The regular file that name names in the folder dir, opened for reading; -1 for anything else, which is never
// opened for reading at all, so that no FIFO, device or socket is opened however names are swapped meanwhile:
// the name is opened once without reading (O_PATH), judged on that descriptor and reopened through it. Only
// where nobody else may change the folder is the regular file that a look found opened by its name, which
// costs less. A link in the last place is followed only where follow is set. named receives what was found
// (st_mode 0 for nothing).
int OpenPlainFile(int dir, const std::string& name, struct stat& named, bool follow)
{
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY;
    if (::fstatat(dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) named.st_mode = 0;
    const bool link = follow && S_ISLNK(named.st_mode);
    if (!S_ISREG(named.st_mode) && !link) return -1;
    if (!link && OnlyOursChange(dir)) return ::openat(dir, name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC);
    const Fd at(::openat(dir, name.c_str(), O_PATH | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW)));
    if (at.Get() < 0 || ::fstat(at.Get(), &named) != 0) named.st_mode = 0;
    return S_ISREG(named.st_mode) ? Reopen(at.Get(), dir, name, flags) : -1;
}

// A read needs no walk where no link stands among the folders of the rest of its path: the kernel opens the
// folder that path names from the folder from in one call (following links where follow is set, its rule for
// shared folders being on), and file receives the regular file in it, opened for reading, with its status.
// Otherwise false; linkOnWay tells whether a link among the folders kept the kernel from opening them, and
// folder, where given, receives the folder it opened.
bool ReadWithoutLinks(int from, const std::string& path, Fd& file, struct stat& st, bool& linkOnWay,
                      bool follow = false, Fd* folder = nullptr)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return false;
    Fd dir;
    if (slash != std::string::npos) {
        const std::string part = slash == 0 ? "/" : path.substr(0, slash);
        dir.Reset(follow ? ::openat(from, part.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)
                         : OpenWithoutLinks(from, part, O_PATH | O_DIRECTORY));
        linkOnWay = !follow && dir.Get() < 0 && errno == ELOOP;
        if (dir.Get() < 0) return false;
    }
    file.Reset(OpenPlainFile(dir.Get() >= 0 ? dir.Get() : from, name, st, follow));
    if (file.Get() >= 0) return true;
    if (folder != nullptr) folder->Reset(dir.Release());
    return false;
}

// Follows the places in rest from dir, one at a time, with no link left to the kernel but those of a proc file
// system, whose text is no path. Each name is looked up once: the entry is opened as it stands (O_PATH,
// O_NOFOLLOW), and all that is decided about it and done with it, a link's text included, comes from that
// descriptor, so that a name swapped meanwhile changes nothing that was decided. A read (reading) opens a
// regular file after a link at once, the places after it in one call where no other link stands among their
// folders (linkOnWay tells what the last look found). foreign tells whether another user's link was followed
// to the existing entry.
bool Walk(Fd& dir, std::vector<std::string>& rest, Look look, std::string& name, Fd& at, struct stat& entry,
          bool& exists, bool reading, bool linkOnWay, bool& foreign)
{
    Planters planted;
    int links = 0;
    bool othersLink = false;
    while (!rest.empty()) {
        const std::string place = std::move(rest.back());
        rest.pop_back();
        const bool last = rest.empty();
        if (place == "." && !last) continue;
        struct stat st;
        if (!planted.who.empty()) {
            const int copy = ::fcntl(dir.Get(), F_DUPFD_CLOEXEC, 0);
            if (copy < 0) return false;
            planted.folders.push_back(Ask{copy, 1});
        }
        Fd next(::openat(dir.Get(), place.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (next.Get() < 0 || ::fstat(next.Get(), &st) != 0) {
            if (!last || errno != ENOENT) return false;
            name = place;
            exists = false;
            // A missing source has nothing to copy, and nothing to judge.
            return look == Look::Read || look == Look::Copy || NobodyPlanted(dir.Get(), -1, nullptr, look, planted) ||
                   (errno = EPERM, false);
        }
        if (S_ISLNK(st.st_mode) && (!last || look != Look::NewName)) {
            if (++links > 40 || !MayFollow(dir.Get(), st)) {
                errno = links > 40 ? ELOOP : EPERM;
                return false;
            }
            if (look != Look::Read) {
                // Its owner may have put it there, and so may whoever may rename names in its folder.
                struct stat folder;
                if (::fstat(dir.Get(), &folder) != 0) return false;
                planted.Add(st.st_uid);
                planted.AddWriters(dir.Get(), folder, !(folder.st_mode & S_ISVTX));
                othersLink = othersLink || (st.st_uid != ::geteuid() && st.st_uid != 0);
            }
            // Proc, as every file system with no device of its own, has a device number of major 0.
            struct statfs fs;
            if (major(st.st_dev) == 0 && ::fstatfs(next.Get(), &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC) {
                // A container's root or an open file: only the kernel can follow it, and the walk goes on from
                // what it opened. Nobody can rename a name of proc, so it is the same link.
                next.Reset(::openat(dir.Get(), place.c_str(), O_PATH | O_CLOEXEC));
                if (next.Get() < 0 || ::fstat(next.Get(), &st) != 0) return false;
            } else {
                std::string text(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
                const ssize_t n = ::readlinkat(next.Get(), "", &text[0], text.size());
                if (n <= 0 || static_cast<std::size_t>(n) >= text.size()) return false;
                text.resize(static_cast<std::size_t>(n));
                const bool absolute = text[0] == '/';
                const int from = absolute ? AT_FDCWD : dir.Get();
                struct stat file;
                const std::string onward = rest.empty() ? std::string() : text + "/" + Joined(rest, false, false);
                if (reading && ReadWithoutLinks(from, rest.empty() ? text : onward, at, file, linkOnWay)) {
                    dir.Reset();
                    entry = file;
                    exists = true;
                    return true;
                }
                PushPlaces(text, rest);
                // Where no other link stands on the way, the kernel takes the text's folders in one call; the
                // folders a planter must be able to search are looked at one by one.
                if (!linkOnWay && planted.who.empty() && OpenToLast(from, absolute, rest, dir)) continue;
                if (absolute) dir.Reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
                if (dir.Get() < 0) return false;
                continue;
            }
        }
        if (last) {
            name = place;
            entry = st;
            exists = true;
            at.Reset(next.Release());
            foreign = othersLink;
            return look == Look::Read || NobodyPlanted(dir.Get(), at.Get(), &st, look, planted) ||
                   (errno = EPERM, false);
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
// stands on the way (or the path is too long for it): false then, with nothing opened. A folder that the read's
// look opened already (dir) is taken as it is.
bool OpenFolderDirectly(const std::string& path, Fd& dir, std::string& name)
{
    const std::size_t slash = path.find_last_of('/');
    name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return false;
    if (dir.Get() >= 0) return true;
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = OpenWithoutLinks(AT_FDCWD, folder, O_PATH | O_DIRECTORY);
    if (fd < 0) return false;
    dir.Reset(fd);
    return true;
}

// The first look of a read at its whole path, which needs no walk where no link stands among its folders, nor
// where the kernel applies the rule for links in shared folders itself (fs.protected_symlinks, on by default):
// then the kernel opens the folder by the whole path in one call, links included, and a link in the last place
// is left to it too. As read when first asked. folder receives the folder opened where no link stood on the way
// and the file was not read.
bool ReadAtOnce(const std::string& path, Fd& file, struct stat& st, bool& linkOnWay, Fd& folder)
{
    static const bool kernelFollows = LinkProtection("/proc/sys/fs/protected_symlinks");
    return ReadWithoutLinks(AT_FDCWD, path, file, st, linkOnWay, kernelFollows, kernelFollows ? nullptr : &folder);
}

}  // namespace

bool Locate(const std::string& path, Look look, Fd& dir, std::string& name, struct stat* entry, Fd* at,
            bool* foreign)
{
    if (path.empty()) {
        errno = ENOENT;
        return false;
    }
    const bool reading = look == Look::Read && at != nullptr;
    struct stat st{};
    bool linkOnWay = false;
    if (reading && ReadAtOnce(path, *at, st, linkOnWay, dir)) {
        dir.Reset();
        if (entry != nullptr) *entry = st;
        return true;
    }
    std::vector<std::string> rest;
    std::string last;
    // A link on the way that kept the kernel from opening the file for reading is found by the walk from the
    // start; the folder could not be opened in one call either.
    if (!linkOnWay && OpenFolderDirectly(path, dir, last)) {
        rest.push_back(last);
    } else {
        // Only a missing place or a file where a folder must stand answers for the walk. A link on the way, a
        // path too long, and errors that answer nothing (EAGAIN under concurrent renames, ENOMEM, EINVAL) leave
        // it to the walk.
        if ((errno == ENOENT || errno == ENOTDIR) && !last.empty() && last != "." && last != "..") return false;
        PushPlaces(path, rest);
        // Nobody can rename the root: a folder in it is opened by its name from there in one call, and the walk
        // starts in that folder (anything else there is looked at by the walk).
        if (path[0] == '/' && rest.size() > 1) {
            dir.Reset(::open(("/" + rest.back()).c_str(), O_PATH | O_NOFOLLOW | O_DIRECTORY | O_CLOEXEC));
            if (dir.Get() >= 0) rest.pop_back();
        }
        if (dir.Get() < 0) dir.Reset(::open(path[0] == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (dir.Get() < 0) return false;
    }
    bool exists = false, planted = false;
    Fd opened;
    if (!Walk(dir, rest, look, name, opened, st, exists, reading, linkOnWay, planted)) return false;
    if (foreign != nullptr) *foreign = planted;
    if (at != nullptr) at->Reset(opened.Release());
    if (entry != nullptr) {
        *entry = st;
        if (!exists) entry->st_mode = 0;
    }
    return true;
}

int Reopen(int at, int dir, const std::string& name, int flags)
{
    const std::string self = "/proc/self/fd/" + std::to_string(at);
    const int fd = ::open(self.c_str(), flags | O_CLOEXEC);
    if (fd >= 0 || errno != ENOENT || ::access("/proc/self/fd", F_OK) == 0) return fd;
    // Opened by its name again, the entry is the one judged only where nobody else may change the folder.
    if (!OnlyOursChange(dir)) {
        errno = EACCES;
        return -1;
    }
    return ::openat(dir, name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC);
}

// Only a regular file is opened for reading at all, and without blocking, so that no FIFO or device is opened
// or holds the caller. Another writer's rename may replace the file, or on FUSE file systems hide its name for
// a moment, between the look and the open: the look is then taken again (a few times where the name was missing
// at the look itself). A file larger than the read limit is refused before any byte is read, and one that
// reads on beyond it (a proc file that never ends) when the read reaches it. A copy's read (Look::Copy) takes
// the walk that judges the names on the way, and reads the file that walk judged.
bool ReadWhole(const std::string& path, std::string& bytes, struct stat& st, std::string* acl, Look look)
{
    for (int attempt = 0, missing = 0; attempt < kLooks; ++attempt) {
        if (attempt >= 2) PauseAMoment();
        struct stat named;
        Fd dir, fd;
        std::string name;
        if (!Locate(path, look, dir, name, &named, &fd)) return false;
        if (named.st_mode == 0 && ++missing < 3) continue;
        if (!S_ISREG(named.st_mode)) {
            errno = named.st_mode == 0 ? ENOENT : EINVAL;
            return false;
        }
        st = named;
        if (dir.Get() >= 0) {
            // A regular file that the walk found where the look had seen none: opened from its descriptor.
            fd.Reset(Reopen(fd.Get(), dir.Get(), name, O_RDONLY | O_NONBLOCK | O_NOCTTY));
            if (fd.Get() < 0 && errno == ENOENT) continue;
            if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0) return false;
            if (!SameFile(st, named)) continue;
        }
        if (st.st_size > static_cast<off_t>(kReadLimit)) {
            errno = EFBIG;
            return false;
        }
        if (acl != nullptr && !GetAttribute(fd.Get(), nullptr, kAccessAcl, *acl)) acl->clear();
        return PReadAll(fd.Get(), static_cast<std::size_t>(st.st_size), bytes) && fd.Close();
    }
    return false;
}

}  // namespace detail

using detail::Fd;
using detail::Locate;
using detail::Look;
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
    return Locate(path, Look::Read, dir, name, &st) && st.st_mode != 0;
}

bool IsDirectory(const std::string& path)
{
    Fd dir;
    std::string name;
    struct stat st;
    return Locate(path, Look::Read, dir, name, &st) && S_ISDIR(st.st_mode);
}

bool IsReadOnly(const std::string& path)
{
    Fd dir;
    std::string name;
    struct stat st;
    return Locate(path, Look::Read, dir, name, &st) && st.st_mode != 0 &&
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
