// What the four pieces of the file layer share: the descriptor holder, whole reads and writes of a
// descriptor, the walk that finds a file's folder, the temporary file, and the attribute helpers.
// Private to the layer; file_io.h is its interface.
#pragma once

#include <ctime>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fsys {
namespace detail {

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

inline bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Another writer's rename can replace a file, or on FUSE file systems hide its name for a moment, between a look
// and an open: readers and writers look again up to this many times, pausing a moment from the third time on.
constexpr int kLooks = 50;
inline void PauseAMoment()
{
    const struct timespec pause = {0, 1000000};
    ::nanosleep(&pause, nullptr);
}

// --- Path walk (file_io_path.cpp) ---------------------------------------------------------------------------

// What a walk is for. Reads and existence questions follow links as the kernel would for this process (with
// its rule for shared folders always applied); a walk to write also refuses names that another user may have
// planted, and so does one to a file to be copied (Copy), which he must be able to read instead. NewName does
// not follow a link in the last place: it names an entry to be made, and its folder is judged whatever stands
// under the name.
enum class Look { Read, Write, NewName, Copy };

// Opens the folder that holds the entry path names, following no link that the rules of look refuse; name
// receives the entry's name in that folder, entry, where given, its status (st_mode 0 when it is missing), and
// at, where given, the entry itself opened with O_PATH: every decision was taken on that descriptor, so the
// entry is used through it (Reopen), not looked up again by name. A read (Look::Read with at) gets a regular
// file opened for reading where the kernel's look found one, and then no folder (dir closed), as it needs none.
// False with errno when a place on the way is missing, is a file where a folder must stand ("/" or "/." after
// it), or is a name that may not be followed (EPERM then). foreign, where given, tells whether the way to an
// existing entry followed another user's link (Look::Write), so that the write gives no privilege he lacks.
bool Locate(const std::string& path, Look look, Fd& dir, std::string& name, struct stat* entry = nullptr,
            Fd* at = nullptr, bool* foreign = nullptr);

// Opens the entry that the O_PATH descriptor at holds, with flags (no O_NOFOLLOW: at is no link). Without
// /proc, the entry is opened by its name in dir without following a link, only where nobody but the caller
// and root may change dir (else EACCES); the caller then checks that it is the same file.
int Reopen(int at, int dir, const std::string& name, int flags);

// Reads the regular file path names whole; its access ACL into acl where asked ("" when it has none). With
// Look::Copy, the names on the way are judged as for a copy of the file, by the one walk that opens it.
bool ReadWhole(const std::string& path, std::string& bytes, struct stat& st, std::string* acl = nullptr,
               Look look = Look::Read);

// --- Whole-file writing (file_io_write.cpp) -----------------------------------------------------------------

// A write that takes no byte counts as a failure.
bool WriteAll(int fd, const std::string& text);
// The whole content from offset 0, without moving the file position; false for a write-only descriptor. Where
// sizeHint is the file's size, a read that reaches it ends the file; one that goes beyond reads on to the end,
// but not beyond both sizeHint and kReadLimit (false, errno EFBIG).
bool PReadAll(int fd, std::size_t sizeHint, std::string& bytes);
// Makes a changed name last through a power loss.
bool SyncFolder(int dir);
// Removes temporary files that killed writers left in the folder; false when the folder refuses to give one up.
bool RemoveLeftovers(int dir);

// A new file in a folder that has no name until it is whole, and that only its writer may open meanwhile
// (mode 0600): an O_TMPFILE where the file system offers one, else a hidden named file that the next writer
// into the folder removes if this process is killed. Named temporary files only move to their final name or,
// where the file system cannot move without replacing, become its second name and then lose their own; none is
// named in a folder that refuses to give names up (named false), where it would stay.
class TempFile {
public:
    explicit TempFile(int dir, bool named = true) : m_dir(dir), m_named(named) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { Discard(); }

    int Handle() const { return m_fd.Get(); }
    bool Close() { return m_fd.Close(); }

    // errno tells why on failure.
    bool Create();

    // Gives the whole file the name; never replaces an existing entry (errno EEXIST then). On file systems with
    // neither an exclusive rename nor hard links (FAT), an exclusive create takes the name and the whole file is
    // moved onto that empty file; unless exclusive, the name is only found free just before the move instead,
    // so that a file that another writer names meanwhile is replaced.
    bool Name(const std::string& name, bool exclusive = true);

    // Puts the whole file in place of name in one step.
    bool Replace(const std::string& name);

private:
    // Tells cleaners that this writer lives, and goes without on file systems that have no locks.
    void Lock();

    bool StillNamed() const;

    bool MoveOnto(const std::string& name, bool exclusive);

    void Discard();

    static std::string FreshName();

    int m_dir;
    bool m_named;
    Fd m_fd;
    std::string m_name;
};


// --- Attributes (file_io_attr.cpp) --------------------------------------------------------------------------

extern const char kAccessAcl[];
extern const char kCapability[];  // a file capability, which a write without privilege takes away

// The permission bits of a POSIX ACL as the kernel stores it: owner, owning group, mask, and other, -1 where
// absent, and the bits that every named user or group entry allows (7 without such entries); and the named
// entries that allow writing, whatever the mask says (a group's: first true).
struct AclBits {
    int user = -1, group = -1, mask = -1, other = -1, named = 7;
    std::vector<std::pair<bool, unsigned>> writers;
};

bool ParseAcl(const std::string& value, AclBits& bits);
// One attribute's value, of the descriptor fd or else of path; false (errno ENODATA) when there is none.
bool GetAttribute(int fd, const char* path, const std::string& name, std::string& value);
// Gives to the extended attributes of from (the ACL included) and no others; without its file capability
// unless capability.
bool CopyAttributes(int from, int to, bool capability = true);
// The mode a file created with 0666 in the folder would get.
mode_t NewFileMode(int dir);

}  // namespace detail
}  // namespace fsys
